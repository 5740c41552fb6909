#pragma once
// A media peer that also renders what it is sent and hears its audio: the
// teacher's side of a media channel in the SDK tests. Renderers write down
// the size and first luma byte of each frame.

#include "RtcTestPeer.h"

#include <QCoreApplication>
#include <QThread>

#include <atomic>
#include <mutex>
#include <string>
#include <vector>

// A renderer that writes down the size and first luma byte of each frame.
class ProbeRenderer : public agora::media::IExternalVideoRender
{
public:
    explicit ProbeRenderer(std::vector<std::string> &log, std::mutex &m, std::atomic<int> &alive)
        : mLog(log), mMutex(m), mAlive(alive)
    {
        ++mAlive;
    }
    void release() override
    {
        --mAlive;
        delete this;
    }
    int initialize() override { return 0; }
    int deliverFrame(const agora::media::VideoFrame &frame, int, bool) override
    {
        std::lock_guard<std::mutex> lock(mMutex);
        mLog.push_back(std::to_string(frame.width) + "x" + std::to_string(frame.height) + " y"
                       + std::to_string(frame.yBuffer[0]) + (QThread::currentThread() == QCoreApplication::instance()->thread() ? " gui" : ""));
        return 0;
    }

private:
    std::vector<std::string> &mLog;
    std::mutex &mMutex;
    std::atomic<int> &mAlive;
};

class MediaPeer : public RtcTestPeer, public agora::media::IExternalVideoRenderFactory,
                  public agora::media::IAudioFrameObserver
{
public:
    ~MediaPeer() override { shutdown(); }
    agora::media::IExternalVideoRender *createRenderInstance(const agora::media::ExternalVideoRenderContext &c) override
    {
        return c.view ? new ProbeRenderer(frames, framesMutex, renderers) : nullptr;
    }
    bool onRecordAudioFrame(AudioFrame &) override { return true; }
    bool onPlaybackAudioFrame(AudioFrame &) override { return true; }
    bool onMixedAudioFrame(AudioFrame &f) override
    {
        if (f.samples == 1024 && f.samplesPerSec == 48000 && f.channels == 2 && f.buffer)
            ++audioFrames;
        return true;
    }
    bool onPlaybackAudioFrameBeforeMixing(unsigned int, AudioFrame &) override { return true; }
    void onAudioVolumeIndication(const agora::rtc::AudioVolumeInfo *s, unsigned int n, int) override
    {
        std::string text = "volume";
        for (unsigned int i = 0; i < n; ++i)
            text += " " + std::to_string(s[i].uid);
        add(text);
    }
    std::vector<std::string> frameLog()
    {
        std::lock_guard<std::mutex> lock(framesMutex);
        return frames;
    }

    std::mutex framesMutex;
    std::vector<std::string> frames;
    std::atomic<int> renderers { 0 };
    std::atomic<int> audioFrames { 0 };
};

