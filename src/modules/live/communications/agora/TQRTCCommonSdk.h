#pragma once

#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/TQDataModelBean.h"
#include "modules/live/communications/agora/TQRTCCommon.h"
#include "modules/live/videoprocess/ExternalVideoFrame.h"
#include "modules/login/LoginManager.h"
#include "utils/CLog.h"
#include "utils/FileUtils.h"

#include <QDateTime>
#include <QString>

#include <cstring>
#include <memory>
#include <vector>

// The media engine over either SDK: both have one engine shape, so the
// sequence and values live here once. Traits name the SDK's types, the
// class's name for the logs, and the few calls whose shape differs (the
// factory, the release, the volume indication, the JSON parameters).
template <class Traits>
class TQRTCCommonSdk : public TQRTCCommon, public Traits::RenderFactory
{
public:
    using Engine = typename Traits::Engine;
    using MediaEngine = typename Traits::MediaEngine;
    using Handler = typename Traits::Handler;
    using AudioObserver = typename Traits::AudioObserver;

    // The app id buffer the SDK's context points into.
    static constexpr size_t kAppIdBuffer = 100;

    TQRTCCommonSdk()
        : m_pRtcEngine(Traits::createEngine())
    {
    }

    ~TQRTCCommonSdk() override
    {
        if (m_pMediaEngine)
            m_pMediaEngine->release();
        // Without a leave the SDK engine would go on calling the handler
        // deleted below: end it first.
        if (m_pRtcEngine) {
            m_pRtcEngine->leaveChannel();
            Traits::releaseEngine(m_pRtcEngine);
        }
        m_pRtcEngine = nullptr;
        delete m_eventHandler;
    }

    // The same secret on every client of the class: digits of a hash of the
    // course and schedule ids.
    static std::string encryptionSecret(long courseId, long courseScheduleId)
    {
        const QByteArray seed = QByteArray::number(qint64(courseId)) + '_' + QByteArray::number(qint64(courseScheduleId));
        quint32 hash = 2166136261u;
        for (char c : seed) {
            hash ^= quint8(c);
            hash *= 16777619u;
        }
        return QByteArray::number(hash).toStdString();
    }

    // Copies the app id for the SDK's context: at most kAppIdBuffer - 1 bytes,
    // always terminated.
    static void copyAppId(const std::string &appId, char (&buffer)[kAppIdBuffer])
    {
        const size_t n = std::min(appId.size(), kAppIdBuffer - 1);
        std::memcpy(buffer, appId.data(), n);
        buffer[n] = '\0';
    }

    int loadRTC(TQRTCLoadConfig config) override
    {
        m_courseId = config.courseId;
        m_courseScheduleId = config.courseScheduleId;
        m_appId = config.appId;
        if (!m_pRtcEngine) {
            // Left engines stay left: a new class gets a new engine.
            CLog::error(QStringLiteral("[RTC] no engine to load"), tag("loadRTC"));
            return -1;
        }
        if (m_eventHandler)
            m_retiredHandlers.emplace_back(m_eventHandler); // the SDK may still be in it
        m_eventHandler = new Handler(config.eventDelegate);

        initializeEngine(m_eventHandler);
        setupSenderSetting();
        addMediaObserver();
        setupVideoSetting();
        setupAudioSetting();
        finishVideoSetting();

        int build = 0;
        const char *version = m_pRtcEngine->getVersion(&build);
        CLog::debug(QString::asprintf("[RTC] version %s %x", version ? version : "", build), tag("loadRTC"));

        return joinChannel(config.token, std::to_string(config.courseScheduleId),
                           LoginManager::getUserID().toStdString());
    }

    bool isInterrupted() override { return false; }

    int setVideoEncoderConfiguration(int kind) override
    {
        if (!videoAllowed() || !m_pRtcEngine)
            return 0;
        typename Traits::EncoderConfig config;
        config.dimensions.width = kind == 0 ? 240 : kind == 2 ? 820 : 640;
        config.dimensions.height = kind == 0 ? 240 : kind == 2 ? 520 : 480;
        config.frameRate = 10;
        config.bitrate = kind == 0 ? 300 : 1000;
        config.minBitrate = kind == 0 ? 200 : 800;
        config.orientationMode = 0;
        CLog::printf("%s:%s::setVideoEncoderConfiguration() dimension.width=%d dimension.height=%d", "[ShareScreen]",
                     Traits::kName, config.dimensions.width, config.dimensions.height);
        m_pRtcEngine->setVideoEncoderConfiguration(config);
        return m_pRtcEngine->enableVideo();
    }

    int enableLoopbackRecording(bool enabled) override
    {
        return m_pRtcEngine ? m_pRtcEngine->enableLoopbackRecording(enabled, nullptr) : -1;
    }

    void leaveRTC() override
    {
        if (m_pMediaEngine) {
            m_pMediaEngine->registerAudioFrameObserver(nullptr);
            m_pMediaEngine = nullptr; // the engine's release ends it
        }
        const QString lastLog = FileUtils::getTmpDir() + QLatin1Char('/') + QLatin1String(Traits::kLeaveLogFile);
        setLocalVideoRenderer(0, nullptr);
        if (m_pRtcEngine) {
            m_pRtcEngine->setLogFile(lastLog.toUtf8().constData());
            m_pRtcEngine->stopPreview();
            m_pRtcEngine->enableLocalVideo(false);
            m_pRtcEngine->enableLocalAudio(false);
            m_pRtcEngine->leaveChannel();
            Traits::releaseEngine(m_pRtcEngine);
            m_pRtcEngine = nullptr;
        }
        CLog::printf("[RTC] %s::leaveRTC", Traits::kName);
    }

    void checkAudioFocusState(bool) override { }

    int pushExternalVideoFrame(ExternalVideoFrame *frame) override
    {
        // The record is ours whatever happens; its pixels stay the producer's.
        std::unique_ptr<ExternalVideoFrame> owned(frame);
        if (!frame || !videoAllowed() || !m_pMediaEngine)
            return 0;
        typename Traits::SdkFrame sdk;
        sdk.type = Traits::SdkFrame::VIDEO_BUFFER_RAW_DATA;
        sdk.format = typename Traits::SdkFrame::VIDEO_PIXEL_FORMAT(mapPixelFormat(frame->format));
        sdk.buffer = frame->buffer;
        sdk.stride = frame->stride;
        sdk.height = frame->height;
        sdk.timestamp = frame->timestamp;
        return m_pMediaEngine->pushVideoFrame(&sdk);
    }

    static int mapPixelFormat(int format)
    {
        switch (format) {
        case 0:
        case 1:
        case 2:
        case 8:
            return format;
        case 16:
            return 1;
        default:
            return 0;
        }
    }

    int setLocalVideoRenderer(long uid, void *view) override
    {
        CLog::debug(QStringLiteral("setLocalVideoRender %1").arg(uid), tag("setLocalVideoRenderer"));
        if (!videoAllowed()) {
            CLog::debug(QStringLiteral("video should not enable in course"), tag("setLocalVideoRenderer"));
            return 0;
        }
        return m_pRtcEngine ? m_pRtcEngine->setupLocalVideo(canvas(uid, view)) : 0;
    }

    int setRemoteVideoRenderer(long uid, void *view) override
    {
        CLog::debug(QStringLiteral("setRemoteVideoRenderer %1").arg(uid), tag("setRemoteVideoRenderer"));
        if (!videoAllowed() || !m_pRtcEngine)
            return 0;
        return m_pRtcEngine->setupRemoteVideo(canvas(uid, view));
    }

    void enableLocalAudio(bool enabled) override
    {
        CLog::printf("[RTC] %s::enableLocalAudio enabled=%d", Traits::kName, enabled);
        m_localAudioEnabled = enabled;
        if (!m_pRtcEngine)
            return;
        int r = m_pRtcEngine->enableLocalAudio(enabled);
        if (r != 0)
            CLog::error(QStringLiteral("[RTC] enableLocalAudio %1 failed, return %2").arg(enabled ? 1 : 0).arg(r),
                        tag("enableLocalAudio"));
        r = m_pRtcEngine->muteLocalAudioStream(!enabled);
        if (r != 0)
            CLog::error(QStringLiteral("[RTC] muteLocalAudioStream %1 failed, return %2").arg(enabled ? 1 : 0).arg(r),
                        tag("enableLocalAudio"));
        m_pRtcEngine->adjustRecordingSignalVolume(enabled ? 100 : 0);
    }

    void enableLocalVideo(bool enabled) override
    {
        CLog::printf("[RTC] %s::enableLocalVideo enabled=%d", Traits::kName, enabled);
        CLog::printf("%s:%senableLocalVideo() enabled=%d", "[ShareScreen]", Traits::kName, enabled);
        if (!videoAllowed()) {
            CLog::debug(QStringLiteral("video should not enable in course"), tag("enableLocalVideo"));
            return;
        }
        m_localVideoEnabled = enabled;
        if (!m_pRtcEngine)
            return;
        int r = m_pRtcEngine->enableLocalVideo(enabled);
        if (r != 0)
            CLog::error(QStringLiteral("[RTC] enableLocalVideo %1 failed, return %2").arg(enabled ? 1 : 0).arg(r),
                        tag("enableLocalVideo"));
        r = m_pRtcEngine->muteLocalVideoStream(!enabled);
        if (r != 0)
            CLog::error(QStringLiteral("[RTC] muteLocalVideoStream %1 failed, return %2").arg(enabled ? 1 : 0).arg(r),
                        tag("enableLocalVideo"));
    }

    bool isLocalAudioEnabled() override { return m_localAudioEnabled; }
    bool isLocalVideoEnabled() override { return m_localVideoEnabled; }

    void sendRTCMessage(std::string messageBody) override
    {
        if (m_dataStreamId > 0 && m_pRtcEngine)
            m_pRtcEngine->sendStreamMessage(m_dataStreamId, messageBody.data(), messageBody.size());
    }

    int enableLocalCamera(bool enabled) override
    {
        CLog::printf("[RTC] %s::enableLocalCamera enabled=%d", Traits::kName, enabled);
        if (!videoAllowed() || !m_pRtcEngine)
            return 0;
        return m_pRtcEngine->enableLocalVideo(enabled);
    }

    int muteRemoteVideo(long uid, bool muted) override
    {
        CLog::printf("[RTC] %s::muteRemoteVideo uid=%d muted=%d", Traits::kName, int(uid), muted);
        return m_pRtcEngine ? m_pRtcEngine->muteRemoteVideoStream(typename Traits::uid_t(uid), muted) : -1;
    }

    int setRemoteVideoStreamType(int kind, long uid) override
    {
        return m_pRtcEngine ? m_pRtcEngine->setRemoteVideoStreamType(typename Traits::uid_t(uid), kind == 1 ? 0 : 1)
                            : -1;
    }

    void enableAudioVolumeIndication(int interval, int smooth, bool reportVad) override
    {
        CLog::printf("[RTC] %s::enableAudioVolumeIndication interval=%d, smooth=%d, report_vad=%d", Traits::kName,
                     interval, smooth, reportVad);
        if (!m_pRtcEngine)
            return;
        if (interval < 10)
            interval *= 1000; // given in seconds
        else if (interval < 1000)
            interval = 2000;
        const int r = Traits::enableVolumeIndication(m_pRtcEngine, interval, smooth);
        CLog::printf("[RTC] %s::enableAudioVolumeIndication return %d", Traits::kName, r);
    }

    bool startAudioMixing(QString filePath) override
    {
        if (!m_pRtcEngine)
            return false;
        const int r = m_pRtcEngine->startAudioMixing(filePath.toUtf8().constData(), false, false, 1);
        m_pRtcEngine->adjustAudioMixingVolume(30);
        m_pRtcEngine->adjustAudioMixingPlayoutVolume(30);
        m_pRtcEngine->adjustAudioMixingPublishVolume(30);
        m_pRtcEngine->setAudioMixingPosition(0);
        return r == 0;
    }
    bool pauseAudioMixing() override { return m_pRtcEngine && m_pRtcEngine->pauseAudioMixing() == 0; }
    bool resumeAudioMixing() override { return m_pRtcEngine && m_pRtcEngine->resumeAudioMixing() == 0; }
    bool stopAudioMixing() override { return m_pRtcEngine && m_pRtcEngine->stopAudioMixing() == 0; }
    bool seekToTime(int positionMs) override
    {
        return m_pRtcEngine && m_pRtcEngine->setAudioMixingPosition(positionMs) == 0;
    }
    int getAudioMixingCurPosition() override
    {
        return m_pRtcEngine ? m_pRtcEngine->getAudioMixingCurrentPosition() : 0;
    }
    int getAudioMixingDuration() override { return m_pRtcEngine ? m_pRtcEngine->getAudioMixingDuration() : 0; }
    int changeClientRole(bool isBroadcast) override
    {
        return m_pRtcEngine ? m_pRtcEngine->setClientRole(isBroadcast ? 1 : 2) : -1;
    }

protected:
    static bool videoAllowed()
    {
        const CourseDetailBean *course = TQDataModelBean::m_pOngoingCourse;
        return course && course->isRtcVideoEnabled();
    }
    static QString tag(const char *operation)
    {
        return QStringLiteral("%1::%2 ").arg(QLatin1String(Traits::kName), QLatin1String(operation));
    }
    void storeObserver(AudioObserver *observer) { m_audioObserver = observer; }

private:
    static typename Traits::Canvas canvas(long uid, void *view)
    {
        typename Traits::Canvas c;
        c.view = view;
        c.renderMode = 1;
        c.uid = typename Traits::uid_t(uid);
        return c;
    }

    void initializeEngine(Handler *handler)
    {
        char appId[kAppIdBuffer];
        copyAppId(m_appId, appId);
        typename Traits::Context context;
        context.eventHandler = handler;
        context.appId = appId;
        m_pRtcEngine->initialize(context);

        void *media = nullptr;
        if (m_pRtcEngine->queryInterface(Traits::kMediaEngineId, &media) == 0)
            m_pMediaEngine = static_cast<MediaEngine *>(media);
        if (m_pMediaEngine && videoAllowed())
            m_pMediaEngine->registerVideoRenderFactory(this);

        // Seconds, not the day a second time: two classes opened in the same
        // minute must not share one engine log.
        const QString logFile = FileUtils::getLogDir() + QLatin1Char('/')
            + QString::fromLatin1(Traits::kLogFileTemplate)
                  .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy_MM_dd_hh_mm_ss")));
        m_pRtcEngine->setLogFile(logFile.toUtf8().constData());
        m_pRtcEngine->setLogFilter(Traits::kLogFilter);
        m_pRtcEngine->setLogFileSize(1024);

        m_pRtcEngine->setClientRole(1);
        m_pRtcEngine->setChannelProfile(1);
        m_pRtcEngine->enableWebSdkInteroperability(true);
        m_pRtcEngine->enableAudioQualityIndication(true);
        m_pRtcEngine->adjustRecordingSignalVolume(100);

        const int r = Traits::enableVolumeIndication(m_pRtcEngine, 2000, 3);
        CLog::printf("[RTC] %s::%s m_pRtcEngine->enableAudioVolumeIndication return %d", Traits::kName,
                     Traits::kInitializeName, r);

        m_pRtcEngine->setAudioTransportParameters(0, 8000, 2);
        m_pRtcEngine->setEncryptionSecret(encryptionSecret(m_courseId, m_courseScheduleId).c_str());
        m_pRtcEngine->setEncryptionMode("aes-128-xts");
        m_pRtcEngine->setMixedAudioFrameParameters(48000, 1024);
        if (m_pMediaEngine && videoAllowed())
            m_pMediaEngine->setExternalVideoSource(true, false);
        CLog::printf("[RTC] %s::%s", Traits::kName, Traits::kInitializeName);
    }

    void setupSenderSetting()
    {
        if (!videoAllowed())
            return;
        m_pRtcEngine->setLocalPublishFallbackOption(2);
        m_pRtcEngine->setRemoteSubscribeFallbackOption(2);
        m_pRtcEngine->setLocalVideoMirrorMode(0);
        m_pRtcEngine->setRemoteDefaultVideoStreamType(0);
        m_pRtcEngine->enableDualStreamMode(true);
        if (m_pRtcEngine->createDataStream(&m_dataStreamId, false, false) != 0)
            m_dataStreamId = -1;
        CLog::printf("[RTC] %s::setupSenderSetting", Traits::kName);
    }

    void addMediaObserver()
    {
        if (!videoAllowed() || !m_audioObserver)
            return;
        CLog::debug(QStringLiteral("register %1 audio observer").arg(QLatin1String(Traits::kVendor)),
                    tag("addMediaObserver"));
        if (m_pMediaEngine)
            m_pMediaEngine->registerAudioFrameObserver(m_audioObserver);
    }

    void setupVideoSetting()
    {
        if (!videoAllowed())
            return;
        m_pRtcEngine->enableVideo();
        typename Traits::EncoderConfig config;
        config.dimensions.width = 240;
        config.dimensions.height = 240;
        config.frameRate = 15;
        config.bitrate = -1;
        config.orientationMode = 0;
        m_pRtcEngine->setVideoEncoderConfiguration(config);
        Traits::setVideoParameters(m_pRtcEngine);
    }

    void setupAudioSetting()
    {
        m_pRtcEngine->setAudioProfile(1, 2);
        m_pRtcEngine->enableAudio();
        enableLocalAudio(true);
    }

    void finishVideoSetting()
    {
        if (videoAllowed())
            m_pRtcEngine->startPreview();
    }

    int joinChannel(const std::string &token, const std::string &channel, const std::string &uid)
    {
        CLog::printf("[RTC] %s::joinChannel uid=%s", Traits::kName, uid.c_str());
        m_pRtcEngine->setClientRole(1);
        const typename Traits::uid_t id = typename Traits::uid_t(QString::fromStdString(uid).toLong(nullptr, 10));
        return m_pRtcEngine->joinChannel(token.c_str(), channel.c_str(), "", id);
    }

    Engine *m_pRtcEngine = nullptr;
    int m_dataStreamId = -1;
    long m_courseId = 0;
    long m_courseScheduleId = 0;
    std::string m_appId;
    MediaEngine *m_pMediaEngine = nullptr;
    AudioObserver *m_audioObserver = nullptr; // not owned
    bool m_localAudioEnabled = true;
    bool m_localVideoEnabled = true;
    Handler *m_eventHandler = nullptr;
    // Handlers of earlier loads: the SDK holds them until it is released.
    std::vector<std::unique_ptr<Handler>> m_retiredHandlers;
};
