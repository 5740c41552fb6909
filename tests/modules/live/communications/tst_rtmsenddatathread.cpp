// The message channel's send thread against the stand-in messaging SDK: a
// teacher client made straight on the SDK hands its objects to the thread,
// and simulated students write down what really reaches them. Covers arrival
// order, channel and peer routing for both SDK object sets, raw bytes, the
// loss before any join, dropping after a stop, stopping before the SDK
// objects are released, and the thread's re-arm for a new login.

#include "modules/live/communications/agora/rtm/TQRTMSendDataThread.h"

#include "RtmTestClient.h"
#include "SimStudent.h"
#include "TestLogCapture.h"

#include "rtsdk/StandInControl.h"

#include <QtTest>

#include <memory>

namespace {

constexpr long kAgoraTeacher = 12345;
constexpr long kAgoraStudent = 42;
constexpr long kAgoraCourse = 678;
// The Tessel clients use ids of their own, so that no user is logged in
// twice whatever the stand-in shares between its two SDKs.
constexpr long kTesselTeacher = 22345;
constexpr long kTesselStudent = 52;
constexpr long kTesselCourse = 778;

// A client logged in as "<userId>_rtm" and in both channels of the class.
template <typename Api>
std::unique_ptr<RtmTestClient<Api>> joinedClient(long userId, long courseScheduleId)
{
    auto client = std::make_unique<RtmTestClient<Api>>();
    const std::string id = std::to_string(courseScheduleId);
    if (!client->service || !client->login(std::to_string(userId) + "_rtm") || !client->join(id + "_rtm")
        || !client->join(id + "_alt"))
        return nullptr;
    return client;
}

template <typename Api>
typename Api::Channel *mainOf(RtmTestClient<Api> &client, long courseScheduleId)
{
    return client.channel(std::to_string(courseScheduleId) + "_rtm");
}

template <typename Api>
typename Api::Channel *altOf(RtmTestClient<Api> &client, long courseScheduleId)
{
    return client.channel(std::to_string(courseScheduleId) + "_alt");
}

// The wire text of a small envelope, as the channels send them.
std::string envelope(const QString &text)
{
    return SimStudent::envelopeText(text, 0, -1, 1).toStdString();
}

// What reached a simulated student: "<channel or peer> <sender> <text> <raw hex or ->".
QStringList receipts(const SimStudent &student)
{
    QStringList lines;
    for (const SimStudent::Envelope &e : student.envelopes()) {
        lines << QStringLiteral("%1 %2 %3 %4")
                     .arg(e.peer ? QStringLiteral("peer") : e.channel)
                     .arg(e.fromUid)
                     .arg(e.tqMsg, e.raw.isEmpty() ? QStringLiteral("-") : QString::fromLatin1(e.raw.toHex()));
    }
    return lines + student.refused();
}

QString receipt(const char *where, long from, const QString &text, const char *rawHex = "-")
{
    return QStringLiteral("%1 %2 %3 %4").arg(QLatin1String(where)).arg(from).arg(text, QLatin1String(rawHex));
}

char *bytes(std::initializer_list<char> values)
{
    char *raw = new char[values.size()];
    std::copy(values.begin(), values.end(), raw);
    return raw;
}

int linesWith(const TestLogCapture &log, const QString &text)
{
    return log.messages().filter(text).size();
}

} // namespace

class TestRTMSendDataThread : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void tenPushesArriveInOrder();
    void routing_data();
    void routing();
    void rawBytes_data();
    void rawBytes();
    void lostBeforeAnyJoin();
    void droppedAfterStop();
    void stopWaitsBeforeRelease();
    void rearmedForNewLogin();

private:
    void handTeacherTo(TQRTMSendDataThread &thread)
    {
        thread.setAgoraRtmObjects(m_teacher->service, mainOf(*m_teacher, kAgoraCourse),
                                  altOf(*m_teacher, kAgoraCourse));
    }

    std::unique_ptr<RtmTestClient<AgoraRtm>> m_teacher;
    std::unique_ptr<SimStudent> m_student;
};

void TestRTMSendDataThread::init()
{
    rtsdk::StandInControl::reset();
    m_teacher = joinedClient<AgoraRtm>(kAgoraTeacher, kAgoraCourse);
    m_student = std::make_unique<SimStudent>(kAgoraStudent, kAgoraCourse);
    QVERIFY2(m_teacher && m_student->enter(), "the stand-in did not log the clients in");
}

void TestRTMSendDataThread::cleanup()
{
    m_teacher.reset();
    m_student.reset();
    rtsdk::StandInControl::reset();
}

void TestRTMSendDataThread::tenPushesArriveInOrder()
{
    TQRTMSendDataThread thread;
    handTeacherTo(thread);
    QStringList expected;
    for (int i = 0; i < 10; ++i) {
        const QString text = QStringLiteral("m%1").arg(i);
        thread.pushSendData(envelope(text), nullptr, 0, true, -1);
        expected << receipt("678_rtm", kAgoraTeacher, text);
    }
    QTRY_COMPARE(receipts(*m_student).size(), 10);
    QCOMPARE(receipts(*m_student), expected);
}

void TestRTMSendDataThread::routing_data()
{
    QTest::addColumn<QString>("sets"); // which SDK object sets the thread holds
    QTest::addColumn<bool>("thruMainChannel");
    QTest::addColumn<bool>("toStudent"); // else the whole channel
    QTest::addColumn<QString>("agoraStudentGets");
    QTest::addColumn<QString>("tesselStudentGets");

    const QString none;
    const QString tessel = QStringLiteral("%1 from %2_rtm: ") + QString::fromStdString(envelope("hi"));
    QTest::newRow("agora main channel") << "agora" << true << false << receipt("678_rtm", kAgoraTeacher, "hi") << none;
    QTest::newRow("agora alternate channel") << "agora" << false << false << receipt("678_alt", kAgoraTeacher, "hi") << none;
    QTest::newRow("agora peer, main flag") << "agora" << true << true << receipt("peer", kAgoraTeacher, "hi") << none;
    QTest::newRow("agora peer, alternate flag") << "agora" << false << true << receipt("peer", kAgoraTeacher, "hi") << none;
    QTest::newRow("tessel alternate channel") << "tessel" << false << false << none << tessel.arg("778_alt").arg(kTesselTeacher);
    QTest::newRow("tessel peer") << "tessel" << false << true << none << tessel.arg("peer").arg(kTesselTeacher);
    QTest::newRow("both sets: agora's is used") << "both" << true << false << receipt("678_rtm", kAgoraTeacher, "hi") << none;
}

void TestRTMSendDataThread::routing()
{
    QFETCH(QString, sets);
    QFETCH(bool, thruMainChannel);
    QFETCH(bool, toStudent);
    QFETCH(QString, agoraStudentGets);
    QFETCH(QString, tesselStudentGets);
    auto tesselTeacher = joinedClient<TesselRtm>(kTesselTeacher, kTesselCourse);
    auto tesselStudent = joinedClient<TesselRtm>(kTesselStudent, kTesselCourse);
    QVERIFY(tesselTeacher && tesselStudent);

    TQRTMSendDataThread thread;
    if (sets != QLatin1String("tessel"))
        handTeacherTo(thread);
    if (sets != QLatin1String("agora"))
        thread.setTesselRtmObjects(tesselTeacher->service, mainOf(*tesselTeacher, kTesselCourse),
                                   altOf(*tesselTeacher, kTesselCourse));
    const long student = sets == QLatin1String("tessel") ? kTesselStudent : kAgoraStudent;
    thread.pushSendData(envelope("hi"), nullptr, 0, thruMainChannel, toStudent ? student : -1);
    // A second message to the same student shows by its arrival that the
    // first one has arrived wherever it went.
    thread.pushSendData(envelope("end"), nullptr, 0, true, student);

    auto got = [&](const QString &text) {
        const QString tail = QString::fromStdString(envelope(text));
        QStringList all = receipts(*m_student).filter(QStringLiteral(" %1 ").arg(text));
        return all + tesselStudent->log.texts().filter(QRegularExpression(" from .*: " + QRegularExpression::escape(tail)));
    };
    QTRY_COMPARE(got("end").size(), 1);
    QVERIFY(rtsdk::StandInControl::waitIdle());
    const QStringList agoraGot = receipts(*m_student).filter(" hi ");
    const QStringList tesselGot = tesselStudent->log.texts().filter(QString::fromStdString(envelope("hi")));
    QCOMPARE(agoraGot, agoraStudentGets.isEmpty() ? QStringList() : QStringList{agoraStudentGets});
    QCOMPARE(tesselGot, tesselStudentGets.isEmpty() ? QStringList() : QStringList{tesselStudentGets});
}

void TestRTMSendDataThread::rawBytes_data()
{
    QTest::addColumn<bool>("withBytes");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("arrives");
    QTest::newRow("three bytes") << true << 3 << receipt("678_alt", kAgoraTeacher, "p", "0a00ff");
    QTest::newRow("bytes but length 0: text") << true << 0 << receipt("678_alt", kAgoraTeacher, "p");
    QTest::newRow("no bytes") << false << 0 << receipt("678_alt", kAgoraTeacher, "p");
}

void TestRTMSendDataThread::rawBytes()
{
    QFETCH(bool, withBytes);
    QFETCH(int, length);
    QFETCH(QString, arrives);
    TQRTMSendDataThread thread;
    handTeacherTo(thread);
    // The thread frees the bytes in every case (ASan's leak check tells).
    thread.pushSendData(envelope("p"), withBytes ? bytes({0x0a, 0x00, char(0xff)}) : nullptr, length, false, -1);
    QTRY_COMPARE(receipts(*m_student), QStringList{arrives});
    QVERIFY(rtsdk::StandInControl::waitIdle());
    int rawMessages = 0;
    for (const rtsdk::CallRecord &call : rtsdk::StandInControl::calls())
        rawMessages += QString::fromStdString(call.call).startsWith(QLatin1String("createRawMessage")) ? 1 : 0;
    QCOMPARE(rawMessages, withBytes && length > 0 ? 1 : 0);
}

void TestRTMSendDataThread::lostBeforeAnyJoin()
{
    TestLogCapture log;
    TQRTMSendDataThread thread;
    const size_t callsBefore = rtsdk::StandInControl::calls().size();
    thread.pushSendData(envelope("early"), bytes({1, 2}), 2, true, -1);
    QTRY_COMPARE(linesWith(log, "TQRTMSendDataThread::sendData m_pRtmClient not complete"), 1);
    QCOMPARE(log.types().at(log.messages().indexOf(QRegularExpression(".*m_pRtmClient not complete"))), QtWarningMsg);
    // The loop goes on polling; the message is not tried again, and the SDK
    // never heard of it.
    QTest::qWait(100);
    QCOMPARE(linesWith(log, "m_pRtmClient not complete"), 1);
    QCOMPARE(rtsdk::StandInControl::calls().size(), callsBefore);

    handTeacherTo(thread);
    thread.pushSendData(envelope("late"), nullptr, 0, true, -1);
    QTRY_COMPARE(receipts(*m_student), QStringList{receipt("678_rtm", kAgoraTeacher, "late")});
    QCOMPARE(linesWith(log, "m_pRtmClient not complete"), 1);
}

void TestRTMSendDataThread::droppedAfterStop()
{
    TestLogCapture log;
    TQRTMSendDataThread thread;
    handTeacherTo(thread);
    thread.pushSendData(envelope("before"), nullptr, 0, true, -1);
    QTRY_COMPARE(receipts(*m_student).size(), 1);

    thread.stopSendLoop();
    QCOMPARE(linesWith(log, "TQRTMSendDataThread::stopSendLoop set thread stop tag"), 1);
    QTRY_VERIFY(thread.isFinished());
    thread.pushSendData(envelope("after"), bytes({7}), 1, true, -1); // freed at once (ASan)
    QVERIFY(!thread.isRunning());
    QTest::qWait(100);
    QVERIFY(rtsdk::StandInControl::waitIdle());
    QCOMPARE(receipts(*m_student), QStringList{receipt("678_rtm", kAgoraTeacher, "before")});
}

void TestRTMSendDataThread::stopWaitsBeforeRelease()
{
    // Every send stalls on the send thread, so the stop lands while a record
    // is in flight. Once stopSendLoopAndWait has returned the teacher's SDK
    // objects may go at once: nothing may touch them afterwards.
    rtsdk::StandInControl::setSendStall(20);
    TQRTMSendDataThread thread;
    handTeacherTo(thread);
    for (int i = 0; i < 20; ++i)
        thread.pushSendData(envelope(QStringLiteral("m%1").arg(i)), nullptr, 0, true, -1);
    QTRY_VERIFY(!receipts(*m_student).isEmpty());

    thread.stopSendLoopAndWait();
    QVERIFY(thread.isFinished());
    const size_t callsAtStop = rtsdk::StandInControl::calls().size();
    m_teacher->releaseService();
    rtsdk::StandInControl::setSendStall(0);
    QVERIFY(rtsdk::StandInControl::waitIdle());

    // After the stop only the teacher's own teardown reached the SDK.
    const std::vector<rtsdk::CallRecord> calls = rtsdk::StandInControl::calls();
    for (size_t i = callsAtStop; i < calls.size(); ++i) {
        const QString call = QString::fromStdString(calls[i].call);
        QVERIFY2(!call.startsWith("sendMessage") && !call.startsWith("create"), qPrintable(call));
    }
    // The records still queued at the stop were never sent.
    QVERIFY(receipts(*m_student).size() < 20);
}

void TestRTMSendDataThread::rearmedForNewLogin()
{
    // The classroom's recovery on one channel object: leave (stop, then
    // release the SDK objects), later log in again with new objects.
    TestLogCapture log;
    TQRTMSendDataThread thread;
    handTeacherTo(thread);
    thread.pushSendData(envelope("first"), nullptr, 0, true, -1);
    QTRY_COMPARE(receipts(*m_student).size(), 1);

    thread.stopSendLoopAndWait();
    m_teacher->releaseService();
    thread.pushSendData(envelope("while away"), nullptr, 0, true, -1);

    // The new login: the thread lets go of the old objects before the new
    // ones come with the join, so a message in between is lost, not sent
    // through released objects.
    thread.resetSendLoop();
    thread.pushSendData(envelope("before the join"), nullptr, 0, true, -1);
    QTRY_COMPARE(linesWith(log, "m_pRtmClient not complete"), 1);
    m_teacher = joinedClient<AgoraRtm>(kAgoraTeacher, kAgoraCourse);
    QVERIFY(m_teacher);
    handTeacherTo(thread);
    thread.pushSendData(envelope("second"), nullptr, 0, true, kAgoraStudent);

    QTRY_COMPARE(receipts(*m_student).size(), 2);
    QCOMPARE(receipts(*m_student), (QStringList{receipt("678_rtm", kAgoraTeacher, "first"),
                                                 receipt("peer", kAgoraTeacher, "second")}));
}

QTEST_GUILESS_MAIN(TestRTMSendDataThread)
#include "tst_rtmsenddatathread.moc"
