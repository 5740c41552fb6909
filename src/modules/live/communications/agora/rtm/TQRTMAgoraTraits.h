#pragma once

#include "modules/live/communications/agora/TQAgoraSdkResolver.h"
#include "modules/live/communications/agora/rtm/TQRTMLogLine.h"
#include "modules/live/communications/agora/rtm/TQRTMSendDataThread.h"

#include "agora/IAgoraRtmService.h"
#include "agora/IAgoraService.h"

#include <string>

// What the Agora message channel and its listeners take from the Agora SDK,
// and their names and log texts.
struct TQRTMAgoraTraits
{
    using Service = agora::rtm::IRtmService;
    using Channel = agora::rtm::IChannel;
    using Message = agora::rtm::IMessage;
    using Member = agora::rtm::IChannelMember;
    using ServiceHandler = agora::rtm::IRtmServiceEventHandler;
    using ChannelHandler = agora::rtm::IChannelEventHandler;
    using BaseService = agora::base::IAgoraService;
    using ServiceContext = agora::base::AgoraServiceContext;

    static constexpr const char *channelClass = "TQRTMCommonWinImpl";
    static constexpr const char *destructorName = "~TQRTMCommonWinImpl";
    static constexpr const char *versionLine = "[RTM] version %1";
    static constexpr const char *baseInitFailed = "mAgoraService->initialize failed error";
    static constexpr const char *createServiceFailed = "mAgoraService->createRtmService";
    static constexpr const char *logFilePrefix = "agora_rtm-";
    static constexpr const char *serviceReleased = nullptr;

    static constexpr const char *clientListenerClass = "RtmClientListener";
    static constexpr const char *clientListenerDestroyed = "agora rtm service listener destructor";
    static constexpr const char *clientListenerReleased = nullptr;
    static constexpr bool logsDelegateAtConstruction = false;
    static constexpr TQRTMLogLine loginSuccess{TQRTMLogLine::Print, "[RTM] RtmClientListener::onLoginSuccess"};
    static constexpr TQRTMLogLine loginFailure{TQRTMLogLine::Print, "[RTM] RtmClientListener::onLoginFailure %1"};
    static constexpr TQRTMLogLine logout{TQRTMLogLine::Print, "[RTM] RtmClientListener::onLogout %1"};
    static constexpr TQRTMLogLine stateChanged{
        TQRTMLogLine::Print, "[RTM] RtmClientListener::onConnectionStateChanged state %1, reason %2 "};
    static constexpr TQRTMLogLine tokenExpired{TQRTMLogLine::Print, "[RTM] RtmClientListener::onTokenExpired "};

    static constexpr const char *channelListenerClass = "RtmChannelListener";
    static constexpr const char *channelListenerDestroyed = "agora rtm channel listener destructor";
    static constexpr const char *channelListenerReleased = nullptr;
    static constexpr TQRTMLogLine joinSuccess{TQRTMLogLine::Print, "[RTM] RtmChannelListener::onJoinSuccess"};
    static constexpr TQRTMLogLine joinFailure{TQRTMLogLine::Error,
                                              "[RTM] RtmChannelListener::onJoinFailure errorCode=%1"};
    static constexpr TQRTMLogLine memberJoined{TQRTMLogLine::Print,
                                               "[RTM] RtmChannelListener::onMemberJoined uid=%1, channelId=%2"};
    static constexpr TQRTMLogLine memberJoinedNull{TQRTMLogLine::Print,
                                                   "[RTM] RtmChannelListener::onMemberJoined get member null"};
    static constexpr TQRTMLogLine memberLeft{TQRTMLogLine::Print,
                                             "[RTM] RtmChannelListener::onMemberLeft uid=%1, channelId=%2"};
    static constexpr TQRTMLogLine getMembers{TQRTMLogLine::Print,
                                             "[RTM] RtmChannelListener::onGetMembers userCount %1, errorCode %2"};
    static constexpr TQRTMLogLine sendFailed{
        TQRTMLogLine::Print, "[RTM] RtmChannelListener::onSendMessageResult sending failed. messageId=%1, state=%2"};

    static BaseService *createBaseService()
    {
        const TQAgoraSdkResolver::BaseServiceFactory factory = TQAgoraSdkResolver::baseServiceFactory();
        return factory ? factory() : nullptr;
    }
    static int initializeBaseService(BaseService &service, const ServiceContext &context)
    {
        return service.initialize(context);
    }
    static void releaseBaseService(BaseService *service) { service->release(); }
    static Service *createRtmService() { return agora::rtm::createRtmService(); }
    static const char *sdkVersion() { return agora::rtm::getRtmSdkVersion(); }
    static void handOver(TQRTMSendDataThread &thread, Service *service, Channel *main, Channel *alt)
    {
        thread.setAgoraRtmObjects(service, main, alt);
    }
    static void logRefusedLogin(const std::string &loginId, int, const QString &)
    {
        CLog::printf("[RTM] TQRTMCommon::initDataChannels user(%s)  login onFail", loginId.c_str());
    }
};
