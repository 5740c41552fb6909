#include "modules/live/videoprocess/TQCaptureAudioAgoraThread.h"

#include <cstdlib>

TQCaptureAudioAgoraThread::~TQCaptureAudioAgoraThread()
{
    std::lock_guard<std::mutex> lock(mFrameMutex);
    for (TQFrameData &frame : mFrames)
        std::free(frame.data);
    mFrames.clear();
}

bool TQCaptureAudioAgoraThread::pushFrame(TQFrameData frame)
{
    if (!mFrameMutex.try_lock())
        return false;
    mFrames.push_back(frame);
    mFrameMutex.unlock();
    return true;
}

TQFrameData TQCaptureAudioAgoraThread::popFrame()
{
    TQFrameData frame;
    if (!mFrameMutex.try_lock())
        return frame;
    if (!mFrames.empty()) {
        frame = mFrames.front();
        mFrames.pop_front();
    }
    mFrameMutex.unlock();
    return frame;
}
