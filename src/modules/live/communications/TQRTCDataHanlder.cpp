#include "modules/live/communications/TQRTCDataHanlder.h"

#include "modules/live/communications/TQAudioVolumeInfo.h"
#include "utils/CLog.h"

// The reports are taken to the GUI thread and on to the class window by the
// incoming path; until it is in place they end here.

TQRTCDataHanlder::TQRTCDataHanlder(TQRealTimeManager *manager) : m_manager(manager) {}

TQRTCDataHanlder::~TQRTCDataHanlder()
{
    CLog::log(QStringLiteral("destructor"), QStringLiteral("TQRTCDataHanlder::~TQRTCDataHanlder "));
    m_manager = nullptr;
}

void TQRTCDataHanlder::onFirstLocalVideoFrame(int, int, int) {}
void TQRTCDataHanlder::onUserJoinedRTC(long, int) {}
void TQRTCDataHanlder::onUserOffLineRTC(long, int) {}
void TQRTCDataHanlder::onStreamMessageRTC(long, QString) {}
void TQRTCDataHanlder::onJoinChannelSuccessRTC(long, int) {}
void TQRTCDataHanlder::onLeaveChannelRTC() {}
void TQRTCDataHanlder::onRemoteVideoStateChanged(long, int, int, int) {}
void TQRTCDataHanlder::onRemoteAudioStateChanged(long, int, int, int) {}
void TQRTCDataHanlder::onNetworkQuality(long, int, int) {}
void TQRTCDataHanlder::onRemoteVideoStats(long, int, int, int, int, int, int, int, int, int) {}
void TQRTCDataHanlder::onRemoteAudioStats(long, int, int, int, int, int, int, int, int, int) {}
void TQRTCDataHanlder::onLocalVideoFallBackToAudioOnly(bool) {}
void TQRTCDataHanlder::onRemoteVideoFallBackToAudioOnly(long, bool) {}

void TQRTCDataHanlder::onUserAudioVolumeIndication(TQAudioVolumeInfo *pAudioVolumeInfo)
{
    delete pAudioVolumeInfo;
}

void TQRTCDataHanlder::onAudioMixingStateChanged(int, int) {}
void TQRTCDataHanlder::onLocalVideoStateChanged(bool) {}
void TQRTCDataHanlder::onLocalAudioStateChanged(bool) {}
void TQRTCDataHanlder::onClientRoleChanged(int, int) {}
