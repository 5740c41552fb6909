#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

// What a message channel reports. Listener callbacks arrive on the SDK's
// threads, the channel's own reports on the GUI thread; an implementation
// hands each report on to the GUI thread itself. Every report is optional.
class TQDataEventHandlerInterface : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    virtual void onConnectRTMFailure() {}
    virtual void onLoginRtmSuccess() {}
    virtual void onLogout() {}
    virtual void onLoginRtmFailure() {}
    virtual void onJoinDataChannelSuccess(bool inMainDataChannel) { Q_UNUSED(inMainDataChannel) }
    virtual void onJoinDataChannelFailure(bool inMainDataChannel) { Q_UNUSED(inMainDataChannel) }
    virtual void onGetMainChannelMemberListFailure() {}
    virtual void onDataChannelTokenExpired() {}
    // messageData holds the message's raw bytes, null when it has none. It is
    // a value: every holder has its own reference and nobody frees anything.
    virtual void onMessageArrived(QString messageBody, QByteArray messageData, long uid,
                                  bool inMainDataChannel)
    {
        Q_UNUSED(messageBody) Q_UNUSED(messageData) Q_UNUSED(uid) Q_UNUSED(inMainDataChannel)
    }
    virtual void onMemberJoined(long uid, bool inMainDataChannel) { Q_UNUSED(uid) Q_UNUSED(inMainDataChannel) }
    virtual void onMemberLeft(long uid, bool inMainDataChannel) { Q_UNUSED(uid) Q_UNUSED(inMainDataChannel) }
    virtual void onStateChanged(int state, int reason) { Q_UNUSED(state) Q_UNUSED(reason) }
    virtual void onJoinChannelSuccess() {}
    virtual void onJoinChannelFailure() {}
};
