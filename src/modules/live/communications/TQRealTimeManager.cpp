#include "modules/live/communications/TQRealTimeManager.h"

#include "actions/TQActionsFromNet.h"
#include "actions/TQMessagePackagingService.h"
#include "actions/message/TQPublicMessageAction.h"
#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/TQDataModelBean.h"
#include "modules/live/bean/TQInClassMessage.h"
#include "modules/live/communications/agora/TQRTCCommon.h"
#include "modules/live/communications/TQRTCDataHanlder.h"
#include "modules/live/communications/TQRTCEventDelegate.h"
#include "modules/live/communications/agora/rtm/TQRTMCommon.h"
#include "modules/live/communications/TQRTMDataHandler.h"
#include "modules/live/communications/TQRTMEventDelegate.h"
#include "modules/live/communications/TQRealTimeEngineFactory.h"
#include "modules/live/communications/TQRealTimeInterface.h"
#include "modules/live/videoprocess/ExternalVideoFrame.h"
#include "utils/CLog.h"
#include "utils/TimeUtils.h"

#include <QBasicTimer>
#include <QDebug>
#include <QThread>
#include <QTimer>

namespace {

long toLong(const std::string &text)
{
    return QString::fromStdString(text).toLong(nullptr, 10);
}

} // namespace

TQRealTimeManager::TQRealTimeManager(std::unique_ptr<TQRealTimeEngineFactory> factory)
    : QObject(nullptr),
      m_factory(factory ? std::move(factory) : std::make_unique<TQRealTimeEngineFactory>()),
      m_lastDataReceiveMs(currentTimeMillis()),
      m_lastMediaReceiveMs(m_lastDataReceiveMs)
{
}

TQRealTimeManager::~TQRealTimeManager()
{
    CLog::printf("TQRealTimeManager::~TQRealTimeManager");
    // Nothing reaches the class window from here on.
    m_delegate = nullptr;

    // The channel and the engine go first: once they are released no SDK
    // thread can report any more, so the handlers can then leave their lists
    // and be deleted without a report reaching a deleted handler. A login or a
    // join that was requested but never completed (or refused) is released
    // too, or the SDK objects behind it would outlive the class.
    if (m_rtmEngine) {
        if (m_rtmLoginRequested)
            m_rtmEngine->leaveDataChannels();
        delete m_rtmEngine;
        m_rtmEngine = nullptr;
    }
    if (m_rtcEngine) {
        if (m_rtcJoinRequested)
            m_rtcEngine->leaveRTC();
        delete m_rtcEngine;
        m_rtcEngine = nullptr;
    }
    if (m_rtcEventDelegate && m_rtcHandler)
        m_rtcEventDelegate->removeEventHandler(m_rtcHandler);
    if (m_rtmEventDelegate && m_rtmHandler)
        m_rtmEventDelegate->removeEventHandler(m_rtmHandler);
    delete m_rtcHandler;
    m_rtcHandler = nullptr;
    delete m_rtmHandler;
    m_rtmHandler = nullptr;
    delete m_rtmEventDelegate;
    m_rtmEventDelegate = nullptr;
    delete m_rtcEventDelegate;
    m_rtcEventDelegate = nullptr;

    if (m_drawingTimer)
        m_drawingTimer->stop();
    delete m_drawingTimer;
    m_drawingTimer = nullptr;
    delete m_packagingService;
    m_packagingService = nullptr;
    if (m_publicTimer)
        m_publicTimer->stop();
    delete m_publicTimer;
    m_publicTimer = nullptr;
    if (m_resendTimer)
        m_resendTimer->stop();
    delete m_resendTimer;
    m_resendTimer = nullptr;

    releaseQueues();
}

void TQRealTimeManager::init(int startType, int rtcType, int rtmType)
{
    if (m_initialised)
        return;
    m_initialised = true;
    m_startType = startType;
    m_rtcType = rtcType;
    m_rtmType = rtmType;

    TQRealTimeEngineFactory::Kind rtcKind;
    TQRealTimeEngineFactory::Kind rtmKind;
    if (startType >= 1) {
        CLog::printf("TQRealTimeManager:current is rtc local");
        rtcKind = TQRealTimeEngineFactory::Local;
        rtmKind = TQRealTimeEngineFactory::Local;
    } else {
        if (rtcType == 3) {
            CLog::printf("TQRealTimeManager:current is rtc tessel");
            rtcKind = TQRealTimeEngineFactory::Tessel;
        } else {
            CLog::printf("TQRealTimeManager:current is rtc agora");
            rtcKind = TQRealTimeEngineFactory::Agora;
        }
        rtmKind = rtmType == 5 ? TQRealTimeEngineFactory::Tessel : TQRealTimeEngineFactory::Agora;
    }
    m_rtcEngine = m_factory->createRTC(rtcKind);
    m_rtmEngine = m_factory->createRTM(rtmKind);

    m_rtmEventDelegate = new TQRTMEventDelegate;
    m_rtcEventDelegate = new TQRTCEventDelegate;
    m_rtmHandler = new TQRTMDataHandler(this);
    m_rtcHandler = new TQRTCDataHanlder(this);
    m_drawingTimer = new QTimer;
    m_drawingTimer->setInterval(m_drawingIntervalMs);
    m_packagingService = new TQMessagePackagingService;
    connect(m_drawingTimer, &QTimer::timeout, this, &TQRealTimeManager::runnableSendDrawingTask);
    m_publicTimer = new QBasicTimer;
    m_resendTimer = new QBasicTimer;
    qDebug() << "TQRealTimeManager::init thread :" << QThread::currentThread();
}

void TQRealTimeManager::setAgoraAudioFrameObserver(TQAgoraAudioFrameObserver *observer)
{
    if (m_rtcEngine)
        m_rtcEngine->setAgoraAudioFrameObserver(observer);
}

void TQRealTimeManager::setTesselAudioFrameObserver(TQTesselAudioFrameObserver *observer)
{
    if (m_rtcEngine)
        m_rtcEngine->setTesselAudioFrameObserver(observer);
}

void TQRealTimeManager::loadRTC()
{
    const CourseDetailBean *course = TQDataModelBean::m_pOngoingCourse;
    if (!course || !course->isLiveMode() || !m_initialised)
        return;
    if (m_rtcLoaded) {
        CLog::error(QStringLiteral("LiveBroadcast:TQRealTimeManager.loadRTC() skipped, because it is already in RTC"),
                    QStringLiteral("TQRealTimeManager::loadRTC "));
        return;
    }
    if (!m_rtcEngine) {
        // This build has no engine of the chosen kind: a join that cannot
        // happen is a failed join.
        CLog::error(QStringLiteral("no media engine"), QStringLiteral("TQRealTimeManager::loadRTC "));
        if (m_delegate)
            m_delegate->mediaNetworkConnectFailure();
        return;
    }
    m_rtcEventDelegate->addEventHandler(m_rtcHandler);

    TQRTCLoadConfig config;
    config.appId = course->app_id;
    config.token = course->dynamic_key;
    config.eventDelegate = m_rtcEventDelegate;
    config.courseId = toLong(course->course_id);
    config.courseScheduleId = toLong(course->course_schedule_id);
    m_rtcJoinRequested = true;
    const int result = m_rtcEngine->loadRTC(config);
    CLog::printf("TQRealTimeManager::loadRTC success %d", result);
    if (result == 0) {
        m_rtcLoaded = true;
    } else if (m_delegate) {
        m_delegate->mediaNetworkConnectFailure();
    }
}

void TQRealTimeManager::leaveRTCManager()
{
    if (!m_rtcLoaded) {
        CLog::printf("TQRealTimeManager::leaveRTCManager skipped, because it is not in RTC");
        return;
    }
    m_rtcEventDelegate->removeEventHandler(m_rtcHandler);
    m_rtcEngine->leaveRTC();
    m_rtcJoinRequested = false;
    m_rtcLoaded = false;
}

bool TQRealTimeManager::isRTCInterrupted() const
{
    return m_rtcLoaded && m_rtcEngine && m_rtcEngine->isInterrupted();
}

void TQRealTimeManager::loadDataChannel()
{
    const CourseDetailBean *course = TQDataModelBean::m_pOngoingCourse;
    if (!course || !course->isLiveMode() || !m_initialised)
        return;
    if (m_rtmLoggedIn) {
        CLog::error(QStringLiteral("LiveBroadcast:TQRealTimeManager.loadDataChannel() skipped, because it is already in rtm"),
                    QStringLiteral("TQRealTimeManager::loadDataChannel "));
        return;
    }
    m_rtmState = 1;
    if (!m_rtmEngine) {
        CLog::error(QStringLiteral("no message channel"), QStringLiteral("TQRealTimeManager::loadDataChannel "));
        if (m_delegate)
            m_delegate->dataNetworkConnectFailure();
        return;
    }
    m_rtmEventDelegate->addEventHandler(m_rtmHandler);

    TQRTMLoadConfig config;
    config.appId = course->app_id;
    config.rtmToken = course->rtm_token;
    config.courseScheduleId = toLong(course->course_schedule_id);
    config.eventDelegate = m_rtmEventDelegate;
    m_rtmLoginRequested = true;
    m_rtmEngine->initDataChannels(config);
    CLog::printf("TQRealTimeManager::loadDataChannel success");
}

void TQRealTimeManager::handleLoginStatus(bool isSuccess)
{
    CLog::log(QStringLiteral("handle login status, isSuccess=%1").arg(isSuccess ? 1 : 0),
              QStringLiteral("TQRealTimeManager::handleLoginStatus "));
    m_rtmLoggedIn = isSuccess;
}

void TQRealTimeManager::leaveDataChannelManager()
{
    if (!m_rtmLoggedIn) {
        CLog::error(QStringLiteral("LiveBroadcast:TQRealTimeManager.leaveDataChannelManager() skipped, because it is not in rtm"),
                    QStringLiteral("TQRealTimeManager::leaveDataChannelManager "));
        return;
    }
    m_rtmEventDelegate->removeEventHandler(m_rtmHandler);
    m_rtmEngine->leaveDataChannels();
    m_rtmLoginRequested = false;
    m_rtmLoggedIn = false;
}

bool TQRealTimeManager::isDataChannelInterrupted() const
{
    return m_rtmLoggedIn && (m_rtmState == 1 || m_rtmState == 5);
}

void TQRealTimeManager::emitRTCNetworkChange(bool isOk)
{
    emit onNetworkChange_signal(false, isOk);
}

void TQRealTimeManager::emitDataNetworkChange(bool isOk)
{
    emit onNetworkChange_signal(true, isOk);
}

void TQRealTimeManager::deliverFromStudent(const std::string &messageBody, QByteArray *raw, long uid)
{
    constexpr int kDurationEnvelopeType = 7;
    if (!m_packagingService)
        return;
    TQActionsFromNet *actions = m_packagingService->unpackMessage(messageBody, raw, uid);
    if (!actions)
        return;
    // A student can write any id into a chat message's text; the message is
    // stored and relayed as coming from whoever really sent the envelope.
    for (TQAction *action : actions->mActionArray) {
        if (auto *chat = dynamic_cast<TQPublicMessageAction *>(action)) {
            for (TQInClassMessage *message : chat->mMessages)
                message->mFromUserID = actions->from;
        }
    }
    if (!m_delegate)
        delete actions; // nobody to hand it to; it is ours
    else if (actions->type == kDurationEnvelopeType)
        m_delegate->durationActionsFromStudent(actions);
    else
        m_delegate->actionMessageFromStudent(actions);
}

// Forwards to the media engine -----------------------------------------------------

int TQRealTimeManager::setVideoEncoderConfiguration(int profile)
{
    return m_rtcEngine ? m_rtcEngine->setVideoEncoderConfiguration(profile) : 0;
}

int TQRealTimeManager::enableLoopbackRecording(bool enabled)
{
    return m_rtcEngine ? m_rtcEngine->enableLoopbackRecording(enabled) : 0;
}

int TQRealTimeManager::pushExternalVideoFrame(ExternalVideoFrame *frame)
{
    if (m_rtcEngine)
        return m_rtcEngine->pushExternalVideoFrame(frame);
    // Frames can arrive before the course detail chose an engine; the record
    // is ours to free either way.
    delete frame;
    return 0;
}

void TQRealTimeManager::enableLocalAudio(bool enabled)
{
    if (m_rtcEngine)
        m_rtcEngine->enableLocalAudio(enabled);
}

void TQRealTimeManager::enableLocalVideo(bool enabled)
{
    if (m_rtcEngine)
        m_rtcEngine->enableLocalVideo(enabled);
}

int TQRealTimeManager::muteRemoteVideo(long uid, bool muted)
{
    return m_rtcEngine ? m_rtcEngine->muteRemoteVideo(uid, muted) : 0;
}

int TQRealTimeManager::setRemoteVideoStreamType(int kind, long uid)
{
    return m_rtcEngine ? m_rtcEngine->setRemoteVideoStreamType(kind, uid) : 0;
}

void TQRealTimeManager::enableAudioVolumeIndication(int intervalMs, int smooth, bool reportVad)
{
    if (m_rtcEngine)
        m_rtcEngine->enableAudioVolumeIndication(intervalMs, smooth, reportVad);
}

bool TQRealTimeManager::startAudioMixing(const QString &filePath)
{
    return m_rtcEngine && m_rtcEngine->startAudioMixing(filePath);
}

bool TQRealTimeManager::pauseAudioMixing()
{
    return m_rtcEngine && m_rtcEngine->pauseAudioMixing();
}

bool TQRealTimeManager::resumeAudioMixing()
{
    return m_rtcEngine && m_rtcEngine->resumeAudioMixing();
}

bool TQRealTimeManager::stopAudioMixing()
{
    return m_rtcEngine && m_rtcEngine->stopAudioMixing();
}

bool TQRealTimeManager::seekToTime(int positionMs)
{
    return m_rtcEngine && m_rtcEngine->seekToTime(positionMs);
}

int TQRealTimeManager::getAudioMixingDuration()
{
    return m_rtcEngine ? m_rtcEngine->getAudioMixingDuration() : 0;
}
