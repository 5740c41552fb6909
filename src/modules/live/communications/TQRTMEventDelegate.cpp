#include "modules/live/communications/TQRTMEventDelegate.h"

TQRTMEventDelegate::TQRTMEventDelegate()
    : TQEventHandlerList<TQDataEventHandlerInterface>("TQRTMEventDelegate")
{
    CLog::log(QStringLiteral("test rtm delegate constructor"),
              QStringLiteral("TQRTMEventDelegate::TQRTMEventDelegate "));
}

TQRTMEventDelegate::~TQRTMEventDelegate()
{
    CLog::log(QStringLiteral("test rtm delegate destructor"),
              QStringLiteral("TQRTMEventDelegate::~TQRTMEventDelegate "));
}

void TQRTMEventDelegate::onDataChannelJoinSuccess(bool isMainChannel)
{
    CLog::printf("[RTM] TQRTMEventDelegate::onDataChannelJoinSuccess isMainChannel=%d", isMainChannel ? 1 : 0);
    forEachHandler([isMainChannel](TQDataEventHandlerInterface *handler) {
        handler->onJoinDataChannelSuccess(isMainChannel);
    });
}

void TQRTMEventDelegate::onDataChannelJoinFailure(bool isMainChannel)
{
    CLog::print(QStringLiteral("[RTM] TQRTMEventDelegate::onDataChannelJoinFailure "));
    forEachHandler([isMainChannel](TQDataEventHandlerInterface *handler) {
        handler->onJoinDataChannelFailure(isMainChannel);
    });
}

void TQRTMEventDelegate::onConnectRTMFailure()
{
    CLog::print(QStringLiteral("LiveBroadcast:connectRTMFailure"));
    forEachHandler([](TQDataEventHandlerInterface *handler) { handler->onConnectRTMFailure(); });
}
