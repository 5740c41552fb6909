#include "modules/live/communications/agora/TQTesselRTCEventHandler.h"

namespace {
void debugLine(const QString &line, const char *callback)
{
    CLog::debug(line, QStringLiteral("TQTesselRTCEventHandler::%1 ").arg(QLatin1String(callback)));
}
QString uidAnd(const char *what, unsigned int uid, int value)
{
    return QStringLiteral("[RTC] uid %1, %2 %3").arg(uid).arg(QLatin1String(what)).arg(value);
}
} // namespace

void TQTesselRTCEventHandlerTraits::logJoin(const char *channel, uid_t uid, int)
{
    debugLine(QStringLiteral("[RTC] TQTesselRTCEventHandler::onJoinChannelSuccess teacher(%1) joined RTC(%2)")
                  .arg(uid)
                  .arg(QString::fromUtf8(channel ? channel : "")),
              "onJoinChannelSuccess");
}

void TQTesselRTCEventHandlerTraits::logRejoin(const char *, uid_t uid, int elapsed)
{
    debugLine(uidAnd("elapsed", uid, elapsed), "onRejoinChannelSuccess");
}

void TQTesselRTCEventHandlerTraits::logLeave()
{
    debugLine(QStringLiteral("[RTC] leave"), "onLeaveChannel");
}

void TQTesselRTCEventHandlerTraits::logUserJoined(uid_t uid, int elapsed)
{
    debugLine(uidAnd("elapsed", uid, elapsed), "onUserJoined");
}

void TQTesselRTCEventHandlerTraits::logUserOffline(uid_t uid, int reason)
{
    debugLine(uidAnd("reason", uid, reason), "onUserOffline");
}

void TQTesselRTCEventHandlerTraits::logRemoteAudioState(uid_t uid, int state, int, int)
{
    debugLine(uidAnd("state", uid, state), "onRemoteAudioStateChanged");
}

void TQTesselRTCEventHandlerTraits::logFirstLocalVideoFrame(int width, int height, int)
{
    debugLine(QStringLiteral("[RTC] width %1, height %2").arg(width).arg(height), "onFirstLocalVideoFrame");
}
