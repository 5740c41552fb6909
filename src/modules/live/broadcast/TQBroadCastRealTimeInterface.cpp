#include "modules/live/broadcast/TQBroadCastRealTimeInterface.h"

#include "actions/TQActionsFromNet.h"

TQBroadCastRealTimeInterface::TQBroadCastRealTimeInterface(TQBroadCastMethodService *methodService,
                                                           TQLiveBroadCastContext *context)
    : TQLiveClassAccess(methodService, context)
{
}

void TQBroadCastRealTimeInterface::mediaNetworkConnected() {}
void TQBroadCastRealTimeInterface::mediaNetworkConnectFailure() {}
void TQBroadCastRealTimeInterface::dataNetworkConnected() {}
void TQBroadCastRealTimeInterface::dataNetworkConnectFailure() {}
void TQBroadCastRealTimeInterface::logoutData() {}
void TQBroadCastRealTimeInterface::logoutRtc() {}
void TQBroadCastRealTimeInterface::userGetOnlineRTC(long) {}
void TQBroadCastRealTimeInterface::userGetOfflineRTC(long) {}
void TQBroadCastRealTimeInterface::userGetOnlineData(long) {}
void TQBroadCastRealTimeInterface::userGetOfflineData(long) {}
void TQBroadCastRealTimeInterface::onRemoteAudioStateChanged(long, int, int) {}
void TQBroadCastRealTimeInterface::onRemoteVideoStateChanged(long, int, int) {}

void TQBroadCastRealTimeInterface::actionMessageFromStudent(TQActionsFromNet *actions)
{
    delete actions;
}

void TQBroadCastRealTimeInterface::durationActionsFromStudent(TQActionsFromNet *actions)
{
    delete actions;
}

void TQBroadCastRealTimeInterface::onNetworkQuality(long, int, int) {}
void TQBroadCastRealTimeInterface::onRemoteVideoStats(long, int, int, int, int, int, int, int, int, int) {}
void TQBroadCastRealTimeInterface::onRemoteAudioStats(long, int, int, int, int, int, int, int, int, int) {}
void TQBroadCastRealTimeInterface::onDataChannelKickout() {}
void TQBroadCastRealTimeInterface::onLocalVideoFallBackToAudioOnly(bool) {}
void TQBroadCastRealTimeInterface::onUserAudioVolumeIndication(TQAudioVolumeInfo *) {}
void TQBroadCastRealTimeInterface::onAudioMixingStateChanged(int, int) {}
void TQBroadCastRealTimeInterface::onLocalVideoStateChanged(bool) {}
void TQBroadCastRealTimeInterface::onLocalAudioStateChanged(bool) {}
void TQBroadCastRealTimeInterface::onClientRoleChanged(int, int) {}
