#include "modules/live/communications/agora/rtm/TQRTMCommonLocal.h"

#include "modules/live/communications/TQRTMEventDelegate.h"
#include "utils/CLog.h"

TQRTMCommonLocal::TQRTMCommonLocal(QObject *parent)
    : TQRTMCommon(parent)
{
}

void TQRTMCommonLocal::initDataChannels(TQRTMLoadConfig config)
{
    CLog::printf("%s initDataChannels", mName);
    mEventDelegate = config.eventDelegate;
    // Every login joins the main channel first, also after a leave.
    isMainJoin = true;
    onLoginSuccess();
}

void TQRTMCommonLocal::leaveDataChannels()
{
    CLog::printf("%s leaveDataChannels", mName);
}

void TQRTMCommonLocal::joinMainDataChannel()
{
    CLog::printf("%s joinMainDataChannel", mName);
    onJoinChannelSuccess();
}

void TQRTMCommonLocal::joinAltDataChannel()
{
    CLog::printf("%s joinAltDataChannel", mName);
    onJoinChannelSuccess();
}

void TQRTMCommonLocal::onJoinChannelSuccess()
{
    CLog::printf("%s onJoinChannelSuccess isMain=%d", mName, isMainJoin ? 1 : 0);
    if (mEventDelegate)
        mEventDelegate->onDataChannelJoinSuccess(isMainJoin);
    if (isMainJoin) {
        isMainJoin = false;
        joinAltDataChannel();
    }
}

void TQRTMCommonLocal::onJoinChannelFailure()
{
    CLog::printf("%s onJoinChannelFailure", mName);
}

void TQRTMCommonLocal::onLoginSuccess()
{
    CLog::printf("%s onLoginSuccess", mName);
    joinMainDataChannel();
}

void TQRTMCommonLocal::onLoginFailure()
{
    CLog::printf("%s onLoginFailure", mName);
}

void TQRTMCommonLocal::onLogout()
{
    CLog::printf("%s onLogout", mName);
}

void TQRTMCommonLocal::sendDataMessage(std::string, char *rawData, int, bool, long)
{
    delete[] rawData;
}

void TQRTMCommonLocal::sendDataMessage(std::string messageBody, bool thruMainChannel, long targetUserID)
{
    sendDataMessage(std::move(messageBody), nullptr, 0, thruMainChannel, targetUserID);
}
