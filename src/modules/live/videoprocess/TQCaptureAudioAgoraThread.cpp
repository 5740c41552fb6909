#include "modules/live/videoprocess/TQCaptureAudioAgoraThread.h"

#include <cstdlib>

TQCaptureAudioAgoraThread::~TQCaptureAudioAgoraThread()
{
    QMutexLocker lock(&mFrameMutex);
    for (TQFrameData &frame : mFrames)
        std::free(frame.data);
    mFrames.clear();
}

bool TQCaptureAudioAgoraThread::pushFrame(TQFrameData frame)
{
    if (!mFrameMutex.tryLock())
        return false;
    mFrames.push_back(frame);
    mFrameMutex.unlock();
    return true;
}

TQFrameData TQCaptureAudioAgoraThread::popFrame()
{
    TQFrameData frame;
    if (!mFrameMutex.tryLock())
        return frame;
    if (!mFrames.empty()) {
        frame = mFrames.front();
        mFrames.pop_front();
    }
    mFrameMutex.unlock();
    return frame;
}
