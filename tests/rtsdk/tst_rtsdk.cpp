// The stand-in real-time SDK on its own, driven through the vendors'
// interfaces by clients on real threads: routing of channel and peer
// messages, member events, connection states, refused calls, the size cap,
// every fault knob and the call log. Each test reads what the listeners
// were really told (RtmEventLog) and ends with a reset of the stand-in.
#include "RtmTestClient.h"

#include "agora/IAgoraService.h"
#include "rtsdk/StandInControl.h"
#include "tessel/ITesselService.h"

#include <QElapsedTimer>
#include <QThread>
#include <QtTest>

#include <atomic>
#include <functional>
#include <thread>

using rtsdk::StandInControl;
using Client = RtmTestClient<AgoraRtm>;

namespace {

const std::string kMain = "678_rtm";
const std::string kAlt = "678_alt";

std::vector<std::string> ids(std::initializer_list<const char *> list)
{
    return std::vector<std::string>(list.begin(), list.end());
}

// Three logged-in clients: 1_rtm and 2_rtm in both channels, 3_rtm in the
// main one only; their logs are empty when set up.
struct Classroom
{
    Client a, b, c;
    bool setUp()
    {
        if (!(a.login("1_rtm") && b.login("2_rtm") && c.login("3_rtm")))
            return false;
        if (!(a.join(kMain) && a.join(kAlt) && b.join(kMain) && b.join(kAlt) && c.join(kMain)))
            return false;
        if (!StandInControl::waitIdle())
            return false;
        a.log.clear();
        b.log.clear();
        c.log.clear();
        return true;
    }
};

QStringList withId(QStringList texts, long long id)
{
    texts.replaceInStrings(QStringLiteral("#ID"), QStringLiteral("#%1").arg(id));
    return texts;
}

} // namespace

Q_DECLARE_METATYPE(std::function<void(Classroom &, long long *)>)
Q_DECLARE_METATYPE(std::function<void(Client &, Client &)>)
Q_DECLARE_METATYPE(std::function<int(Client &, Client &)>)
Q_DECLARE_METATYPE(std::function<void()>)
Q_DECLARE_METATYPE(std::function<int()>)
Q_DECLARE_METATYPE(rtsdk::LateCallback)
Q_DECLARE_METATYPE(rtsdk::MessageFault)

class TestRtSdk : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { StandInControl::reset(); }

    void routing_data();
    void routing();
    void memberEvents();
    void connectionStates_data();
    void connectionStates();
    void refusedCalls_data();
    void refusedCalls();
    void loginAndJoinFaults_data();
    void loginAndJoinFaults();
    void initFaults_data();
    void initFaults();
    void messageFaults_data();
    void messageFaults();
    void sendStall();
    void callbacksOnSdkThreadsInOrder();
    void lateCallbacks_data();
    void lateCallbacks();
    void releaseWaitsForRunningCallback();
    void callLog();
    void tesselAndAgoraShareTheHub();
};

void TestRtSdk::routing_data()
{
    using Act = std::function<void(Classroom &, long long *)>;
    QTest::addColumn<Act>("act");
    QTest::addColumn<QStringList>("atA");
    QTest::addColumn<QStringList>("atB");
    QTest::addColumn<QStringList>("atC");

    const QStringList none;
    QTest::newRow("channel text reaches every other member")
        << Act([](Classroom &r, long long *id) { QCOMPARE(r.a.send(kMain, "hi", {}, id), 0); })
        << QStringList{"678_rtm sent #ID 0"} << QStringList{"678_rtm from 1_rtm: hi"}
        << QStringList{"678_rtm from 1_rtm: hi"};
    QTest::newRow("raw message keeps its text and bytes")
        << Act([](Classroom &r, long long *id) { QCOMPARE(r.a.send(kMain, "x", QByteArray(5, '\1'), id), 0); })
        << QStringList{"678_rtm sent #ID 0"} << QStringList{"678_rtm from 1_rtm: x raw 5"}
        << QStringList{"678_rtm from 1_rtm: x raw 5"};
    QTest::newRow("raw message without bytes is still raw")
        << Act([](Classroom &r, long long *id) { QCOMPARE(r.a.send(kMain, "e", QByteArray(""), id), 0); })
        << QStringList{"678_rtm sent #ID 0"} << QStringList{"678_rtm from 1_rtm: e raw 0"}
        << QStringList{"678_rtm from 1_rtm: e raw 0"};
    QTest::newRow("alternate channel reaches only its members")
        << Act([](Classroom &r, long long *id) { QCOMPARE(r.a.send(kAlt, "alt", {}, id), 0); })
        << QStringList{"678_alt sent #ID 0"} << QStringList{"678_alt from 1_rtm: alt"} << none;
    QTest::newRow("peer message reaches only the peer")
        << Act([](Classroom &r, long long *id) { QCOMPARE(r.a.sendToPeer("3_rtm", "p", id), 0); })
        << QStringList{"peer sent #ID 0"} << none << QStringList{"peer from 1_rtm: p"};
    QTest::newRow("peer offline is reported in the send result")
        << Act([](Classroom &r, long long *id) { QCOMPARE(r.a.sendToPeer("9_rtm", "p", id), 0); })
        << QStringList{"peer sent #ID 9"} << none << none;
}

void TestRtSdk::routing()
{
    QFETCH(std::function<void(Classroom &, long long *)>, act);
    QFETCH(QStringList, atA);
    QFETCH(QStringList, atB);
    QFETCH(QStringList, atC);

    Classroom room;
    QVERIFY(room.setUp());
    long long id = 0;
    act(room, &id);
    QVERIFY(id > 0);
    QVERIFY(StandInControl::waitIdle());
    QCOMPARE(room.a.log.texts(), withId(atA, id));
    QCOMPARE(room.b.log.texts(), atB);
    QCOMPARE(room.c.log.texts(), atC);
}

void TestRtSdk::memberEvents()
{
    Client a, b, c;
    QVERIFY(a.login("1_rtm") && a.join(kMain));
    QVERIFY(b.login("2_rtm") && b.join(kMain));
    QVERIFY(a.log.waitFor("678_rtm member joined 2_rtm in 678_rtm"));
    QCOMPARE(b.channel(kMain)->getMembers(), 0);
    QVERIFY(b.log.waitFor("678_rtm members 1_rtm,2_rtm error 0"));

    // Joining the alternate channel tells nobody on the main one.
    QVERIFY(b.join(kAlt));
    QCOMPARE(b.channel(kMain)->leave(), 0);
    QVERIFY(b.log.waitFor("678_rtm left 0"));
    QVERIFY(a.log.waitFor("678_rtm member left 2_rtm in 678_rtm"));
    QCOMPARE(StandInControl::membersOf(kAlt), ids({"2_rtm"}));

    // A logout leaves every channel.
    QVERIFY(c.login("3_rtm") && c.join(kMain) && c.join(kAlt));
    QVERIFY(StandInControl::waitIdle());
    a.log.clear();
    b.log.clear();
    c.log.clear();
    QCOMPARE(c.service->logout(), 0);
    QVERIFY(StandInControl::waitIdle());
    QCOMPARE(a.log.texts(), QStringList{"678_rtm member left 3_rtm in 678_rtm"});
    QCOMPARE(b.log.texts(), QStringList{"678_alt member left 3_rtm in 678_alt"});
    QCOMPARE(c.log.texts(), (QStringList{"logout 0", "state 1 6"}));
    QCOMPARE(StandInControl::membersOf(kMain), ids({"1_rtm"}));
}

void TestRtSdk::connectionStates_data()
{
    using Act = std::function<void(Client &, Client &)>;
    QTest::addColumn<Act>("act");
    QTest::addColumn<QStringList>("atA");
    QTest::addColumn<QStringList>("atB");

    const QStringList loggedIn{"state 2 1", "state 3 2", "login ok"};
    QTest::newRow("login") << Act([](Client &a, Client &) { QVERIFY(a.login("1_rtm")); }) << loggedIn
                           << QStringList();
    QTest::newRow("logout") << Act([](Client &a, Client &) {
        QVERIFY(a.login("1_rtm"));
        QCOMPARE(a.service->logout(), 0);
    }) << loggedIn + QStringList{"logout 0", "state 1 6"}
                            << QStringList();
    QTest::newRow("same id logged in elsewhere") << Act([](Client &a, Client &b) {
        QVERIFY(a.login("1_rtm") && a.join(kMain));
        QVERIFY(b.login("1_rtm"));
        QVERIFY(StandInControl::membersOf(kMain).empty());
        QCOMPARE(a.service->logout(), 5);
    }) << loggedIn + QStringList{"678_rtm joined", "state 5 8"}
                                                 << loggedIn;
    QTest::newRow("reconnecting holds messages back, connected again carries them") << Act([](Client &a, Client &b) {
        QVERIFY(a.login("1_rtm") && a.join(kMain) && b.login("2_rtm") && b.join(kMain));
        QCOMPARE(StandInControl::forceConnectionState("1_rtm", 4, 5), 1);
        QVERIFY(!StandInControl::isOnline("1_rtm"));
        QCOMPARE(b.send(kMain, "lost"), 0);
        QCOMPARE(a.send(kMain, "refused"), 5);
        QCOMPARE(StandInControl::forceConnectionState("1_rtm", 3, 2), 1);
        QVERIFY(StandInControl::isOnline("1_rtm"));
        QCOMPARE(b.send(kMain, "carried"), 0);
        QVERIFY(a.log.waitFor("678_rtm from 2_rtm: carried"));
        QVERIFY(StandInControl::waitIdle());
        b.log.clear();
    }) << loggedIn + QStringList{"678_rtm joined", "678_rtm member joined 2_rtm in 678_rtm", "state 4 5", "state 3 2",
                                 "678_rtm from 2_rtm: carried"}
                                                                                    << QStringList();
    QTest::newRow("aborted ends the session") << Act([](Client &a, Client &b) {
        QVERIFY(a.login("1_rtm") && a.join(kMain) && b.login("2_rtm") && b.join(kMain));
        QCOMPARE(StandInControl::forceConnectionState("1_rtm", 5, 7), 1);
        QVERIFY(b.log.waitFor("678_rtm member left 1_rtm in 678_rtm"));
        QCOMPARE(a.channel(kMain)->join(), 5);
        QVERIFY(StandInControl::waitIdle());
        b.log.clear();
    }) << loggedIn + QStringList{"678_rtm joined", "678_rtm member joined 2_rtm in 678_rtm", "state 5 7"}
                                              << QStringList();
    QTest::newRow("token expired") << Act([](Client &a, Client &) {
        QVERIFY(a.login("1_rtm"));
        QCOMPARE(StandInControl::expireToken("1_rtm"), 1);
        QCOMPARE(StandInControl::expireToken("2_rtm"), 0);
    }) << loggedIn + QStringList{"token expired"}
                                   << QStringList();
}

void TestRtSdk::connectionStates()
{
    QFETCH(std::function<void(Client &, Client &)>, act);
    QFETCH(QStringList, atA);
    QFETCH(QStringList, atB);

    Client a, b;
    act(a, b);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(StandInControl::waitIdle());
    QCOMPARE(a.log.texts(), atA);
    QCOMPARE(b.log.texts(), atB);
}

void TestRtSdk::refusedCalls_data()
{
    using Call = std::function<int(Client &, Client &)>;
    QTest::addColumn<Call>("call");
    QTest::addColumn<int>("expected");

    const std::string atCap(32768, 'a');
    const std::string overCap(32769, 'a');
    QTest::newRow("login before initialize") << Call([](Client &, Client &) {
        agora::rtm::IRtmService *bare = agora::rtm::createRtmService();
        const int rc = bare->login("t", "5_rtm");
        bare->release();
        return rc;
    }) << 4;
    QTest::newRow("initialize without app id") << Call([](Client &, Client &) {
        agora::rtm::IRtmService *bare = agora::rtm::createRtmService();
        const int rc = bare->initialize("", nullptr);
        bare->release();
        return rc;
    }) << 3;
    QTest::newRow("login without user id") << Call([](Client &, Client &fresh) {
        return fresh.service->login("t", nullptr);
    }) << 3;
    QTest::newRow("login twice") << Call([](Client &a, Client &) { return a.service->login("t", "1_rtm"); }) << 6;
    QTest::newRow("join before login") << Call([](Client &, Client &fresh) {
        return fresh.channel(kMain)->join();
    }) << 5;
    QTest::newRow("join twice") << Call([](Client &a, Client &) { return a.channel(kMain)->join(); }) << 6;
    QTest::newRow("leave without join") << Call([](Client &a, Client &) { return a.channel(kAlt)->leave(); }) << 8;
    QTest::newRow("members without join") << Call([](Client &a, Client &) {
        return a.channel(kAlt)->getMembers();
    }) << 8;
    QTest::newRow("send without join") << Call([](Client &a, Client &) { return a.send(kAlt, "x"); }) << 8;
    QTest::newRow("send of a null message") << Call([](Client &a, Client &) {
        return a.channel(kMain)->sendMessage(nullptr);
    }) << 3;
    QTest::newRow("peer send without login") << Call([](Client &, Client &fresh) {
        return fresh.sendToPeer("1_rtm", "x");
    }) << 5;
    QTest::newRow("channel send one byte over the cap") << Call([overCap](Client &a, Client &) {
        return a.send(kMain, overCap);
    }) << 7;
    QTest::newRow("text and raw bytes count together") << Call([atCap](Client &a, Client &) {
        return a.send(kMain, atCap.substr(1), QByteArray(2, 'r'));
    }) << 7;
    QTest::newRow("peer send over the cap") << Call([overCap](Client &a, Client &) {
        return a.sendToPeer("1_rtm", overCap);
    }) << 7;
    QTest::newRow("lowered cap") << Call([](Client &a, Client &) {
        StandInControl::setMessageSizeCap(10);
        return a.send(kMain, "eleven char");
    }) << 7;
}

// A call refused at once returns its code and the listeners hear nothing.
void TestRtSdk::refusedCalls()
{
    QFETCH(std::function<int(Client &, Client &)>, call);
    QFETCH(int, expected);

    Client a, fresh;
    QVERIFY(a.login("1_rtm") && a.join(kMain));
    QVERIFY(StandInControl::waitIdle());
    a.log.clear();
    QCOMPARE(call(a, fresh), expected);
    QVERIFY(StandInControl::waitIdle());
    QCOMPARE(a.log.texts(), QStringList());
    QCOMPARE(fresh.log.texts(), QStringList());
}

void TestRtSdk::loginAndJoinFaults_data()
{
    using Set = std::function<void()>;
    QTest::addColumn<Set>("setFault");
    QTest::addColumn<QList<int>>("codes"); // login, main join, alternate join; -1 not called
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QStringList>("mainMembers");

    using rtsdk::FaultMode;
    const QStringList loggedIn{"state 2 1", "state 3 2", "login ok"};
    QTest::newRow("no fault") << Set([] {}) << QList<int>{0, 0, 0}
                              << loggedIn + QStringList{"678_rtm joined", "678_alt joined"} << QStringList{"1_rtm"};
    QTest::newRow("login refused at once with code 3")
        << Set([] { StandInControl::setLoginFault(FaultMode::RefuseAtOnce, 3); }) << QList<int>{3, -1, -1}
        << QStringList() << QStringList();
    QTest::newRow("login fails later with code 3")
        << Set([] { StandInControl::setLoginFault(FaultMode::FailLater, 3); }) << QList<int>{0, -1, -1}
        << QStringList{"state 2 1", "login failed 3", "state 1 3"} << QStringList();
    QTest::newRow("login fault of another user")
        << Set([] { StandInControl::setLoginFault(FaultMode::RefuseAtOnce, 3, "2_rtm"); }) << QList<int>{0, 0, 0}
        << loggedIn + QStringList{"678_rtm joined", "678_alt joined"} << QStringList{"1_rtm"};
    QTest::newRow("alternate join refused at once")
        << Set([] { StandInControl::setJoinFault(FaultMode::RefuseAtOnce, 2, kAlt); }) << QList<int>{0, 0, 2}
        << loggedIn + QStringList{"678_rtm joined"} << QStringList{"1_rtm"};
    QTest::newRow("joins fail later") << Set([] { StandInControl::setJoinFault(FaultMode::FailLater, 1); })
                                      << QList<int>{0, 0, 0}
                                      << loggedIn + QStringList{"678_rtm join failed 1", "678_alt join failed 1"}
                                      << QStringList();
}

void TestRtSdk::loginAndJoinFaults()
{
    QFETCH(std::function<void()>, setFault);
    QFETCH(QList<int>, codes);
    QFETCH(QStringList, events);
    QFETCH(QStringList, mainMembers);

    setFault();
    Client a;
    QList<int> got{a.service->login("t", "1_rtm"), -1, -1};
    QVERIFY(StandInControl::waitIdle());
    if (a.log.texts().contains("login ok")) {
        got[1] = a.channel(kMain)->join();
        got[2] = a.channel(kAlt)->join();
    }
    QVERIFY(StandInControl::waitIdle());
    QCOMPARE(got, codes);
    QCOMPARE(a.log.texts(), events);
    QStringList members;
    for (const std::string &id : StandInControl::membersOf(kMain))
        members << QString::fromStdString(id);
    QCOMPARE(members, mainMembers);
}

void TestRtSdk::initFaults_data()
{
    using Call = std::function<int()>;
    QTest::addColumn<int>("step");
    QTest::addColumn<Call>("call");
    QTest::addColumn<int>("expected");

    const Call agoraBase = [] {
        agora::base::IAgoraService *base = createAgoraService();
        agora::base::AgoraServiceContext context;
        context.appId = "app";
        const int rc = base->initialize(context);
        base->release();
        return rc;
    };
    const Call tesselBase = [] {
        tessel::base::ITesselService *base = createTesselService();
        tessel::base::TesselServiceContext context;
        context.appId = "app";
        const int rc = base->initialize(context);
        tessel::base::ITesselService::release(base);
        return rc;
    };
    const Call create = [] {
        agora::rtm::IRtmService *service = agora::rtm::createRtmService();
        if (!service)
            return -1;
        service->release();
        return 0;
    };
    const Call initialize = [] {
        agora::rtm::IRtmService *service = agora::rtm::createRtmService();
        const int rc = service->initialize("app", nullptr);
        service->release();
        return rc;
    };
    const int base = int(rtsdk::InitStep::BaseService);
    const int rtm = int(rtsdk::InitStep::CreateRtmService);
    const int init = int(rtsdk::InitStep::RtmInitialize);
    QTest::newRow("agora base service fails") << base << agoraBase << 101;
    QTest::newRow("tessel base service fails") << base << tesselBase << 101;
    QTest::newRow("agora base service without the fault") << rtm << agoraBase << 0;
    QTest::newRow("no RTM service") << rtm << create << -1;
    QTest::newRow("RTM service without the fault") << base << create << 0;
    QTest::newRow("RTM initialize fails") << init << initialize << 101;
}

void TestRtSdk::initFaults()
{
    QFETCH(int, step);
    QFETCH(std::function<int()>, call);
    QFETCH(int, expected);

    StandInControl::setInitFault(rtsdk::InitStep(step), 101);
    QCOMPARE(call(), expected);
    StandInControl::clearInitFaults();
    QVERIFY(call() >= 0);
}

void TestRtSdk::messageFaults_data()
{
    QTest::addColumn<rtsdk::MessageFault>("fault");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("delayMs");
    QTest::addColumn<QString>("channel");
    QTest::addColumn<QStringList>("received");

    using F = rtsdk::MessageFault;
    const QString m1 = "678_rtm from 1_rtm: m1", m2 = "678_rtm from 1_rtm: m2", m3 = "678_rtm from 1_rtm: m3";
    QTest::newRow("drop one") << F::Drop << 1 << 0 << QString() << QStringList{m2, m3};
    QTest::newRow("drop all") << F::Drop << -1 << 0 << QString() << QStringList();
    QTest::newRow("duplicate one") << F::Duplicate << 1 << 0 << QString() << QStringList{m1, m1, m2, m3};
    QTest::newRow("delay all, order kept") << F::Delay << -1 << 300 << QString() << QStringList{m1, m2, m3};
    QTest::newRow("delay the first, the rest wait behind it")
        << F::Delay << 1 << 300 << QString() << QStringList{m1, m2, m3};
    QTest::newRow("fault of another channel") << F::Drop << -1 << 0 << "678_alt" << QStringList{m1, m2, m3};
}

void TestRtSdk::messageFaults()
{
    QFETCH(rtsdk::MessageFault, fault);
    QFETCH(int, count);
    QFETCH(int, delayMs);
    QFETCH(QString, channel);
    QFETCH(QStringList, received);

    Client a, b;
    QVERIFY(a.login("1_rtm") && a.join(kMain) && b.login("2_rtm") && b.join(kMain));
    QVERIFY(StandInControl::waitIdle());
    a.log.clear();
    b.log.clear();
    StandInControl::setChannelMessageFault(fault, count, delayMs, channel.toStdString());
    QElapsedTimer clock;
    clock.start();
    for (const char *text : {"m1", "m2", "m3"})
        QCOMPARE(a.send(kMain, text), 0);
    if (!received.isEmpty())
        QVERIFY(b.log.waitFor(received.last(), received.count(received.last())));
    QVERIFY(clock.elapsed() >= delayMs);
    QVERIFY(StandInControl::waitIdle());
    QCOMPARE(b.log.texts(), received);
    // Whatever the network did, each send left the sender.
    QCOMPARE(a.log.texts().filter(QRegularExpression("^678_rtm sent #\\d+ 0$")).size(), 3);
}

void TestRtSdk::sendStall()
{
    Client a, b;
    QVERIFY(a.login("1_rtm") && a.join(kMain) && b.login("2_rtm") && b.join(kMain));
    StandInControl::setSendStall(150);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(a.send(kMain, "slow"), 0);
    QVERIFY(clock.elapsed() >= 150);
    clock.restart();
    QCOMPARE(a.sendToPeer("2_rtm", "slow too"), 0);
    QVERIFY(clock.elapsed() >= 150);
    StandInControl::setSendStall(0);
    QVERIFY(b.log.waitFor("peer from 1_rtm: slow too"));
    QVERIFY(b.log.texts().contains("678_rtm from 1_rtm: slow"));
}

// Two senders on their own threads, one receiver: every listener call comes
// on one SDK thread per service, never a caller's, and each sender's
// messages arrive in the order they were sent.
void TestRtSdk::callbacksOnSdkThreadsInOrder()
{
    Client a, b, c;
    QVERIFY(a.login("1_rtm") && a.join(kMain) && b.login("2_rtm") && b.join(kMain) && c.login("3_rtm")
            && c.join(kMain));
    QVERIFY(StandInControl::waitIdle());
    a.log.clear();
    b.log.clear();
    c.log.clear();

    const int n = 200;
    std::atomic<int> failures{0};
    std::vector<Qt::HANDLE> senderThreads(2);
    auto sender = [&](Client *client, int slot, bool peerToo) {
        senderThreads[slot] = QThread::currentThreadId();
        for (int i = 0; i < n; ++i) {
            if (client->send(kMain, std::to_string(i)) != 0)
                ++failures;
            if (peerToo && client->sendToPeer("2_rtm", std::to_string(i)) != 0)
                ++failures;
        }
    };
    std::thread first(sender, &a, 0, true);
    std::thread second(sender, &c, 1, false);
    first.join();
    second.join();
    QCOMPARE(failures.load(), 0);
    QVERIFY(b.log.waitUntil([&](const QStringList &all) { return all.size() == 3 * n; }, 10000));
    QVERIFY(StandInControl::waitIdle());

    int next1 = 0, next3 = 0, nextPeer = 0;
    for (const QString &text : b.log.texts()) {
        int &next = text.startsWith("peer") ? nextPeer : text.contains("1_rtm") ? next1 : next3;
        QCOMPARE(text.section(": ", 1).toInt(), next);
        ++next;
    }
    QCOMPARE(next1 + next3 + nextPeer, 3 * n);

    for (Client *client : {&a, &b, &c}) {
        const QVector<Qt::HANDLE> threads = client->log.threads();
        QVERIFY(!threads.isEmpty());
        QVERIFY(std::all_of(threads.begin(), threads.end(), [&](Qt::HANDLE t) { return t == threads.first(); }));
        QVERIFY(threads.first() != QThread::currentThreadId());
        QVERIFY(threads.first() != senderThreads[0] && threads.first() != senderThreads[1]);
    }
    // The send results follow the sends.
    long long last = 0;
    for (const QString &text : a.log.texts().filter("678_rtm sent")) {
        const long long id = text.section('#', 1).section(' ', 0, 0).toLongLong();
        QVERIFY(id > last);
        last = id;
    }
}

void TestRtSdk::lateCallbacks_data()
{
    QTest::addColumn<rtsdk::LateCallback>("kind");
    QTest::addColumn<QString>("late");

    using L = rtsdk::LateCallback;
    QTest::newRow("login success") << L::LoginSuccess << "login ok";
    QTest::newRow("login failure") << L::LoginFailure << "login failed 1";
    QTest::newRow("token expired") << L::TokenExpired << "token expired";
    QTest::newRow("logout") << L::Logout << "logout 0";
    QTest::newRow("state") << L::ConnectionStateChanged << "state 1 6";
    QTest::newRow("peer message") << L::PeerMessage << "peer from late_rtm: late";
    QTest::newRow("join success") << L::JoinSuccess << "678_rtm joined";
    QTest::newRow("join failure") << L::JoinFailure << "678_rtm join failed 1";
    QTest::newRow("member joined") << L::MemberJoined << "678_rtm member joined late_rtm in 678_rtm";
    QTest::newRow("member left") << L::MemberLeft << "678_rtm member left late_rtm in 678_rtm";
    QTest::newRow("channel message") << L::ChannelMessage << "678_rtm from late_rtm: late";
    QTest::newRow("members") << L::GetMembers << "678_rtm members late_rtm error 0";
    QTest::newRow("send result") << L::SendResult << "678_rtm sent #0 1";
}

// The object that owned the listener is gone; the SDK still calls the
// listener once, from its own state, and nothing else reaches it.
void TestRtSdk::lateCallbacks()
{
    QFETCH(rtsdk::LateCallback, kind);
    QFETCH(QString, late);

    Client a, b;
    QVERIFY(a.login("1_rtm") && a.join(kMain) && b.login("2_rtm") && b.join(kMain));
    QVERIFY(StandInControl::waitIdle());
    a.log.clear();
    StandInControl::armLateCallback(kind, "9_rtm"); // someone else's: stays armed
    StandInControl::armLateCallback(kind, "1_rtm");
    const bool channelKind = late.startsWith("678_rtm");
    if (channelKind)
        a.releaseChannel(kMain);
    else
        a.releaseService(false);
    // Nothing but the late call reaches the released object's listener.
    QCOMPARE(b.send(kMain, "after release"), 0);
    if (!channelKind)
        QCOMPARE(b.sendToPeer("1_rtm", "after release"), 0);
    QVERIFY(StandInControl::waitIdle());
    QCOMPARE(a.log.texts(), QStringList{late});
}

namespace {
// Blocks in its first channel message until told to go on.
class SlowListener : public agora::rtm::IChannelEventHandler
{
public:
    void onMessageReceived(const char *, const agora::rtm::IMessage *message) override
    {
        if (calls++ == 0) {
            entered = true;
            while (!go)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            left = true;
        }
        last = message->getText();
    }
    std::atomic<int> calls{0};
    std::atomic<bool> entered{false}, go{false}, left{false};
    std::string last;
};
} // namespace

void TestRtSdk::releaseWaitsForRunningCallback()
{
    Client b;
    QVERIFY(b.login("2_rtm") && b.join(kMain));
    SlowListener listener;
    RtmEventLog ignored;
    ServiceRecorder<AgoraRtm> serviceListener(ignored);
    agora::rtm::IRtmService *service = agora::rtm::createRtmService();
    QCOMPARE(service->initialize("app", &serviceListener), 0);
    QCOMPARE(service->login("t", "1_rtm"), 0);
    agora::rtm::IChannel *channel = service->createChannel(kMain.c_str(), &listener);
    QCOMPARE(channel->join(), 0);
    QTRY_COMPARE(StandInControl::membersOf(kMain).size(), size_t(2));

    QCOMPARE(b.send(kMain, "first"), 0);
    QCOMPARE(b.send(kMain, "queued behind"), 0);
    QTRY_VERIFY(listener.entered);
    std::thread release([&] {
        channel->release();
        service->release(true);
    });
    QTest::qWait(20);
    listener.go = true;
    release.join();
    // release(true) returned only after the running call had ended, and the
    // message queued behind it never reached the listener.
    QVERIFY(listener.left);
    QVERIFY(StandInControl::waitIdle());
    QCOMPARE(listener.calls.load(), 1);
}

void TestRtSdk::callLog()
{
    long long id = 0;
    {
        Client a;
        QVERIFY(a.login("1_rtm") && a.join(kMain));
        QCOMPARE(a.send(kMain, "hi", {}, &id), 0);
        a.releaseService(true);
    }
    const std::string msg = "agora.rtm#1.msg#1";
    QCOMPARE(StandInControl::objects(), ids({"agora.rtm#1", "agora.rtm#1/678_rtm"}));
    QCOMPARE(StandInControl::serviceOf("1_rtm"), std::string("agora.rtm#1"));
    QCOMPARE(StandInControl::callsOf("agora.rtm#1"),
             ids({"initialize(\"app\") = 0", "login(\"token\", \"1_rtm\") = 0",
                  "createChannel(\"678_rtm\") = agora.rtm#1/678_rtm", "createMessage() = agora.rtm#1.msg#1",
                  "release(true)"}));
    QCOMPARE(StandInControl::callsOf("agora.rtm#1/678_rtm"),
             (std::vector<std::string>{"join() = 0", "sendMessage(id " + std::to_string(id) + ") = 0", "release()"}));
    QCOMPARE(StandInControl::callsOf(msg), ids({"setText(\"hi\")", "release()"}));
    // One log across objects, in call order.
    std::vector<std::string> order;
    for (const rtsdk::CallRecord &call : StandInControl::calls())
        order.push_back(call.object);
    QCOMPARE(order, ids({"agora", "agora.rtm#1", "agora.rtm#1", "agora.rtm#1", "agora.rtm#1/678_rtm", "agora.rtm#1",
                         msg.c_str(), "agora.rtm#1/678_rtm", msg.c_str(), "agora.rtm#1/678_rtm", "agora.rtm#1"}));
    QCOMPARE(StandInControl::calls().front().call, std::string("createRtmService()"));

    // A long text is cut in the log.
    StandInControl::reset();
    {
        Client a;
        a.message(std::string(200, 'x'))->release();
        a.releaseService(true);
    }
    QCOMPARE(StandInControl::callsOf("agora.rtm#1.msg#1").front(),
             "setText(\"" + std::string(120, 'x') + "...\"(200 bytes))");

    StandInControl::reset();
    QVERIFY(StandInControl::calls().empty());
    QVERIFY(StandInControl::objects().empty());
}

// Both vendors' services meet on one hub; the Tessel channel listener also
// hears the member count.
void TestRtSdk::tesselAndAgoraShareTheHub()
{
    RtmTestClient<TesselRtm> t;
    Client a;
    QVERIFY(t.login("1_rtm") && t.join(kMain));
    QVERIFY(a.login("2_rtm") && a.join(kMain));
    QCOMPARE(a.send(kMain, "to tessel"), 0);
    QCOMPARE(t.sendToPeer("2_rtm", "to agora"), 0);
    QVERIFY(a.log.waitFor("peer from 1_rtm: to agora"));
    QVERIFY(t.log.waitFor("678_rtm from 2_rtm: to tessel"));
    QCOMPARE(t.log.texts().mid(3, 4), (QStringList{"678_rtm joined", "678_rtm count 1",
                                                   "678_rtm member joined 2_rtm in 678_rtm", "678_rtm count 2"}));
    QCOMPARE(StandInControl::serviceOf("1_rtm"), std::string("tessel.rtm#1"));
}

QTEST_GUILESS_MAIN(TestRtSdk)
#include "tst_rtsdk.moc"
