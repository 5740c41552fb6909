#pragma once

#include "modules/live/communications/TQBulkSendingRequest.h"
#include "modules/live/communications/TQResendEntry.h"
#include "modules/live/draws/TQBroadCastDrawDataSourceInterface.h"

#include <QObject>
#include <QString>

#include <memory>
#include <string>
#include <vector>

class QBasicTimer;
class QByteArray;
class QTimer;
class QTimerEvent;

struct ExternalVideoFrame;
class TQAction;
class TQAgoraAudioFrameObserver;
class TQDrawingAction;
class TQMessagePackagingService;
class TQRealTimeEngineFactory;
class TQRealTimeInterface;
class TQRTCCommon;
class TQRTCDataHanlder;
class TQRTCEventDelegate;
class TQRTMCommon;
class TQRTMDataHandler;
class TQRTMEventDelegate;
class TQTesselAudioFrameObserver;
struct TQLateRequestFetch;

// The real-time layer of one live class: it owns the media engine and the
// message channel (chosen once by init), joins and leaves them for the class
// window, and paces everything the teacher's client sends to the students.
// GUI thread only; the engines report through the data handlers it owns.
//
// Ownership: every action handed to a send operation belongs to the manager
// from the call on; it is deleted when it was sent, dropped, merged away, or
// when the manager goes.
class TQRealTimeManager : public QObject, public TQBroadCastDrawDataSourceInterface::RealTimeManager
{
    Q_OBJECT

public:
    // Media copies are sent only for envelopes shorter than this (bytes).
    static constexpr int kMediaCopyLimitBytes = 800;
    // Action text carried by one drawing envelope (a longer single action
    // travels alone).
    static constexpr int kDrawingEnvelopeChars = 800;
    static constexpr int kPublicQueueCap = 500;
    static constexpr int kPrivateQueueCap = 5;
    static constexpr int kControlQueueWarning = 10;
    static constexpr int kMaxDrawingPauseSeconds = 5;
    // A public message is sent with a media copy only while no more than this
    // many wait.
    static constexpr int kPublicMediaCopyQueue = 5;
    // Chat records larger than this are cut from the oldest message on, so
    // that the envelope stays well inside what the students accept.
    static constexpr int kPublicMessageMaxChars = 16 * 1024;

    // A null factory chooses the product's engines.
    explicit TQRealTimeManager(std::unique_ptr<TQRealTimeEngineFactory> factory = nullptr);
    ~TQRealTimeManager() override;

    // Life cycle -------------------------------------------------------------
    void init(int startType, int rtcType, int rtmType);
    void setDelegate(TQRealTimeInterface *delegate) { m_delegate = delegate; }
    void clearDelegate() { m_delegate = nullptr; }
    TQRealTimeInterface *getDelegate() const { return m_delegate; }

    void setAgoraAudioFrameObserver(TQAgoraAudioFrameObserver *observer);
    void setTesselAudioFrameObserver(TQTesselAudioFrameObserver *observer);

    void loadRTC();
    void leaveRTCManager();
    bool isRTCInterrupted() const;
    void loadDataChannel();
    void leaveDataChannelManager();
    bool isDataChannelInterrupted() const;
    void handleLoginStatus(bool isSuccess);

    void emitRTCNetworkChange(bool isOk);
    void emitDataNetworkChange(bool isOk);
    // Unpacks an envelope a student sent and hands its record to the delegate
    // (type 7 as duration actions); dropped when it does not unpack or no
    // delegate is set. raw: the bytes that came with it, or null.
    void deliverFromStudent(const std::string &messageBody, QByteArray *raw, long uid);

    // State read by the class window and the data handlers.
    bool isInitialised() const { return m_initialised; }
    bool isRTCLoaded() const { return m_rtcLoaded; }
    bool isDataChannelLoggedIn() const { return m_rtmLoggedIn; }
    int getRtmState() const { return m_rtmState; }
    void setRtmState(int state) { m_rtmState = state; }
    int getStartType() const { return m_startType; }
    int getRtcType() const { return m_rtcType; }
    int getRtmType() const { return m_rtmType; }
    qint64 getLastDataReceiveMs() const { return m_lastDataReceiveMs; }
    void setLastDataReceiveMs(qint64 ms) { m_lastDataReceiveMs = ms; }
    qint64 getLastMediaReceiveMs() const { return m_lastMediaReceiveMs; }
    void setLastMediaReceiveMs(qint64 ms) { m_lastMediaReceiveMs = ms; }
    // Null before init (and for an engine kind this build has none of).
    TQRTCCommon *getRtcEngine() const { return m_rtcEngine; }
    TQRTMCommon *getRtmEngine() const { return m_rtmEngine; }
    TQMessagePackagingService *getPackagingService() const { return m_packagingService; }

    // Forwards to the media engine; without an engine they do nothing and
    // answer 0 or false (a camera frame is freed).
    int setVideoEncoderConfiguration(int profile);
    int enableLoopbackRecording(bool enabled);
    int pushExternalVideoFrame(ExternalVideoFrame *frame);
    void enableLocalAudio(bool enabled);
    void enableLocalVideo(bool enabled);
    int muteRemoteVideo(long uid, bool muted);
    int setRemoteVideoStreamType(int kind, long uid);
    void enableAudioVolumeIndication(int intervalMs, int smooth, bool reportVad);
    bool startAudioMixing(const QString &filePath);
    bool pauseAudioMixing();
    bool resumeAudioMixing();
    bool stopAudioMixing();
    bool seekToTime(int positionMs);
    int getAudioMixingDuration();

    // Sending (TQRealTimeManagerSend.cpp) -----------------------------------
    void sendPublicMessage(TQAction *action);
    void schedulePublicMessages();
    void sendPrivateMessage(TQAction *action);
    void sendPendingPrivateMessages();
    void sendControlAction(TQAction *action);
    void sendPendingControlActions();
    void sendActionImmediately(TQAction *action);
    void addDrawingAction(TQDrawingAction *action) override;
    void pauseDrawingSending(int seconds) override;
    void countDownDrawingPause();
    void registerUserIDForBulkSending(TQBulkSendingRequest request);
    // The caller keeps `raw`. True when the message channel took it while
    // logged in; false when the partition is lost (no channel, or none
    // logged in), so that the transporter can send the transfer again.
    bool sendBinaryPartition(const std::string &partitionJson, const QByteArray *raw, long targetUserID);

    int getDrawingPauseSeconds() const { return m_drawingPauseSeconds; }

signals:
    void onNetworkChange_signal(bool isRtm, bool isOk);

public slots:
    void runnableSendDrawingTask();

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    // Tests drive the two basic timers through it.
    friend class TQRealTimeManagerProbe;

    void sendActions(const std::vector<TQAction *> &actions, int mediaCopies);
    // Sends the action alone when at least minGapMs passed since lastSendMs
    // (then updated); false when it has to wait.
    bool sendIfSpaced(TQAction *action, qint64 &lastSendMs, int minGapMs, int mediaCopies);
    bool sendFirstPublicMessage(TQAction *action);
    bool sendFirstPrivateMessage(TQAction *action);
    bool sendFirstControlAction(TQAction *action);
    void scheduleDrawingTask(bool runNow);
    void sendDrawingActions();
    // One round of a fetch list; true when a chunk went out.
    bool sendBulkChunks(std::vector<TQLateRequestFetch *> &fetches, int &rotation, bool fast, int passes);
    bool isDrawingSideIdle() const;
    bool hasPendingClearAll() const;
    void startResendTimer();
    void sendDueCopy();
    void onPublicTimer();
    // Gives a queued chat record its own copies of its messages.
    void adoptMessages(TQAction *action) const;
    static void freePublicAction(TQAction *action);
    void releaseQueues();

    std::unique_ptr<TQRealTimeEngineFactory> m_factory;

    TQRealTimeInterface *m_delegate = nullptr;
    int m_startType = 0;
    int m_rtcType = 1;
    int m_rtmType = 4;
    TQRTCCommon *m_rtcEngine = nullptr;
    TQRTCEventDelegate *m_rtcEventDelegate = nullptr;
    bool m_rtcLoaded = false;
    qint64 m_lastDataReceiveMs = 0;
    qint64 m_lastMediaReceiveMs = 0;
    TQRTMEventDelegate *m_rtmEventDelegate = nullptr;
    bool m_initialised = false;
    TQRTMCommon *m_rtmEngine = nullptr;
    int m_rtmState = 0;
    TQMessagePackagingService *m_packagingService = nullptr;
    bool m_rtmLoggedIn = false;
    // The engine was asked to join (whatever it answered) and not yet to
    // leave; the channel was asked to log in and not yet to leave. Teardown
    // reads them so that a refused join or a pending login is released too.
    bool m_rtcJoinRequested = false;
    bool m_rtmLoginRequested = false;

    int m_publicIntervalMs = 50;
    qint64 m_lastPublicSendMs = 0;
    std::vector<TQAction *> m_publicQueue;
    QBasicTimer *m_publicTimer = nullptr;
    int m_privateIntervalMs = 1000;
    qint64 m_lastPrivateSendMs = 0;
    std::vector<TQAction *> m_privateQueue;
    int m_controlIntervalMs = 500;
    qint64 m_lastControlSendMs = 0;
    std::vector<TQAction *> m_controlQueue;
    int m_drawingIntervalMs = 30;
    qint64 m_lastDrawingSendMs = 0;
    std::vector<TQAction *> m_pendingDrawing;
    std::vector<TQAction *> m_sendScratch;
    std::vector<TQLateRequestFetch *> m_fastFetches;
    int m_fastFetchIndex = 0;
    std::vector<TQLateRequestFetch *> m_slowFetches;
    int m_slowFetchIndex = 0;
    int m_drawingPauseSeconds = 0;
    QTimer *m_drawingTimer = nullptr;
    QBasicTimer *m_resendTimer = nullptr;
    int m_resendIntervalMs = 300;
    std::vector<TQResendEntry> m_resendList;

    TQRTMDataHandler *m_rtmHandler = nullptr;
    TQRTCDataHanlder *m_rtcHandler = nullptr;
};
