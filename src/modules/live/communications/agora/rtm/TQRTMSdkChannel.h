#pragma once

#include "modules/live/communications/TQRTMEventDelegate.h"
#include "modules/live/communications/agora/rtm/TQRTMCommon.h"
#include "modules/live/communications/agora/rtm/TQRTMListeners.h"
#include "modules/live/communications/agora/rtm/TQRTMSendDataThread.h"
#include "modules/login/LoginManager.h"
#include "utils/CLog.h"
#include "utils/FileUtils.h"
#include "utils/TimeUtils.h"

#include <QDebug>

#include <cstring>
#include <memory>

// The message channel over one of the two messaging SDKs, whose calls,
// order and reports are the same; Traits (TQRTMAgoraTraits,
// TQRTMTesselTraits) give the SDK's entry points, types and texts. GUI
// thread, except the listeners (SDK threads) and the send thread.
template <typename Traits>
class TQRTMSdkChannel : public TQRTMCommon
{
public:
    using Service = typename Traits::Service;
    using Channel = typename Traits::Channel;
    using ClientListener = TQRTMClientListener<Traits>;
    using ChannelListener = TQRTMChannelListener<Traits>;

    // The app id with its terminator must fit the buffer handed to the SDK.
    static constexpr int kAppIdBufferSize = 100;

    TQRTMSdkChannel() : mBaseService(Traits::createBaseService()), mSendThread(new TQRTMSendDataThread) {}

    ~TQRTMSdkChannel() override
    {
        // Nothing may send through objects released below.
        delete mSendThread;
        mSendThread = nullptr;
        // Listeners first: a call the SDK still makes (even after the
        // releases below) only logs, and the delegate may go with us.
        retireListeners();
        releaseChannels();
        releaseService();
        if (mBaseService)
            Traits::releaseBaseService(mBaseService);
        mBaseService = nullptr;
        delete[] mAppIdBuffer;
        mAppIdBuffer = nullptr;
    }

    void initDataChannels(TQRTMLoadConfig config) override
    {
        mMainChannelName = mainChannelName(config.courseScheduleId);
        mAltChannelName = altChannelName(config.courseScheduleId);
        mEventDelegate = config.eventDelegate;
        CLog::log(QString::fromUtf8(Traits::versionLine).arg(QString::fromUtf8(Traits::sdkVersion())),
                  tag("initDataChannels"));

        // A login after a leave (a reconnect) starts from a clean session:
        // the earlier service, its channels and listeners are let go, the send
        // loop is armed again and the first join is the main channel's.
        retireListeners();
        releaseChannels();
        releaseService();
        mSendThread->resetSendLoop();
        isMainJoin = true;

        mClientListener = new ClientListener(mEventDelegate);
        mChannelListener = new ChannelListener(mEventDelegate);
        if (!createRtmClient(config.appId)) {
            // Without a service there is nothing to log in to: as refused.
            if (mEventDelegate)
                mEventDelegate->onConnectRTMFailure();
            return;
        }
        mMainDataChannel = mRtmClient->createChannel(mMainChannelName.c_str(), mChannelListener);
        mAltDataChannel = mRtmClient->createChannel(mAltChannelName.c_str(), mChannelListener);

        const std::string id = loginId(LoginManager::getUserID());
        const int result = mRtmClient->login(config.rtmToken.c_str(), id.c_str());
        if (result == 0) {
            CLog::printf("[RTM] TQRTMCommon::initDataChannels user(%s)  login onSuccess", id.c_str());
        } else {
            Traits::logRefusedLogin(id, result, tag("initDataChannels"));
            if (mEventDelegate)
                mEventDelegate->onConnectRTMFailure();
        }
    }

    void leaveDataChannels() override
    {
        // Waits for the loop: a message in flight never meets a released channel.
        mSendThread->stopSendLoopAndWait();
        leaveAndRelease(mMainDataChannel, "mMainDataChannel");
        leaveAndRelease(mAltDataChannel, "mAltDataChannel");
        if (mRtmClient) {
            CLog::print(mRtmClient->logout() == 0
                            ? QStringLiteral("[RTM] TQRTMCommon::leaveDataChannels mRtmClient.logout onSuccess")
                            : QStringLiteral("[RTM] TQRTMCommon::leaveDataChannels mRtmClient.logout onFailure"));
        }
    }

    void joinMainDataChannel() override
    {
        const int result = mMainDataChannel ? mMainDataChannel->join() : -1;
        if (result != 0) {
            CLog::error(QStringLiteral("[RTM] TQRTMCommon::joinMainDataChannel error %1").arg(result),
                        tag("joinMainDataChannel"));
            if (mEventDelegate)
                mEventDelegate->onDataChannelJoinFailure(true);
        }
    }

    void joinAltDataChannel() override
    {
        const int result = mAltDataChannel ? mAltDataChannel->join() : -1;
        if (result != 0 && mEventDelegate)
            mEventDelegate->onDataChannelJoinFailure(false);
    }

    void onJoinChannelSuccess() override
    {
        CLog::log(QStringLiteral("rtm join channel success"), tag("onJoinChannelSuccess"));
        // The send thread gets the channels before anyone hears of the join:
        // the class starts on this news and its first actions must not find
        // a send thread without a client (they would be dropped).
        Traits::handOver(*mSendThread, mRtmClient, mMainDataChannel, mAltDataChannel);
        const bool mainJoined = isMainJoin;
        isMainJoin = !isMainJoin;
        if (mEventDelegate)
            mEventDelegate->onDataChannelJoinSuccess(mainJoined);
        if (mainJoined) {
            if (mMainDataChannel)
                mMainDataChannel->getMembers();
            joinAltDataChannel();
        }
    }

    void onJoinChannelFailure() override
    {
        CLog::log(QStringLiteral("rtm join channel failure"), tag("onJoinChannelFailure"));
    }

    void onLoginSuccess() override { joinMainDataChannel(); }
    void onLoginFailure() override {}
    void onLogout() override {}

    void sendDataMessage(std::string messageBody, char *rawData, int rawLength, bool thruMainChannel,
                         long targetUserID) override
    {
        if (!mRtmClient) {
            CLog::error(QStringLiteral("m_pRtmClient not complete"), tag("sendDataMessage"));
            delete[] rawData;
            return;
        }
        mSendThread->pushSendData(std::move(messageBody), rawData, rawLength, thruMainChannel, targetUserID);
    }

    void sendDataMessage(std::string messageBody, bool thruMainChannel, long targetUserID) override
    {
        sendDataMessage(std::move(messageBody), nullptr, 0, thruMainChannel, targetUserID);
    }

private:
    static QString tag(const char *operation)
    {
        return QStringLiteral("%1::%2 ").arg(QLatin1String(Traits::channelClass), QLatin1String(operation));
    }

    // False when no service came out of it (the caller stops there).
    bool createRtmClient(const std::string &appId)
    {
        if (int(appId.size()) >= kAppIdBufferSize) {
            // Cut, it would name another project; the SDK gets none at all.
            CLog::error(QStringLiteral("app id of %1 bytes does not fit").arg(appId.size()), tag("createRtmClient"));
            return false;
        }
        if (!mAppIdBuffer)
            mAppIdBuffer = new char[kAppIdBufferSize];
        std::memcpy(mAppIdBuffer, appId.c_str(), appId.size() + 1);
        mServiceContext.appId = mAppIdBuffer;

        const int baseResult = mBaseService ? Traits::initializeBaseService(*mBaseService, mServiceContext) : -1;
        if (baseResult != 0) {
            qCritical() << Traits::baseInitFailed << baseResult;
            return false;
        }
        mRtmClient = Traits::createRtmService();
        if (!mRtmClient) {
            qCritical() << Traits::createServiceFailed;
            return false;
        }
        const int result = mRtmClient->initialize(mAppIdBuffer, mClientListener);
        if (result == 0) {
            // Seconds close the time pattern, so two clients started within
            // one minute get files of their own.
            const QString path = FileUtils::getLogDir() + QLatin1Char('/') + QLatin1String(Traits::logFilePrefix)
                                 + currentDateTime().toString(QStringLiteral("yyyy_MM_dd_hh_mm_ss"))
                                 + QStringLiteral(".log");
            mRtmClient->setLogFile(path.toUtf8().constData());
        } else {
            CLog::log(QStringLiteral("errorrrrrrrrrrr rtm initilize failed, errorCode %1").arg(result),
                      tag("createRtmClient"));
        }
        return true;
    }

    void leaveAndRelease(Channel *&channel, const char *name)
    {
        if (!channel)
            return;
        const int result = channel->leave();
        CLog::print(QStringLiteral("[RTM] TQRTMCommon::leaveDataChannels %1.leave %2")
                        .arg(QLatin1String(name), result == 0 ? QStringLiteral("onSuccess") : QStringLiteral("onFailure")));
        channel->release();
        channel = nullptr;
    }

    void releaseChannels()
    {
        for (Channel **channel : {&mMainDataChannel, &mAltDataChannel}) {
            if (*channel)
                (*channel)->release();
            *channel = nullptr;
        }
    }

    void releaseService()
    {
        if (!mRtmClient)
            return;
        // Synchronous: a callback still running returns before the delegate
        // its listener points at can go.
        mRtmClient->release(true);
        mRtmClient = nullptr;
        if (Traits::serviceReleased)
            CLog::log(QString::fromUtf8(Traits::serviceReleased), tag(Traits::destructorName));
    }

    // The listeners stop reporting and are kept alive for late SDK calls.
    void retireListeners()
    {
        if (mClientListener) {
            mClientListener->release();
            TQRTMListenerGuard::keepAlive(std::shared_ptr<ClientListener>(mClientListener));
        }
        if (mChannelListener) {
            mChannelListener->release();
            TQRTMListenerGuard::keepAlive(std::shared_ptr<ChannelListener>(mChannelListener));
        }
        mClientListener = nullptr;
        mChannelListener = nullptr;
    }

    Service *mRtmClient = nullptr;
    TQRTMEventDelegate *mEventDelegate = nullptr; // of the last configuration; not owned
    Channel *mMainDataChannel = nullptr;
    std::string mMainChannelName;
    Channel *mAltDataChannel = nullptr;
    std::string mAltChannelName;
    typename Traits::BaseService *mBaseService = nullptr;
    typename Traits::ServiceContext mServiceContext;
    char *mAppIdBuffer = nullptr; // kAppIdBufferSize bytes, owned
    bool isMainJoin = true;       // whether the next join success is the main channel's
    TQRTMSendDataThread *mSendThread = nullptr; // owned
    ClientListener *mClientListener = nullptr;   // kept alive after use, see retireListeners
    ChannelListener *mChannelListener = nullptr;
};
