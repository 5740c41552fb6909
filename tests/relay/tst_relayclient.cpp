// The stand-in SDK across the loopback relay, in one process: a RelayServer
// on its own thread, and SDK clients whose configuration (RTSDK_RELAY) names
// it, so that every session, message, data-stream packet and frame really
// crosses a socket and the relay client's threads. The relay is stopped and
// started again on the same port to show what the clients hear and that
// they carry on by themselves.
#include "RelayServer.h"

#include "../rtsdk/RtcMediaPeer.h"
#include "../rtsdk/RtmTestClient.h"

#include <QTcpSocket>
#include <QtTest>

#include <memory>
#include <thread>

using Client = RtmTestClient<AgoraRtm>;

namespace {

const char *kSecret = "4711";

// The relay on a thread of its own; stopping it ends every connection.
class RelayThread
{
public:
    bool start(uint16_t port)
    {
        mServer = std::make_unique<RelayServer>();
        if (!mServer->listen(port))
            return false;
        mThread = std::thread([this] { mServer->run(); });
        return true;
    }
    void stop()
    {
        if (!mServer)
            return;
        mServer->stop();
        mThread.join();
        mServer.reset(); // closes every socket
    }
    uint16_t port() const { return mServer ? mServer->port() : 0; }
    ~RelayThread() { stop(); }

private:
    std::unique_ptr<RelayServer> mServer;
    std::thread mThread;
};

// Two clients in "678_rtm".
struct Pair
{
    Client a, b;
    bool setUp(const char *first = "1_rtm", const char *second = "2_rtm")
    {
        return a.login(first) && b.login(second) && a.join("678_rtm") && b.join("678_rtm");
    }
};

} // namespace

class TestRelayClient : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { mRelay.stop(); }

    void messagesAndMembers();
    void relayGoneAndBack();
    void loginWithoutRelay();
    void sameUserElsewhere();
    void garbageClientIsCutOff_data();
    void garbageClientIsCutOff();
    void mediaMembersStreamsAndFrames();
    void mediaAfterRelayRestart();

private:
    void restartRelay();

    RelayThread mRelay;
    uint16_t mPort = 0;
};

void TestRelayClient::initTestCase()
{
    QVERIFY(mRelay.start(0));
    mPort = mRelay.port();
    // Read once, at the SDK's first use, which comes after this.
    qputenv("RTSDK_RELAY", QByteArray("127.0.0.1:") + QByteArray::number(mPort));
}

void TestRelayClient::restartRelay()
{
    QVERIFY(mRelay.start(mPort));
}

void TestRelayClient::messagesAndMembers()
{
    Pair p;
    QVERIFY(p.setUp());
    QVERIFY(p.a.log.waitFor("678_rtm member joined 2_rtm in 678_rtm"));

    long long id = 0;
    QCOMPARE(p.a.send("678_rtm", "hi", QByteArray(), &id), 0);
    QCOMPARE(p.a.send("678_rtm", "bytes", QByteArray("\0\1\2", 3)), 0);
    QVERIFY(p.b.log.waitFor("678_rtm from 1_rtm: hi"));
    QVERIFY(p.b.log.waitFor("678_rtm from 1_rtm: bytes raw 3"));
    QVERIFY(p.a.log.waitFor(QStringLiteral("678_rtm sent #%1 0").arg(id)));

    QCOMPARE(p.a.sendToPeer("2_rtm", "psst", &id), 0);
    QVERIFY(p.b.log.waitFor("peer from 1_rtm: psst"));
    QVERIFY(p.a.log.waitFor(QStringLiteral("peer sent #%1 0").arg(id)));
    QCOMPARE(p.a.sendToPeer("9_rtm", "nobody", &id), 0);
    QVERIFY(p.a.log.waitFor(QStringLiteral("peer sent #%1 9").arg(id)));

    QCOMPARE(p.b.channel("678_rtm")->getMembers(), 0);
    QVERIFY(p.b.log.waitFor("678_rtm members 1_rtm,2_rtm error 0"));
    QCOMPARE(p.b.channel("678_rtm")->leave(), 0);
    QVERIFY(p.a.log.waitFor("678_rtm member left 2_rtm in 678_rtm"));
    QCOMPARE(p.b.send("678_rtm", "gone"), 8);
}

void TestRelayClient::relayGoneAndBack()
{
    Pair p;
    QVERIFY(p.setUp());
    mRelay.stop();
    QVERIFY(p.a.log.waitFor("state 4 5"));
    QVERIFY(p.b.log.waitFor("state 4 5"));
    QCOMPARE(p.a.send("678_rtm", "lost"), 5);

    restartRelay();
    QVERIFY(p.a.log.waitFor("state 3 2", 2));
    QVERIFY(p.b.log.waitFor("state 3 2", 2));
    // Joined again by the SDK itself: the channel works, and the listener
    // heard one join only.
    QCOMPARE(p.a.send("678_rtm", "back"), 0);
    QVERIFY(p.b.log.waitFor("678_rtm from 1_rtm: back"));
    QCOMPARE(p.a.log.texts().filter("678_rtm joined").size(), 1);
    QVERIFY(p.b.log.texts().filter("from 1_rtm: lost").isEmpty());
}

void TestRelayClient::loginWithoutRelay()
{
    mRelay.stop();
    Client c;
    QCOMPARE(c.service->login("token", "5_rtm"), 0);
    QVERIFY(c.log.waitFor("state 1 3"));
    QCOMPARE(c.log.texts(), (QStringList { "state 2 1", "login failed 1", "state 1 3" }));
    restartRelay();
    QVERIFY(c.login("5_rtm"));
}

void TestRelayClient::sameUserElsewhere()
{
    Client first, second;
    QVERIFY(first.login("7_rtm"));
    QVERIFY(first.join("678_rtm"));
    QVERIFY(second.login("7_rtm"));
    QVERIFY(first.log.waitFor("state 5 8"));
    // The first session is over for good: no reconnect brings it back.
    QTest::qWait(300);
    QVERIFY(first.log.texts().filter("state 3").size() == 1);
    QCOMPARE(first.send("678_rtm", "x"), 5);
}

// A connection that sends what is no frame is closed; the relay and its
// other clients carry on.
void TestRelayClient::garbageClientIsCutOff_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("length 0") << QByteArray(4, '\0');
    QTest::newRow("oversized length") << QByteArray("\xff\xff\xff\xff", 4);
    QTest::newRow("part overruns its body") << QByteArray("\x00\x00\x00\x06\x01\x00\x00\x10\x00x", 10);
}

void TestRelayClient::garbageClientIsCutOff()
{
    QFETCH(QByteArray, bytes);
    Pair p;
    QVERIFY(p.setUp("11_rtm", "12_rtm"));
    QTcpSocket garbage;
    garbage.connectToHost(QHostAddress::LocalHost, mPort);
    QVERIFY(garbage.waitForConnected(2000));
    garbage.write(bytes);
    QVERIFY(garbage.waitForDisconnected(2000));
    QCOMPARE(p.a.send("678_rtm", "still here"), 0);
    QVERIFY(p.b.log.waitFor("678_rtm from 11_rtm: still here"));
}

void TestRelayClient::mediaMembersStreamsAndFrames()
{
    MediaPeer teacher;
    RtcTestPeer student, stranger, sameUid, anyUid;
    QCOMPARE(teacher.media()->registerVideoRenderFactory(&teacher), 0);
    QCOMPARE(teacher.join("678", 1, kSecret), 0);
    QCOMPARE(student.join("678", 2, kSecret), 0);
    QCOMPARE(stranger.join("678", 3, "other"), 0);
    QCOMPARE(sameUid.join("678", 2, kSecret), -17);
    QCOMPARE(anyUid.join("678", 0, kSecret), 0);
    QVERIFY(anyUid.waitFor("joined 678 100000"));
    QVERIFY(teacher.waitFor("user 2"));
    QVERIFY(student.waitFor("user 1"));
    QVERIFY(teacher.waitFor("user 100000"));

    QCOMPARE(student.send("hand up"), 0);
    QVERIFY(teacher.waitFor("stream 2 hand up"));

    // A pushed 64 x 48 picture of luma 77 reaches the teacher's renderer.
    student.media()->setExternalVideoSource(true, false);
    int view = 0;
    agora::rtc::VideoCanvas canvas;
    canvas.view = &view;
    canvas.uid = 2;
    QCOMPARE(teacher.engine->setupRemoteVideo(canvas), 0);
    QCOMPARE(student.pushFlatPicture(64, 48, 77), 0);
    QTRY_VERIFY([&] {
        const auto log = teacher.frameLog();
        return std::find(log.begin(), log.end(), "64x48 y77") != log.end();
    }());

    QCOMPARE(student.engine->leaveChannel(), 0);
    QVERIFY(teacher.waitFor("offline 2 0"));
    const auto heard = teacher.events();
    QVERIFY(std::find(heard.begin(), heard.end(), "user 3") == heard.end());
}

void TestRelayClient::mediaAfterRelayRestart()
{
    RtcTestPeer teacher, student;
    QCOMPARE(teacher.join("679", 1, kSecret), 0);
    QCOMPARE(student.join("679", 2, kSecret), 0);
    QVERIFY(teacher.waitFor("user 2"));
    mRelay.stop();
    QVERIFY(teacher.waitFor("offline 2 1"));
    restartRelay();
    // Both join again with their uids; the teacher hears the student again.
    QVERIFY(teacher.waitFor("rejoined 679 1"));
    QTRY_VERIFY([&] {
        const auto e = teacher.events();
        return std::count(e.begin(), e.end(), "user 2") == 2;
    }());
    QTRY_VERIFY([&] {
        student.send("again");
        const auto e = teacher.events();
        return std::find(e.begin(), e.end(), "stream 2 again") != e.end();
    }());
}

QTEST_MAIN(TestRelayClient)
#include "tst_relayclient.moc"
