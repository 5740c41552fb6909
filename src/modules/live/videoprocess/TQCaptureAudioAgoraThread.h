#pragma once

#include "modules/live/videoprocess/TQFrameData.h"

#include <atomic>
#include <list>
#include <mutex>

// The PCM queue between an audio-frame observer (producer, on the SDK's audio
// thread) and the recorder (consumer). Neither side ever waits for the other:
// both only try the lock, and a busy lock loses the frame or the turn.
class TQCaptureAudioAgoraThread
{
public:
    TQCaptureAudioAgoraThread() = default;
    // Frees the data of the frames nobody took.
    virtual ~TQCaptureAudioAgoraThread();
    TQCaptureAudioAgoraThread(const TQCaptureAudioAgoraThread &) = delete;
    TQCaptureAudioAgoraThread &operator=(const TQCaptureAudioAgoraThread &) = delete;

    virtual void startCapture() = 0;
    virtual void stopCapture() = 0;
    virtual bool hasAudioFrames() = 0;

    // Appends the frame and returns true, or returns false without queueing
    // when the lock is busy; the frame's data then stays the caller's.
    bool pushFrame(TQFrameData frame);
    // The oldest frame, now the caller's; an empty record (null data) when
    // none waits or the lock is busy.
    TQFrameData popFrame();
    // The oldest frame when it holds exactly `bytes`, the block the caller's
    // audio format needs. A frame of any other size (a mono frame where
    // stereo is expected) is freed with a log line and an empty record comes
    // back, so nobody reads past its end.
    TQFrameData popFrame(int bytes);

protected:
    // Written by the recorder's side, read on the SDK's audio thread.
    std::atomic<bool> paused{true};
    // A std::mutex rather than a QMutex: ThreadSanitizer sees its locking.
    // Protected so that a consumer's hold on it can be staged.
    std::mutex mFrameMutex;

private:
    std::list<TQFrameData> mFrames;
};
