#include "modules/live/communications/TQRTCDataHanlder.h"

#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/TQDataModelBean.h"
#include "modules/live/communications/TQAudioVolumeInfo.h"
#include "modules/live/communications/TQRealTimeInterface.h"
#include "modules/live/communications/TQRealTimeManager.h"
#include "modules/login/LoginManager.h"
#include "utils/CLog.h"
#include "utils/TimeUtils.h"

#include <QMetaType>

namespace {

bool isOwnUid(long uid)
{
    bool ok = false;
    const long own = LoginManager::getUserID().toLong(&ok, 10);
    return ok && uid == own;
}

} // namespace

TQRTCDataHanlder::TQRTCDataHanlder(TQRealTimeManager *manager) : m_manager(manager)
{
    // The volume record travels through a queued connection as a pointer.
    qRegisterMetaType<TQAudioVolumeInfo *>("TQAudioVolumeInfo*");
    // Automatic connections: a report emitted on an SDK thread is queued to
    // this object's (the GUI) thread.
    connect(this, &TQRTCDataHanlder::onFirstLocalVideoFrame_signal, this, &TQRTCDataHanlder::onFirstLocalVideoFrame_slot);
    connect(this, &TQRTCDataHanlder::onUserJoinedRTC_signal, this, &TQRTCDataHanlder::onUserJoinedRTC_slot);
    connect(this, &TQRTCDataHanlder::onUserOffLineRTC_signal, this, &TQRTCDataHanlder::onUserOffLineRTC_slot);
    connect(this, &TQRTCDataHanlder::onStreamMessageRTC_signal, this, &TQRTCDataHanlder::onStreamMessageRTC_slot);
    connect(this, &TQRTCDataHanlder::onJoinChannelSuccessRTC_signal, this, &TQRTCDataHanlder::onJoinChannelSuccessRTC_slot);
    connect(this, &TQRTCDataHanlder::onLeaveChannelRTC_signal, this, &TQRTCDataHanlder::onLeaveChannelRTC_slot);
    connect(this, &TQRTCDataHanlder::onRemoteVideoStateChanged_signal, this, &TQRTCDataHanlder::onRemoteVideoStateChanged_slot);
    connect(this, &TQRTCDataHanlder::onRemoteAudioStateChanged_signal, this, &TQRTCDataHanlder::onRemoteAudioStateChanged_slot);
    connect(this, &TQRTCDataHanlder::onNetworkQuality_signal, this, &TQRTCDataHanlder::onNetworkQuality_slot);
    connect(this, &TQRTCDataHanlder::onRemoteVideoStats_signal, this, &TQRTCDataHanlder::onRemoteVideoStats_slot);
    connect(this, &TQRTCDataHanlder::onRemoteAudioStats_signal, this, &TQRTCDataHanlder::onRemoteAudioStats_slot);
    connect(this, &TQRTCDataHanlder::onLocalVideoFallBackToAudioOnly_signal, this, &TQRTCDataHanlder::onLocalVideoFallBackToAudioOnly_slot);
    connect(this, &TQRTCDataHanlder::onRemoteVideoFallBackToAudioOnly_signal, this, &TQRTCDataHanlder::onRemoteVideoFallBackToAudioOnly_slot);
    connect(this, &TQRTCDataHanlder::onUserAudioVolumeIndication_signal, this, &TQRTCDataHanlder::onUserAudioVolumeIndication_slot);
    connect(this, &TQRTCDataHanlder::onAudioMixingStateChanged_signal, this, &TQRTCDataHanlder::onAudioMixingStateChanged_slot);
    connect(this, &TQRTCDataHanlder::onLocalVideoStateChanged_signal, this, &TQRTCDataHanlder::onLocalVideoStateChanged_slot);
    connect(this, &TQRTCDataHanlder::onLocalAudioStateChanged_signal, this, &TQRTCDataHanlder::onLocalAudioStateChanged_slot);
    connect(this, &TQRTCDataHanlder::onClientRoleChanged_signal, this, &TQRTCDataHanlder::onClientRoleChanged_slot);
}

TQRTCDataHanlder::~TQRTCDataHanlder()
{
    CLog::log(QStringLiteral("destructor"), QStringLiteral("TQRTCDataHanlder::~TQRTCDataHanlder "));
    m_manager = nullptr;
}

// SDK threads: hand over, with a few logs and the own-uid network reports.

void TQRTCDataHanlder::onFirstLocalVideoFrame(int width, int height, int elapsed)
{
    emit onFirstLocalVideoFrame_signal(width, height, elapsed);
}

void TQRTCDataHanlder::onStreamMessageRTC(long uid, QString messageBody)
{
    emit onStreamMessageRTC_signal(uid, messageBody);
}

void TQRTCDataHanlder::onLeaveChannelRTC()
{
    emit onLeaveChannelRTC_signal();
}

void TQRTCDataHanlder::onRemoteAudioStateChanged(long uid, int state, int reason, int elapsed)
{
    emit onRemoteAudioStateChanged_signal(uid, state, reason, elapsed);
}

void TQRTCDataHanlder::onNetworkQuality(long uid, int txQuality, int rxQuality)
{
    emit onNetworkQuality_signal(uid, txQuality, rxQuality);
}

void TQRTCDataHanlder::onRemoteVideoStats(long uid, int width, int height, int receivedBitrate, int decoderOutputFps, int rendererOutputFps, int packetLossRate, int rxStreamType, int frozenRate, int totalFrozenTime)
{
    emit onRemoteVideoStats_signal(uid, width, height, receivedBitrate, decoderOutputFps, rendererOutputFps, packetLossRate, rxStreamType, frozenRate, totalFrozenTime);
}

void TQRTCDataHanlder::onRemoteAudioStats(long uid, int quality, int networkTransportDelay, int jitterBufferDelay, int audioLossRate, int numChannels, int receivedSampleRate, int receivedBitrate, int totalFrozenTime, int frozenRate)
{
    emit onRemoteAudioStats_signal(uid, quality, networkTransportDelay, jitterBufferDelay, audioLossRate, numChannels, receivedSampleRate, receivedBitrate, totalFrozenTime, frozenRate);
}

void TQRTCDataHanlder::onLocalVideoFallBackToAudioOnly(bool isFallBackToAudio)
{
    emit onLocalVideoFallBackToAudioOnly_signal(isFallBackToAudio);
}

void TQRTCDataHanlder::onRemoteVideoFallBackToAudioOnly(long uid, bool isFallBackToAudio)
{
    emit onRemoteVideoFallBackToAudioOnly_signal(uid, isFallBackToAudio);
}

void TQRTCDataHanlder::onUserAudioVolumeIndication(TQAudioVolumeInfo *pAudioVolumeInfo)
{
    emit onUserAudioVolumeIndication_signal(pAudioVolumeInfo);
}

void TQRTCDataHanlder::onAudioMixingStateChanged(int state, int errorCode)
{
    emit onAudioMixingStateChanged_signal(state, errorCode);
}

void TQRTCDataHanlder::onLocalVideoStateChanged(bool enabled)
{
    emit onLocalVideoStateChanged_signal(enabled);
}

void TQRTCDataHanlder::onLocalAudioStateChanged(bool enabled)
{
    emit onLocalAudioStateChanged_signal(enabled);
}

void TQRTCDataHanlder::onClientRoleChanged(int oldRole, int newRole)
{
    emit onClientRoleChanged_signal(oldRole, newRole);
}

void TQRTCDataHanlder::onUserJoinedRTC(long uid, int elapsed)
{
    CLog::log(QStringLiteral("uid=%1,elapsed=%2").arg(uid).arg(elapsed), QStringLiteral("TQRTCDataHanlder::onUserJoinedRTC "));
    emit onUserJoinedRTC_signal(uid, elapsed);
}

void TQRTCDataHanlder::onUserOffLineRTC(long uid, int reason)
{
    CLog::log(QStringLiteral("uid=%1,reason=%2").arg(uid).arg(reason), QStringLiteral("TQRTCDataHanlder::onUserOffLineRTC "));
    emit onUserOffLineRTC_signal(uid, reason);
    if (m_manager && reason == 1 && isOwnUid(uid))
        m_manager->emitRTCNetworkChange(false);
}

void TQRTCDataHanlder::onJoinChannelSuccessRTC(long uid, int elapsed)
{
    emit onJoinChannelSuccessRTC_signal(uid, elapsed);
    if (m_manager && isOwnUid(uid))
        m_manager->emitRTCNetworkChange(true);
}

void TQRTCDataHanlder::onRemoteVideoStateChanged(long uid, int state, int reason, int elapsed)
{
    CLog::log(QStringLiteral("uid=%1,state=%2,reson=%3,elapsed=%4").arg(uid).arg(state).arg(reason).arg(elapsed),
              QStringLiteral("TQRTCDataHanlder::onRemoteVideoStateChanged "));
    emit onRemoteVideoStateChanged_signal(uid, state, reason, elapsed);
}

// GUI thread.

void TQRTCDataHanlder::onFirstLocalVideoFrame_slot(int, int, int) {}

void TQRTCDataHanlder::onUserJoinedRTC_slot(long uid, int)
{
    CLog::printf("[RTC] TQRTCDataHanlder::onUserJoinedRTC uid=%ld...", uid);
    if (TQRealTimeInterface *d = m_manager ? m_manager->getDelegate() : nullptr)
        d->userGetOnlineRTC(uid);
}

void TQRTCDataHanlder::onUserOffLineRTC_slot(long uid, int)
{
    CLog::printf("[RTC] TQRTCDataHanlder::onUserOffLineRTC uid=%ld", uid);
    if (TQRealTimeInterface *d = m_manager ? m_manager->getDelegate() : nullptr)
        d->userGetOfflineRTC(uid);
}

void TQRTCDataHanlder::onStreamMessageRTC_slot(long uid, QString messageBody)
{
    if (!m_manager)
        return;
    m_manager->setLastMediaReceiveMs(currentTimeMillis());
    m_manager->deliverFromStudent(messageBody.toStdString(), nullptr, uid);
}

void TQRTCDataHanlder::onJoinChannelSuccessRTC_slot(long uid, int)
{
    CLog::printf("[RTC] TQRTCDataHanlder::onJoinChannelSuccessRTC uid=%ld", uid);
    if (TQRealTimeInterface *d = m_manager ? m_manager->getDelegate() : nullptr)
        d->mediaNetworkConnected();
}

void TQRTCDataHanlder::onLeaveChannelRTC_slot()
{
    CLog::printf("[RTC] TQRTCDataHanlder::onLeaveChannelRTC_slot");
    if (TQRealTimeInterface *d = m_manager ? m_manager->getDelegate() : nullptr)
        d->logoutRtc();
}

void TQRTCDataHanlder::onRemoteVideoStateChanged_slot(long uid, int state, int reason, int)
{
    CLog::printf("[RTC] TQRTCDataHanlder::onRemoteVideoStateChanged uid=%ld state=%d reason=%d", uid, state, reason);
    const CourseDetailBean *course = TQDataModelBean::m_pOngoingCourse;
    if (course && course->isImageVideoMode())
        return;
    if (TQRealTimeInterface *d = m_manager ? m_manager->getDelegate() : nullptr)
        d->onRemoteVideoStateChanged(uid, state, reason);
}

void TQRTCDataHanlder::onRemoteAudioStateChanged_slot(long uid, int state, int reason, int)
{
    CLog::printf("[RTC] TQRTCDataHanlder::onRemoteAudioStateChanged uid=%ld state=%d reason=%d", uid, state, reason);
    if (TQRealTimeInterface *d = m_manager ? m_manager->getDelegate() : nullptr)
        d->onRemoteAudioStateChanged(uid, state, reason);
}

void TQRTCDataHanlder::onNetworkQuality_slot(long uid, int txQuality, int rxQuality)
{
    if (TQRealTimeInterface *d = m_manager ? m_manager->getDelegate() : nullptr)
        d->onNetworkQuality(uid, txQuality, rxQuality);
}

void TQRTCDataHanlder::onRemoteVideoStats_slot(long uid, int width, int height, int receivedBitrate,
                                              int decoderOutputFps, int rendererOutputFps, int packetLossRate,
                                              int rxStreamType, int frozenRate, int totalFrozenTime)
{
    if (TQRealTimeInterface *d = m_manager ? m_manager->getDelegate() : nullptr)
        d->onRemoteVideoStats(uid, width, height, receivedBitrate, decoderOutputFps, rendererOutputFps,
                              packetLossRate, rxStreamType, frozenRate, totalFrozenTime);
}

void TQRTCDataHanlder::onRemoteAudioStats_slot(long uid, int quality, int networkTransportDelay,
                                              int jitterBufferDelay, int audioLossRate, int numChannels,
                                              int receivedSampleRate, int receivedBitrate, int totalFrozenTime,
                                              int frozenRate)
{
    if (TQRealTimeInterface *d = m_manager ? m_manager->getDelegate() : nullptr)
        d->onRemoteAudioStats(uid, quality, networkTransportDelay, jitterBufferDelay, audioLossRate, numChannels,
                              receivedSampleRate, receivedBitrate, totalFrozenTime, frozenRate);
}

void TQRTCDataHanlder::onLocalVideoFallBackToAudioOnly_slot(bool isFallBackToAudio)
{
    CLog::printf("[RTC] TQRTCDataHanlder::onLocalVideoFallBackToAudioOnly isFallBackToAudio=%d", isFallBackToAudio ? 1 : 0);
    if (TQRealTimeInterface *d = m_manager ? m_manager->getDelegate() : nullptr)
        d->onLocalVideoFallBackToAudioOnly(isFallBackToAudio);
}

void TQRTCDataHanlder::onRemoteVideoFallBackToAudioOnly_slot(long uid, bool isFallBackToAudio)
{
    CLog::printf("[RTC] TQRTCDataHanlder::onRemoteVideoFallBackToAudioOnly uid=%ld isFallBackToAudio=%d", uid,
                 isFallBackToAudio ? 1 : 0);
}

void TQRTCDataHanlder::onUserAudioVolumeIndication_slot(TQAudioVolumeInfo *pAudioVolumeInfo)
{
    // The record is ours whether or not anyone looks at it.
    if (pAudioVolumeInfo && m_manager && m_manager->getDelegate())
        m_manager->getDelegate()->onUserAudioVolumeIndication(pAudioVolumeInfo);
    delete pAudioVolumeInfo;
}

void TQRTCDataHanlder::onAudioMixingStateChanged_slot(int state, int errorCode)
{
    if (TQRealTimeInterface *d = m_manager ? m_manager->getDelegate() : nullptr)
        d->onAudioMixingStateChanged(state, errorCode);
}

void TQRTCDataHanlder::onLocalVideoStateChanged_slot(bool enabled)
{
    if (TQRealTimeInterface *d = m_manager ? m_manager->getDelegate() : nullptr)
        d->onLocalVideoStateChanged(enabled);
}

void TQRTCDataHanlder::onLocalAudioStateChanged_slot(bool enabled)
{
    if (TQRealTimeInterface *d = m_manager ? m_manager->getDelegate() : nullptr)
        d->onLocalAudioStateChanged(enabled);
}

void TQRTCDataHanlder::onClientRoleChanged_slot(int oldRole, int newRole)
{
    if (TQRealTimeInterface *d = m_manager ? m_manager->getDelegate() : nullptr)
        d->onClientRoleChanged(oldRole, newRole);
}
