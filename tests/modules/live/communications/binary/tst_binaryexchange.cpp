// Images between the teacher and a student over the stand-in SDK: the real
// real-time manager with the product's message channel (Agora or Tessel,
// one row each), the transporter behind TQBroadCastBinaryTransporterInterface,
// and a SimStudent on the same in-process hub that joins its slices and
// checks their tag with its own code. The class window is a recording
// TQRealTimeInterface that hands received partitions to the transporter as
// the window's dispatcher does.

#include "modules/live/communications/binary/TQBinaryTransporterManager.h"

#include "actions/TQActionsFromNet.h"
#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/TQDataModelBean.h"
#include "modules/live/communications/TQRealTimeEngineFactory.h"
#include "modules/live/communications/TQRealTimeManager.h"
#include "modules/live/communications/binary/TQBinaryPartition.h"
#include "modules/live/communications/binary/TQBroadCastBinaryTransporterInterface.h"
#include "modules/login/LoginManager.h"
#include "utils/FileUtils.h"

#include "rtsdk/StandInControl.h"

#include <QDir>
#include <QJsonObject>
#include <QtTest>

#include "RecordingWindow.h"
#include "SimStudent.h"
#include "TestLogCapture.h"

#include <algorithm>
#include <memory>

namespace {

constexpr long kTeacher = 900;
constexpr long kStudent = 42;
constexpr long kSchedule = 678;

QByteArray pattern(int size, int seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 13 + seed * 101 + i / 241) & 0xff);
    return bytes;
}

// The teacher is in the alternate channel, where partitions go.
bool teacherInAltChannel()
{
    const std::vector<std::string> members = rtsdk::StandInControl::membersOf(std::to_string(kSchedule) + "_alt");
    return std::find(members.begin(), members.end(), std::to_string(kTeacher) + "_rtm") != members.end();
}

} // namespace

class TestBinaryExchange : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void imagesBothWays_data();
    void imagesBothWays();

private:
    CourseDetailBean *m_course = nullptr;
    std::unique_ptr<TQRealTimeManager> m_manager;
    std::unique_ptr<TQBroadCastBinaryTransporterInterface> m_interface;
    std::unique_ptr<TQBinaryTransporterManager> m_transporter;
    RecordingWindow m_window;
    QList<QPair<QString, QByteArray>> m_frames;
};

void TestBinaryExchange::initTestCase()
{
    LoginManager::saveLoginInfo(QJsonObject{
        {"tokenStatus", QJsonObject{{"token", "t"}}},
        {"accountDetails", QJsonObject{{"user_id", QString::number(kTeacher)}, {"user_nick_name", "T"}}}});
}

void TestBinaryExchange::init()
{
    rtsdk::StandInControl::reset();
    QDir(FileUtils::getResourceDir()).removeRecursively();
    m_window = RecordingWindow();
    m_frames.clear();
    m_course = new CourseDetailBean(QJsonObject{});
    m_course->course_id = "11";
    m_course->course_schedule_id = QString::number(kSchedule).toStdString();
    m_course->app_id = "app";
    m_course->dynamic_key = "key";
    m_course->rtm_token = "tok";
    TQDataModelBean::m_pOngoingCourse = m_course;

    m_manager = std::make_unique<TQRealTimeManager>();
    m_interface = std::make_unique<TQBroadCastBinaryTransporterInterface>(m_manager.get());
    m_transporter = std::make_unique<TQBinaryTransporterManager>();
    m_transporter->setTransporterInterface(m_interface.get());
    m_manager->setDelegate(&m_window);
    TQBinaryTransporterManager *transporter = m_transporter.get();
    m_window.inspect = [transporter](TQActionsFromNet &actions) {
        if (TQBinaryPartition *partition = actions.takePartition()) {
            if (partition->raw.isEmpty())
                transporter->receivePartitions(partition);
            else
                transporter->receiveRawBinaryPartitions(partition);
        }
    };
    connect(m_transporter.get(), &TQBinaryTransporterManager::dispatchBinaryData, this,
            [this](const QString &from, int, QByteArray *bytes) {
                m_frames << qMakePair(from, *bytes);
                delete bytes;
            });
}

void TestBinaryExchange::cleanup()
{
    m_transporter.reset();
    m_interface.reset();
    m_manager.reset();
    rtsdk::StandInControl::reset();
    TQDataModelBean::m_pOngoingCourse = nullptr;
    delete m_course;
    m_course = nullptr;
}

void TestBinaryExchange::imagesBothWays_data()
{
    QTest::addColumn<int>("rtmType");
    QTest::newRow("agora") << 4;
    QTest::newRow("tessel") << 5;
}

void TestBinaryExchange::imagesBothWays()
{
    QFETCH(int, rtmType);
    m_manager->init(0, 1, rtmType);

    // 0. Before the channel is logged in, a file transfer is lost: it does
    // not count as sent, so it goes again later without a resend flag.
    const QString fileUrl = QStringLiteral("http://files/board/7.png");
    const QByteArray file = pattern(2 * 28000 + 14000, 1);
    QVERIFY(FileUtils::putFileContent(FileUtils::getResourceFileFromUrl(fileUrl), file));
    m_transporter->sendImageFileForUrl(fileUrl.toStdString(), 1, -1, true, false);
    QVERIFY(!m_transporter->isUrlTransported(fileUrl.toStdString()));
    QCOMPARE(m_transporter->queuedPartitionCount(), 0);

    m_manager->loadDataChannel();
    QVERIFY(SimStudent::waitUntil(teacherInAltChannel));
    SimStudent student(kStudent, kSchedule);
    QVERIFY(student.enter());
    QVERIFY(SimStudent::waitUntil([&] { return m_window.count("online 42") == 1; }));

    // 1. The cached file of three slices, then a frame of two: the student
    // joins each and finds the tag right.
    m_transporter->sendImageFileForUrl(fileUrl.toStdString(), 1, -1, true, false);
    QVERIFY(SimStudent::waitUntil([&] {
        m_transporter->sendPendingPartitions(); // the status tick
        return student.images().size() == 1;
    }));
    const QByteArray frame = pattern(28000 + 500, 2);
    m_transporter->sendImageData(frame);
    QVERIFY(student.waitForImages(2));
    const QList<SimStudent::Image> images = student.images();
    QCOMPARE(images[0].url, fileUrl);
    QCOMPARE(images[0].bytes, file);
    QVERIFY(images[0].tagMatches);
    QCOMPARE(images[0].useageType, 0);
    QCOMPARE(images[0].fromUid, qint64(kTeacher));
    QVERIFY(images[1].url.startsWith("user/image/900/"));
    QCOMPARE(images[1].bytes, frame);
    QVERIFY(images[1].tagMatches);
    QCOMPARE(images[1].useageType, 1);
    QVERIFY(student.refused().isEmpty());
    QVERIFY(m_transporter->isUrlTransported(fileUrl.toStdString()));

    // 2. Back from the student, raw: a homework picture the teacher's side
    // expects from it, and a frame.
    const std::string homework = "http://files/homework/42.jpg";
    const QByteArray photo = pattern(28000 + 9000, 3);
    m_transporter->expectFileFrom("42", homework);
    QCOMPARE(student.sendImage(QString::fromStdString(homework), photo, 0, true), 0);
    const QString received = TQBinaryTransporterManager::receivedFilePath("42", homework);
    QVERIFY(SimStudent::waitUntil([&] { return QFile::exists(received); }));
    QCOMPARE(FileUtils::getFileContent(received), photo);
    const QByteArray studentFrame = pattern(30000, 4);
    QCOMPARE(student.sendImage("user/image/42/1", studentFrame, 1, true), 0);
    QVERIFY(SimStudent::waitUntil([&] { return m_frames.size() == 1; }));
    QCOMPARE(m_frames[0], qMakePair(QStringLiteral("42"), studentFrame));

    // 3. The text path carries what fits into an accepted envelope: slices
    // of 12,000 bytes are joined; a slice of 18,000 bytes makes an envelope
    // above 20,480 bytes, which the teacher's side refuses when unpacking,
    // so that transfer (18,000 + 12,000 bytes) never completes.
    QCOMPARE(student.sendImage("user/image/42/2", studentFrame, 1, false, 12000), 0);
    QVERIFY(SimStudent::waitUntil([&] { return m_frames.size() == 2; }));
    QCOMPARE(m_frames[1].second, studentFrame);
    TestLogCapture log;
    QCOMPARE(student.sendImage("user/image/42/3", studentFrame, 1, false, 18000), 0);
    QVERIFY(SimStudent::waitUntil([&] { return log.messages().filter("message too large").size() == 1; }));
    QVERIFY(SimStudent::waitUntil([&] { return m_transporter->pendingSetCount() == 1; }));
    QCOMPARE(m_frames.size(), 2);
}

QTEST_GUILESS_MAIN(TestBinaryExchange)
#include "tst_binaryexchange.moc"
