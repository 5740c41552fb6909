#pragma once

#include "modules/live/communications/agora/rtm/TQRTMLoadConfig.h"

#include <QObject>
#include <QString>

#include <string>

// The message channel of one class: a login as the signed-in user and two
// channels of the class, the main and the alternate one. It reports only
// through the handler list of its configuration.
class TQRTMCommon : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    ~TQRTMCommon() override = default;

    // Starts a login; the outcome is reported.
    virtual void initDataChannels(TQRTMLoadConfig config) = 0;
    virtual void leaveDataChannels() = 0;
    virtual void joinMainDataChannel() = 0;
    virtual void joinAltDataChannel() = 0;
    // The login and join results, fed back on the GUI thread.
    virtual void onJoinChannelSuccess() = 0;
    virtual void onJoinChannelFailure() = 0;
    virtual void onLoginSuccess() = 0;
    virtual void onLoginFailure() = 0;
    virtual void onLogout() = 0;
    // targetUserID -1 sends on the main or alternate channel as
    // thruMainChannel says, any other id to that one peer. rawData (allocated
    // with new[], or null with rawLength 0) becomes the channel's.
    virtual void sendDataMessage(std::string messageBody, char *rawData, int rawLength,
                                 bool thruMainChannel, long targetUserID) = 0;
    virtual void sendDataMessage(std::string messageBody, bool thruMainChannel, long targetUserID) = 0;

    // Names on the service.
    static std::string loginId(const QString &userId);
    static std::string mainChannelName(long courseScheduleId);
    static std::string altChannelName(long courseScheduleId);
    static std::string peerId(long targetUserID);
    // The user id of a member or sender: the decimal number before the first
    // "_rtm" (or the whole id without one); 0 when that is no number.
    static long uidFromServiceId(const QString &serviceId);
    // A member event of a channel whose id holds "_rtm" is one of the main
    // channel.
    static bool isMainChannelId(const QString &channelId);
};
