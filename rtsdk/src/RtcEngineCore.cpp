#include "RtcEngineCore.h"

#include <cmath>

#include "Runtime.h"

namespace rtsdk {

namespace {
using Clock = std::chrono::steady_clock;
const auto kReportCheck = std::chrono::milliseconds(50);
const auto kQualityPeriod = std::chrono::milliseconds(2000);
const auto kFramePeriod = std::chrono::microseconds(1000000 / 15);
const int kPatternWidth = 160;
const int kPatternHeight = 120;
} // namespace

RtcEngineCore::RtcEngineCore(std::string name, RtcEngineSink *sink)
    : mName(std::move(name))
    , mQueue(Runtime::instance().newQueue(mName))
    , mSink(sink)
{
}

RtcEngineCore::~RtcEngineCore()
{
    stopThreads();
}

int RtcEngineCore::logged(const std::string &call, int result, const std::string &object)
{
    Runtime::instance().log().record(object.empty() ? mName : object, call + " = " + std::to_string(result));
    return result;
}

void RtcEngineCore::note(const std::string &call, const std::string &object)
{
    Runtime::instance().log().record(object.empty() ? mName : object, call);
}

int RtcEngineCore::initialize(bool withHandler)
{
    std::lock_guard<std::mutex> lock(mMutex);
    mInitialized = withHandler;
    return withHandler ? 0 : kErrInvalid;
}

void RtcEngineCore::setSecret(const std::string &secret)
{
    std::lock_guard<std::mutex> lock(mMutex);
    mSecret = secret;
}

void RtcEngineCore::setMode(const std::string &mode)
{
    std::lock_guard<std::mutex> lock(mMutex);
    mMode = mode;
}

void RtcEngineCore::setVolumeInterval(int ms)
{
    std::lock_guard<std::mutex> lock(mMutex);
    mVolumeIntervalMs = ms;
    mNextVolume = Clock::now() + std::chrono::milliseconds(ms);
}

void RtcEngineCore::setMixedFrames(int, int)
{
    // The audio thread always runs at 48000 Hz with 1024 samples per call;
    // the call is logged by the vendor side.
}

int RtcEngineCore::join(const std::string &channel, uint32_t uid)
{
    std::string secret, mode;
    {
        std::lock_guard<std::mutex> lock(mMutex);
        if (!mInitialized)
            return kErrNotReady;
        if (mJoined)
            return kErrRejected;
        secret = mSecret;
        mode = mMode;
    }
    // The join is answered at once, like the real network's first reply, but
    // its report comes on the callback thread.
    const long long given = Runtime::instance().rtcNetwork().join(shared_from_this(), channel, uid, secret, mode);
    if (given < 0)
        return int(given);
    {
        std::lock_guard<std::mutex> lock(mMutex);
        mJoined = true;
        mChannel = channel;
        mUid = uint32_t(given);
        mJoinedAt = Clock::now();
        mNextQuality = mJoinedAt + kQualityPeriod;
        mNextVolume = mJoinedAt + std::chrono::milliseconds(mVolumeIntervalMs);
    }
    const uint32_t own = uint32_t(given);
    post([channel, own](RtcEngineSink *sink) { sink->joinSuccess(channel, own, 0); });
    mAudio.start(std::chrono::microseconds(1000000LL * kSamplesPerCall / kSampleRate), [this] { audioTick(); });
    mRender.start(kFramePeriod, [this] {
        ++mPatternTick;
        std::lock_guard<std::mutex> gate(mGate);
        if (mSink)
            mSink->renderTick();
    });
    mReports.start(kReportCheck, [this] { reportTick(); });
    return 0;
}

int RtcEngineCore::leave()
{
    unsigned int duration = 0;
    {
        std::lock_guard<std::mutex> lock(mMutex);
        if (!mJoined)
            return 0;
        mJoined = false;
        duration = unsigned(std::chrono::duration_cast<std::chrono::seconds>(Clock::now() - mJoinedAt).count());
    }
    stopThreads();
    Runtime::instance().rtcNetwork().leave(this);
    post([duration](RtcEngineSink *sink) { sink->leftChannel(duration); });
    return 0;
}

void RtcEngineCore::stopThreads()
{
    mAudio.stop();
    mRender.stop();
    mReports.stop();
}

int RtcEngineCore::createStream(int *streamId)
{
    if (!streamId)
        return kErrInvalid;
    std::lock_guard<std::mutex> lock(mMutex);
    if (!mInitialized)
        return kErrNotReady;
    *streamId = ++mStreams;
    return 0;
}

int RtcEngineCore::sendStream(int streamId, const char *data, unsigned long length)
{
    {
        std::lock_guard<std::mutex> lock(mMutex);
        if (!mJoined)
            return kErrNotReady;
        if (streamId < 1 || streamId > mStreams || !data || length == 0 || length > kMaxStreamMessage)
            return kErrInvalid;
    }
    Runtime::instance().rtcNetwork().sendStream(this, streamId, std::string(data, length));
    return 0;
}

void RtcEngineCore::push(I420Picture picture)
{
    Runtime::instance().rtcNetwork().pushFrame(this, std::move(picture));
}

I420Picture RtcEngineCore::pictureOf(uint32_t uid)
{
    I420Picture picture;
    if (Runtime::instance().rtcNetwork().frameOf(this, uid, picture))
        return picture;
    // Test pattern: a bright bar that moves down a grey ramp, tinted per uid.
    picture.width = kPatternWidth;
    picture.height = kPatternHeight;
    const int ySize = kPatternWidth * kPatternHeight;
    picture.bytes.resize(ySize * 3 / 2);
    const int bar = int(mPatternTick.load() % kPatternHeight);
    for (int y = 0; y < kPatternHeight; ++y)
        for (int x = 0; x < kPatternWidth; ++x)
            picture.bytes[y * kPatternWidth + x] = uint8_t(std::abs(y - bar) < 6 ? 235 : 16 + x * 200 / kPatternWidth);
    std::fill(picture.bytes.begin() + ySize, picture.bytes.begin() + ySize * 5 / 4, uint8_t(64 + uid % 128));
    std::fill(picture.bytes.begin() + ySize * 5 / 4, picture.bytes.end(), uint8_t(192 - uid % 128));
    return picture;
}

void RtcEngineCore::release()
{
    leave();
    stopThreads();
    std::lock_guard<std::mutex> gate(mGate);
    mSink = nullptr;
}

void RtcEngineCore::post(std::function<void(RtcEngineSink *)> job)
{
    std::weak_ptr<RtcEngineCore> weak = shared_from_this();
    mQueue->post([weak, job = std::move(job)] {
        auto self = weak.lock();
        if (!self)
            return;
        std::lock_guard<std::mutex> gate(self->mGate);
        if (self->mSink)
            job(self->mSink);
    });
}

int RtcEngineCore::elapsedMs() const
{
    std::lock_guard<std::mutex> lock(mMutex);
    return int(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - mJoinedAt).count());
}

void RtcEngineCore::userJoined(uint32_t uid)
{
    const int elapsed = elapsedMs();
    post([uid, elapsed](RtcEngineSink *sink) { sink->userJoined(uid, elapsed); });
}

void RtcEngineCore::userOffline(uint32_t uid, int reason)
{
    post([uid, reason](RtcEngineSink *sink) { sink->userOffline(uid, reason); });
}

void RtcEngineCore::streamMessage(uint32_t uid, int streamId, const std::string &data)
{
    post([uid, streamId, data](RtcEngineSink *sink) { sink->streamMessage(uid, streamId, data.data(), data.size()); });
}

void RtcEngineCore::injected(const RtcEvent &event)
{
    std::string channel;
    uint32_t own = 0;
    {
        std::lock_guard<std::mutex> lock(mMutex);
        channel = mChannel;
        own = mUid;
    }
    const int elapsed = elapsedMs();
    post([event, channel, own, elapsed](RtcEngineSink *sink) { sink->event(event, channel, own, elapsed); });
}

void RtcEngineCore::reportTick()
{
    const auto now = Clock::now();
    bool volume = false, quality = false;
    uint32_t own = 0;
    {
        std::lock_guard<std::mutex> lock(mMutex);
        if (!mJoined)
            return;
        own = mUid;
        if (mVolumeIntervalMs > 0 && now >= mNextVolume) {
            volume = true;
            mNextVolume = now + std::chrono::milliseconds(mVolumeIntervalMs);
        }
        if (now >= mNextQuality) {
            quality = true;
            mNextQuality = now + kQualityPeriod;
        }
    }
    if (!volume && !quality)
        return;
    const std::vector<uint32_t> uids = Runtime::instance().rtcNetwork().audibleUids(this);
    if (volume) {
        // The own user is reported as uid 0, as the real SDKs do.
        RtcEvent report { RtcEventKind::VolumeIndication, 0, {} };
        int total = 0;
        for (uint32_t uid : uids) {
            const int level = int(uid % 200) + 20;
            report.values.push_back(uid == own ? 0 : int(uid));
            report.values.push_back(level);
            total = std::max(total, level);
        }
        report.values.push_back(total);
        injected(report);
    }
    if (quality)
        for (uint32_t uid : uids)
            injected(RtcEvent { RtcEventKind::NetworkQuality, uid == own ? 0u : uid, { 1, 1 } });
}

void RtcEngineCore::audioTick()
{
    // A 440 Hz tone, the same on both channels, continuous across calls.
    int16_t pcm[kSamplesPerCall * kChannels];
    const long long first = mAudioFrames * kSamplesPerCall;
    for (int i = 0; i < kSamplesPerCall; ++i) {
        const double t = double(first + i) / kSampleRate;
        const int16_t v = int16_t(3000 * std::sin(2 * M_PI * 440 * t));
        pcm[2 * i] = v;
        pcm[2 * i + 1] = v;
    }
    const long long timeMs = first * 1000 / kSampleRate;
    ++mAudioFrames;
    std::lock_guard<std::mutex> gate(mGate);
    if (mSink)
        mSink->audioFrame(pcm, kSamplesPerCall, kChannels, kSampleRate, timeMs);
}

} // namespace rtsdk
