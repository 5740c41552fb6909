#include "modules/live/videoprocess/TQCaptureVideoMainThread.h"

#include "utils/CLog.h"

TQCaptureVideoMainThread::~TQCaptureVideoMainThread()
{
    CLog::log(QStringLiteral("destructor"), QStringLiteral("TQCaptureVideoMainThread::~TQCaptureVideoMainThread "));
}
