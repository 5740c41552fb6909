#pragma once
// One client of the stand-in SDK for the tests, over either vendor's
// interface: a service and its channels with listeners that write every
// call into one RtmEventLog.
//
// Texts: "login ok", "login failed C", "token expired", "logout C",
// "state S R", "peer sent #ID S", "peer from U: TEXT" (+ " raw N");
// per channel "CH joined", "CH join failed C", "CH left C",
// "CH from U: TEXT" (+ " raw N"), "CH sent #ID S", "CH member joined U in X",
// "CH member left U in X", "CH members A,B error C", "CH count N".

#include "RtmEventLog.h"

#include "agora/IAgoraRtmService.h"
#include "tessel/ITesselRtmService.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

struct AgoraRtm
{
    using Service = agora::rtm::IRtmService;
    using Channel = agora::rtm::IChannel;
    using Message = agora::rtm::IMessage;
    using Member = agora::rtm::IChannelMember;
    using ServiceHandler = agora::rtm::IRtmServiceEventHandler;
    using ChannelHandler = agora::rtm::IChannelEventHandler;
    using Options = agora::rtm::SendMessageOptions;
    static Service *create() { return agora::rtm::createRtmService(); }
};

struct TesselRtm
{
    using Service = tessel::rtm::IRtmService;
    using Channel = tessel::rtm::IChannel;
    using Message = tessel::rtm::IMessage;
    using Member = tessel::rtm::IChannelMember;
    using ServiceHandler = tessel::rtm::IRtmServiceEventHandler;
    using ChannelHandler = tessel::rtm::IChannelEventHandler;
    using Options = tessel::rtm::SendMessageOptions;
    static Service *create() { return tessel::rtm::createRtmService(); }
};

template <class Api>
QString describe(const typename Api::Message *message)
{
    QString text = QString::fromUtf8(message->getText());
    if (message->getMessageType() == 2)
        text += QStringLiteral(" raw %1").arg(message->getRawMessageLength());
    return text;
}

template <class Api>
class ServiceRecorder : public Api::ServiceHandler
{
public:
    explicit ServiceRecorder(RtmEventLog &log) : mLog(log) {}
    void onLoginSuccess() override { mLog.add(QStringLiteral("login ok")); }
    void onLoginFailure(int code) override { mLog.add(QStringLiteral("login failed %1").arg(code)); }
    void onTokenExpired() override { mLog.add(QStringLiteral("token expired")); }
    void onLogout(int code) override { mLog.add(QStringLiteral("logout %1").arg(code)); }
    void onConnectionStateChanged(int state, int reason) override
    {
        mLog.add(QStringLiteral("state %1 %2").arg(state).arg(reason));
    }
    void onSendMessageResult(long long id, int state) override
    {
        mLog.add(QStringLiteral("peer sent #%1 %2").arg(id).arg(state));
    }
    void onMessageReceivedFromPeer(const char *peerId, const typename Api::Message *message) override
    {
        mLog.add(QStringLiteral("peer from %1: %2").arg(QString::fromUtf8(peerId), describe<Api>(message)));
    }

private:
    RtmEventLog &mLog;
};

template <class Api>
class ChannelRecorder : public Api::ChannelHandler
{
public:
    ChannelRecorder(RtmEventLog &log, QString channel) : mLog(log), mChannel(std::move(channel)) {}
    void onJoinSuccess() override { add(QStringLiteral("joined")); }
    void onJoinFailure(int code) override { add(QStringLiteral("join failed %1").arg(code)); }
    void onLeave(int code) override { add(QStringLiteral("left %1").arg(code)); }
    void onMessageReceived(const char *userId, const typename Api::Message *message) override
    {
        add(QStringLiteral("from %1: %2").arg(QString::fromUtf8(userId), describe<Api>(message)));
    }
    void onSendMessageResult(long long id, int state) override
    {
        add(QStringLiteral("sent #%1 %2").arg(id).arg(state));
    }
    void onMemberJoined(typename Api::Member *member) override { add(QStringLiteral("member joined ") + who(member)); }
    void onMemberLeft(typename Api::Member *member) override { add(QStringLiteral("member left ") + who(member)); }
    void onGetMembers(typename Api::Member **members, int count, int code) override
    {
        QStringList ids;
        for (int i = 0; i < count; ++i)
            ids << QString::fromUtf8(members[i]->getUserId());
        add(QStringLiteral("members %1 error %2").arg(ids.join(QLatin1Char(','))).arg(code));
    }

protected:
    void add(const QString &text) { mLog.add(mChannel + QLatin1Char(' ') + text); }

private:
    static QString who(typename Api::Member *member)
    {
        return QStringLiteral("%1 in %2").arg(QString::fromUtf8(member->getUserId()),
                                              QString::fromUtf8(member->getChannelId()));
    }
    RtmEventLog &mLog;
    QString mChannel;
};

// The Tessel channel listener has one entry more.
class TesselChannelRecorder : public ChannelRecorder<TesselRtm>
{
public:
    using ChannelRecorder<TesselRtm>::ChannelRecorder;
    void onMemberCountUpdated(int count) override { add(QStringLiteral("count %1").arg(count)); }
};

template <class Api>
struct ChannelRecorderFor
{
    using Type = ChannelRecorder<Api>;
};
template <>
struct ChannelRecorderFor<TesselRtm>
{
    using Type = TesselChannelRecorder;
};

template <class Api>
class RtmTestClient
{
public:
    using Recorder = typename ChannelRecorderFor<Api>::Type;

    RtmTestClient() : mServiceListener(log)
    {
        service = Api::create();
        if (service)
            service->initialize("app", &mServiceListener);
    }
    ~RtmTestClient()
    {
        for (auto &entry : mChannels)
            entry.second->release();
        if (service)
            service->release(true);
    }
    RtmTestClient(const RtmTestClient &) = delete;
    RtmTestClient &operator=(const RtmTestClient &) = delete;

    // Logs in and waits for the success report.
    bool login(const std::string &userId)
    {
        if (service->login("token", userId.c_str()) != 0)
            return false;
        return log.waitFor(QStringLiteral("login ok"), ++mLogins);
    }
    typename Api::Channel *channel(const std::string &channelId)
    {
        auto it = mChannels.find(channelId);
        if (it != mChannels.end())
            return it->second;
        auto *recorder = new Recorder(log, QString::fromStdString(channelId));
        mListeners.emplace_back(recorder);
        typename Api::Channel *created = service->createChannel(channelId.c_str(), recorder);
        mChannels[channelId] = created;
        return created;
    }
    // Joins and waits for the success report.
    bool join(const std::string &channelId)
    {
        if (channel(channelId)->join() != 0)
            return false;
        return log.waitFor(QString::fromStdString(channelId) + QStringLiteral(" joined"));
    }
    // Releases the channel object now (the listener stays for late calls).
    void releaseChannel(const std::string &channelId)
    {
        mChannels.at(channelId)->release();
        mChannels.erase(channelId);
    }
    // Releases the service now; the listeners stay alive.
    void releaseService(bool sync = true)
    {
        for (auto &entry : mChannels)
            entry.second->release();
        mChannels.clear();
        service->release(sync);
        service = nullptr;
    }

    typename Api::Message *message(const std::string &text, const QByteArray &raw = QByteArray())
    {
        typename Api::Message *m = raw.isNull() ? service->createMessage()
                                                 : service->createRawMessage(raw.constData(), raw.size());
        m->setText(text.c_str());
        return m;
    }
    // Sends and releases the message; the call's result, and its id in *id.
    int send(const std::string &channelId, const std::string &text, const QByteArray &raw = QByteArray(),
             long long *id = nullptr)
    {
        typename Api::Message *m = message(text, raw);
        if (id)
            *id = m->getMessageId();
        const int rc = channel(channelId)->sendMessage(m);
        m->release();
        return rc;
    }
    int sendToPeer(const std::string &peerId, const std::string &text, long long *id = nullptr)
    {
        typename Api::Message *m = message(text);
        if (id)
            *id = m->getMessageId();
        const int rc = service->sendMessageToPeer(peerId.c_str(), m, typename Api::Options());
        m->release();
        return rc;
    }

    RtmEventLog log;
    typename Api::Service *service = nullptr;

private:
    ServiceRecorder<Api> mServiceListener;
    std::map<std::string, typename Api::Channel *> mChannels;
    std::vector<std::unique_ptr<Recorder>> mListeners;
    int mLogins = 0;
};
