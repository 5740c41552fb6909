#include "modules/live/broadcast/TQLiveBroadCastActivity.h"

#include "actions/TQActionHelpers.h"
#include "modules/live/TeachingAssistant/TQMaterialComments.h"
#include "modules/live/TeachingAssistant/TQTeachingAssistant.h"
#include "modules/live/audioplayer/TQBroadCastLiveAudioPlayerViewInterface.h"
#include "modules/live/audioplayer/TQLiveAudioPlayerLayout.h"
#include "modules/live/broadcast/TQBroadCastDrawSourceLink.h"
#include "modules/live/broadcast/TQBroadCastMethodService.h"
#include "modules/live/broadcast/TQBroadCastPPTPlayerInterface.h"
#include "modules/live/broadcast/TQBroadCastPopoverInterface.h"
#include "modules/live/broadcast/TQBroadCastRandomSelectInterface.h"
#include "modules/live/broadcast/TQBroadCastRealTimeInterface.h"
#include "modules/live/broadcast/TQBroadCastRtmpPublisherInterface.h"
#include "modules/live/broadcast/TQBroadCastVideoCardPlayerInterface.h"
#include "modules/live/exercises/choicequestion/TQBroadCastChoiceQuestionInterface.h"
#include "modules/live/exercises/onsitehomework/TQBroadCastOnSiteHomeWorkInterface.h"
#include "modules/live/exercises/onsitehomework/TQOnsiteHomeWorkDrawDataSourceInterface.h"
#include "modules/live/exercises/onsitehomework/TQOnsiteHomeworkLayout.h"
#include "modules/live/material/TQLiveMaterialListLayout.h"
#include "modules/live/menu/TQBroadCastBlackboardWritingToolsInterface.h"
#include "modules/live/menu/TQBroadCastRightMenuInterface.h"
#include "modules/live/menu/TQBrushSetting.h"
#include "modules/live/menu/TQMenuListLayout.h"
#include "modules/live/menu/TQShapeLayout.h"
#include "modules/live/menu/TQTopMenuObject.h"
#include "modules/live/popover/TQLivePopoverManager.h"
#include "modules/live/pptplayer/TQPPTPlayerLayout.h"
#include "modules/live/takepicture/TQBroadCastTakePictureInterface.h"
#include "modules/live/userlist/TQBroadCastUserListInterface.h"
#include "modules/live/userlist/TQClassRotateSettingDialog.h"
#include "modules/live/userlist/TQUserListManager.h"
#include "modules/live/videocard/TQVideoCardPlayerLayout.h"
#include "modules/live/videoprocess/TQRecordVideoPlayerLayout.h"
#include "modules/record/RtmpPublisher.h"
#include "modules/record/TQLiveRecorderManager.h"
#include "common/CommonService.h"
#include "common/remoteconfig/RemoteConfigViewModel.h"
#include "common/uploadfile/UploadFileViewModel.h"
#include "modules/coach/course/CourseService.h"
#include "modules/coach/material/MaterialService.h"
#include "modules/live/bean/SendCourseSchedulePictureBean.h"
#include "modules/live/broadcast/TQBroadcastViewModel.h"
#include "modules/live/broadcast/TQLiveBroadCastContext.h"
#include "modules/live/broadcast/tempView.h"
#include "modules/live/communications/agora/TQAgoraAudioFrameObserver.h"
#include "modules/live/communications/agora/TQTesselAudioFrameObserver.h"
#include "modules/live/communications/TQRealTimeManager.h"
#include "modules/live/communications/binary/TQBinaryDownloadManager.h"
#include "modules/live/draws/TQBroadCastDrawDataSourceInterface.h"
#include "modules/live/draws/TQDrawLayout.h"
#include "modules/live/takepicture/TQTakePictureLayout.h"
#include "modules/login/UserService.h"
#include "platform/http/Failure.h"
#include "utils/CLog.h"
#include "utils/GlobalConfig.h"
#include "utils/InClassFlag.h"
#include "utils/TimeUtils.h"

#include <QBasicTimer>
#include <QCloseEvent>
#include <QTimerEvent>

#include <cstdlib>

TQLiveBroadCastActivity::TQLiveBroadCastActivity(int courseID, int courseScheduleID)
    : QWidget(nullptr)
    , mCourseID(courseID)
    , mCourseScheduleID(courseScheduleID)
{
    // Nobody else holds the window once it said closed().
    setAttribute(Qt::WA_DeleteOnClose);
    mResizeSettleTimer.setSingleShot(true);
    mResizeSettleTimer.setInterval(kResizeSettleMs);
    connect(&mResizeSettleTimer, &QTimer::timeout, this, [this] {
        if (mResizing)
            settleResize();
    });
}

TQLiveBroadCastActivity::~TQLiveBroadCastActivity()
{
    CLog::printf("TQLiveBroadCastActivity::~TQLiveBroadCastActivity");
    // A window deleted without being closed still frees what it made.
    releaseLiveObjects();
}

void TQLiveBroadCastActivity::start(int type)
{
    inClassFlag = true;
    mType = type;
    createLiveObjects();
    initView();
    initConnections();
    findQmlItems();
    finishStart();
    m_pContext->teachingStarted = false;
    mSequenceStart = nextSequenceNumber(true);
}

void TQLiveBroadCastActivity::createLiveObjects()
{
    m_pContext = new TQLiveBroadCastContext();
    m_pContext->courseID = mCourseID;
    m_pContext->courseScheduleID = mCourseScheduleID;
    m_pMethodService = new TQBroadCastMethodService(this, m_pContext);
    m_pRealTimeInterface = new TQBroadCastRealTimeInterface(m_pMethodService, m_pContext);
    m_pDrawDataSource = new TQBroadCastDrawDataSourceInterface();
    m_pDrawDataSource->setContext(m_pContext->drawSourceContext());
    m_pDrawSourceLink = new TQBroadCastDrawSourceLink(this, m_pMethodService);
    m_pDrawDataSource->setMethodService(m_pDrawSourceLink);
    m_pUserListInterface = new TQBroadCastUserListInterface(m_pMethodService, m_pContext);
    m_pUserListManager = new TQUserListManager(m_pMethodService, m_pContext);

    m_pStatusTimer = new QBasicTimer();
    m_pCaptureTimer = new QBasicTimer();
    m_pPostDelayTimer = new QBasicTimer();
    m_pGrabTimer = new QBasicTimer();
    m_pLiveInfoTimer = new QBasicTimer();
    m_pCloseTimer = new QBasicTimer();

    m_pOnsiteHomeWorkDrawDataSource = new TQOnsiteHomeWorkDrawDataSourceInterface(m_pMethodService, m_pContext);
    m_pOnSiteHomeWorkInterface = new TQBroadCastOnSiteHomeWorkInterface(m_pMethodService, m_pContext);
    m_pAgoraAudioObserver = new TQAgoraAudioFrameObserver();
    m_pTesselAudioObserver = new TQTesselAudioFrameObserver();
    m_pPopoverInterface = new TQBroadCastPopoverInterface(m_pMethodService, m_pContext);
    m_pContext->m_pPopoverManager->setPopoverInterface(m_pPopoverInterface, m_pMethodService, m_pContext);
    m_pRightMenuInterface = new TQBroadCastRightMenuInterface(m_pMethodService, m_pContext);
    m_pMenuListLayout = new TQMenuListLayout(m_pRightMenuInterface);
    m_pChoiceQuestionInterface = new TQBroadCastChoiceQuestionInterface();
    m_pRandomSelectInterface = new TQBroadCastRandomSelectInterface(m_pMethodService, m_pContext);
    m_pTakePictureAdapter = new TQBroadCastTakePictureInterface(m_pMethodService, m_pContext);
    m_pTakePictureInterface = m_pTakePictureAdapter;
    m_pWritingToolsInterface = new TQBroadCastBlackboardWritingToolsInterface(m_pMethodService, m_pContext);
    m_pTopMenuObject = new TQTopMenuObject(m_pMethodService, m_pContext);

    m_pCommonService = new CommonService();
    m_pMaterialService = new MaterialService();
    m_pCourseService = new CourseService();
    m_pUserService = new UserService();
    m_pBroadcastViewModel = new TQBroadcastViewModel(m_pCourseService);
    m_pUploadFileViewModel = new UploadFileViewModel(m_pCommonService, m_pCourseService);
    RtmpPublisher::instance().setCaptureSource(this);
    m_pRemoteConfigViewModel = new RemoteConfigViewModel(m_pCommonService, m_pUserService, m_pCourseService);
    m_pTeachingAssistant = new TQTeachingAssistant(m_pMethodService, m_pContext);
    m_pUserListManager->setUserListInterface(m_pUserListInterface);
    m_pContext->m_pViewModel = m_pBroadcastViewModel;

    m_pLiveAudioPlayerViewInterface = new TQBroadCastLiveAudioPlayerViewInterface(m_pMethodService, m_pContext);
    m_pRtmpPublisherInterface = new TQBroadCastRtmpPublisherInterface(m_pMethodService);
    m_pOnsiteHomeworkLayout = new TQOnsiteHomeworkLayout(m_pMethodService, m_pContext);
    m_pBrushSetting = new TQBrushSetting();
    m_pShapeLayout = new TQShapeLayout(m_pMethodService, m_pContext);
    m_pMaterialListLayout = new TQLiveMaterialListLayout(m_pMethodService, m_pContext);
    m_pClassRotateSettingDialog = new TQClassRotateSettingDialog(m_pMethodService, m_pContext, m_pUserListInterface);
    m_pTakePictureLayout = new TQTakePictureLayout();
    m_pMaterialComments = new TQMaterialComments(nullptr);
    m_pLiveAudioPlayerLayout = new TQLiveAudioPlayerLayout();
    m_pContext->m_pLiveAudioPlayer = m_pLiveAudioPlayerLayout;
    m_pVideoCardPlayerInterface = new TQBroadCastVideoCardPlayerInterface(m_pMethodService, m_pContext);
    m_pVideoCardPlayerLayout =
        new TQVideoCardPlayerLayout(m_pMethodService, m_pContext, m_pVideoCardPlayerInterface);
    m_pPPTPlayerInterface = new TQBroadCastPPTPlayerInterface(m_pMethodService, m_pContext);
    m_pPPTPlayerLayout = new TQPPTPlayerLayout(m_pMethodService, m_pContext, m_pPPTPlayerInterface);
    m_pRecordVideoPlayerLayout = new TQRecordVideoPlayerLayout();
    m_pLiveRecorderManager = new TQLiveRecorderManager(this);
}

void TQLiveBroadCastActivity::finishStart()
{
}

void TQLiveBroadCastActivity::initConnections()
{
    connect(m_pMaterialListLayout, SIGNAL(httpAddMaterialDetail_signal(QJsonObject)), this,
            SLOT(lbca_handleNewMaterialDetail_slot(QJsonObject)));
    connect(m_pContext->m_pDownloadManager, SIGNAL(bdManager_handleBinaryDownloaded_signal(QString)), this,
            SLOT(lbca_handleBinaryDownloaded_slot(QString)));
    connect(m_pBroadcastViewModel, SIGNAL(failure_signal(Failure &)), this, SLOT(lbca_handleFailure_slot(Failure &)));
    connect(m_pBroadcastViewModel, SIGNAL(getCourseScheduleDetailSuccess_signal(QJsonObject &)), this,
            SLOT(lbca_handleCourseScheduleDetail_slot(QJsonObject &)));
    connect(m_pBroadcastViewModel, SIGNAL(requestCourseScheduleParticipantSuccess_signal(QJsonObject &)), this,
            SLOT(lbca_handleRequestCourseScheduleParticipantSuccess_slot(QJsonObject &)));
    connect(m_pBroadcastViewModel, SIGNAL(sendToServerStudentDurationStatusSuccess_signal(QJsonObject &)), this,
            SLOT(lbca_handleSendStudentsDurationSuccess_slot(QJsonObject &)));
    connect(m_pBroadcastViewModel, SIGNAL(sendStudentDurationFailure_signal(Failure &)), this,
            SLOT(lbca_handleSendStudentsDurationFailure_slot(Failure &)));
    connect(m_pBroadcastViewModel, SIGNAL(sendCourseSchedulePictureSuccess_signal(SendCourseSchedulePictureBean *)),
            this, SLOT(lbca_handleHomeworkImageUploaded_slot(SendCourseSchedulePictureBean *)));
    connect(m_pBroadcastViewModel, SIGNAL(getCourseLiveStreamInfoSuccess_signal(QJsonObject &)), this,
            SLOT(lbca_handleGetCourseLiveStreamInfo_slot(QJsonObject &)));
    connect(m_pBroadcastViewModel, SIGNAL(onSuccessFetchRtmpUrl_signal(QString)), this,
            SLOT(lbca_onGetRtmpUrl(QString)));
    connect(m_pBroadcastViewModel, &TQBroadcastViewModel::onGetRtmpUrlFailed_signal, this,
            &TQLiveBroadCastActivity::lbca_onGetRtmpUrlFailed);
    connect(m_pUploadFileViewModel, SIGNAL(failure_signal(Failure &)), this, SLOT(lbca_handleFailure_slot(Failure &)));
    connect(m_pUploadFileViewModel, SIGNAL(uploadFileSuccess_signal(QJsonObject &)), this,
            SLOT(lbca_handleUploadFileSuccess_slot(QJsonObject &)));
    connect(m_pUploadFileViewModel, SIGNAL(uploadFileFailure_signal(Failure &)), this,
            SLOT(lbca_handleUploadFileFailure_slot(Failure &)));
    connect(m_pUploadFileViewModel, SIGNAL(uploadLiveImageFileSuccess(QJsonObject &)), this,
            SLOT(lbca_handelUploadLiveImageSuccess_slot(QJsonObject &)));
    connect(m_pUploadFileViewModel, SIGNAL(uploadMomentImageFileSuccess(QString)), this,
            SLOT(lbca_handelUploadMomentImageSuccess_slot(QString)));
    connect(m_pRemoteConfigViewModel, SIGNAL(failure_signal(Failure &)), this,
            SLOT(lbca_handleFailure_slot(Failure &)));
    connect(m_pRemoteConfigViewModel, SIGNAL(getLiveConfigSuccess_signal(QJsonObject &)), this,
            SLOT(lbca_handleGetLiveConfigSuccess_slot(QJsonObject &)));
    connect(m_pRecordVideoPlayerLayout, SIGNAL(checkLiveStreamInfo()), this, SLOT(checkLiveInfo()));
    connect(this, &TQLiveBroadCastActivity::rtmpPublisherDisconnect_signal, this,
            &TQLiveBroadCastActivity::lbca_rtmpPublisherDisconnect_slot);
}

void TQLiveBroadCastActivity::requestCourseDetail()
{
    if (m_pBroadcastViewModel)
        m_pBroadcastViewModel->getCourseScheduleDetail(mCourseScheduleID, mType);
}

void TQLiveBroadCastActivity::logoutData()
{
}

void TQLiveBroadCastActivity::logoutRtc()
{
}

// Teardown -------------------------------------------------------------------

void TQLiveBroadCastActivity::quit()
{
    if (mQuitDone)
        return;
    if (m_pDrawLayout)
        m_pDrawLayout->setDrawingEnabled(false, std::string());
    CLog::printf("TQLiveBroadCastActivity::quit()");
    releaseLiveObjects();
    emit closed();
}

namespace {

template <typename T>
void release(T *&object)
{
    delete object;
    object = nullptr;
}

} // namespace

void TQLiveBroadCastActivity::releaseLiveObjects()
{
    if (mQuitDone)
        return;
    mQuitDone = true;
    mResizeSettleTimer.stop();

    // The board goes before the page whose items it draws into, and the page
    // before every object its bindings read. The view's container owns the
    // view but only watches it, so deleting the view here is safe.
    release(m_pDrawLayout);
    release(m_pView);
    release(m_pGlobalConfig);
    m_pDrawLayoutItem = nullptr;
    m_pShareScreenShadow = nullptr;
    m_pDrawArea = nullptr;
    m_pUserListLayout = nullptr;
    m_pVideoPreview = nullptr;

    mStatusTimerRunning = false;
    release(m_pStatusTimer);

    release(m_pRandomSelectInterface);
    release(m_pOnsiteHomeworkLayout);
    release(m_pShapeLayout);
    release(m_pBrushSetting);
    release(m_pMaterialListLayout);
    release(m_pMaterialComments);
    release(m_pClassRotateSettingDialog);
    release(m_pTakePictureLayout);

    release(m_pPostDelayTimer);

    release(m_pMaterialService);
    release(m_pBroadcastViewModel);
    release(m_pUploadFileViewModel);
    release(m_pDrawDataSource);
    release(m_pDrawSourceLink);
    release(m_pOnsiteHomeWorkDrawDataSource);
    release(m_pOnSiteHomeWorkInterface);
    release(m_pRightMenuInterface);
    release(m_pMenuListLayout);
    release(m_pTeachingAssistant);

    if (m_pContext) {
        // The media engine calls the audio observers on its own thread
        // until it has left; they are deleted below.
        if (m_pContext->m_pRealTimeManager)
            m_pContext->m_pRealTimeManager->leaveRTCManager();
        release(m_pRealTimeInterface);
        // Its popover manager still points at the popover adapter below.
        release(m_pContext);
    }

    release(m_pMethodService);
    release(m_pUserListManager);
    release(m_pUserListInterface);
    release(m_pVideoCardPlayerLayout);
    release(m_pVideoCardPlayerInterface);
    release(m_pPPTPlayerLayout);
    release(m_pPPTPlayerInterface);

    // What the class made beyond the ordered teardown above.
    if (RtmpPublisher::instance().captureSource() == this)
        RtmpPublisher::instance().setCaptureSource(nullptr);
    if (RtmpPublisher::instance().publisherInterface() == m_pRtmpPublisherInterface)
        RtmpPublisher::instance().setInterface(nullptr);
    release(m_pPopoverInterface);
    release(m_pChoiceQuestionInterface);
    m_pTakePictureInterface = nullptr;
    release(m_pTakePictureAdapter);
    release(m_pWritingToolsInterface);
    release(m_pTopMenuObject);
    release(m_pLiveAudioPlayerViewInterface);
    release(m_pRtmpPublisherInterface);
    release(m_pRemoteConfigViewModel);
    // The request groups after every view model that sends through them.
    release(m_pCourseService);
    release(m_pCommonService);
    release(m_pUserService);
    release(m_pLiveAudioPlayerLayout);
    release(m_pRecordVideoPlayerLayout);
    release(m_pAgoraAudioObserver);
    release(m_pTesselAudioObserver);
    release(m_pCaptureTimer);
    release(m_pGrabTimer);
    release(m_pLiveInfoTimer);
    release(m_pCloseTimer);
    // The recorder is the window's child and goes with it.
}

void TQLiveBroadCastActivity::closeEvent(QCloseEvent *event)
{
    quit();
    event->accept();
}

// Window events --------------------------------------------------------------

bool TQLiveBroadCastActivity::event(QEvent *event)
{
    if (!isEnabled())
        CLog::print(QStringLiteral("isEnabled() false"));
    switch (event->type()) {
    case QEvent::Timer:
        if (mResizing && currentTimeMillis() - mLastResizeTime > kResizeIdleMs
            && (width() <= minimumWidth() + 1 || height() <= minimumHeight() + 1 || mForceResizeDone)) {
            mForceResizeDone = false;
            settleResize();
        }
        break;
    case QEvent::WindowStateChange:
    case QEvent::NonClientAreaMouseButtonRelease:
        if (mResizing)
            settleResize();
        break;
    case QEvent::TouchBegin:
        CLog::log(QStringLiteral("touch begin"), QStringLiteral("TQLiveBroadCastActivity::event "));
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void TQLiveBroadCastActivity::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    emit resize_signal(width(), height(), false);
    mResizing = true;
    mLastResizeTime = currentTimeMillis();
#ifdef Q_OS_LINUX
    // X11 window managers send no release on the frame when a drag ends.
    mResizeSettleTimer.start();
#endif
}

void TQLiveBroadCastActivity::settleResize()
{
    mResizeSettleTimer.stop();
    drawAreaSizeChanged();
    mResizing = false;
    emit resize_signal(width(), height(), true);
}

void TQLiveBroadCastActivity::drawAreaSizeChanged()
{
    CLog::log(QStringLiteral("check drawing layout %1").arg(quintptr(m_pDrawLayoutItem), 0, 16),
              QStringLiteral("TQLiveBroadCastActivity::drawAreaSizeChanged "));
    if (m_pDrawLayout && m_pContext && m_pContext->teachingStarted) {
        adjustDrawLayout();
        mNeedDeferRedraw = false;
        emit resize_signal(width(), height(), true);
        return;
    }
    // Done once the board is ready and teaching has started.
    mNeedDeferRedraw = true;
    if (m_pPostDelayTimer)
        m_pPostDelayTimer->start(1000, this);
}

void TQLiveBroadCastActivity::timerEvent(QTimerEvent *event)
{
    const int id = event->timerId();
    if (m_pCaptureTimer && id == m_pCaptureTimer->timerId()) {
        captureFrame();
        return;
    }
    if (m_pPostDelayTimer && id == m_pPostDelayTimer->timerId()) {
        timedPostDelayCheck();
        return;
    }
    if (m_pLiveInfoTimer && id == m_pLiveInfoTimer->timerId()) {
        m_pLiveInfoTimer->stop();
        checkLiveInfo();
        return;
    }
    if (m_pCloseTimer && id == m_pCloseTimer->timerId()) {
        m_pCloseTimer->stop();
        mExitClassTimes = 0;
        close();
        return;
    }
    QWidget::timerEvent(event);
}

// Board frames ---------------------------------------------------------------

void TQLiveBroadCastActivity::startCapture()
{
    CLog::printf("VideoRecord:startCapture frame");
    if (m_pCaptureTimer)
        m_pCaptureTimer->start(mCaptureInterval, Qt::PreciseTimer, this);
}

void TQLiveBroadCastActivity::stopCapture()
{
    if (m_pCaptureTimer)
        m_pCaptureTimer->stop();
}

void TQLiveBroadCastActivity::captureFrame()
{
    if (m_pDrawLayout)
        m_pDrawLayout->getContentBitmap(mCaptureWidth, mCaptureHeight, currentTimeMillis());
}

void TQLiveBroadCastActivity::onCaptureFrame(char *data, int size, qlonglong frameId)
{
    Q_UNUSED(size)
    Q_UNUSED(frameId)
    // Nothing takes board frames yet.
    std::free(data);
}

// Replies --------------------------------------------------------------------

void TQLiveBroadCastActivity::lbca_handleBinaryDownloaded_slot(QString fileUrl)
{
    Q_UNUSED(fileUrl)
}

void TQLiveBroadCastActivity::lbca_handleRequestCourseScheduleParticipantSuccess_slot(QJsonObject &reply)
{
    Q_UNUSED(reply)
}

void TQLiveBroadCastActivity::lbca_handleSendStudentsDurationSuccess_slot(QJsonObject &reply)
{
    Q_UNUSED(reply)
}

void TQLiveBroadCastActivity::lbca_handleSendStudentsDurationFailure_slot(Failure &f)
{
    Q_UNUSED(f)
}

void TQLiveBroadCastActivity::lbca_handleHomeworkImageUploaded_slot(SendCourseSchedulePictureBean *bean)
{
    // The receiver owns the bean.
    delete bean;
}

void TQLiveBroadCastActivity::lbca_onGetRtmpUrl(QString url)
{
    Q_UNUSED(url)
}

void TQLiveBroadCastActivity::lbca_onGetRtmpUrlFailed(Failure &f)
{
    Q_UNUSED(f)
}

void TQLiveBroadCastActivity::lbca_handleUploadFileSuccess_slot(QJsonObject &reply)
{
    Q_UNUSED(reply)
}

void TQLiveBroadCastActivity::lbca_handleUploadFileFailure_slot(Failure &f)
{
    Q_UNUSED(f)
}

void TQLiveBroadCastActivity::lbca_handelUploadLiveImageSuccess_slot(QJsonObject &reply)
{
    Q_UNUSED(reply)
}

void TQLiveBroadCastActivity::lbca_handelUploadMomentImageSuccess_slot(QString fileUrl)
{
    Q_UNUSED(fileUrl)
}

void TQLiveBroadCastActivity::lbca_handleGetLiveConfigSuccess_slot(QJsonObject &reply)
{
    Q_UNUSED(reply)
}

void TQLiveBroadCastActivity::lbca_rtmpPublisherDisconnect_slot()
{
}

