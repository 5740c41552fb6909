#pragma once

#include "modules/live/communications/TQRealTimeEngineFactory.h"
#include "modules/live/communications/TQRealTimeInterface.h"
#include "modules/live/communications/agora/TQRTCCommon.h"
#include "modules/live/communications/agora/rtm/TQRTMCommon.h"

#include <QByteArray>
#include <QStringList>

#include <string>
#include <utility>
#include <vector>

// What the recording engines were asked to do, kept outside them so that it
// outlives the real-time manager that owns and deletes them.
struct RealTimeJournal
{
    struct MediaSend
    {
        qint64 atMs;
        std::string body;
    };
    struct ChannelSend
    {
        qint64 atMs;
        std::string body;
        QByteArray raw;
        bool thruMainChannel;
        long targetUserID;
    };

    // "rtc load", "rtc leave", "rtc deleted", "rtm init", "rtm leave",
    // "rtm deleted", in call order.
    QStringList events;
    std::vector<MediaSend> media;
    std::vector<ChannelSend> channel;
    // Answers of the next loadRTC calls; 0 once used up.
    std::vector<int> loadResults;
    // Handlers in the engine's list when it was told to leave or deleted.
    std::vector<int> rtcHandlersAtLeave;
    std::vector<int> rtmHandlersAtLeave;
    std::vector<TQRealTimeEngineFactory::Kind> rtcKinds;
    std::vector<TQRealTimeEngineFactory::Kind> rtmKinds;
    // Remote video calls: (uid, view or null) and (uid, muted), in call order.
    std::vector<std::pair<long, void *>> remoteRenderers;
    std::vector<std::pair<long, bool>> remoteVideoMutes;
    // Set when the engines should only count sends (long runs).
    bool countOnly = false;
    long mediaCount = 0;
    long channelCount = 0;
    long long channelBytes = 0;
};

// A media engine that records joins, leaves and data-stream sends.
class RecordingRTC : public TQRTCCommon
{
public:
    explicit RecordingRTC(RealTimeJournal *journal) : m_journal(journal) {}
    ~RecordingRTC() override;

    int loadRTC(TQRTCLoadConfig config) override;
    void setAgoraAudioFrameObserver(TQAgoraAudioFrameObserver *) override {}
    void setTesselAudioFrameObserver(TQTesselAudioFrameObserver *) override {}
    bool isInterrupted() override { return false; }
    int setVideoEncoderConfiguration(int kind) override { return kind; }
    int enableLoopbackRecording(bool) override { return 0; }
    void leaveRTC() override;
    void checkAudioFocusState(bool) override {}
    int pushExternalVideoFrame(ExternalVideoFrame *frame) override;
    int setLocalVideoRenderer(long, void *) override { return 0; }
    int setRemoteVideoRenderer(long uid, void *view) override
    {
        m_journal->remoteRenderers.emplace_back(uid, view);
        return 0;
    }
    void enableLocalAudio(bool) override {}
    void enableLocalVideo(bool) override {}
    bool isLocalAudioEnabled() override { return false; }
    bool isLocalVideoEnabled() override { return false; }
    void sendRTCMessage(std::string messageBody) override;
    int enableLocalCamera(bool) override { return 0; }
    int muteRemoteVideo(long uid, bool muted) override
    {
        m_journal->remoteVideoMutes.emplace_back(uid, muted);
        return 0;
    }
    int setRemoteVideoStreamType(int, long) override { return 0; }
    void enableAudioVolumeIndication(int, int, bool) override {}
    bool startAudioMixing(QString) override { return true; }
    bool pauseAudioMixing() override { return true; }
    bool resumeAudioMixing() override { return true; }
    bool stopAudioMixing() override { return true; }
    bool seekToTime(int) override { return true; }
    int getAudioMixingCurPosition() override { return 0; }
    int getAudioMixingDuration() override { return 0; }
    int changeClientRole(bool) override { return 0; }

private:
    RealTimeJournal *m_journal;
    TQRTCEventDelegate *m_delegate = nullptr;
};

// A message channel that records logins, leaves and sends (raw bytes
// copied, then freed as a channel does).
class RecordingRTM : public TQRTMCommon
{
public:
    explicit RecordingRTM(RealTimeJournal *journal) : m_journal(journal) {}
    ~RecordingRTM() override;

    void initDataChannels(TQRTMLoadConfig config) override;
    void leaveDataChannels() override;
    void joinMainDataChannel() override {}
    void joinAltDataChannel() override {}
    void onJoinChannelSuccess() override {}
    void onJoinChannelFailure() override {}
    void onLoginSuccess() override {}
    void onLoginFailure() override {}
    void onLogout() override {}
    void sendDataMessage(std::string messageBody, char *rawData, int rawLength, bool thruMainChannel,
                         long targetUserID) override;
    void sendDataMessage(std::string messageBody, bool thruMainChannel, long targetUserID) override;

private:
    RealTimeJournal *m_journal;
    TQRTMEventDelegate *m_delegate = nullptr;
};

// Makes recording engines of every kind and notes which kinds were asked for.
class RecordingEngineFactory : public TQRealTimeEngineFactory
{
public:
    explicit RecordingEngineFactory(RealTimeJournal *journal) : m_journal(journal) {}
    TQRTCCommon *createRTC(Kind kind) override;
    TQRTMCommon *createRTM(Kind kind) override;

private:
    RealTimeJournal *m_journal;
};

// A class window stand-in that counts what the real-time layer tells it.
class CountingRealTimeDelegate : public TQRealTimeInterface
{
public:
    void mediaNetworkConnected() override { ++mediaConnected; }
    void mediaNetworkConnectFailure() override { ++mediaFailures; }
    void dataNetworkConnected() override { ++dataConnected; }
    void dataNetworkConnectFailure() override { ++dataFailures; }
    void logoutData() override {}
    void logoutRtc() override { ++rtcLogouts; }
    void userGetOnlineRTC(long) override {}
    void userGetOfflineRTC(long) override {}
    void userGetOnlineData(long) override {}
    void userGetOfflineData(long) override {}
    void onRemoteAudioStateChanged(long, int, int) override {}
    void onRemoteVideoStateChanged(long, int, int) override {}
    void actionMessageFromStudent(TQActionsFromNet *actions) override;
    void durationActionsFromStudent(TQActionsFromNet *actions) override;
    void onNetworkQuality(long, int, int) override {}
    void onRemoteVideoStats(long, int, int, int, int, int, int, int, int, int) override {}
    void onRemoteAudioStats(long, int, int, int, int, int, int, int, int, int) override {}
    void onDataChannelKickout() override {}
    void onLocalVideoFallBackToAudioOnly(bool) override {}
    void onUserAudioVolumeIndication(TQAudioVolumeInfo *) override {}
    void onAudioMixingStateChanged(int, int) override {}
    void onLocalVideoStateChanged(bool) override {}
    void onLocalAudioStateChanged(bool) override {}
    void onClientRoleChanged(int, int) override {}

    int mediaConnected = 0;
    int mediaFailures = 0;
    int dataConnected = 0;
    int dataFailures = 0;
    int rtcLogouts = 0;
};
