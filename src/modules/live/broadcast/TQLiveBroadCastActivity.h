#pragma once

#include "modules/live/videoprocess/TQCaptureVideoMainThread.h"

#include <QJsonObject>
#include <QSize>
#include <QString>
#include <QTimer>
#include <QWidget>

class CommonService;
class CourseService;
class Failure;
class GlobalConfig;
class MaterialService;
class QBasicTimer;
class QQuickItem;
class RemoteConfigViewModel;
class TQAgoraAudioFrameObserver;
class TQBroadCastBlackboardWritingToolsInterface;
class TQBroadCastChoiceQuestionInterface;
class TQBroadCastDrawDataSourceInterface;
class TQBroadCastLiveAudioPlayerViewInterface;
class TQBroadCastMethodService;
class TQBroadCastOnSiteHomeWorkInterface;
class TQBroadCastPPTPlayerInterface;
class TQBroadCastPopoverInterface;
class TQBroadCastRandomSelectInterface;
class TQBroadCastRealTimeInterface;
class TQBroadCastRightMenuInterface;
class TQBroadCastRtmpPublisherInterface;
class TQBroadCastTakePictureInterface;
class TQBroadCastUserListInterface;
class TQBroadCastVideoCardPlayerInterface;
class TQBroadcastViewModel;
class TQBrushSetting;
class TQChoiceQuestionDialog;
class TQClassRotateSettingDialog;
class TQCompetitiveAnswerDialog;
class TQCountDownLayout;
class TQCountDownSettingDialog;
class TQDrawLayout;
class TQLiveAudioPlayerLayout;
class TQLiveBroadCastContext;
class TQLiveMaterialListLayout;
class TQLiveRecorderManager;
class TQMaterialComments;
class TQMenuListLayout;
class TQMultiChoiceQuestionDialog;
class TQMultiChoiceQuestionLayout;
class TQOnsiteHomeWorkDrawDataSourceInterface;
class TQOnsiteHomeworkLayout;
class TQPPTPlayerLayout;
class TQPreviewView;
class TQRecordVideoPlayerLayout;
class TQShapeLayout;
class TQShareScreenManager;
class TQSignInCreateDialog;
class TQSignInRunningDialog;
class TQTakePictureInterface;
class TQTakePictureLayout;
class TQTeachingAssistant;
class TQTesselAudioFrameObserver;
class TQTopMenuObject;
class TQUserListManager;
class TQVideoCardPlayerLayout;
class UploadFileViewModel;
class UserService;
class tempView;
struct SendCourseSchedulePictureBean;

// The window of one live class. The main window creates it for a course
// schedule, calls start() once and shows it; start builds every object of
// the class, the class page and the connections, and the board set-up asks
// for the course detail once the board has a size. Closing runs quit(),
// which deletes what the window created and says closed(); the window then
// deletes itself. GUI thread only.
//
// The implementation is split by concern: TQLiveBroadCastActivity.cpp (the
// objects, connections, events and capture), TQLiveBroadCastActivityView.cpp
// (the class page and the board set-up), and one TQLiveBroadCastActivity<Concern>.cpp
// per further concern, each with its own section at the end of this class.
class TQLiveBroadCastActivity : public QWidget, public TQCaptureVideoMainThread
{
    Q_OBJECT
    Q_PROPERTY(QString courseScheduleID READ courseScheduleIDText CONSTANT)

public:
    // Class types.
    enum StartType { kLiveClass = 0, kRecordedLesson = 1, kRehearsal = 2, kRtmpBigClass = 3 };

    // A resize that ended without a frame release (X11 window managers send
    // none) counts as done this long after its last step.
    static constexpr int kResizeSettleMs = 300;
    // A resize that stood this long at the minimum size is done at the next
    // timer event.
    static constexpr qint64 kResizeIdleMs = 1000;
    static constexpr int kCaptureIntervalMs = 100;

    // Only sets the members; nothing is created before start().
    TQLiveBroadCastActivity(int courseID, int courseScheduleID);
    ~TQLiveBroadCastActivity() override;

    // Builds the class's objects, page and connections (type: StartType).
    virtual void start(int type);
    // Deletes what the window created and emits closed(). Runs once, from
    // an accepted close.
    virtual void quit();

    // Called by the real-time adapter; nothing to do in the window.
    virtual void logoutData();
    virtual void logoutRtc();

    // Moves the scroll bar and the page's players with the board's top offset.
    virtual void handleDrawLayoutTopOffset(int y);

    virtual void findQmlItems();
    virtual void createLiveObjects();
    virtual void finishStart();
    virtual void initView();
    virtual void initConnections();

    TQDrawLayout *getDrawLayout() const { return m_pDrawLayout; }
    // Asks the service for the course detail of this schedule.
    void requestCourseDetail();

    int courseID() const { return mCourseID; }
    int courseScheduleID() const { return mCourseScheduleID; }
    QString courseScheduleIDText() const { return QString::number(mCourseScheduleID); }
    int startType() const { return mType; }
    QSize boardSize() const { return mBoardSize; }
    TQLiveBroadCastContext *context() const { return m_pContext; }
    tempView *quickView() const { return m_pView; }
    TQUserListManager *userListManager() const { return m_pUserListManager; }
    TQClassRotateSettingDialog *rotateSettingDialog() const { return m_pClassRotateSettingDialog; }

    // TQCaptureVideoMainThread: the board frames of recording and streaming.
    void startCapture() override;
    void stopCapture() override;
    void captureFrame() override;

    // Completes a resize: the board follows the draw area, and the page
    // takes the window's size.
    Q_INVOKABLE void drawAreaSizeChanged();

signals:
    void closed();
    void toast(QString text);
    void updateUserInfo_signal(QJsonObject joUser);
    void pageChange(int materialID, int pageNumber, int pageCount);
    void materialChange(int materialID);
    void newMaterialDetailAdded(QJsonObject joMaterialDetail);
    void resize_signal(int width, int height, bool isDone);
    void recordVideoTimeUpdate_signal(int timeSec);
    void recordVideoRecordState_signal(bool recording);
    void courseDetailInitDonw_signal();
    void updateScrollBarPosition_signal(int yPos, int totalHeight);
    void updateTopOffset_signal(int yPos);
    void setFile_signal(QString filePath);
    void setCourseType_signal(bool isLowPrice_0, bool isOrgCourse_0, bool isWxClassCourse_0);
    void switchScreenShareUI(bool isScreenShare);
    void disableAssistant_signal(bool disable);
    void showAward_signal(long userID, QString userName);
    void updateOfflineCourse_signal(bool isOffline);
    void rtmpPublisherDisconnect_signal();

public slots:
    void lbca_handleFailure_slot(Failure &f);
    void lbca_handleCourseScheduleDetail_slot(QJsonObject &reply);
    void lbca_handleNewMaterialDetail_slot(QJsonObject joMaterialDetail);
    void lbca_handleBinaryDownloaded_slot(QString fileUrl);
    void lbca_handleRequestCourseScheduleParticipantSuccess_slot(QJsonObject &reply);
    void lbca_handleSendStudentsDurationSuccess_slot(QJsonObject &reply);
    void lbca_handleSendStudentsDurationFailure_slot(Failure &f);
    void lbca_handleHomeworkImageUploaded_slot(SendCourseSchedulePictureBean *bean);
    void lbca_handleGetCourseLiveStreamInfo_slot(QJsonObject &reply);
    void lbca_onGetRtmpUrl(QString url);
    void lbca_onGetRtmpUrlFailed(Failure &f);
    void lbca_handleUploadFileSuccess_slot(QJsonObject &reply);
    void lbca_handleUploadFileFailure_slot(Failure &f);
    void lbca_handelUploadLiveImageSuccess_slot(QJsonObject &reply);
    void lbca_handelUploadMomentImageSuccess_slot(QString fileUrl);
    void lbca_handleGetLiveConfigSuccess_slot(QJsonObject &reply);
    void lbca_rtmpPublisherDisconnect_slot();
    void checkLiveInfo();
    // A board frame of the draw layout; the data is malloc'd and ours.
    void onCaptureFrame(char *data, int size, qlonglong frameId);

protected:
    bool event(QEvent *event) override;
    void timerEvent(QTimerEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // The board set-up, once the board item has a size.
    void onDrawBoardSizeSetup();
    // Sizes the board to the draw layout's touch view.
    void adjustDrawLayout();
    // Completes a pending resize.
    void settleResize();
    // Deletes every object the class made; once.
    void releaseLiveObjects();

    bool keepBoard = false;
    qint64 mLastConnectTime = 0;
    qint64 mLastDataChannelLoadTime = 0;
    int mExitClassTimes = -1;
    QString mLastStudentDurationText;
    tempView *m_pView = nullptr; // owned
    const int mCourseID;
    const int mCourseScheduleID;
    int mTimeAcc = 0;
    bool mStatusTimerRunning = false;
    bool mConnectedOnce = false;
    int mTimeAccEmptyRoom = 0;
    GlobalConfig *m_pGlobalConfig = nullptr; // owned
    int mSequenceStart = 0;
    QString mUploadingMomentUserId;
    bool mMomentCapturePending = false;
    QString mPendingMomentUserId;

    TQBroadCastMethodService *m_pMethodService = nullptr;
    TQLiveBroadCastContext *m_pContext = nullptr;
    TQBroadCastRealTimeInterface *m_pRealTimeInterface = nullptr;
    TQBroadCastDrawDataSourceInterface *m_pDrawDataSource = nullptr;
    QSize mBoardSize;

    // The objects of createLiveObjects, all owned, in creation order.
    TQBroadCastUserListInterface *m_pUserListInterface = nullptr;
    TQUserListManager *m_pUserListManager = nullptr;
    QBasicTimer *m_pStatusTimer = nullptr;
    QBasicTimer *m_pCaptureTimer = nullptr;
    QBasicTimer *m_pPostDelayTimer = nullptr;
    QBasicTimer *m_pGrabTimer = nullptr;
    QBasicTimer *m_pLiveInfoTimer = nullptr;
    QBasicTimer *m_pCloseTimer = nullptr;
    TQOnsiteHomeWorkDrawDataSourceInterface *m_pOnsiteHomeWorkDrawDataSource = nullptr;
    TQBroadCastOnSiteHomeWorkInterface *m_pOnSiteHomeWorkInterface = nullptr;
    TQAgoraAudioFrameObserver *m_pAgoraAudioObserver = nullptr;
    TQTesselAudioFrameObserver *m_pTesselAudioObserver = nullptr;
    TQBroadCastPopoverInterface *m_pPopoverInterface = nullptr;
    TQBroadCastRightMenuInterface *m_pRightMenuInterface = nullptr;
    TQMenuListLayout *m_pMenuListLayout = nullptr;
    TQBroadCastChoiceQuestionInterface *m_pChoiceQuestionInterface = nullptr;
    TQBroadCastRandomSelectInterface *m_pRandomSelectInterface = nullptr;
    TQBroadCastTakePictureInterface *m_pTakePictureAdapter = nullptr;
    TQTakePictureInterface *m_pTakePictureInterface = nullptr; // the adapter's interface part
    TQBroadCastBlackboardWritingToolsInterface *m_pWritingToolsInterface = nullptr;
    TQTopMenuObject *m_pTopMenuObject = nullptr;
    CommonService *m_pCommonService = nullptr;
    MaterialService *m_pMaterialService = nullptr;
    CourseService *m_pCourseService = nullptr;
    UserService *m_pUserService = nullptr;
    TQBroadcastViewModel *m_pBroadcastViewModel = nullptr;
    UploadFileViewModel *m_pUploadFileViewModel = nullptr;
    RemoteConfigViewModel *m_pRemoteConfigViewModel = nullptr;
    TQTeachingAssistant *m_pTeachingAssistant = nullptr;
    TQBroadCastLiveAudioPlayerViewInterface *m_pLiveAudioPlayerViewInterface = nullptr;
    TQBroadCastRtmpPublisherInterface *m_pRtmpPublisherInterface = nullptr;
    TQOnsiteHomeworkLayout *m_pOnsiteHomeworkLayout = nullptr;
    TQBrushSetting *m_pBrushSetting = nullptr;
    TQShapeLayout *m_pShapeLayout = nullptr;
    TQLiveMaterialListLayout *m_pMaterialListLayout = nullptr;
    TQClassRotateSettingDialog *m_pClassRotateSettingDialog = nullptr;
    TQTakePictureLayout *m_pTakePictureLayout = nullptr;
    TQMaterialComments *m_pMaterialComments = nullptr;
    TQLiveAudioPlayerLayout *m_pLiveAudioPlayerLayout = nullptr;
    TQBroadCastVideoCardPlayerInterface *m_pVideoCardPlayerInterface = nullptr;
    TQVideoCardPlayerLayout *m_pVideoCardPlayerLayout = nullptr;
    TQBroadCastPPTPlayerInterface *m_pPPTPlayerInterface = nullptr;
    TQPPTPlayerLayout *m_pPPTPlayerLayout = nullptr;
    TQRecordVideoPlayerLayout *m_pRecordVideoPlayerLayout = nullptr;
    TQLiveRecorderManager *m_pLiveRecorderManager = nullptr; // child of the window

    // The page's items (owned by the page).
    QQuickItem *m_pDrawLayoutItem = nullptr;
    QQuickItem *m_pShareScreenShadow = nullptr;
    QQuickItem *m_pDrawArea = nullptr;
    QQuickItem *m_pUserListLayout = nullptr;

    int mType = kLiveClass;
    TQDrawLayout *m_pDrawLayout = nullptr; // owned, from the board set-up
    TQPreviewView *m_pVideoPreview = nullptr; // the page's
    TQShareScreenManager *m_pShareScreenManager = nullptr;

    // Running interactions, set by the popover interface; owned.
    TQChoiceQuestionDialog *m_pChoiceQuestionDialog = nullptr;
    TQMultiChoiceQuestionDialog *m_pMultiChoiceQuestionDialog = nullptr;
    TQMultiChoiceQuestionLayout *m_pMultiChoiceQuestionLayout = nullptr;
    TQCountDownLayout *m_pCountDownLayout = nullptr;
    TQCountDownSettingDialog *m_pCountDownSettingDialog = nullptr;
    TQSignInCreateDialog *m_pSignInCreateDialog = nullptr;
    TQSignInRunningDialog *m_pSignInRunningDialog = nullptr;
    TQCompetitiveAnswerDialog *m_pCompetitiveAnswerDialog = nullptr;

    bool mResizing = false;
    bool mForceResizeDone = false;
    qint64 mLastResizeTime = 0;
    // Linux stand-in for the frame release: restarted by every resize step.
    QTimer mResizeSettleTimer;

    bool mNeedDeferRedraw = false;
    bool mNeedLoadRTC = false;
    bool mNeedLoadDataChannel = false;
    int retryTimes = 0;
    bool mCheckForceStartTeaching = false;
    int mPostDelayTicks = 0;

    int mCaptureInterval = kCaptureIntervalMs;
    double mCoinsPerSecond = 1.0;
    int mRehearsalSecondsToStart = 0;
    bool mRehearsalExitAnnounced = false;
    int mReconnectRtmpTimeLeft = -1;

    bool mQuitDone = false;

    // Class start and the real-time connection.

    // Board, pages and materials in class.

    // Typing text on the board.

    // Student control through the service object.
};
