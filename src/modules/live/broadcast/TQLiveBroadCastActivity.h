#pragma once

#include "modules/live/broadcast/TQLiveStreamInfo.h"
#include "modules/live/videoprocess/TQCaptureVideoMainThread.h"

#include <QJsonObject>
#include <QSize>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <vector>

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
class TQDrawManager;
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
class TQPopoverInterface;
class TQPreviewView;
class TQRecordVideoPlayerLayout;
class TQShapeGeneric;
class TQShapeImageBean;
class TQShapeLayout;
class TQShareScreenManager;
class TQSignInCreateDialog;
class TQSignInRunningDialog;
class TQTakePictureInterface;
class TQTakePictureLayout;
class TQBroadCastDrawSourceLink;
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
    TQTeachingAssistant *teachingAssistant() const { return m_pTeachingAssistant; }
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
    // The data source's way back to this window and its student control.
    TQBroadCastDrawSourceLink *m_pDrawSourceLink = nullptr;
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
public:
    // The course detail decided the class may begin: participants back to a
    // new session, the on-line report, the steps before teaching, the
    // engines' choice and the connection.
    virtual void resetCourseAndConnect();
    // Joins the media engine and the data channel; accepted at most once per
    // kConnectGuardMs (the first call of a window always is).
    virtual void connectToRealTimeNetworks();
    virtual void beforeTeaching();
    // Starts teaching once per class (status timer, camera, board); later
    // calls return at once. Called when both networks are up and by the
    // forced start.
    virtual void startTeachingOrLearning();
    virtual void clearAllAndOpenDefaultMaterial();
    // A non-modal warning when the balance lasts less than five minutes for
    // the online students; the second value is not read.
    virtual void showBalanceWarning(double balance, double unused);
    virtual void onCourseLiveStreamInfoGet(TQLiveStreamInfo info);
    // Picks the engines from the course's data channel and inits the
    // real-time manager with them.
    void handleRtcType();
    // The networks did not come up in time: teaching starts anyway, with a
    // warning. Nothing once teaching has started.
    void checkForceStartTeaching();
    void setupLiveCourse(TQLiveStreamInfo info);
    // The data channel failed to log in: the post-delay tick reloads it.
    void handleDataConnectFailure();
    // The auto-record check runs kAutoRecordDelayMs later.
    void scheduleAutoRecordCheck();
    void reportOnlineToServer();
    // Asks the teacher to pay the students' communication fee; true when the
    // class is not to begin (cancelled or dismissed).
    bool confirmPayForCommunication();
    void showSpeakingModeNotice();
    void emitCourseType();
    void updateSecondsToStart();
    // One tick of the post-delay timer: reloads, the forced start, exits.
    virtual void timedPostDelayCheck();
    // Publishes the board of a big class to `url`.
    void startRtmpPublish(const QString &url);

    static constexpr qint64 kConnectGuardMs = 40000;
    static constexpr qint64 kDataChannelReloadGapMs = 20000;
    static constexpr int kPostDelayMs = 1000;
    static constexpr int kPostDelayReloadMs = 2000;
    static constexpr int kForceStartTicks = 15;
    static constexpr int kAutoRecordDelayMs = 2000;
    static constexpr int kOverdueBigClassSecs = 900;
    static constexpr int kSpeakingModeLimit = 10;

    bool keepsBoard() const { return keepBoard; }
    double coinsPerSecond() const { return mCoinsPerSecond; }
    int rehearsalSecondsToStart() const { return mRehearsalSecondsToStart; }
    int exitClassTimes() const { return mExitClassTimes; }
    bool isPostDelayTimerActive() const;

public slots:
    // Started recording when the settings ask for it; run by
    // scheduleAutoRecordCheck.
    void lbca_checkAutoRecord();

private:
    // Reads the course detail's decisions; false when the window closes.
    bool admitCourse(const QJsonObject &reply);
    // The balance text of both balance boxes.
    static QString balanceText(double balanceFen, int students, int minutes);
    // Closes the window from the event loop, without the confirmation.
    void closeWithoutAsking(int exitClassTimes);
    void startPostDelayTimer(int intervalMs);
    void loadMediaEngine();

    // Board, pages and materials in class.
public:
    // The page control's buttons: type 1 next page, 0 previous page.
    Q_INVOKABLE void turnPage(int type);
    Q_INVOKABLE void goToPage(int pageIndex);
    Q_INVOKABLE void scrollUp();
    Q_INVOKABLE void scrollDown();
    // The scroll bar's thumb at buttonY of its track's buttonBgHeight.
    Q_INVOKABLE void scrollTo(int buttonY, int buttonBgHeight);
    // Opens a course material at a page: a converted document on the board,
    // an audio or video material in its player; an unconverted one's detail
    // is asked for first.
    Q_INVOKABLE void changeMaterial(int materialID, int rawMaterialID, int lastVisitedPageNumber);
    // The style bar of the shape being edited.
    Q_INVOKABLE void onColorSelect(int colorType);
    Q_INVOKABLE void onLineTypeSelect(bool isDotLine);
    Q_INVOKABLE void onFillModeChange(bool isFill);
    // A catalogue item of the shape menu becomes the board's tool.
    void menuShape(TQShapeImageBean *item);
    // A picture file from the top menu's file chooser; anything but an
    // existing ".jpg", ".jpeg" or ".png" file is ignored.
    void pasteImageFile(const QString &path);
    // 0 normal, 1 typing (I-beam cursor), 2 while a text is typed, 3 typed.
    void setCursorMode(int mode);
    int cursorMode() const { return mCursorMode; }
    // The draw manager applied a page turn of the teacher.
    virtual void handleDrawLayoutTurnPage(int materialId, int pageIndex);
    // The PPT animation of a page: played when the page has one, else hidden.
    virtual void handlePageExtra(int pageIndex, int materialId);
    // Tells the students where the PPT animation player stands.
    virtual void composePPTPlayStatusAndSend();
    // The material whose detail a material switch waits for; 0 for none.
    int pendingMaterialID() const { return mPendingMaterialID; }

    // What the top menu reaches through the window; null before the board
    // or after quit.
    TQDrawManager *drawManager() const;
    TQPopoverInterface *getPopoverInterface() const;
    TQBroadCastBlackboardWritingToolsInterface *getWritingToolsInterface() const { return m_pWritingToolsInterface; }
    TQShapeLayout *getShapeLayout() const { return m_pShapeLayout; }
    TQBrushSetting *getBrushSetting() const { return m_pBrushSetting; }
    TQVideoCardPlayerLayout *getVideoCardPlayerLayout() const { return m_pVideoCardPlayerLayout; }
    TQPPTPlayerLayout *getPPTPlayerLayout() const { return m_pPPTPlayerLayout; }
    TQBroadCastLiveAudioPlayerViewInterface *getLiveAudioPlayerViewInterface() const
    {
        return m_pLiveAudioPlayerViewInterface;
    }
    TQTopMenuObject *getTopMenuObject() const { return m_pTopMenuObject; }
    TQTakePictureLayout *getTakePictureLayout() const { return m_pTakePictureLayout; }

private:
    void restyleEditedShape(const std::function<void(TQShapeGeneric &)> &change);

    int mPendingMaterialID = 0;
    int mCursorMode = 0;

    // Typing text on the board.
public:
    // A text being typed, in panel pixels: sent every tick as one live text
    // element; isEnd finishes it as a picture (typeText).
    Q_INVOKABLE void typingText(QString fontFamily, int pintFontSize, QString text, int inputWidth, int inputHeight,
                                QString color, int leftMargin, int topMargin, int rightMargin, int bottomMargin,
                                int lineHeight, int xPos, int yPos, bool isEnd);
    // Renders a finished text into a transparent picture and pastes it onto
    // the board; white space alone pastes nothing.
    Q_INVOKABLE void typeText(QString fontFamily, int fontSize, QString text, int width, int height, QString color,
                              int leftMargin, int topMargin, int rightMargin, int bottomMargin, int xPos, int yPos);
    // The element id every update of the text being typed carries; 0 between texts.
    int typingTextElementId() const { return mTypingTextElementId; }
    // What the teaching assistant reaches through the window.
    TQTeachingAssistant *getTeachingAssistant() const { return m_pTeachingAssistant; }
    TQBroadcastViewModel *getBroadcastViewModel() const { return m_pBroadcastViewModel; }
    TQMaterialComments *getMaterialComments() const { return m_pMaterialComments; }

private:
    int mTypingTextElementId = 0;

    // Student control through the service object.
public:
    // Status ticks since teaching started.
    int statusTickCount() const { return mTimeAcc; }
    // Students whose writing right an exercise suspended, to be given back
    // when it ends.
    std::vector<int> &suspendedWritingUserIds() { return mSuspendedWritingUserIds; }

private:
    std::vector<int> mSuspendedWritingUserIds;
};
