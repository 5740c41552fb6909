#pragma once

#include "modules/live/videoprocess/TQCaptureAudioAgoraThread.h"
#include "utils/CLog.h"
#include "utils/TimeUtils.h"

#include <atomic>
#include <climits>
#include <cstdlib>
#include <cstring>

// The class recording's ear on either SDK's audio thread: both observer
// interfaces have one shape, so the copying lives here once. Traits name the
// SDK's observer and the words of the log lines.
//
// Each mixed frame the engine hears is copied into the recorder's PCM queue
// while capturing; the SDK's thread never waits for the recorder (a busy
// queue loses the frame). A queued frame carries its size, samples x
// channels x 2 bytes, so that the recorder can refuse one that is not the
// block it expects.
template <class Traits>
class TQAudioFrameObserverSdk : public Traits::Observer, public TQCaptureAudioAgoraThread
{
public:
    using AudioFrame = typename Traits::Observer::AudioFrame;

    TQAudioFrameObserverSdk()
    {
        CLog::debug(QStringLiteral("%1 audio frame observer contructor").arg(QLatin1String(Traits::kVendor)),
                    QStringLiteral("%1::%1 ").arg(QLatin1String(Traits::kName)));
    }

    bool onRecordAudioFrame(AudioFrame &) override { return true; }
    bool onPlaybackAudioFrame(AudioFrame &) override { return true; }
    bool onMixedAudioFrame(AudioFrame &frame) override { return onAudioFrame(frame); }
    bool onPlaybackAudioFrameBeforeMixing(unsigned int, AudioFrame &) override { return true; }

    bool onAudioFrame(AudioFrame &frame)
    {
        const bool hasSamples = frame.buffer && frame.channels > 0;
        if (!paused && hasSamples && frame.samples > 0) {
            const long long length = 2LL * frame.samples * frame.channels;
            if (length <= INT_MAX)
                queueCopy(frame.buffer, int(length));
        }
        if (hasSamples)
            hasAudio = true;
        return true;
    }

    void startCapture() override
    {
        CLog::debug(QStringLiteral("VideoRecord:startCapture %1 audio frame observer start").arg(QLatin1String(Traits::kVendor)),
                    QStringLiteral("%1::startCapture ").arg(QLatin1String(Traits::kName)));
        paused = false;
    }
    void stopCapture() override { paused = true; }
    bool hasAudioFrames() override { return hasAudio; }

private:
    void queueCopy(const void *samples, int length)
    {
        char *copy = static_cast<char *>(std::malloc(size_t(length)));
        if (!copy)
            return;
        std::memcpy(copy, samples, size_t(length));
        const qint64 now = currentTimeMillis();
        if (firstFrameMs == 0)
            firstFrameMs = now;
        TQFrameData data;
        data.data = copy;
        data.size = length;
        data.timestamp = now - firstFrameMs;
        if (!pushFrame(data))
            std::free(copy);
    }

    // Wall-clock time of the first frame copied, 0 until then; stamps count
    // from it for the whole class.
    std::atomic<qint64> firstFrameMs{0};
    std::atomic<bool> hasAudio{false};
};
