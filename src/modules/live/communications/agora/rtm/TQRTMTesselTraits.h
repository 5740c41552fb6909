#pragma once

#include "modules/live/communications/agora/rtm/TQRTMLogLine.h"
#include "modules/live/communications/agora/rtm/TQRTMSendDataThread.h"

#include "tessel/ITesselRtmService.h"
#include "tessel/ITesselService.h"

#include <string>

// What the Tessel message channel and its listeners take from the Tessel SDK,
// and their names and log texts.
struct TQRTMTesselTraits
{
    using Service = tessel::rtm::IRtmService;
    using Channel = tessel::rtm::IChannel;
    using Message = tessel::rtm::IMessage;
    using Member = tessel::rtm::IChannelMember;
    using ServiceHandler = tessel::rtm::IRtmServiceEventHandler;
    using ChannelHandler = tessel::rtm::IChannelEventHandler;
    using BaseService = tessel::base::ITesselService;
    using ServiceContext = tessel::base::TesselServiceContext;

    static constexpr const char *channelClass = "TQRTMCommonTessel";
    static constexpr const char *destructorName = "~TQRTMCommonTessel";
    static constexpr const char *versionLine = "[RTM] version %1 for tessel";
    static constexpr const char *baseInitFailed = "mTesselService->initialize failed error";
    static constexpr const char *createServiceFailed = "mTesselService->createTesselService failed";
    static constexpr const char *logFilePrefix = "tessel_rtm-";
    static constexpr const char *serviceReleased = "tessel rtm service released";

    static constexpr const char *clientListenerClass = "TesselRtmClientListener";
    static constexpr const char *clientListenerDestroyed = "tessel rtm event listener destructor";
    static constexpr const char *clientListenerReleased = "tessel rtm event listener released";
    static constexpr bool logsDelegateAtConstruction = true;
    static constexpr TQRTMLogLine loginSuccess{TQRTMLogLine::Debug, "[RTM] login success"};
    static constexpr TQRTMLogLine loginFailure{TQRTMLogLine::Debug, "[RTM] login failure errorCode %1"};
    static constexpr TQRTMLogLine logout{TQRTMLogLine::Debug, "[RTM] logout errorCode %1"};
    static constexpr TQRTMLogLine stateChanged{TQRTMLogLine::Print,
                                               "[RTM] connection state changed state %1, reason %2 "};
    static constexpr TQRTMLogLine tokenExpired{TQRTMLogLine::Debug, "[RTM] token expired"};

    static constexpr const char *channelListenerClass = "TesselRtmChannelListener";
    static constexpr const char *channelListenerDestroyed = "tessel rtm channel listener destructor";
    static constexpr const char *channelListenerReleased = "tessel rtm channel listener released";
    // The channel listener's join results are logged with the words "login
    // success" and "login failure", as the Tessel client always wrote them.
    static constexpr TQRTMLogLine joinSuccess{TQRTMLogLine::Debug, "[RTM] login success"};
    static constexpr TQRTMLogLine joinFailure{TQRTMLogLine::Error, "[RTM] login failure errorCode=%1"};
    static constexpr TQRTMLogLine memberJoined{TQRTMLogLine::Debug, "[RTM] memeber joined uid=%1, channelId=%2"};
    static constexpr TQRTMLogLine memberJoinedNull{TQRTMLogLine::Debug, "[RTM] member joined get member null"};
    static constexpr TQRTMLogLine memberLeft{TQRTMLogLine::Debug,
                                             "[RTM] RtmChannelListener::onMemberLeft uid=%1, channelId=%2"};
    static constexpr TQRTMLogLine getMembers{TQRTMLogLine::Debug,
                                             "[RTM] RtmChannelListener::onGetMembers userCount %1, errorCode %2"};
    static constexpr TQRTMLogLine sendFailed{TQRTMLogLine::Debug, "[RTM] sending failed. messageId=%1, state=%2"};

    static BaseService *createBaseService() { return createTesselService(); }
    static int initializeBaseService(BaseService &service, const ServiceContext &context)
    {
        return service.initialize(context);
    }
    static void releaseBaseService(BaseService *service) { tessel::base::ITesselService::release(service); }
    static Service *createRtmService() { return tessel::rtm::createRtmService(); }
    static const char *sdkVersion() { return tessel::rtm::getRtmSdkVersion(); }
    static void handOver(TQRTMSendDataThread &thread, Service *service, Channel *main, Channel *alt)
    {
        thread.setTesselRtmObjects(service, main, alt);
    }
    static void logRefusedLogin(const std::string &loginId, int code, const QString &tag)
    {
        CLog::debug(QStringLiteral("[RTM] user(%1)  login onFailure, errorCode(%2)")
                        .arg(QString::fromStdString(loginId))
                        .arg(code),
                    tag);
    }
};
