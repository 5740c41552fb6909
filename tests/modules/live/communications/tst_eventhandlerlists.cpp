// The handler lists the engines and channels report to, and the volume report
// record: add-once, removal, the channels' three fan-outs, and the lists
// walked on a real thread (as an SDK thread does) while the test thread adds
// and removes handlers.

#include "modules/live/communications/TQAudioVolumeInfo.h"
#include "modules/live/communications/TQRTCEventDelegate.h"
#include "modules/live/communications/TQRTMEventDelegate.h"

#include "RecordingHandlers.h"
#include "StdTestPrinting.h"
#include "TestLogCapture.h"

#include <QJsonDocument>
#include <QtTest>

#include <atomic>
#include <thread>

class TestEventHandlerLists : public QObject
{
    Q_OBJECT

private slots:
    void volumeJson_data();
    void volumeJson();
    void volumeCopy_data();
    void volumeCopy();
    void addOnce();
    void removeAndIndex();
    void channelFanOuts();
    void handlerRemovesItselfWhileCalled();
    void walkedOnAnotherThread();
};

namespace {

QString compact(const QJsonObject &json)
{
    return QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Compact));
}

} // namespace

void TestEventHandlerLists::volumeJson_data()
{
    QTest::addColumn<std::vector<int>>("ids");
    QTest::addColumn<std::vector<int>>("volumes");
    QTest::addColumn<int>("total");
    QTest::addColumn<QString>("json");
    QTest::newRow("fewer volumes than ids")
        << std::vector<int>{7, 9} << std::vector<int>{30} << 30
        << R"({"speaks":[{"userID":"7","volume":30},{"userID":"9"}],"totalVolume":30})";
    QTest::newRow("paired") << std::vector<int>{12345, 0} << std::vector<int>{200, 5} << 205
                            << R"({"speaks":[{"userID":"12345","volume":200},{"userID":"0","volume":5}],"totalVolume":205})";
    QTest::newRow("nobody") << std::vector<int>{} << std::vector<int>{3} << 0
                            << R"({"speaks":[],"totalVolume":0})";
}

void TestEventHandlerLists::volumeJson()
{
    QFETCH(std::vector<int>, ids);
    QFETCH(std::vector<int>, volumes);
    QFETCH(int, total);
    QFETCH(QString, json);
    TQAudioVolumeInfo info;
    info.userIds = ids;
    info.volumes = volumes;
    info.totalVolume = total;
    QCOMPARE(compact(info.toJson()), json);
}

void TestEventHandlerLists::volumeCopy_data()
{
    QTest::addColumn<std::vector<int>>("ids");
    QTest::addColumn<std::vector<int>>("volumes");
    QTest::addColumn<bool>("listsKept");
    QTest::newRow("same length") << std::vector<int>{7, 9} << std::vector<int>{30, 40} << true;
    QTest::newRow("lengths differ") << std::vector<int>{7, 9} << std::vector<int>{30} << false;
}

void TestEventHandlerLists::volumeCopy()
{
    QFETCH(std::vector<int>, ids);
    QFETCH(std::vector<int>, volumes);
    QFETCH(bool, listsKept);
    TQAudioVolumeInfo info;
    info.userIds = ids;
    info.volumes = volumes;
    info.totalVolume = 70;

    const TQAudioVolumeInfo copied(info);
    TQAudioVolumeInfo assigned;
    assigned.userIds = {1};
    assigned = info;
    for (const TQAudioVolumeInfo *copy : {&copied, static_cast<const TQAudioVolumeInfo *>(&assigned)}) {
        QCOMPARE(copy->userIds, listsKept ? ids : std::vector<int>{});
        QCOMPARE(copy->volumes, listsKept ? volumes : std::vector<int>{});
        QCOMPARE(copy->totalVolume, 70);
    }
}

void TestEventHandlerLists::addOnce()
{
    TestLogCapture log;
    TQRTCEventDelegate rtc;
    TQRTMEventDelegate rtm;
    RecordingRTCHandler rtcHandler;
    RecordingDataHandler dataHandler;

    rtc.addEventHandler(&rtcHandler);
    rtm.addEventHandler(&dataHandler);
    log.clear();
    rtc.addEventHandler(&rtcHandler);
    rtm.addEventHandler(&dataHandler);

    QCOMPARE(rtc.size(), 1);
    QCOMPARE(rtm.size(), 1);
    const QStringList lines = log.messages();
    QCOMPARE(lines.size(), 2);
    QVERIFY2(lines.at(0).endsWith(QStringLiteral("TQRTCEventDelegate::addEventHandler eventHandler %1 already exists")
                                      .arg(QString::asprintf("%p", static_cast<void *>(&rtcHandler)))),
             qPrintable(lines.at(0)));
    QVERIFY2(lines.at(1).endsWith(QStringLiteral("TQRTMEventDelegate::addEventHandler eventHandler %1 already exists")
                                      .arg(QString::asprintf("%p", static_cast<void *>(&dataHandler)))),
             qPrintable(lines.at(1)));
}

void TestEventHandlerLists::removeAndIndex()
{
    TQRTCEventDelegate rtc;
    RecordingRTCHandler a, b;
    rtc.addEventHandler(&a);
    rtc.addEventHandler(&b);
    QCOMPARE(rtc.handlerAt(0), &a);
    QCOMPARE(rtc.handlerAt(1), &b);

    rtc.removeEventHandler(&a);
    rtc.removeEventHandler(&a); // not in the list any more: nothing happens
    QCOMPARE(rtc.size(), 1);
    QCOMPARE(rtc.handlerAt(0), &b);
    // An index read before the list shrank finds nothing rather than garbage.
    QCOMPARE(rtc.handlerAt(1), nullptr);
    QCOMPARE(rtc.handlerAt(-1), nullptr);
}

void TestEventHandlerLists::channelFanOuts()
{
    TestLogCapture log;
    TQRTMEventDelegate rtm;
    RecordingDataHandler first, second;
    rtm.addEventHandler(&first);
    rtm.addEventHandler(&second);
    log.clear();

    rtm.onDataChannelJoinSuccess(true);
    rtm.onDataChannelJoinFailure(false);
    rtm.onConnectRTMFailure();

    const QStringList expected{"onJoinDataChannelSuccess(1)", "onJoinDataChannelFailure(0)", "onConnectRTMFailure()"};
    QCOMPARE(first.reports(), expected);
    QCOMPARE(second.reports(), expected);
    const QStringList lines = log.messages();
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines.at(0).endsWith("[RTM] TQRTMEventDelegate::onDataChannelJoinSuccess isMainChannel=1"));
    QVERIFY(lines.at(1).endsWith("[RTM] TQRTMEventDelegate::onDataChannelJoinFailure "));
    QVERIFY(lines.at(2).endsWith("LiveBroadcast:connectRTMFailure"));
}

namespace {

// Takes itself off the list from inside a report, as a manager tearing down
// from a slot that runs directly on the reporting thread would.
class SelfRemovingHandler : public RecordingDataHandler
{
public:
    explicit SelfRemovingHandler(TQRTMEventDelegate *list) : m_list(list) {}
    void onConnectRTMFailure() override
    {
        RecordingDataHandler::onConnectRTMFailure();
        m_list->removeEventHandler(this);
    }

private:
    TQRTMEventDelegate *m_list;
};

} // namespace

void TestEventHandlerLists::handlerRemovesItselfWhileCalled()
{
    TQRTMEventDelegate rtm;
    SelfRemovingHandler leaving(&rtm);
    RecordingDataHandler staying;
    rtm.addEventHandler(&leaving);
    rtm.addEventHandler(&staying);

    rtm.onConnectRTMFailure();
    rtm.onConnectRTMFailure();

    QCOMPARE(leaving.reports(), QStringList{"onConnectRTMFailure()"});
    QCOMPARE(staying.reports(), (QStringList{"onConnectRTMFailure()", "onConnectRTMFailure()"}));
    QCOMPARE(rtm.size(), 1);
}

void TestEventHandlerLists::walkedOnAnotherThread()
{
    // The SDK thread walks the list the way the listeners do (size, then
    // handlerAt) and by fan-out; the test thread meanwhile adds and removes.
    TQRTCEventDelegate rtc;
    RecordingRTCHandler fixed;
    RecordingRTCHandler coming[8];
    rtc.addEventHandler(&fixed);

    std::atomic<bool> done{false};
    std::atomic<int> walks{0};
    std::thread sdk([&] {
        while (!done) {
            for (int i = 0; i < rtc.size(); ++i) {
                if (TQRTCEventHandlerInterface *handler = rtc.handlerAt(i))
                    handler->onNetworkQuality(1, 2, 3);
            }
            rtc.forEachHandler([](TQRTCEventHandlerInterface *handler) { handler->onLeaveChannelRTC(); });
            ++walks;
        }
    });
    for (int round = 0; round < 300; ++round) {
        for (RecordingRTCHandler &handler : coming)
            rtc.addEventHandler(&handler);
        for (RecordingRTCHandler &handler : coming)
            rtc.removeEventHandler(&handler);
    }
    while (walks < 10)
        std::this_thread::yield();
    done = true;
    sdk.join();

    QCOMPARE(rtc.size(), 1);
    QCOMPARE(rtc.handlerAt(0), &fixed);
    const QStringList reports = fixed.reports();
    QVERIFY(reports.size() >= 20);
    // Every walk reached the handler that never left, in its order.
    QCOMPARE(reports.count("onNetworkQuality(1,2,3)"), reports.count("onLeaveChannelRTC()"));
}

QTEST_GUILESS_MAIN(TestEventHandlerLists)
#include "tst_eventhandlerlists.moc"
