#include "modules/live/communications/TQCallQualityStats.h"

#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/TQDataModelBean.h"

#include <QJsonObject>

#include <QtTest>

#include "StdTestPrinting.h"
#include "TestClock.h"

namespace {

constexpr qint64 kNow = 1700000000000;

} // namespace

class TestCallQualityStats : public QObject
{
    Q_OBJECT

private slots:
    void network_data();
    void network();
    void audio_data();
    void audio();
    void video_data();
    void video();
    void videoInFastModeCourse_data();
    void videoInFastModeCourse();
    void keepsFiveRecentSamples();
    void clear();
};

void TestCallQualityStats::network_data()
{
    QTest::addColumn<int>("tx");
    QTest::addColumn<int>("rx");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("text");
    QTest::newRow("2/3") << 2 << 3 << 3 << "网络输出优秀. 网络接收良好. ";
    QTest::newRow("1/1") << 1 << 1 << 2 << "网络输出优秀. 网络接收优秀. ";
    QTest::newRow("4/6") << 4 << 6 << 5 << "网络输出一般. 网络接收很差. ";
    QTest::newRow("6/6") << 6 << 6 << 6 << "网络输出很差. 网络接收很差. ";
    QTest::newRow("none") << -1 << -1 << 0 << "网络状况未知，正在检测。";
}

void TestCallQualityStats::network()
{
    QFETCH(int, tx);
    QFETCH(int, rx);
    QFETCH(int, level);
    QFETCH(QString, text);
    TestClock clock(kNow);
    TQCallQualityStats stats;
    if (tx >= 0)
        stats.addNetworkQuality({kNow - 1000, tx, rx});
    const TQMediaQualityInfo info = stats.describeQuality(2, 2);
    QCOMPARE(info.networkLevel, level);
    QCOMPARE(QString::fromStdString(info.networkText), text);
}

void TestCallQualityStats::audio_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("quality"); // -1: no sample
    QTest::addColumn<int>("delay");
    QTest::addColumn<int>("jitter");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("text");
    QTest::newRow("good") << 2 << 2 << 120 << 0 << 3 << "音频质量良好.平均延迟 120 毫秒。";
    QTest::newRow("excellent") << 2 << 1 << 35 << 0 << 2 << "音频质量优秀. 平均延迟 35 毫秒。";
    QTest::newRow("fair") << 2 << 4 << 10 << 0 << 5 << "音频质量一般.平均延迟 10 毫秒。";
    QTest::newRow("bad") << 2 << 5 << 10 << 0 << 6 << "音频质量很差。";
    QTest::newRow("jitter") << 2 << 1 << 10 << 1001 << 6 << "音频质量很差。";
    QTest::newRow("no samples") << 3 << -1 << 0 << 0 << 3 << "音频已启用";
    QTest::newRow("off") << 0 << 1 << 10 << 0 << 0 << "声音关闭";
    QTest::newRow("network") << 1 << 1 << 10 << 0 << 1 << "网络原因，音频质量比较差";
}

void TestCallQualityStats::audio()
{
    QFETCH(int, state);
    QFETCH(int, quality);
    QFETCH(int, delay);
    QFETCH(int, jitter);
    QFETCH(int, level);
    QFETCH(QString, text);
    TestClock clock(kNow);
    TQCallQualityStats stats;
    if (quality >= 0) {
        TQAudioStatistics sample;
        sample.timeMs = kNow;
        sample.quality = quality;
        sample.networkTransportDelay = delay;
        sample.jitterBufferDelay = jitter;
        stats.addAudioStatistics(sample);
    }
    const TQMediaQualityInfo info = stats.describeQuality(state, 0);
    QCOMPARE(info.audioLevel, level);
    QCOMPARE(QString::fromStdString(info.audioText), text);
}

void TestCallQualityStats::video_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QList<int>>("fps");
    QTest::addColumn<QList<int>>("bitrate");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("text");
    QTest::newRow("stalling") << 2 << QList<int>{3, 4} << QList<int>{300, 400} << 2
                              << "视频有停顿. 传输速率 350 K(bps)。";
    QTest::newRow("smooth") << 2 << QList<int>{15} << QList<int>{512} << 2 << "视频流畅. 传输速率 512 K(bps)。";
    QTest::newRow("fraction") << 2 << QList<int>{15, 15, 15} << QList<int>{100, 100, 101} << 2
                              << "视频流畅. 传输速率 100.333 K(bps)。";
    QTest::newRow("no samples") << 2 << QList<int>{} << QList<int>{} << 2 << "视频已启用";
    QTest::newRow("off") << 0 << QList<int>{15} << QList<int>{1} << 0 << "关闭了视频";
    QTest::newRow("network") << 1 << QList<int>{15} << QList<int>{1} << 1 << "网络原因，视频质量比较差";
}

void TestCallQualityStats::video()
{
    QFETCH(int, state);
    QFETCH(QList<int>, fps);
    QFETCH(QList<int>, bitrate);
    QFETCH(int, level);
    QFETCH(QString, text);
    TestClock clock(kNow);
    TQCallQualityStats stats;
    for (int i = 0; i < fps.size(); ++i) {
        TQVideoStatistics sample;
        sample.timeMs = kNow - i;
        sample.decoderOutputFps = fps[i];
        sample.receivedBitrate = bitrate[i];
        stats.addVideoStatistics(sample);
    }
    const TQMediaQualityInfo info = stats.describeQuality(0, state);
    QCOMPARE(info.videoLevel, level);
    QCOMPARE(QString::fromStdString(info.videoText), text);
}

void TestCallQualityStats::videoInFastModeCourse_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("level");
    QTest::newRow("camera off") << 0 << 0;
    QTest::newRow("network") << 1 << 1;
    QTest::newRow("on, with samples") << 2 << 2;
}

void TestCallQualityStats::videoInFastModeCourse()
{
    QFETCH(int, state);
    QFETCH(int, level);
    // A priced course in its fast mode has no media-engine video: whatever
    // the state, the text says so; the level stays what it was.
    CourseDetailBean course{QJsonObject()};
    course.price_type = 1;
    course.rtm = 2;
    QVERIFY(!course.isRtcVideoEnabled());
    TQDataModelBean::m_pOngoingCourse = &course;
    TestClock clock(kNow);
    TQCallQualityStats stats;
    TQVideoStatistics sample;
    sample.timeMs = kNow;
    sample.decoderOutputFps = 15;
    stats.addVideoStatistics(sample);
    const TQMediaQualityInfo info = stats.describeQuality(2, state);
    TQDataModelBean::m_pOngoingCourse = nullptr;
    QCOMPARE(info.videoLevel, level);
    QCOMPARE(QString::fromStdString(info.videoText), QStringLiteral("极速模式下无法使用摄像头"));
}

void TestCallQualityStats::keepsFiveRecentSamples()
{
    TestClock clock(kNow);
    TQCallQualityStats stats;
    stats.addNetworkQuality({kNow, 6, 6});
    for (int i = 0; i < 5; ++i)
        stats.addNetworkQuality({kNow, 1, 1});
    // The sixth sample pushed the first out.
    QCOMPARE(int(stats.networkSamples().size()), 5);
    QCOMPARE(stats.averageNetworkQuality().txQuality, 1.0f);

    TQCallQualityStats aged;
    aged.addNetworkQuality({kNow - 60000, 6, 6});
    aged.addNetworkQuality({kNow - 59999, 2, 2});
    aged.addNetworkQuality({kNow + 5000, 4, 4}); // stamped ahead of the clock: counts
    const TQNetworkQualityAverage average = aged.averageNetworkQuality();
    QCOMPARE(average.valid, 1);
    QCOMPARE(average.txQuality, 3.0f);
    clock.advance(120000);
    QCOMPARE(aged.averageNetworkQuality().valid, 0);
    QCOMPARE(aged.averageNetworkQuality().rxQuality, 0.0f);
}

void TestCallQualityStats::clear()
{
    TestClock clock(kNow);
    TQCallQualityStats stats;
    stats.addNetworkQuality({kNow, 1, 1});
    stats.addVideoStatistics(TQVideoStatistics{kNow, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    stats.addAudioStatistics(TQAudioStatistics{kNow, 1, 1, 1, 1, 1, 1, 1, 1});
    stats.clear();
    QVERIFY(stats.networkSamples().empty() && stats.videoSamples().empty() && stats.audioSamples().empty());
    QCOMPARE(stats.describeQuality(2, 2).videoText, std::string("视频已启用"));
}

QTEST_GUILESS_MAIN(TestCallQualityStats)
#include "tst_callqualitystats.moc"
