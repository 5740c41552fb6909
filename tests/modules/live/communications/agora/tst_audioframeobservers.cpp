// The audio-frame observers of both SDKs, which feed the class recording's
// PCM queue: frames handed in as the SDK's audio thread hands them (on the
// settable clock), a recorder thread holding the queue's lock, and the real
// stand-in engines delivering their 48 kHz frames on their own audio thread
// to a consumer thread that checks every frame's size.

#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/TQDataModelBean.h"
#include "modules/live/communications/TQRTCEventDelegate.h"
#include "modules/live/communications/agora/TQRTCCommonAgoraImpl.h"
#include "modules/live/communications/agora/TQRTCCommonTessel.h"
#include "modules/login/LoginManager.h"

#include "TestClock.h"
#include "TestLoadConfig.h"
#include "TestLogCapture.h"
#include "rtsdk/StandInControl.h"

#include <QJsonObject>
#include <QtTest>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <future>
#include <memory>
#include <thread>
#include <vector>

namespace {

constexpr qint64 kNow = 1700000000000;
constexpr int kStereoBlock = 1024 * 2 * 2; // the recorder's block: 1024 stereo 16-bit samples

// The observer's queue as the recorder sees it, with the recorder's hold on
// its lock made visible.
template <class Observer>
class Recorded : public Observer
{
public:
    std::mutex &queueLock() { return this->mFrameMutex; }
};

// PCM of `samples` x `channels` counting up from `first` (a buffer of one
// sample when there are none, so that it is never null).
struct Pcm
{
    Pcm(int samplesIn, int channelsIn, int16_t first = 1)
        : samples(samplesIn), channels(channelsIn), values(size_t(std::max(1, samplesIn * channelsIn)))
    {
        for (size_t i = 0; i < values.size(); ++i)
            values[i] = int16_t(first + int(i));
    }
    template <class Frame>
    Frame frame()
    {
        Frame f;
        f.samples = samples;
        f.channels = channels;
        f.samplesPerSec = 48000;
        f.buffer = values.data();
        return f;
    }
    int samples, channels;
    std::vector<int16_t> values;
};

// Drives one observer type through its SDK's observer interface.
struct Driver
{
    virtual ~Driver() = default;
    virtual TQCaptureAudioAgoraThread &queue() = 0;
    virtual std::mutex &queueLock() = 0;
    // Hands the frame to the mixed-frame callback; false when it refused it.
    virtual bool feed(Pcm &pcm, bool nullBuffer = false) = 0;
};

template <class Observer>
struct DriverFor : Driver
{
    using Frame = typename Observer::AudioFrame;
    TQCaptureAudioAgoraThread &queue() override { return observer; }
    std::mutex &queueLock() override { return observer.queueLock(); }
    bool feed(Pcm &pcm, bool nullBuffer) override
    {
        Frame frame = pcm.frame<Frame>();
        if (nullBuffer)
            frame.buffer = nullptr;
        // The other callbacks take frames and keep none.
        observer.onRecordAudioFrame(frame);
        observer.onPlaybackAudioFrame(frame);
        observer.onPlaybackAudioFrameBeforeMixing(7, frame);
        return observer.onMixedAudioFrame(frame);
    }
    Recorded<Observer> observer;
};

std::unique_ptr<Driver> makeDriver(const QString &sdk)
{
    if (sdk == QLatin1String("agora"))
        return std::make_unique<DriverFor<TQAgoraAudioFrameObserver>>();
    return std::make_unique<DriverFor<TQTesselAudioFrameObserver>>();
}

std::vector<int16_t> samplesOf(const TQFrameData &frame)
{
    const auto *begin = reinterpret_cast<const int16_t *>(frame.data);
    return std::vector<int16_t>(begin, begin + frame.size / 2);
}

} // namespace

class TestAudioFrameObservers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void copiesWhileCapturing_data();
    void copiesWhileCapturing();
    void framesWithoutSamples_data();
    void framesWithoutSamples();
    void monoFrameIsNotReadAsStereo();
    void busyQueueDropsTheFrame();
    void framesFromTheEngine_data();
    void framesFromTheEngine();

private:
    void sdkRows();
    std::unique_ptr<CourseDetailBean> m_course;
};

void TestAudioFrameObservers::initTestCase()
{
    LoginManager::saveLoginInfo(QJsonObject{{"tokenStatus", QJsonObject{{"token", "tk"}}},
                                            {"accountDetails", QJsonObject{{"user_id", "12345"}}}});
    m_course = std::make_unique<CourseDetailBean>(QJsonObject());
    QVERIFY(m_course->isRtcVideoEnabled());
    TQDataModelBean::m_pOngoingCourse = m_course.get();
}

void TestAudioFrameObservers::cleanup()
{
    rtsdk::StandInControl::reset();
}

void TestAudioFrameObservers::sdkRows()
{
    QTest::addColumn<QString>("sdk");
    QTest::newRow("agora") << "agora";
    QTest::newRow("tessel") << "tessel";
}

void TestAudioFrameObservers::copiesWhileCapturing_data()
{
    sdkRows();
}

void TestAudioFrameObservers::copiesWhileCapturing()
{
    QFETCH(QString, sdk);
    TestClock clock(kNow);
    TestLogCapture log;
    auto driver = makeDriver(sdk);
    QCOMPARE(log.messages().filter(QStringLiteral("TQ%1AudioFrameObserver::TQ%1AudioFrameObserver %2 audio frame observer contructor")
                                       .arg(sdk == QLatin1String("agora") ? "Agora" : "Tessel", sdk)).size(), 1);
    TQCaptureAudioAgoraThread &queue = driver->queue();
    Pcm pcm(1024, 2);

    // Paused after construction: the frame is heard, not kept.
    QVERIFY(!queue.hasAudioFrames());
    QVERIFY(driver->feed(pcm));
    QVERIFY(queue.hasAudioFrames());
    QCOMPARE(queue.popFrame().data, nullptr);

    queue.startCapture();
    QCOMPARE(log.messages().filter(QStringLiteral("TQ%1AudioFrameObserver::startCapture VideoRecord:startCapture %2 audio frame observer start")
                                       .arg(sdk == QLatin1String("agora") ? "Agora" : "Tessel", sdk)).size(), 1);
    QVERIFY(driver->feed(pcm));
    clock.advance(21);
    Pcm later(1024, 2, 5000);
    QVERIFY(driver->feed(later));

    TQFrameData first = queue.popFrame(kStereoBlock);
    QCOMPARE(first.size, kStereoBlock);
    QCOMPARE(first.timestamp, qint64(0));
    QCOMPARE(samplesOf(first), pcm.values);
    std::free(first.data);
    TQFrameData second = queue.popFrame(kStereoBlock);
    QCOMPARE(second.timestamp, qint64(21));
    QCOMPARE(samplesOf(second), later.values);
    std::free(second.data);

    // A stop and a new start: the stamps go on from the first frame copied.
    queue.stopCapture();
    QVERIFY(driver->feed(pcm));
    QCOMPARE(queue.popFrame().data, nullptr);
    clock.advance(1000);
    queue.startCapture();
    QVERIFY(driver->feed(pcm));
    TQFrameData resumed = queue.popFrame(kStereoBlock);
    QCOMPARE(resumed.timestamp, qint64(1021));
    std::free(resumed.data);
}

void TestAudioFrameObservers::framesWithoutSamples_data()
{
    QTest::addColumn<QString>("sdk");
    QTest::addColumn<int>("samples");
    QTest::addColumn<int>("channels");
    QTest::addColumn<bool>("nullBuffer");
    QTest::addColumn<bool>("hasAudio");
    for (const char *sdk : {"agora", "tessel"}) {
        QTest::addRow("%s: no buffer", sdk) << sdk << 1024 << 2 << true << false;
        QTest::addRow("%s: no channels", sdk) << sdk << 1024 << 0 << false << false;
        QTest::addRow("%s: negative channels", sdk) << sdk << 1024 << -2 << false << false;
        // Heard, but nothing to copy.
        QTest::addRow("%s: no samples", sdk) << sdk << 0 << 2 << false << true;
    }
}

void TestAudioFrameObservers::framesWithoutSamples()
{
    QFETCH(QString, sdk);
    QFETCH(int, samples);
    QFETCH(int, channels);
    QFETCH(bool, nullBuffer);
    QFETCH(bool, hasAudio);
    auto driver = makeDriver(sdk);
    driver->queue().startCapture();
    Pcm pcm(samples, qMax(channels, 0));
    pcm.channels = channels;
    QVERIFY(driver->feed(pcm, nullBuffer));
    QCOMPARE(driver->queue().popFrame().data, nullptr);
    QCOMPARE(driver->queue().hasAudioFrames(), hasAudio);
}

void TestAudioFrameObservers::monoFrameIsNotReadAsStereo()
{
    // The recorder takes stereo blocks; a mono frame carries its own size and
    // is refused instead of being read for twice its length.
    TestLogCapture log;
    auto driver = makeDriver(QStringLiteral("agora"));
    driver->queue().startCapture();
    Pcm mono(1024, 1);
    Pcm stereo(1024, 2);
    QVERIFY(driver->feed(mono));
    QVERIFY(driver->feed(stereo));
    QCOMPARE(driver->queue().popFrame(kStereoBlock).data, nullptr);
    QCOMPARE(log.messages().filter(QStringLiteral("TQCaptureAudioAgoraThread::popFrame dropped a frame of 2048 bytes, 4096 expected")).size(), 1);
    TQFrameData next = driver->queue().popFrame(kStereoBlock);
    QCOMPARE(next.size, kStereoBlock);
    QCOMPARE(samplesOf(next), stereo.values);
    std::free(next.data);
}

void TestAudioFrameObservers::busyQueueDropsTheFrame()
{
    // The recorder's thread holds the queue's lock while the SDK's thread
    // hands in frames: they are lost, their copies freed (the leak check of
    // the sanitizer build fails otherwise), and the SDK's thread never waits.
    auto driver = makeDriver(QStringLiteral("tessel"));
    driver->queue().startCapture();
    std::promise<void> holding;
    std::promise<void> done;
    std::thread recorder([&] {
        std::lock_guard<std::mutex> lock(driver->queueLock());
        holding.set_value();
        done.get_future().wait();
    });
    holding.get_future().wait();
    Pcm pcm(1024, 2);
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 10; ++i)
        QVERIFY(driver->feed(pcm));
    const auto spent = std::chrono::steady_clock::now() - start;
    done.set_value();
    recorder.join();
    QVERIFY(spent < std::chrono::seconds(2));
    QVERIFY(driver->queue().hasAudioFrames());
    QCOMPARE(driver->queue().popFrame().data, nullptr);
}

void TestAudioFrameObservers::framesFromTheEngine_data()
{
    sdkRows();
}

void TestAudioFrameObservers::framesFromTheEngine()
{
    QFETCH(QString, sdk);
    const bool agora = sdk == QLatin1String("agora");
    TQAgoraAudioFrameObserver agoraObserver;
    TQTesselAudioFrameObserver tesselObserver;
    TQCaptureAudioAgoraThread &queue = agora ? static_cast<TQCaptureAudioAgoraThread &>(agoraObserver)
                                             : static_cast<TQCaptureAudioAgoraThread &>(tesselObserver);
    std::unique_ptr<TQRTCCommon> engine;
    if (agora) {
        engine = std::make_unique<TQRTCCommonAgoraImpl>();
        engine->setAgoraAudioFrameObserver(&agoraObserver);
    } else {
        engine = std::make_unique<TQRTCCommonTessel>();
        engine->setTesselAudioFrameObserver(&tesselObserver);
    }
    queue.startCapture();
    TQRTCEventDelegate handlers;
    QCOMPARE(engine->loadRTC(testLoadConfig(&handlers, 55, 678)), 0);

    // The recorder's loop on its own thread: every frame is one stereo block
    // with a tone in it, and the stamps never go back.
    std::atomic<bool> allBlocks{true};
    std::atomic<bool> stampsRise{true};
    std::atomic<int> taken{0};
    std::atomic<bool> stop{false};
    std::thread recorder([&] {
        qint64 last = -1;
        while (!stop && taken < 5) {
            TQFrameData frame = queue.popFrame();
            if (!frame.data) {
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
                continue;
            }
            const std::vector<int16_t> samples = frame.size == kStereoBlock ? samplesOf(frame) : std::vector<int16_t>();
            const bool tone = std::any_of(samples.begin(), samples.end(), [](int16_t s) { return s != 0; });
            allBlocks = allBlocks && tone;
            stampsRise = stampsRise && frame.timestamp >= last;
            last = frame.timestamp;
            std::free(frame.data);
            ++taken;
        }
    });
    QTRY_VERIFY_WITH_TIMEOUT(taken >= 5, 5000);
    stop = true;
    recorder.join();
    QVERIFY(allBlocks);
    QVERIFY(stampsRise);
    QVERIFY(queue.hasAudioFrames());
    engine->leaveRTC();
}

QTEST_MAIN(TestAudioFrameObservers)
#include "tst_audioframeobservers.moc"
