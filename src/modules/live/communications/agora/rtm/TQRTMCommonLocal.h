#pragma once

#include "modules/live/communications/agora/rtm/TQRTMCommon.h"

// The message channel of classes that never go on the network: it runs the
// whole login and join sequence at once inside initDataChannels, reports the
// two joins and discards every message.
class TQRTMCommonLocal : public TQRTMCommon
{
    Q_OBJECT

public:
    explicit TQRTMCommonLocal(QObject *parent = nullptr);

    void initDataChannels(TQRTMLoadConfig config) override;
    void leaveDataChannels() override;
    void joinMainDataChannel() override;
    void joinAltDataChannel() override;
    void onJoinChannelSuccess() override;
    void onJoinChannelFailure() override;
    void onLoginSuccess() override;
    void onLoginFailure() override;
    void onLogout() override;
    void sendDataMessage(std::string messageBody, char *rawData, int rawLength,
                         bool thruMainChannel, long targetUserID) override;
    void sendDataMessage(std::string messageBody, bool thruMainChannel, long targetUserID) override;

private:
    const char *const mName = "TQRTMCommonLocal";
    TQRTMEventDelegate *mEventDelegate = nullptr; // of the last configuration; not owned
    // Whether the next join success is the main channel's.
    bool isMainJoin = true;
};
