#pragma once
// The media engine of both vendors, one template over the vendor's types
// (Api: see AgoraEntryPoints.cpp). The vendor adds what differs in shape:
// its volume indication and its release.

#include <cstring>
#include <map>
#include <memory>
#include <mutex>

#include "CallText.h"
#include "Runtime.h"
#include "RtcEngineCore.h"

namespace rtsdk {

template <class Api>
class RtcEngine : public Api::IRtcEngine, public RtcEngineSink, public Api::IExternalVideoRenderCallback
{
public:
    using Canvas = typename Api::VideoCanvas;
    using Config = typename Api::VideoEncoderConfiguration;
    using uid_t = typename Api::uid_t;

    RtcEngine()
        : mCore(std::make_shared<RtcEngineCore>(Runtime::instance().log().newObject(Api::kEngineKind), this))
        , mMedia(*this)
        , mParameter(*this)
    {
    }

    int initialize(const typename Api::RtcEngineContext &context) override
    {
        {
            std::lock_guard<std::mutex> lock(mMutex);
            mHandler = context.eventHandler;
        }
        const bool ok = context.eventHandler && context.appId && *context.appId;
        return log("initialize(" + Api::contextText(context) + ")", mCore->initialize(ok));
    }
    int queryInterface(typename Api::INTERFACE_ID_TYPE iid, void **inter) override
    {
        int result = -1;
        if (inter && iid == Api::IID_MEDIA_ENGINE) {
            *inter = static_cast<typename Api::IMediaEngine *>(&mMedia);
            result = 0;
        } else if (inter && iid == Api::IID_RTC_ENGINE_PARAMETER) {
            *inter = static_cast<typename Api::IRtcEngineParameter *>(&mParameter);
            result = 0;
        }
        return log(calltext::call("queryInterface", int(iid)), result);
    }
    const char *getVersion(int *build) override
    {
        if (build)
            *build = kBuild;
        mCore->note(calltext::call("getVersion") + " = " + calltext::arg(kVersion));
        return kVersion;
    }

    int setLogFile(const char *p) override { return log(calltext::call("setLogFile", p), p ? 0 : -2); }
    int setLogFilter(unsigned int f) override { return log(calltext::call("setLogFilter", f), 0); }
    int setLogFileSize(unsigned int kb) override { return log(calltext::call("setLogFileSize", kb), 0); }
    int setClientRole(int role) override
    {
        return log(calltext::call("setClientRole", role), role == 1 || role == 2 ? 0 : -2);
    }
    int setChannelProfile(int p) override { return log(calltext::call("setChannelProfile", p), 0); }
    int enableWebSdkInteroperability(bool e) override { return log(calltext::call("enableWebSdkInteroperability", e), 0); }
    int enableAudioQualityIndication(bool e) override { return log(calltext::call("enableAudioQualityIndication", e), 0); }
    int adjustRecordingSignalVolume(int v) override
    {
        return log(calltext::call("adjustRecordingSignalVolume", v), v >= 0 && v <= 400 ? 0 : -2);
    }
    int setAudioTransportParameters(int mode, int bitrate, int channels) override
    {
        return log(calltext::call("setAudioTransportParameters", mode, bitrate, channels), 0);
    }
    int setEncryptionSecret(const char *secret) override
    {
        mCore->setSecret(secret ? secret : "");
        // The secret itself stays out of the log, as a real SDK keeps it.
        return log(calltext::call("setEncryptionSecret", std::string(secret ? std::strlen(secret) : 0, '*')), 0);
    }
    int setEncryptionMode(const char *mode) override
    {
        mCore->setMode(mode ? mode : "");
        return log(calltext::call("setEncryptionMode", mode), 0);
    }
    int setMixedAudioFrameParameters(int rate, int samples) override
    {
        mCore->setMixedFrames(rate, samples);
        return log(calltext::call("setMixedAudioFrameParameters", rate, samples), 0);
    }
    int setLocalPublishFallbackOption(int o) override { return log(calltext::call("setLocalPublishFallbackOption", o), 0); }
    int setRemoteSubscribeFallbackOption(int o) override
    {
        return log(calltext::call("setRemoteSubscribeFallbackOption", o), 0);
    }
    int setLocalVideoMirrorMode(int m) override { return log(calltext::call("setLocalVideoMirrorMode", m), 0); }
    int setRemoteDefaultVideoStreamType(int t) override
    {
        return log(calltext::call("setRemoteDefaultVideoStreamType", t), 0);
    }
    int enableDualStreamMode(bool e) override { return log(calltext::call("enableDualStreamMode", e), 0); }
    int createDataStream(int *streamId, bool reliable, bool ordered) override
    {
        const int result = mCore->createStream(streamId);
        const std::string id = result == 0 ? " -> " + std::to_string(*streamId) : std::string();
        return log(calltext::call("createDataStream", reliable, ordered) + id, result);
    }
    int sendStreamMessage(int streamId, const char *data, unsigned long length) override
    {
        return log(calltext::call("sendStreamMessage", streamId, length), mCore->sendStream(streamId, data, length));
    }
    int enableVideo() override { return log(calltext::call("enableVideo"), 0); }
    int setVideoEncoderConfiguration(const Config &c) override
    {
        return log(calltext::call("setVideoEncoderConfiguration", c.dimensions.width, c.dimensions.height, c.frameRate,
                                  c.minFrameRate, c.bitrate, c.minBitrate, c.orientationMode, c.degradationPreference,
                                  c.mirrorMode),
                   0);
    }
    int setAudioProfile(int p, int s) override { return log(calltext::call("setAudioProfile", p, s), 0); }
    int enableAudio() override { return log(calltext::call("enableAudio"), 0); }
    int startPreview() override { return log(calltext::call("startPreview"), 0); }
    int stopPreview() override { return log(calltext::call("stopPreview"), 0); }
    int joinChannel(const char *token, const char *channelId, const char *info, uid_t uid) override
    {
        const int result = channelId && *channelId ? mCore->join(channelId, uid) : RtcEngineCore::kErrInvalid;
        return log(calltext::call("joinChannel", token, channelId, info, uid), result);
    }
    int leaveChannel() override { return log(calltext::call("leaveChannel"), mCore->leave()); }
    int enableLocalAudio(bool e) override { return log(calltext::call("enableLocalAudio", e), 0); }
    int muteLocalAudioStream(bool m) override { return log(calltext::call("muteLocalAudioStream", m), 0); }
    int enableLocalVideo(bool e) override { return log(calltext::call("enableLocalVideo", e), 0); }
    int muteLocalVideoStream(bool m) override { return log(calltext::call("muteLocalVideoStream", m), 0); }
    int setupLocalVideo(const Canvas &c) override
    {
        return log(calltext::call("setupLocalVideo", c.view, c.renderMode, c.uid), 0);
    }
    int setupRemoteVideo(const Canvas &c) override
    {
        const std::string text = calltext::call("setupRemoteVideo", c.view, c.renderMode, c.uid);
        if (c.uid == 0)
            return log(text, RtcEngineCore::kErrInvalid);
        log(text, 0);
        typename Api::IExternalVideoRender *made = nullptr;
        typename Api::IExternalVideoRenderFactory *factory = nullptr;
        {
            std::lock_guard<std::mutex> lock(mMutex);
            factory = mFactory;
        }
        if (c.view && factory) {
            typename Api::ExternalVideoRenderContext context;
            context.renderCallback = this;
            context.view = c.view;
            context.renderMode = c.renderMode;
            made = factory->createRenderInstance(context);
            mCore->note(calltext::call("createRenderInstance", c.uid) + " = " + calltext::arg(static_cast<void *>(made)),
                        mCore->name() + ".media");
            if (made)
                made->initialize();
        }
        setRenderer(c.uid, made);
        return 0;
    }
    int muteRemoteVideoStream(uid_t uid, bool m) override { return log(calltext::call("muteRemoteVideoStream", uid, m), 0); }
    int setRemoteVideoStreamType(uid_t uid, int t) override
    {
        return log(calltext::call("setRemoteVideoStreamType", uid, t), t == 0 || t == 1 ? 0 : -2);
    }
    int enableLoopbackRecording(bool e, const char *device) override
    {
        return log(calltext::call("enableLoopbackRecording", e, device), 0);
    }
    int startAudioMixing(const char *path, bool loopback, bool replace, int cycle) override
    {
        // A missing file is refused as the real SDK refuses it.
        int result = RtcEngineCore::kErrInvalid;
        if (path && *path) {
            if (FILE *f = std::fopen(path, "rb")) {
                std::fclose(f);
                result = 0;
                std::lock_guard<std::mutex> lock(mMutex);
                mMixing = true;
                mMixPositionMs = 0;
            }
        }
        return log(calltext::call("startAudioMixing", path, loopback, replace, cycle), result);
    }
    int stopAudioMixing() override { return log(calltext::call("stopAudioMixing"), setMixing(false)); }
    int pauseAudioMixing() override { return log(calltext::call("pauseAudioMixing"), mixingOnly()); }
    int resumeAudioMixing() override { return log(calltext::call("resumeAudioMixing"), mixingOnly()); }
    int adjustAudioMixingVolume(int v) override { return log(calltext::call("adjustAudioMixingVolume", v), 0); }
    int adjustAudioMixingPlayoutVolume(int v) override
    {
        return log(calltext::call("adjustAudioMixingPlayoutVolume", v), 0);
    }
    int adjustAudioMixingPublishVolume(int v) override
    {
        return log(calltext::call("adjustAudioMixingPublishVolume", v), 0);
    }
    int setAudioMixingPosition(int ms) override
    {
        int result = mixingOnly();
        if (result == 0) {
            std::lock_guard<std::mutex> lock(mMutex);
            mMixPositionMs = ms;
        }
        return log(calltext::call("setAudioMixingPosition", ms), result);
    }
    int getAudioMixingCurrentPosition() override
    {
        std::lock_guard<std::mutex> lock(mMutex);
        return log(calltext::call("getAudioMixingCurrentPosition"), mMixing ? mMixPositionMs : 0);
    }
    int getAudioMixingDuration() override
    {
        std::lock_guard<std::mutex> lock(mMutex);
        return log(calltext::call("getAudioMixingDuration"), mMixing ? kMixDurationMs : 0);
    }

    // IExternalVideoRenderCallback
    void onViewSizeChanged(int width, int height) override
    {
        mCore->note(calltext::call("onViewSizeChanged", width, height), mCore->name() + ".media");
    }
    void onViewDestroyed() override { mCore->note(calltext::call("onViewDestroyed"), mCore->name() + ".media"); }

protected:
    ~RtcEngine() override { releaseNow(); }

    int volumeIndication(int interval, int smooth, const std::string &text)
    {
        mCore->setVolumeInterval(interval > 0 ? interval : 0);
        return log(text, smooth >= 0 ? 0 : -2);
    }
    /** Leaves, stops every thread, ends the renderers. */
    void releaseNow()
    {
        if (mReleased)
            return;
        mReleased = true;
        mCore->release();
        std::map<uid_t, typename Api::IExternalVideoRender *> renderers;
        {
            std::lock_guard<std::mutex> lock(mRenderMutex);
            renderers.swap(mRenderers);
        }
        for (auto &entry : renderers)
            entry.second->release();
    }
    int log(const std::string &text, int result) { return mCore->logged(text, result); }

    const std::shared_ptr<RtcEngineCore> mCore;

private:
    static constexpr const char *kVersion = "3.7.2-standin";
    static const int kBuild = 0x2a;
    static const int kMixDurationMs = 60000;

    class MediaEngine : public Api::IMediaEngine
    {
    public:
        explicit MediaEngine(RtcEngine &engine) : e(engine) { }
        void release() override { e.mCore->note("release()", name()); }
        int registerAudioFrameObserver(typename Api::IAudioFrameObserver *o) override
        {
            std::lock_guard<std::mutex> lock(e.mObserverMutex);
            e.mObserver = o;
            return e.mCore->logged(calltext::call("registerAudioFrameObserver", static_cast<void *>(o)), 0, name());
        }
        int registerVideoRenderFactory(typename Api::IExternalVideoRenderFactory *f) override
        {
            {
                std::lock_guard<std::mutex> lock(e.mMutex);
                e.mFactory = f;
            }
            return e.mCore->logged(calltext::call("registerVideoRenderFactory", static_cast<void *>(f)), 0, name());
        }
        int setExternalVideoSource(bool enable, bool useTexture) override
        {
            {
                std::lock_guard<std::mutex> lock(e.mMutex);
                e.mExternalSource = enable;
            }
            return e.mCore->logged(calltext::call("setExternalVideoSource", enable, useTexture), 0, name());
        }
        int pushVideoFrame(typename Api::ExternalVideoFrame *frame) override
        {
            bool external;
            {
                std::lock_guard<std::mutex> lock(e.mMutex);
                external = e.mExternalSource;
            }
            int result = -2;
            if (!external)
                result = -7;
            else if (frame && frame->buffer && frame->stride > 0 && frame->height > 0) {
                e.mCore->push(toI420(*frame));
                result = 0;
            }
            // Frames come many times a second: only failures are logged.
            if (result != 0)
                e.mCore->logged(calltext::call("pushVideoFrame", frame ? int(frame->format) : -1), result, name());
            return result;
        }

    private:
        std::string name() const { return e.mCore->name() + ".media"; }
        static I420Picture toI420(const typename Api::ExternalVideoFrame &f)
        {
            I420Picture p;
            p.width = f.stride & ~1;
            p.height = f.height & ~1;
            const int ySize = p.width * p.height;
            p.bytes.assign(ySize * 3 / 2, 128);
            const auto *src = static_cast<const uint8_t *>(f.buffer);
            if (f.format == Api::ExternalVideoFrame::VIDEO_PIXEL_I420) {
                // Planes of the pushed stride: Y, then U and V of a quarter.
                for (int y = 0; y < p.height; ++y)
                    std::memcpy(&p.bytes[y * p.width], src + y * f.stride, p.width);
                const uint8_t *u = src + f.stride * f.height;
                const uint8_t *v = u + (f.stride / 2) * (f.height / 2);
                for (int y = 0; y < p.height / 2; ++y) {
                    std::memcpy(&p.bytes[ySize + y * p.width / 2], u + y * (f.stride / 2), p.width / 2);
                    std::memcpy(&p.bytes[ySize * 5 / 4 + y * p.width / 2], v + y * (f.stride / 2), p.width / 2);
                }
            } else if (f.format == Api::ExternalVideoFrame::VIDEO_PIXEL_BGRA) {
                for (int y = 0; y < p.height; ++y)
                    for (int x = 0; x < p.width; ++x) {
                        const uint8_t *px = src + (y * f.stride + x) * 4;
                        p.bytes[y * p.width + x] = uint8_t((66 * px[2] + 129 * px[1] + 25 * px[0] + 128) / 256 + 16);
                    }
            } else {
                // Other layouts start with a full-size Y plane.
                for (int y = 0; y < p.height; ++y)
                    std::memcpy(&p.bytes[y * p.width], src + y * f.stride, p.width);
            }
            return p;
        }
        RtcEngine &e;
    };

    class Parameter : public Api::IRtcEngineParameter
    {
    public:
        explicit Parameter(RtcEngine &engine) : e(engine) { }
        void release() override { e.mCore->note("release()", e.mCore->name() + ".param"); }
        int setParameters(const char *json) override
        {
            return e.mCore->logged(calltext::call("setParameters", json), json && *json == '{' ? 0 : -2,
                                   e.mCore->name() + ".param");
        }

    private:
        RtcEngine &e;
    };

    int setMixing(bool on)
    {
        std::lock_guard<std::mutex> lock(mMutex);
        const int result = mMixing ? 0 : -3;
        mMixing = on;
        return result;
    }
    int mixingOnly()
    {
        std::lock_guard<std::mutex> lock(mMutex);
        return mMixing ? 0 : -3;
    }
    void setRenderer(uid_t uid, typename Api::IExternalVideoRender *renderer)
    {
        typename Api::IExternalVideoRender *old = nullptr;
        {
            std::lock_guard<std::mutex> lock(mRenderMutex);
            auto it = mRenderers.find(uid);
            if (it != mRenderers.end()) {
                old = it->second;
                mRenderers.erase(it);
            }
            if (renderer)
                mRenderers[uid] = renderer;
        }
        if (old)
            old->release();
    }
    typename Api::IRtcEngineEventHandler *handler()
    {
        std::lock_guard<std::mutex> lock(mMutex);
        return mHandler;
    }

    // RtcEngineSink
    void joinSuccess(const std::string &channel, uint32_t uid, int elapsed) override
    {
        if (auto *h = handler())
            h->onJoinChannelSuccess(channel.c_str(), uid, elapsed);
    }
    void leftChannel(unsigned int duration) override
    {
        typename Api::RtcStats stats;
        stats.duration = duration;
        if (auto *h = handler())
            h->onLeaveChannel(stats);
    }
    void userJoined(uint32_t uid, int elapsed) override
    {
        if (auto *h = handler())
            h->onUserJoined(uid, elapsed);
    }
    void userOffline(uint32_t uid, int reason) override
    {
        if (auto *h = handler())
            h->onUserOffline(uid, reason);
    }
    void streamMessage(uint32_t uid, int streamId, const char *data, unsigned long length) override
    {
        if (auto *h = handler())
            h->onStreamMessage(uid, streamId, data, length);
    }
    void event(const RtcEvent &ev, const std::string &channel, uint32_t own, int elapsed) override;
    void audioFrame(int16_t *pcm, int samples, int channels, int rate, long long timeMs) override
    {
        std::lock_guard<std::mutex> lock(mObserverMutex);
        if (!mObserver)
            return;
        typename Api::IAudioFrameObserver::AudioFrame frame;
        frame.samples = samples;
        frame.channels = channels;
        frame.samplesPerSec = rate;
        frame.buffer = pcm;
        frame.renderTimeMs = timeMs;
        mObserver->onRecordAudioFrame(frame);
        mObserver->onPlaybackAudioFrame(frame);
        mObserver->onMixedAudioFrame(frame);
    }
    void renderTick() override
    {
        std::lock_guard<std::mutex> lock(mRenderMutex);
        for (auto &entry : mRenderers) {
            const I420Picture p = mCore->pictureOf(entry.first);
            typename Api::VideoFrame frame;
            frame.width = p.width;
            frame.height = p.height;
            const int ySize = p.width * p.height;
            frame.yBuffer = p.bytes.data();
            frame.uBuffer = p.bytes.data() + ySize;
            frame.vBuffer = p.bytes.data() + ySize * 5 / 4;
            frame.yStride = p.width;
            frame.uStride = frame.vStride = p.width / 2;
            entry.second->deliverFrame(frame, 0, false);
        }
    }

    MediaEngine mMedia;
    Parameter mParameter;
    bool mReleased = false;
    std::mutex mMutex;
    typename Api::IRtcEngineEventHandler *mHandler = nullptr;
    typename Api::IExternalVideoRenderFactory *mFactory = nullptr;
    bool mExternalSource = false;
    bool mMixing = false;
    int mMixPositionMs = 0;
    std::mutex mObserverMutex;
    typename Api::IAudioFrameObserver *mObserver = nullptr;
    std::mutex mRenderMutex;
    std::map<uid_t, typename Api::IExternalVideoRender *> mRenderers;
};

template <class Api>
void RtcEngine<Api>::event(const RtcEvent &ev, const std::string &channel, uint32_t own, int elapsed)
{
    auto *h = handler();
    if (!h)
        return;
    auto v = [&ev](size_t i) { return i < ev.values.size() ? ev.values[i] : 0; };
    switch (ev.kind) {
    case RtcEventKind::RemoteAudioState:
        h->onRemoteAudioStateChanged(ev.uid, v(0), v(1), v(2));
        break;
    case RtcEventKind::RemoteVideoState:
        h->onRemoteVideoStateChanged(ev.uid, v(0), v(1), v(2));
        break;
    case RtcEventKind::RemoteVideoStats: {
        typename Api::RemoteVideoStats s;
        s.uid = ev.uid;
        s.delay = v(0);
        s.width = v(1);
        s.height = v(2);
        s.receivedBitrate = v(3);
        s.decoderOutputFrameRate = v(4);
        s.rendererOutputFrameRate = v(5);
        s.packetLossRate = v(6);
        s.rxStreamType = v(7);
        s.totalFrozenTime = v(8);
        s.frozenRate = v(9);
        h->onRemoteVideoStats(s);
        break;
    }
    case RtcEventKind::RemoteAudioStats: {
        typename Api::RemoteAudioStats s;
        s.uid = ev.uid;
        s.quality = v(0);
        s.networkTransportDelay = v(1);
        s.jitterBufferDelay = v(2);
        s.audioLossRate = v(3);
        s.numChannels = v(4);
        s.receivedSampleRate = v(5);
        s.receivedBitrate = v(6);
        s.totalFrozenTime = v(7);
        s.frozenRate = v(8);
        h->onRemoteAudioStats(s);
        break;
    }
    case RtcEventKind::LocalFallback:
        h->onLocalPublishFallbackToAudioOnly(v(0) != 0);
        break;
    case RtcEventKind::RemoteFallback:
        h->onRemoteSubscribeFallbackToAudioOnly(ev.uid, v(0) != 0);
        break;
    case RtcEventKind::AudioMixingState:
        h->onAudioMixingStateChanged(v(0), v(1));
        break;
    case RtcEventKind::LocalAudioState:
        h->onLocalAudioStateChanged(v(0), v(1));
        break;
    case RtcEventKind::LocalVideoState:
        h->onLocalVideoStateChanged(v(0), v(1));
        break;
    case RtcEventKind::ClientRoleChanged:
        h->onClientRoleChanged(v(0), v(1));
        break;
    case RtcEventKind::FirstLocalVideoFrame:
        h->onFirstLocalVideoFrame(v(0), v(1), v(2));
        break;
    case RtcEventKind::AudioRoute:
        h->onAudioRouteChanged(v(0));
        break;
    case RtcEventKind::LastmileQuality:
        h->onLastmileQuality(v(0));
        break;
    case RtcEventKind::NetworkQuality:
        h->onNetworkQuality(ev.uid, v(0), v(1));
        break;
    case RtcEventKind::VolumeIndication: {
        std::vector<typename Api::AudioVolumeInfo> speakers;
        const size_t pairs = ev.values.empty() ? 0 : (ev.values.size() - 1) / 2;
        for (size_t i = 0; i < pairs; ++i) {
            typename Api::AudioVolumeInfo info;
            info.uid = uid_t(ev.values[2 * i]);
            info.volume = unsigned(ev.values[2 * i + 1]);
            speakers.push_back(info);
        }
        h->onAudioVolumeIndication(speakers.empty() ? nullptr : speakers.data(), unsigned(speakers.size()),
                                   ev.values.empty() ? 0 : ev.values.back());
        break;
    }
    case RtcEventKind::Rejoin:
        h->onRejoinChannelSuccess(channel.c_str(), own, elapsed);
        break;
    case RtcEventKind::NullStreamMessage:
        h->onStreamMessage(ev.uid, 1, nullptr, 0);
        break;
    }
}

} // namespace rtsdk
