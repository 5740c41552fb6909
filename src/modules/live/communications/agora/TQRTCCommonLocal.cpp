#include "modules/live/communications/agora/TQRTCCommonLocal.h"

#include "modules/live/communications/TQRTCEventDelegate.h"
#include "modules/live/videoprocess/ExternalVideoFrame.h"
#include "modules/login/LoginManager.h"
#include "utils/CLog.h"

TQRTCCommonLocal::TQRTCCommonLocal()
{
    CLog::printf("%s TQRTCCommonLocal", mName);
}

TQRTCCommonLocal::~TQRTCCommonLocal()
{
    CLog::printf("%s ~TQRTCCommonLocal", mName);
}

int TQRTCCommonLocal::loadRTC(TQRTCLoadConfig config)
{
    mEventDelegate = config.eventDelegate;
    const long uid = LoginManager::getUserID().toLong();
    if (mEventDelegate) {
        mEventDelegate->forEachHandler([uid](TQRTCEventHandlerInterface *handler) {
            handler->onJoinChannelSuccessRTC(uid, 0);
        });
    }
    return 0;
}

void TQRTCCommonLocal::setAgoraAudioFrameObserver(TQAgoraAudioFrameObserver *)
{
    CLog::error(QStringLiteral("local impl should not set agora audio frame observer"),
                QStringLiteral("TQRTCCommonLocal::setAgoraAudioFrameObserver "));
}

void TQRTCCommonLocal::setTesselAudioFrameObserver(TQTesselAudioFrameObserver *)
{
    CLog::error(QStringLiteral("local impl should not set tessel audio frame observer"),
                QStringLiteral("TQRTCCommonLocal::setTesselAudioFrameObserver "));
}

bool TQRTCCommonLocal::isInterrupted()
{
    return false;
}

int TQRTCCommonLocal::setVideoEncoderConfiguration(int)
{
    CLog::printf("%s setVideoEncoderConfiguration", mName);
    return 0;
}

int TQRTCCommonLocal::enableLoopbackRecording(bool)
{
    CLog::printf("%s enableLoopbackRecording", mName);
    return 0;
}

void TQRTCCommonLocal::leaveRTC()
{
    CLog::printf("%s leaveRTC", mName);
    if (mEventDelegate)
        mEventDelegate->forEachHandler([](TQRTCEventHandlerInterface *handler) { handler->onLeaveChannelRTC(); });
}

void TQRTCCommonLocal::checkAudioFocusState(bool)
{
    CLog::printf("%s checkAudioFocusState", mName);
}

int TQRTCCommonLocal::pushExternalVideoFrame(ExternalVideoFrame *frame)
{
    delete frame;
    return 0;
}

int TQRTCCommonLocal::setLocalVideoRenderer(long, void *)
{
    CLog::printf("%s setLocalVideoRenderer", mName);
    return 0;
}

int TQRTCCommonLocal::setRemoteVideoRenderer(long, void *)
{
    CLog::printf("%s setRemoteVideoRenderer", mName);
    return 0;
}

void TQRTCCommonLocal::enableLocalAudio(bool)
{
    CLog::printf("%s enableLocalAudio", mName);
}

void TQRTCCommonLocal::enableLocalVideo(bool)
{
    CLog::printf("%s enableLocalVideo", mName);
}

bool TQRTCCommonLocal::isLocalAudioEnabled()
{
    return false;
}

bool TQRTCCommonLocal::isLocalVideoEnabled()
{
    return false;
}

void TQRTCCommonLocal::sendRTCMessage(std::string)
{
}

int TQRTCCommonLocal::enableLocalCamera(bool)
{
    CLog::printf("%s enableLocalCamera", mName);
    return 0;
}

int TQRTCCommonLocal::muteRemoteVideo(long uid, bool muted)
{
    CLog::printf("%s muteRemoteVideo uid=%ld muted=%d", mName, uid, muted ? 1 : 0);
    return 0;
}

int TQRTCCommonLocal::setRemoteVideoStreamType(int, long)
{
    CLog::printf("%s setRemoteVideoStreamType", mName);
    return 0;
}

void TQRTCCommonLocal::enableAudioVolumeIndication(int, int, bool)
{
    CLog::printf("%s enableAudioVolumeIndication", mName);
}

bool TQRTCCommonLocal::startAudioMixing(QString)
{
    CLog::printf("%s startAudioMixing", mName);
    return true;
}

bool TQRTCCommonLocal::pauseAudioMixing()
{
    CLog::printf("%s pauseAudioMixing", mName);
    return true;
}

bool TQRTCCommonLocal::resumeAudioMixing()
{
    CLog::printf("%s resumeAudioMixing", mName);
    return true;
}

bool TQRTCCommonLocal::stopAudioMixing()
{
    CLog::printf("%s stopAudioMixing", mName);
    return true;
}

bool TQRTCCommonLocal::seekToTime(int)
{
    CLog::printf("%s seekToTime", mName);
    return true;
}

int TQRTCCommonLocal::getAudioMixingCurPosition()
{
    CLog::printf("%s getAudioMixingCurPosition", mName);
    return 0;
}

int TQRTCCommonLocal::getAudioMixingDuration()
{
    CLog::printf("%s getAudioMixingDuration", mName);
    return 0;
}

int TQRTCCommonLocal::changeClientRole(bool isBroadcast)
{
    CLog::printf("%s changeClientRole isBroadcast=%d", mName, isBroadcast ? 1 : 0);
    return 0;
}
