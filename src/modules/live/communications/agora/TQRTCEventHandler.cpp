#include "modules/live/communications/agora/TQRTCEventHandler.h"

void TQRTCEventHandlerTraits::logJoin(const char *, uid_t uid, int)
{
    CLog::printf("[RTC] TQRTCEventHandler::onJoinChannelSuccess teacher(%d) joined RTC", int(uid));
}

void TQRTCEventHandlerTraits::logRejoin(const char *, uid_t uid, int)
{
    CLog::printf("[RTC] TQRTCEventHandler::onRejoinChannelSuccess teacher(%d) rejoined RTC", int(uid));
}

void TQRTCEventHandlerTraits::logLeave()
{
    CLog::print(QStringLiteral("[RTC] TQRTCEventHandler::onLeaveChannel teacher leave RTC"));
}

void TQRTCEventHandlerTraits::logUserJoined(uid_t uid, int)
{
    CLog::printf("[RTC] TQRTCEventHandler::onUserJoined uid=%d joined RTC", int(uid));
}

void TQRTCEventHandlerTraits::logUserOffline(uid_t uid, int)
{
    CLog::printf("[RTC] TQRTCEventHandler::onUserOffline uid=%d offline RTC", int(uid));
}

void TQRTCEventHandlerTraits::logRemoteAudioState(uid_t, int state, int, int)
{
    CLog::printf("[RTC] TQRTCEventHandler::onRemoteAudioStateChanged state %d RTC,", state);
}

void TQRTCEventHandlerTraits::logFirstLocalVideoFrame(int, int, int)
{
    CLog::print(QStringLiteral("[RTC] TQRTCEventHandler::onFirstLocalVideoFrame"));
}
