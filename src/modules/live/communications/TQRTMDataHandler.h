#pragma once

#include "modules/live/communications/TQDataEventHandlerInterface.h"

class TQRealTimeManager;

// The real-time manager's one handler in its message channel's handler list.
// The channel's listeners call it on SDK threads; each report is re-emitted
// as a signal and handled by the matching slot, queued onto the GUI thread,
// where the manager and its delegate are touched.
class TQRTMDataHandler : public TQDataEventHandlerInterface
{
    Q_OBJECT

public:
    explicit TQRTMDataHandler(TQRealTimeManager *manager);
    ~TQRTMDataHandler() override;

    void onConnectRTMFailure() override;
    void onLoginRtmSuccess() override;
    void onLogout() override;
    void onLoginRtmFailure() override;
    void onJoinDataChannelSuccess(bool inMainDataChannel) override;
    void onJoinDataChannelFailure(bool inMainDataChannel) override;
    void onGetMainChannelMemberListFailure() override;
    void onDataChannelTokenExpired() override;
    void onMessageArrived(QString messageBody, QByteArray messageData, long uid, bool inMainDataChannel) override;
    void onMemberJoined(long uid, bool inMainDataChannel) override;
    void onMemberLeft(long uid, bool inMainDataChannel) override;
    void onStateChanged(int state, int reason) override;
    void onJoinChannelSuccess() override;
    void onJoinChannelFailure() override;

signals:
    void onConnectRTMFailure_signal();
    void onLoginRtmSuccess_signal();
    void onLogout_signal();
    void onLoginRtmFailure_signal();
    void onJoinDataChannelSuccess_signal(bool inMainDataChannel);
    void onJoinDataChannelFailure_signal(bool inMainDataChannel);
    void onGetMainChannelMemberListFailure_signal();
    void onDataChannelTokenExpired_signal();
    void onMessageArrived_signal(QString messageBody, QByteArray messageData, long uid, bool inMainDataChannel);
    void onMemberJoined_signal(long uid, bool inMainDataChannel);
    void onMemberLeft_signal(long uid, bool inMainDataChannel);
    void onStateChanged_signal(int state, int reason);
    void onJoinChannelSuccess_signal();
    void onJoinChannelFailure_signal();

private slots:
    void onConnectRTMFailure_slot();
    void onLoginRtmSuccess_slot();
    void onLogout_slot();
    void onLoginRtmFailure_slot();
    void onJoinDataChannelSuccess_slot(bool inMainDataChannel);
    void onJoinDataChannelFailure_slot(bool inMainDataChannel);
    void onGetMainChannelMemberListFailure_slot();
    void onDataChannelTokenExpired_slot();
    void onMessageArrived_slot(QString messageBody, QByteArray messageData, long uid, bool inMainDataChannel);
    void onMemberJoined_slot(long uid, bool inMainDataChannel);
    void onMemberLeft_slot(long uid, bool inMainDataChannel);
    void onStateChanged_slot(int state, int reason);
    void onJoinChannelSuccess_slot();
    void onJoinChannelFailure_slot();

private:
    TQRealTimeManager *m_manager; // not owned
};
