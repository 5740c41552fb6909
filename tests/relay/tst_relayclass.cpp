// A live class across processes: the relay program and the simulated-class
// program run as child processes, the real real-time manager (Agora message
// channel) runs here with a recording class window, and the stand-in SDK of
// every process reaches the others through the relay only. Driven: the
// teacher joins, two students come in and ask for the board history, a
// control action reaches a student, a student's strokes reach the teacher,
// a media peer here sees the students' video; then the relay is killed and
// started again on its port, and the channel recovers by itself. Assertions
// are on what the window was handed and on what the students say they heard.

#include "modules/live/communications/TQRealTimeManager.h"

#include "actions/TQActionsFromNet.h"
#include "actions/control/TQControlAnswerMachineAnswer.h"
#include "actions/control/TQControlEnableWriting.h"
#include "actions/control/TQControlRaiseHand.h"
#include "actions/control/TQControlRequestBulkData.h"
#include "actions/control/TQControlSilence.h"
#include "actions/control/TQControlStudentJoinClass.h"
#include "actions/control/TQControlStudentPermissionInfo.h"
#include "actions/drawing/TQDrawingActionLine.h"
#include "actions/message/TQPublicMessageAction.h"
#include "actions/status/TQStatusUserResponse.h"
#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/TQDataModelBean.h"
#include "modules/live/communications/TQRealTimeEngineFactory.h"
#include "modules/login/LoginManager.h"

#include <QJsonObject>
#include <QProcess>
#include <QtTest>

#include "../rtsdk/RtcMediaPeer.h"
#include "CourseWithHistory.h"
#include "RecordingWindow.h"
#include "SimStudent.h"

#include <memory>

namespace {

constexpr long kTeacher = 900;
constexpr long kSchedule = 678;
constexpr int kHistory = 20;

bool waitFor(const std::function<bool()> &done, int timeoutMs = 8000)
{
    return SimStudent::waitUntil(done, timeoutMs);
}

// A child program whose stdout is kept line by line.
class ChildProgram
{
public:
    explicit ChildProgram(const char *binaryVariable) : mBinary(qEnvironmentVariable(binaryVariable)) {}
    ~ChildProgram() { kill(); }

    void start(const QStringList &arguments)
    {
        mProcess = std::make_unique<QProcess>();
        mProcess->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QObject::connect(mProcess.get(), &QProcess::readyReadStandardOutput, [this] {
            while (mProcess->canReadLine())
                mLines << QString::fromUtf8(mProcess->readLine()).trimmed();
        });
        mProcess->start(mBinary, arguments);
    }
    void kill()
    {
        if (!mProcess)
            return;
        mProcess->kill();
        mProcess->waitForFinished(5000);
        mProcess.reset();
    }
    // Lines that contain `needle`.
    int count(const QString &needle) const { return int(mLines.filter(needle).size()); }
    bool waitForLine(const QString &needle, int times = 1)
    {
        return waitFor([&] { return count(needle) >= times; });
    }
    QString firstLine(const QString &needle) const
    {
        const QStringList found = mLines.filter(needle);
        return found.isEmpty() ? QString() : found.first();
    }
    QString dump() const { return mLines.join(QLatin1Char('\n')); }

private:
    const QString mBinary;
    std::unique_ptr<QProcess> mProcess;
    QStringList mLines;
};

} // namespace

class TestRelayClass : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void classAcrossProcesses();

private:
    void startRelay(quint16 port);
    template <class Action>
    void sendTo(long student)
    {
        auto *action = new Action;
        action->targetUserId = int(student);
        m_manager->sendActionImmediately(action);
    }

    ChildProgram m_relay { "VELTRO_RELAY_BINARY" };
    ChildProgram m_class { "VELTRO_SIMCLASS_BINARY" };
    quint16 m_port = 0;
    CourseDetailBean *m_course = nullptr;
    std::unique_ptr<TQRealTimeManager> m_manager;
    RecordingWindow m_window;
    QStringList m_received; // "<class> from <uid>" of every action the window was handed
    QList<bool> m_dataNetwork; // the manager's data-network reports, in order
};

void TestRelayClass::startRelay(quint16 port)
{
    m_relay.start({ QStringLiteral("--port"), QString::number(port) });
    QVERIFY2(m_relay.waitForLine(QStringLiteral("listening on 127.0.0.1:")), qPrintable(m_relay.dump()));
}

void TestRelayClass::initTestCase()
{
    startRelay(0);
    const QString line = m_relay.firstLine(QStringLiteral("listening on"));
    m_port = quint16(line.section(QLatin1Char(':'), -1).toUInt());
    QVERIFY(m_port > 0);
    // The stand-in SDK's own configuration, read at its first use below.
    qputenv("RTSDK_RELAY", QByteArray("127.0.0.1:") + QByteArray::number(m_port));

    LoginManager::saveLoginInfo(QJsonObject{
        {"tokenStatus", QJsonObject{{"token", "t"}}},
        {"accountDetails", QJsonObject{{"user_id", QString::number(kTeacher)}, {"user_nick_name", "T"}}}});
    m_course = newCourseWithHistory(kSchedule, kHistory);
    TQDataModelBean::m_pOngoingCourse = m_course;
}

void TestRelayClass::cleanupTestCase()
{
    m_class.kill();
    m_manager.reset();
    m_relay.kill();
    TQDataModelBean::m_pOngoingCourse = nullptr;
    delete m_course;
}

void TestRelayClass::classAcrossProcesses()
{
    m_manager = std::make_unique<TQRealTimeManager>();
    m_manager->setDelegate(&m_window);
    TQRealTimeManager *manager = m_manager.get();
    connect(manager, &TQRealTimeManager::onNetworkChange_signal, this, [this](bool isRtm, bool isOk) {
        if (isRtm)
            m_dataNetwork << isOk;
    });
    // As the class window: names what arrives; a history request is
    // registered for bulk sending.
    m_window.inspect = [this, manager](TQActionsFromNet &actions) {
        for (TQAction *action : actions.mActionArray) {
            const QString from = QStringLiteral(" from %1").arg(actions.from);
            if (dynamic_cast<TQControlRequestBulkData *>(action))
                manager->registerUserIDForBulkSending({ actions.from, 0, kHistory - 1, 0, true });
            if (dynamic_cast<TQControlStudentJoinClass *>(action))
                m_received << "join" + from;
            else if (dynamic_cast<TQControlRequestBulkData *>(action))
                m_received << "history request" + from;
            else if (dynamic_cast<TQDrawingActionLine *>(action))
                m_received << "stroke" + from;
            else if (dynamic_cast<TQControlRaiseHand *>(action))
                m_received << "hand" + from;
            else if (dynamic_cast<TQControlAnswerMachineAnswer *>(action))
                m_received << "choice" + from;
            else if (dynamic_cast<TQStatusUserResponse *>(action))
                m_received << "device report" + from;
            else if (dynamic_cast<TQPublicMessageAction *>(action))
                m_received << "chat" + from;
            else
                m_received << "other" + from;
        }
    };
    const auto received = [this](const QString &what) { return int(m_received.count(what)); };

    // 1. The teacher logs in and joins over the relay.
    m_manager->init(0, 1, 4);
    m_manager->loadDataChannel();
    QVERIFY(waitFor([&] { return m_window.count("dataNetworkConnected") == 1; }));

    // 2. Two students come in, announce themselves, ask for the history and
    // get it; each also raises a hand, chats and answers the choice question.
    m_class.start({ "--relay", QStringLiteral("127.0.0.1:%1").arg(m_port), "--schedule", QString::number(kSchedule),
                    "--students", "2", "--first-uid", "42" });
    QVERIFY2(m_class.waitForLine("class ready: 2 students"), qPrintable(m_class.dump()));
    QVERIFY(waitFor([&] { return m_window.count("online 42") == 1 && m_window.count("online 43") == 1; }));
    QVERIFY(waitFor([&] {
        return received("history request from 42") == 1 && received("history request from 43") == 1;
    }));
    QCOMPARE(received("join from 42"), 1);
    QVERIFY2(m_class.waitForLine("student 42 history chunk end"), qPrintable(m_class.dump()));
    QVERIFY(m_class.waitForLine("student 43 history chunk end"));
    QVERIFY(waitFor([&] { return received("hand from 42") == 1 && received("chat from 43") == 1
                                 && received("choice from 43") == 1; }));

    // 3. Control actions reach the student they are for: a permission
    // request is answered with a device report; the pen brings strokes.
    sendTo<TQControlStudentPermissionInfo>(42);
    QVERIFY(m_class.waitForLine("student 42 received [-1,156,42"));
    QVERIFY(waitFor([&] { return received("device report from 42") == 1; }));
    sendTo<TQControlEnableWriting>(43);
    QVERIFY(m_class.waitForLine("student 43 received [-1,105,43]"));
    QVERIFY(waitFor([&] { return received("stroke from 43") == 3; }));
    QCOMPARE(received("stroke from 42"), 0);
    QCOMPARE(m_class.count("student 42 drew"), 0);
    QCOMPARE(m_dataNetwork, QList<bool>{ true });
    {
        // The students' video reaches a viewer in the media channel: their
        // own pattern (a ramp from luma 32), not the SDK's stand-in one.
        MediaPeer viewer;
        QCOMPARE(viewer.media()->registerVideoRenderFactory(&viewer), 0);
        QCOMPARE(viewer.join(QByteArray::number(qlonglong(kSchedule)).constData(), kTeacher, "", ""), 0);
        QVERIFY(viewer.waitFor("user 42"));
        int view = 0;
        agora::rtc::VideoCanvas canvas;
        canvas.view = &view;
        canvas.uid = 42;
        QCOMPARE(viewer.engine->setupRemoteVideo(canvas), 0);
        QVERIFY(waitFor([&] {
            const auto log = viewer.frameLog();
            return std::find(log.begin(), log.end(), "160x120 y32") != log.end();
        }));
    }

    // 4. The relay goes away: a network failure the teacher hears of ...
    m_relay.kill();
    QVERIFY(waitFor([&] { return m_dataNetwork.size() == 2; }));
    QCOMPARE(m_dataNetwork.last(), false);
    QVERIFY(m_class.waitForLine("student 42 state 4 5"));

    // ... and comes back on its port: everyone is back by themselves, and
    // sending works again.
    startRelay(m_port);
    QVERIFY(waitFor([&] { return m_dataNetwork.size() == 3; }));
    QCOMPARE(m_dataNetwork.last(), true);
    QVERIFY(m_class.waitForLine("student 42 state 3 2", 2));
    sendTo<TQControlSilence>(42);
    QVERIFY2(m_class.waitForLine("student 42 received [-1,101,42]"), qPrintable(m_class.dump()));
    QCOMPARE(m_class.count("student 43 received [-1,101,42]"), 1); // a channel message: everyone hears it
    QCOMPARE(m_window.count("dataNetworkConnected"), 1);
    QVERIFY(m_window.allOnGuiThread);
}

QTEST_MAIN(TestRelayClass)
#include "tst_relayclass.moc"
