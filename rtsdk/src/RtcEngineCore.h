#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include "CallbackQueue.h"
#include "RtcHub.h"
#include "Ticker.h"

namespace rtsdk {

/** What an engine's vendor side turns into its own listener, observer and
 *  renderer calls. The core calls it on the engine's callback thread
 *  (everything but the last two), its audio thread (audioFrame) and its
 *  render thread (renderTick); never after the engine was released. */
class RtcEngineSink
{
public:
    virtual ~RtcEngineSink() = default;
    virtual void joinSuccess(const std::string &channel, uint32_t uid, int elapsed) = 0;
    virtual void leftChannel(unsigned int durationS) = 0;
    virtual void userJoined(uint32_t uid, int elapsed) = 0;
    virtual void userOffline(uint32_t uid, int reason) = 0;
    virtual void streamMessage(uint32_t uid, int streamId, const char *data, unsigned long length) = 0;
    /** Rejoin, states, statistics, volumes, quality and the rest. */
    virtual void event(const RtcEvent &event, const std::string &channel, uint32_t ownUid, int elapsed) = 0;
    virtual void audioFrame(int16_t *pcm, int samples, int channels, int sampleRate, long long timeMs) = 0;
    virtual void renderTick() = 0;
};

/** The vendor-neutral state of one media engine: its channel, data streams,
 *  encryption, the callback, audio and render threads and the periodic
 *  reports. Shared with the jobs queued for it, so it outlives the engine
 *  object; the sink is called only until release. */
class RtcEngineCore : public RtcEndpoint, public std::enable_shared_from_this<RtcEngineCore>
{
public:
    static const int kSampleRate = 48000;
    static const int kSamplesPerCall = 1024;
    static const int kChannels = 2;
    static const int kErrInvalid = -2;
    static const int kErrNotReady = -7;
    static const int kErrRejected = -17;
    static const int kMaxStreamMessage = 1024;

    RtcEngineCore(std::string name, RtcEngineSink *sink);
    ~RtcEngineCore() override;

    const std::string &name() const { return mName; }
    /** Logs `call = result` on this engine (or on `object` when given). */
    int logged(const std::string &call, int result, const std::string &object = std::string());
    void note(const std::string &call, const std::string &object = std::string());

    int initialize(bool withHandler);
    void setSecret(const std::string &secret);
    void setMode(const std::string &mode);
    void setVolumeInterval(int ms);
    void setMixedFrames(int sampleRate, int samplesPerCall);
    int join(const std::string &channel, uint32_t uid);
    int leave();
    int createStream(int *streamId);
    int sendStream(int streamId, const char *data, unsigned long length);
    void push(I420Picture picture);
    /** What a renderer of uid shows now: that user's pushed frames, else a
     *  moving test pattern. */
    I420Picture pictureOf(uint32_t uid);
    /** Leaves, stops the threads and shuts the sink off: no sink call starts
     *  afterwards and a running one has returned (unless this is called from
     *  that very call). */
    void release();

    // RtcEndpoint
    void userJoined(uint32_t uid) override;
    void userOffline(uint32_t uid, int reason) override;
    void streamMessage(uint32_t uid, int streamId, const std::string &data) override;
    void injected(const RtcEvent &event) override;

private:
    void post(std::function<void(RtcEngineSink *)> job);
    int elapsedMs() const;
    void reportTick();
    void audioTick();
    void stopThreads();

    const std::string mName;
    std::shared_ptr<CallbackQueue> mQueue;

    std::mutex mGate; // held while the sink runs
    RtcEngineSink *mSink; // null once released

    mutable std::mutex mMutex;
    bool mInitialized = false;
    bool mJoined = false;
    std::string mChannel;
    uint32_t mUid = 0;
    std::string mSecret;
    std::string mMode;
    int mStreams = 0;
    int mVolumeIntervalMs = 0;
    std::chrono::steady_clock::time_point mJoinedAt;
    std::chrono::steady_clock::time_point mNextVolume;
    std::chrono::steady_clock::time_point mNextQuality;
    long long mAudioFrames = 0;
    std::atomic<long long> mPatternTick { 0 };

    Ticker mAudio;
    Ticker mRender;
    Ticker mReports;
};

} // namespace rtsdk
