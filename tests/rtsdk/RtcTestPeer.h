#pragma once
// A bare stand-in engine driven straight through the SDK interface: the
// student's side of a media channel in the tests. Writes down what its
// listener, audio observer and renderers get, thread-safe.

#include "agora/IAgoraRtcEngine.h"

#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

class RtcTestPeer : public agora::rtc::IRtcEngineEventHandler
{
public:
    RtcTestPeer() : engine(createAgoraRtcEngine()) { }
    ~RtcTestPeer() override { shutdown(); }
    /** Ends the engine; a derived peer calls it in its own destructor, before
     *  the listener it is stops being whole. */
    void shutdown()
    {
        if (engine)
            engine->release(true);
        engine = nullptr;
    }

    int join(const char *channel, unsigned int uid, const std::string &secret, const char *mode = "aes-128-xts")
    {
        agora::rtc::RtcEngineContext context;
        context.eventHandler = this;
        context.appId = "app";
        engine->initialize(context);
        engine->setEncryptionSecret(secret.c_str());
        engine->setEncryptionMode(mode);
        engine->createDataStream(&streamId, false, false);
        return engine->joinChannel("", channel, "", uid);
    }
    int send(const std::string &text) { return engine->sendStreamMessage(streamId, text.data(), text.size()); }
    agora::media::IMediaEngine *media()
    {
        void *p = nullptr;
        engine->queryInterface(agora::rtc::IID_MEDIA_ENGINE, &p);
        return static_cast<agora::media::IMediaEngine *>(p);
    }
    /** Pushes a flat I420 picture of the given size and luma; the SDK's result. */
    int pushFlatPicture(int width, int height, unsigned char luma)
    {
        std::vector<unsigned char> pixels(size_t(width * height * 3 / 2), luma);
        agora::media::ExternalVideoFrame frame;
        frame.format = agora::media::ExternalVideoFrame::VIDEO_PIXEL_I420;
        frame.buffer = pixels.data();
        frame.stride = width;
        frame.height = height;
        return media()->pushVideoFrame(&frame);
    }

    std::vector<std::string> events() const
    {
        std::lock_guard<std::mutex> lock(mutex);
        return log;
    }
    /** Waits until an event equal to `event` was written down. */
    bool waitFor(const std::string &event, int timeoutMs = 5000) const
    {
        std::unique_lock<std::mutex> lock(mutex);
        return changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] {
            for (const auto &e : log)
                if (e == event)
                    return true;
            return false;
        });
    }

    void onJoinChannelSuccess(const char *channel, agora::rtc::uid_t uid, int) override
    {
        add("joined " + std::string(channel) + " " + std::to_string(uid));
    }
    void onRejoinChannelSuccess(const char *channel, agora::rtc::uid_t uid, int) override
    {
        add("rejoined " + std::string(channel) + " " + std::to_string(uid));
    }
    void onUserJoined(agora::rtc::uid_t uid, int) override { add("user " + std::to_string(uid)); }
    void onUserOffline(agora::rtc::uid_t uid, int reason) override
    {
        add("offline " + std::to_string(uid) + " " + std::to_string(reason));
    }
    void onStreamMessage(agora::rtc::uid_t uid, int, const char *data, unsigned long length) override
    {
        add("stream " + std::to_string(uid) + " " + std::string(data, length));
    }
    void onLeaveChannel(const agora::rtc::RtcStats &) override { add("left"); }

    agora::rtc::IRtcEngine *engine;
    int streamId = -1;

protected:
    void add(const std::string &event)
    {
        {
            std::lock_guard<std::mutex> lock(mutex);
            log.push_back(event);
        }
        changed.notify_all();
    }

private:
    mutable std::mutex mutex;
    mutable std::condition_variable changed;
    std::vector<std::string> log;
};
