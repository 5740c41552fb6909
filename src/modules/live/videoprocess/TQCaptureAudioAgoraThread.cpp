#include "modules/live/videoprocess/TQCaptureAudioAgoraThread.h"

#include "utils/CLog.h"

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

TQFrameData TQCaptureAudioAgoraThread::popFrame(int bytes)
{
    TQFrameData frame = popFrame();
    if (frame.data && frame.size != bytes) {
        CLog::error(QStringLiteral("dropped a frame of %1 bytes, %2 expected").arg(frame.size).arg(bytes),
                    QStringLiteral("TQCaptureAudioAgoraThread::popFrame "));
        std::free(frame.data);
        frame = TQFrameData();
    }
    return frame;
}
