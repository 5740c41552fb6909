#pragma once

#include "modules/live/communications/TQRTMEventDelegate.h"
#include "modules/live/communications/agora/rtm/TQRTMCommon.h"
#include "modules/live/communications/agora/rtm/TQRTMListenerGuard.h"
#include "modules/live/communications/agora/rtm/TQRTMLogLine.h"
#include "utils/CLog.h"

#include <QByteArray>
#include <QString>

// The listeners of a message channel over one of the two messaging SDKs,
// whose interfaces have the same shape. Traits (TQRTMAgoraTraits,
// TQRTMTesselTraits) give the SDK's types, the class names and the log texts.
// Every callback runs on an SDK thread and reports to each handler of the
// delegate's list while the listener is attached.

namespace TQRTMListenerDetail {

// Reads a received message: its text, and its raw bytes copied (the SDK's
// message lives only for the callback) when it is a raw message with bytes.
template <typename Message>
void readMessage(const Message &message, QString &text, QByteArray &raw)
{
    constexpr int kRawMessageType = 2;
    text = QString::fromUtf8(message.getText() ? message.getText() : "");
    const char *data = message.getRawMessageData();
    const int length = message.getRawMessageLength();
    if (message.getMessageType() == kRawMessageType && data && length > 0)
        raw = QByteArray(data, length);
}

// Reports a received message to every handler; a message without sender or
// body is dropped silently. A peer message counts as the main channel's.
template <typename Message>
void reportMessage(TQRTMListenerGuard &guard, const char *callback, const char *senderId, const Message *message,
                   bool peer)
{
    if (!senderId || !message)
        return;
    QString text;
    QByteArray raw;
    readMessage(*message, text, raw);
    const long uid = TQRTMCommon::uidFromServiceId(QString::fromUtf8(senderId));
    guard.withDelegate(callback, [&](TQRTMEventDelegate &d) {
        d.forEachHandler([&](TQDataEventHandlerInterface *h) { h->onMessageArrived(text, raw, uid, peer); });
    });
}

} // namespace TQRTMListenerDetail

template <typename Traits>
class TQRTMClientListener : public Traits::ServiceHandler
{
public:
    explicit TQRTMClientListener(TQRTMEventDelegate *delegate) : mGuard(delegate, Traits::clientListenerClass)
    {
        if (Traits::logsDelegateAtConstruction) {
            const QString tag = mGuard.tag(Traits::clientListenerClass);
            CLog::log(QString::asprintf("tessel rtm event delegate %p", static_cast<void *>(delegate)), tag);
            CLog::log(QString::asprintf("tessel rtm event delegate's arayhandler %p",
                                        static_cast<void *>(static_cast<TQEventHandlerList<TQDataEventHandlerInterface> *>(delegate))),
                      tag);
        }
    }
    ~TQRTMClientListener() override { CLog::print(QString::fromUtf8(Traits::clientListenerDestroyed)); }

    void onLoginSuccess() override
    {
        report("onLoginSuccess", Traits::loginSuccess, [](TQDataEventHandlerInterface *h) { h->onLoginRtmSuccess(); });
    }
    void onLoginFailure(int errorCode) override
    {
        report("onLoginFailure", Traits::loginFailure, [](TQDataEventHandlerInterface *h) { h->onLoginRtmFailure(); },
               errorCode);
    }
    void onTokenExpired() override
    {
        report("onTokenExpired", Traits::tokenExpired,
               [](TQDataEventHandlerInterface *h) { h->onDataChannelTokenExpired(); });
    }
    void onLogout(int errorCode) override
    {
        report("onLogout", Traits::logout, [](TQDataEventHandlerInterface *h) { h->onLogout(); }, errorCode);
    }
    void onConnectionStateChanged(int state, int reason) override
    {
        report("onConnectionStateChanged", Traits::stateChanged,
               [state, reason](TQDataEventHandlerInterface *h) { h->onStateChanged(state, reason); }, state, reason);
    }
    void onMessageReceivedFromPeer(const char *peerId, const typename Traits::Message *message) override
    {
        TQRTMListenerDetail::reportMessage(mGuard, "onMessageReceivedFromPeer", peerId, message, true);
    }

    // Lets go of the delegate; later callbacks only log.
    void release()
    {
        mGuard.detach();
        if (Traits::clientListenerReleased)
            CLog::log(QString::fromUtf8(Traits::clientListenerReleased), mGuard.tag("release"));
    }

private:
    template <typename Report, typename... Args>
    void report(const char *callback, const TQRTMLogLine &line, Report toHandler, const Args &...args)
    {
        mGuard.withDelegate(callback, [&](TQRTMEventDelegate &d) {
            line.write(mGuard.tag(callback), args...);
            d.forEachHandler(toHandler);
        });
    }

    TQRTMListenerGuard mGuard;
};

template <typename Traits>
class TQRTMChannelListener : public Traits::ChannelHandler
{
public:
    explicit TQRTMChannelListener(TQRTMEventDelegate *delegate) : mGuard(delegate, Traits::channelListenerClass) {}
    ~TQRTMChannelListener() override { CLog::print(QString::fromUtf8(Traits::channelListenerDestroyed)); }

    void onJoinSuccess() override
    {
        mGuard.withDelegate("onJoinSuccess", [&](TQRTMEventDelegate &d) {
            Traits::joinSuccess.write(mGuard.tag("onJoinSuccess"));
            d.forEachHandler([](TQDataEventHandlerInterface *h) { h->onJoinChannelSuccess(); });
        });
    }
    void onJoinFailure(int errorCode) override
    {
        mGuard.withDelegate("onJoinFailure", [&](TQRTMEventDelegate &d) {
            Traits::joinFailure.write(mGuard.tag("onJoinFailure"), errorCode);
            d.forEachHandler([](TQDataEventHandlerInterface *h) { h->onJoinChannelFailure(); });
        });
    }
    void onMessageReceived(const char *userId, const typename Traits::Message *message) override
    {
        TQRTMListenerDetail::reportMessage(mGuard, "onMessageReceived", userId, message, false);
    }
    void onSendMessageResult(long long messageId, int state) override
    {
        mGuard.withDelegate("onSendMessageResult", [&](TQRTMEventDelegate &) {
            if (state != 0)
                Traits::sendFailed.write(mGuard.tag("onSendMessageResult"), messageId, state);
        });
    }
    void onMemberJoined(typename Traits::Member *member) override
    {
        mGuard.withDelegate("onMemberJoined", [&](TQRTMEventDelegate &d) {
            if (!member) {
                Traits::memberJoinedNull.write(mGuard.tag("onMemberJoined"));
                return;
            }
            reportMember(d, *member, Traits::memberJoined, "onMemberJoined", true);
        });
    }
    void onMemberLeft(typename Traits::Member *member) override
    {
        if (!member)
            return;
        mGuard.withDelegate("onMemberLeft", [&](TQRTMEventDelegate &d) {
            reportMember(d, *member, Traits::memberLeft, "onMemberLeft", false);
        });
    }
    void onGetMembers(typename Traits::Member **members, int userCount, int errorCode) override
    {
        const bool attached = mGuard.withDelegate("onGetMembers", [&](TQRTMEventDelegate &) {
            Traits::getMembers.write(mGuard.tag("onGetMembers"), userCount, errorCode);
        });
        if (!attached || errorCode != 0 || !members)
            return;
        for (int i = 0; i < userCount; ++i)
            onMemberJoined(members[i]);
    }

    // Lets go of the delegate; later callbacks only log.
    void release()
    {
        mGuard.detach();
        if (Traits::channelListenerReleased)
            CLog::log(QString::fromUtf8(Traits::channelListenerReleased), mGuard.tag("release"));
    }

private:
    void reportMember(TQRTMEventDelegate &d, typename Traits::Member &member, const TQRTMLogLine &line,
                      const char *callback, bool joined)
    {
        const QString userId = QString::fromUtf8(member.getUserId() ? member.getUserId() : "");
        const QString channelId = QString::fromUtf8(member.getChannelId() ? member.getChannelId() : "");
        line.write(mGuard.tag(callback), userId, channelId);
        const long uid = TQRTMCommon::uidFromServiceId(userId);
        const bool inMain = TQRTMCommon::isMainChannelId(channelId);
        d.forEachHandler([&](TQDataEventHandlerInterface *h) {
            if (joined)
                h->onMemberJoined(uid, inMain);
            else
                h->onMemberLeft(uid, inMain);
        });
    }

    TQRTMListenerGuard mGuard;
};
