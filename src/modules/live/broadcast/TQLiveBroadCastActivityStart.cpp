// The class start: from the course detail to a teaching class, with the
// real-time connection, the forced start when the networks stay down, the
// post-delay tick that reloads failed engines, and the live-stream set-up of
// recorded lessons and big classes.
#include "modules/live/broadcast/TQLiveBroadCastActivity.h"

#include "actions/TQActionHelpers.h"
#include "actions/control/TQControlClearAll.h"
#include "actions/drawing/TQDrawActionEraseBlackBoard.h"
#include "base/dialog/CDialogManager.h"
#include "common/remoteconfig/LiveConfig.h"
#include "modules/live/bean/CParticipantBean.h"
#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/CourseScheduleFeedback.h"
#include "modules/live/bean/MaterialDetailBean.h"
#include "modules/live/TeachingAssistant/TQTeachingAssistant.h"
#include "modules/live/bean/TQDataModelBean.h"
#include "modules/live/broadcast/TQBroadCastMethodService.h"
#include "modules/live/broadcast/TQBroadCastRealTimeInterface.h"
#include "modules/live/broadcast/TQBroadCastRtmpPublisherInterface.h"
#include "modules/live/broadcast/TQBroadcastViewModel.h"
#include "modules/live/broadcast/TQLiveBroadCastContext.h"
#include "modules/live/communications/TQRealTimeManager.h"
#include "modules/live/communications/agora/TQAgoraAudioFrameObserver.h"
#include "modules/live/communications/agora/TQTesselAudioFrameObserver.h"
#include "modules/live/communications/binary/TQBinaryDownloadManager.h"
#include "modules/live/draws/TQBroadCastDrawDataSourceInterface.h"
#include "modules/live/draws/TQDrawLayout.h"
#include "modules/live/draws/TQDrawManager.h"
#include "modules/live/draws/TQStudentWritingManager.h"
#include "modules/live/menu/TQTopMenuObject.h"
#include "modules/live/userlist/TQUserListManager.h"
#include "modules/live/videoprocess/TQRecordVideoPlayerLayout.h"
#include "modules/live/videoprocess/camera/TQCameraPlayer.h"
#include "modules/login/LoginManager.h"
#include "modules/record/RtmpPublisher.h"
#include "platform/http/Failure.h"
#include "utils/CDataHelper.h"
#include "utils/CLog.h"
#include "utils/GlobalConfig.h"
#include "utils/TimeUtils.h"

#include <QBasicTimer>
#include <QJsonArray>
#include <QPointer>
#include <QTimer>

#include <climits>

namespace {

const QString kTimeFormat = QStringLiteral("yyyy-MM-dd hh:mm:ss");

CourseDetailBean *course()
{
    return TQDataModelBean::m_pOngoingCourse;
}

// A server's id text read as a base-10 number; -1 when it is none.
qint64 idFromText(const std::string &text)
{
    bool ok = false;
    const qint64 id = QString::fromStdString(text).toLongLong(&ok, 10);
    return ok ? id : -1;
}

// Server figures become timer intervals: a far-off start must neither wrap
// to a short or negative interval nor overflow.
int clampedInterval(qint64 ms)
{
    if (ms < 0)
        return 0;
    return ms > INT_MAX ? INT_MAX : int(ms);
}

int teacherId()
{
    return CDataHelper::getIntFromString(LoginManager::getUserID().toStdString());
}

} // namespace

// Course detail ---------------------------------------------------------------

void TQLiveBroadCastActivity::lbca_handleCourseScheduleDetail_slot(QJsonObject &reply)
{
    CLog::print(QStringLiteral("lbca_handleCourseScheduleDetail_slot build at %1,%2")
                    .arg(QStringLiteral(__DATE__), QStringLiteral(__TIME__)));
    CLog::print(QStringLiteral("lbca_handleCourseScheduleDetail_slot for course schedule id %1,%2")
                    .arg(mCourseID)
                    .arg(mCourseScheduleID));
    if (mQuitDone)
        return;

    if (!admitCourse(reply))
        return;

    CourseDetailBean *current = course();
    if (mType == kRehearsal)
        current->mPlayMode = 2;

    mCoinsPerSecond = current->price_per_hour / 3600.0;
    CLog::printf("%s 本节课每秒%f分金币", "[TimeCheck]", mCoinsPerSecond);

    for (const QJsonValue &material : reply.value(QLatin1String("course_materials")).toArray()) {
        const QJsonObject object = material.toObject();
        if (m_pTeachingAssistant)
            emit m_pTeachingAssistant->addMaterialDetail_signal(object);
        if (keepBoard)
            lbca_handleNewMaterialDetail_slot(object);
    }

    setWindowTitle(QStringLiteral("%1 (%2)")
                       .arg(QString::fromStdString(current->course_content),
                            QString::fromStdString(current->course_schedule_id)));

    resetCourseAndConnect();

    mCheckForceStartTeaching = true;
    startPostDelayTimer(kPostDelayMs);

    showSpeakingModeNotice();
    emitCourseType();
    current->stampClassEntry();

    if (current->mPlayMode == 1 && current->mLiveStreamInfo) {
        setupLiveCourse(*current->mLiveStreamInfo);
        // A recorded lesson is watched, not taught: its tools stay still.
        if (m_pTopMenuObject)
            m_pTopMenuObject->setFrozen(true);
        emit disableAssistant_signal(true);
    }
    if (mType == kRehearsal) {
        updateSecondsToStart();
        emit updateOfflineCourse_signal(true);
    }
    if (mType == kRtmpBigClass && current->mLiveStreamInfo)
        startRtmpPublish(current->mLiveStreamInfo->stream);
}

bool TQLiveBroadCastActivity::admitCourse(const QJsonObject &reply)
{
    const int priceType = CDataHelper::jsonValueToInt(reply.value(QLatin1String("price_type")));
    if (priceType == 3 || priceType == 4) {
        mType = kRtmpBigClass;
    } else if (mType != kLiveClass) {
        CLog::log(QStringLiteral("mType set before %1").arg(mType),
                  QStringLiteral("TQLiveBroadCastActivity::lbca_handleCourseScheduleDetail_slot"));
    }

    // The window may go while a box waits; nothing of it may be touched then.
    QPointer<TQLiveBroadCastActivity> self(this);
    auto gone = [&self] { return !self || self->mQuitDone; };

    const int entryState = CDataHelper::jsonValueToInt(reply.value(QLatin1String("entry_class_state")));
    if (entryState != 1 && mType != kRehearsal) {
        CDialogManager::oneButtonDialog(this, QString(),
                                        CDataHelper::jsonValueToString(reply.value(QLatin1String("entry_class_state_info"))),
                                        QStringLiteral("知道了"));
        if (!gone())
            closeWithoutAsking(6);
        return false;
    }

    const qint64 end =
        dateStringToSecs(CDataHelper::jsonValueToString(reply.value(QLatin1String("course_end_time"))), kTimeFormat);
    if (mType == kRtmpBigClass && currentTimeMillis() / 1000 - end > kOverdueBigClassSecs) {
        CDialogManager::oneButtonDialog(this, QString(), QStringLiteral("已超过课堂预设结束时间15分钟，课程即将结束。"),
                                        QStringLiteral("知道了"));
        if (!gone())
            closeWithoutAsking(6);
        return false;
    }

    keepBoard = false;
    CourseDetailBean *current = course();
    if (current && idFromText(current->course_id) == mCourseID
        && idFromText(current->course_schedule_id) == mCourseScheduleID && current->mPlayMode == 0) {
        const int answer = CDialogManager::twoButtonDialog(this, QString(), QStringLiteral("保存这节课之前的板书？"),
                                                           QStringLiteral("保留板书"), QStringLiteral("重新开始"));
        if (gone())
            return false;
        // Only the first button keeps the board; a dismissed box starts afresh.
        keepBoard = answer == 0;
    }

    if (!keepBoard) {
        delete TQDataModelBean::m_pOngoingCourse;
        TQDataModelBean::m_pOngoingCourse = new CourseDetailBean(reply);
        if (confirmPayForCommunication()) {
            if (!gone())
                closeWithoutAsking(0);
            return false;
        }
        if (gone())
            return false;
    }
    return true;
}

void TQLiveBroadCastActivity::closeWithoutAsking(int exitClassTimes)
{
    mExitClassTimes = exitClassTimes;
    // Not from inside the reply: the view model that is still emitting it
    // goes with the window.
    QTimer::singleShot(0, this, &QWidget::close);
}

bool TQLiveBroadCastActivity::confirmPayForCommunication()
{
    const CourseDetailBean *current = course();
    if (!current || current->courseDurationSecs <= 0 || !current->isPayForCommunication())
        return false;
    const int students = current->participants.size();
    const double ratePerMinute = current->price_per_hour / 60.0;
    if (students < 1 || ratePerMinute < 1.0)
        return false;
    const int minutes = int(current->l_balance / (students * ratePerMinute));
    const QString text = balanceText(current->l_balance, students, minutes)
                         + QStringLiteral("，(注意: 课程一旦开始，将无法更改代缴通讯费设置)");
    const int answer = CDialogManager::twoButtonDialog(this, QStringLiteral("本堂课将由您代缴正式学生的通讯费"), text,
                                                       QStringLiteral("开始上课"), QStringLiteral("取消"));
    // Only "开始上课" is consent to pay every student's fee; "取消", Escape or
    // closing the box keep the class from starting.
    return answer != 0;
}

QString TQLiveBroadCastActivity::balanceText(double balanceFen, int students, int minutes)
{
    // The service counts the balance in fen; both boxes show yuan.
    return QStringLiteral("当前余额%1元，本节课正式生人数%2人，预计可以使用%3分钟")
        .arg(QString::number(balanceFen / 100.0, 'g', 12))
        .arg(students)
        .arg(minutes);
}

void TQLiveBroadCastActivity::showBalanceWarning(double balance, double unused)
{
    Q_UNUSED(unused)
    const CourseDetailBean *current = course();
    if (mExitClassTimes >= 0 || !current || current->pay_for_communication == 0)
        return;
    const int students = current->getOnlineStudentsNotInBlackRoom().size();
    const double ratePerMinute = current->price_per_hour / 60.0;
    if (students < 1 || ratePerMinute < 1.0)
        return;
    const int minutes = int(balance / (students * ratePerMinute));
    if (minutes >= 5)
        return;
    CDialogManager::showOneButtonDialog(this, QString(), balanceText(balance, students, minutes),
                                        QStringLiteral("确定"), 5);
}

void TQLiveBroadCastActivity::showSpeakingModeNotice()
{
    CourseDetailBean *current = course();
    if (!current || current->mPlayMode != 0)
        return;
    const bool freeSpeaking = current->participants.size() <= kSpeakingModeLimit;
    current->mDefaultStudentAudioOn = freeSpeaking;
    current->setParticipantsShouldAudioOn(freeSpeaking);
    const QString text = freeSpeaking
                             ? QStringLiteral("本节课正式生不到10人，我们默认为你切换到自由发言模式。\n你可以在“课堂设置”里随时切换此设置")
                             : QStringLiteral("本节课正式生超过10人，我们将默认为你切换到禁言模式。\n你可以在“课堂设置”里随时切换此设置");
    CDialogManager::showOneButtonDialog(this, QStringLiteral("提示"), text, QStringLiteral("我知道了"), 10);
    if (m_pTopMenuObject)
        m_pTopMenuObject->setFreeTalkEnable(freeSpeaking);
    current->mFreeTalkEnabled = true;
    current->mSessionStatusDue += 1;
}

void TQLiveBroadCastActivity::emitCourseType()
{
    const CourseDetailBean *current = course();
    if (current)
        emit setCourseType_signal(current->isSpeedMode(), current->isOrgCourse(), current->isBigClass());
}

// Connection ------------------------------------------------------------------

void TQLiveBroadCastActivity::resetCourseAndConnect()
{
    if (CourseDetailBean *current = course())
        current->resetParticipantsForNewSession();
    reportOnlineToServer();
    beforeTeaching();
    handleRtcType();
    connectToRealTimeNetworks();
}

void TQLiveBroadCastActivity::reportOnlineToServer()
{
    if (!m_pBroadcastViewModel)
        return;
    CourseScheduleFeedback feedback;
    feedback.courseID = mCourseID;
    feedback.courseScheduleID = mCourseScheduleID;
    feedback.materialID = 0;
    feedback.pageNum = 0;
    feedback.targetUserID = LoginManager::getUserID().toStdString();
    feedback.feedbackType = 5;
    feedback.feedbackStr = "get_on_line_class_windows";
    feedback.timeIntervalSinceClassStart = 0;
    feedback.maxVideoIndex = 0;
    m_pBroadcastViewModel->sendFeedbackToServer(&feedback);
}

void TQLiveBroadCastActivity::beforeTeaching()
{
    CLog::print(QStringLiteral("TQLiveBroadCastActivity::beforeTeaching"));
    CourseDetailBean *current = course();
    if (m_pUserListManager && current)
        emit m_pUserListManager->updateRotateSettingData_signal(current->mStageCapacity, current->mRotationSeconds);
    if (const LiveConfig *config = LiveConfig::getInstance(); config && current)
        current->mTeacherHeadImage = config->live_profile.toStdString();
    if (m_pContext && m_pContext->m_pStudentWritingManager && m_pDrawLayout)
        m_pContext->m_pStudentWritingManager->setDrawManager(m_pDrawLayout->drawManager());
    if (m_pContext && m_pContext->m_pDownloadManager)
        m_pContext->m_pDownloadManager->initMaterialDownloadTasks(true);
}

void TQLiveBroadCastActivity::handleRtcType()
{
    const CourseDetailBean *current = course();
    const int dataChannel = current ? current->data_channel : 0;
    CLog::log(QStringLiteral("check agora data channel is %1, now data channel is %2").arg(1).arg(dataChannel),
              QStringLiteral("TQLiveBroadCastActivity::handleRtcType"));
    TQRealTimeManager *manager = m_pContext ? m_pContext->m_pRealTimeManager : nullptr;
    const bool agora = dataChannel == 1;
    if (manager)
        manager->init(mType, agora ? 1 : 3, agora ? 4 : 5);
    if (m_pRecordVideoPlayerLayout)
        m_pRecordVideoPlayerLayout->setState(mType);
}

void TQLiveBroadCastActivity::connectToRealTimeNetworks()
{
    const qint64 now = currentTimeMillis();
    if (mLastConnectTime > 0 && now - mLastConnectTime <= kConnectGuardMs) {
        CLog::error(QStringLiteral("TQLiveBroadCastActivity::connectToRealTimeNetworks connect RTC/RTM error for time %1-%2")
                        .arg(now)
                        .arg(mLastConnectTime),
                    QStringLiteral("TQLiveBroadCastActivity::connectToRealTimeNetworks"));
        return;
    }
    TQRealTimeManager *manager = m_pContext ? m_pContext->m_pRealTimeManager : nullptr;
    if (!manager)
        return;
    mLastConnectTime = now;
    manager->setDelegate(m_pRealTimeInterface);

    if (manager->isRTCInterrupted()) {
        CLog::print(QStringLiteral("TQLiveBroadCastActivity::connectToRealTimeNetworks restarting rtc engine on resume"));
        manager->leaveRTCManager();
        mNeedLoadRTC = true;
        startPostDelayTimer(kPostDelayReloadMs);
    } else {
        loadMediaEngine();
    }

    if (manager->isDataChannelInterrupted()) {
        CLog::print(QStringLiteral("TQLiveBroadCastActivity::connectToRealTimeNetworks restarting data engine on resume"));
        manager->leaveDataChannelManager();
        mNeedLoadDataChannel = true;
        startPostDelayTimer(kPostDelayReloadMs);
    } else {
        CLog::print(QStringLiteral("TQLiveBroadCastActivity::connectToRealTimeNetworks start data engine"));
        mLastDataChannelLoadTime = now;
        manager->loadDataChannel();
    }
    mConnectedOnce = true;
}

void TQLiveBroadCastActivity::loadMediaEngine()
{
    TQRealTimeManager *manager = m_pContext ? m_pContext->m_pRealTimeManager : nullptr;
    const CourseDetailBean *current = course();
    if (!manager)
        return;
    if (current && current->data_channel == 1)
        manager->setAgoraAudioFrameObserver(m_pAgoraAudioObserver);
    else
        manager->setTesselAudioFrameObserver(m_pTesselAudioObserver);
    manager->loadRTC();
}

void TQLiveBroadCastActivity::handleDataConnectFailure()
{
    CLog::log(QStringLiteral("rtm disconnected or login failed"),
              QStringLiteral("TQLiveBroadCastActivity::handleDataConnectFailure"));
    mNeedLoadDataChannel = true;
    startPostDelayTimer(kPostDelayReloadMs);
}

void TQLiveBroadCastActivity::startPostDelayTimer(int intervalMs)
{
    if (m_pPostDelayTimer)
        m_pPostDelayTimer->start(intervalMs, this);
}

bool TQLiveBroadCastActivity::isPostDelayTimerActive() const
{
    return m_pPostDelayTimer && m_pPostDelayTimer->isActive();
}

void TQLiveBroadCastActivity::timedPostDelayCheck()
{
    CLog::printf("TQLiveBroadCastActivity::timedPostDelayCheck m_pPostDelayTimer mCheckForceStartTeaching=%d "
                 "mNeedLoadRTC=%d mNeedLoadDataChannel=%d retryTimes=%d, mNeedDeferRedraw=%d, mExitClassTimes=%d "
                 "mTimeAcc=%d, mReconnectRtmpTimeLeft=%d",
                 int(mCheckForceStartTeaching), int(mNeedLoadRTC), int(mNeedLoadDataChannel), retryTimes,
                 int(mNeedDeferRedraw), mExitClassTimes, mTimeAcc, mReconnectRtmpTimeLeft);
    CourseDetailBean *current = course();
    const bool live = current && current->mPlayMode == 0;

    if (mCheckForceStartTeaching)
        ++mPostDelayTicks;
    if (mReconnectRtmpTimeLeft >= 0)
        --mReconnectRtmpTimeLeft;

    if (mPostDelayTicks % kForceStartTicks == 0 && mCheckForceStartTeaching && !mNeedLoadRTC && !mNeedLoadDataChannel
        && mExitClassTimes < 0 && retryTimes < 1 && live) {
        mCheckForceStartTeaching = false;
        checkForceStartTeaching();
        if (mQuitDone)
            return;
    }

    if (mNeedDeferRedraw && mTimeAcc > 0) {
        mNeedDeferRedraw = false;
        drawAreaSizeChanged();
    }

    TQRealTimeManager *manager = m_pContext ? m_pContext->m_pRealTimeManager : nullptr;
    if (live && mNeedLoadRTC) {
        mNeedLoadRTC = false;
        loadMediaEngine();
    }
    const qint64 now = currentTimeMillis();
    if (live && mNeedLoadDataChannel && now - mLastDataChannelLoadTime > kDataChannelReloadGapMs) {
        mLastDataChannelLoadTime = now;
        mNeedLoadDataChannel = false;
        if (manager)
            manager->loadDataChannel();
    }

    if (mExitClassTimes >= 0)
        ++mExitClassTimes;

    // A forced start still to come keeps the tick alive until it has run,
    // whatever else is pending.
    const bool forceStartPending =
        mCheckForceStartTeaching && live && !(m_pContext && m_pContext->teachingStarted);
    if (retryTimes < 1 && !mNeedDeferRedraw && !mNeedLoadRTC && !mNeedLoadDataChannel && !forceStartPending
        && (mExitClassTimes < 0 || mExitClassTimes > 5) && mReconnectRtmpTimeLeft < 0 && m_pPostDelayTimer) {
        CLog::printf("TQLiveBroadCastActivity::timedPostDelayCheck m_pPostDelayTimer stop");
        m_pPostDelayTimer->stop();
    }

    if (mExitClassTimes >= 6 && current && !current->hasOnlineStudentOrBystander()) {
        CLog::printf("TQLiveBroadCastActivity::timedPostDelayCheck nostudent time enough, exit");
        close();
    }
}

// Teaching --------------------------------------------------------------------

void TQLiveBroadCastActivity::startTeachingOrLearning()
{
    if (!m_pContext || m_pContext->teachingStarted)
        return;
    m_pContext->teachingStarted = true;
    CourseDetailBean *current = course();
    CLog::printf("TQLiveBroadCastActivity::startTeaching course type : %s",
                 current ? current->course_category_type.c_str() : "");

    if (m_pDrawLayout)
        m_pDrawLayout->setDrawingEnabled(true, std::string());
    emit courseDetailInitDonw_signal();
    mTimeAcc = 0;
    mStatusTimerRunning = true;
    if (m_pStatusTimer)
        m_pStatusTimer->start(1000, this);

    if (!m_pContext->m_pCameraPlayer) {
        auto *camera = new TQCameraPlayer(m_pContext->m_pBinaryTransporter, current && current->isImageVideoMode());
        camera->setRealTimeManager(m_pContext->m_pRealTimeManager);
        m_pContext->m_pCameraPlayer = camera;
    }
    if (current)
        current->mTeacherVideoOff = !(LiveConfig::getInstance()->isCameraOn() && current->isRtcVideoEnabled());

    TQDrawManager *manager = m_pDrawLayout ? m_pDrawLayout->drawManager() : nullptr;
    MaterialDetailBean *material = current ? current->m_pOngoingMaterial : nullptr;
    if (keepBoard && material && manager) {
        CLog::log(QStringLiteral("handle reenter class, restore origin draw"),
                  QStringLiteral("TQLiveBroadCastActivity::startTeachingOrLearning"));
        const int teacher = teacherId();
        const int materialId = int(material->materialId);
        const int page = material->mOngoingPageIndex;
        const int storedOffset = material->m_pOngoingPage ? material->m_pOngoingPage->mPageState.topOffset : 0;
        manager->requestTurnPage(materialId, 0, page, teacher);
        manager->queueMoveUpDown(materialId, page, int(mBoardSize.width() * manager->zoom() * 4),
                                 int(mBoardSize.height() * manager->zoom() * 4), storedOffset * 4, 0, 0, 0, false,
                                 teacher);
        auto *erase = new TQDrawActionEraseBlackBoard();
        erase->eraseTime = secsSinceReferenceDate();
        manager->queueAction(erase);
        emit pageChange(materialId, page, int(material->mFileItems.size()));
        drawAreaSizeChanged();
    } else {
        clearAllAndOpenDefaultMaterial();
    }
    if (m_pMethodService)
        m_pMethodService->requestPermissionInfo(true);
}

void TQLiveBroadCastActivity::clearAllAndOpenDefaultMaterial()
{
    CourseDetailBean *current = course();
    if (current)
        current->clearDrawings();
    if (m_pContext && m_pContext->m_pRealTimeManager)
        m_pContext->m_pRealTimeManager->sendControlAction(new TQControlClearAll());
    TQDrawManager *manager = m_pDrawLayout ? m_pDrawLayout->drawManager() : nullptr;
    if (!current || !manager)
        return;
    const std::pair<qint64, int> opening = current->getDefaultMaterialAndPage();
    manager->queueSelectMaterialInstruction(opening.first, opening.second, teacherId(), true);
    emit pageChange(int(opening.first), manager->pageIndex(), m_pDrawDataSource ? m_pDrawDataSource->getPageCount() : 0);
    manager->reinitCurrentTool();
}

void TQLiveBroadCastActivity::checkForceStartTeaching()
{
    if (!m_pContext || m_pContext->teachingStarted)
        return;
    if (!m_pContext->dataConnected)
        CLog::printf("TQLiveBroadCastActivity::checkForceStartTeaching: data channel not connected");
    if (!m_pContext->mediaConnected)
        CLog::printf("TQLiveBroadCastActivity::checkForceStartTeaching: media/RTC channel not connected");
    startTeachingOrLearning();
    CDialogManager::showOneButtonDialog(
        this, QString(),
        QStringLiteral("直播网络服务可能有问题。如果开始上课后学生看不到板书或者您看不到/听不到学生，请退出课堂，重新进入"),
        QStringLiteral("知道了"), 5);
}

void TQLiveBroadCastActivity::scheduleAutoRecordCheck()
{
    QTimer::singleShot(kAutoRecordDelayMs, this, &TQLiveBroadCastActivity::lbca_checkAutoRecord);
}

void TQLiveBroadCastActivity::lbca_checkAutoRecord()
{
    if (!m_pGlobalConfig || !m_pGlobalConfig->autoRecord())
        return;
    switch (mType) {
    case kLiveClass:
        CDialogManager::toast(this, QStringLiteral("已启用自动录屏"), 3000);
        break;
    case kRecordedLesson:
        CDialogManager::toast(this, QStringLiteral("录播课停止自动录屏"), 3000);
        break;
    case kRehearsal:
        CDialogManager::toast(this, QStringLiteral("磨课状态下停止自动录屏"), 3000);
        break;
    case kRtmpBigClass:
        CDialogManager::toast(this, QStringLiteral("微信大班课停止自动录屏"), 3000);
        break;
    default:
        break;
    }
}

void TQLiveBroadCastActivity::startRtmpPublish(const QString &url)
{
    RtmpPublisher &publisher = RtmpPublisher::instance();
    publisher.setInterface(m_pRtmpPublisherInterface);
    publisher.setStreamAddress(url.toStdString());
    if (!publisher.StartThread())
        CLog::error(QStringLiteral("rtmp publisher not started: %1").arg(QString::fromStdString(publisher.errorText())),
                    QStringLiteral("TQLiveBroadCastActivity::startRtmpPublish"));
}

// Failures ----------------------------------------------------------------------

void TQLiveBroadCastActivity::lbca_handleFailure_slot(Failure &f)
{
    CDialogManager::toast(this, f.getMessageForUser(), 3000);
}

// Live stream --------------------------------------------------------------------

void TQLiveBroadCastActivity::checkLiveInfo()
{
    CLog::printf("%s:checkLiveInfo", "[COURSE_LIVE]");
    const CourseDetailBean *current = course();
    if (m_pBroadcastViewModel && current)
        m_pBroadcastViewModel->getCourseLiveStreamInfo(QString::fromStdString(current->course_schedule_id));
}

void TQLiveBroadCastActivity::lbca_handleGetCourseLiveStreamInfo_slot(QJsonObject &reply)
{
    CLog::print(QStringLiteral("lbca_handleGetCourseLiveStreamInfo_slot"));
    onCourseLiveStreamInfoGet(TQLiveStreamInfo::fromJson(reply));
}

void TQLiveBroadCastActivity::onCourseLiveStreamInfoGet(TQLiveStreamInfo info)
{
    CLog::printf("%s:onCourseLiveStreamInfoGet seconds_to_start=%d duration=%d", "[COURSE_LIVE]",
                 info.seconds_to_start, info.duration);
    setupLiveCourse(info);
}

void TQLiveBroadCastActivity::setupLiveCourse(TQLiveStreamInfo info)
{
    if (info.duration < 1)
        info.duration = 100000;
    CLog::printf("%s:setupLiveCourse seconds_to_start=%d duration=%d stream=%s course_schedule_status=%d",
                 "[COURSE_LIVE]", info.seconds_to_start, info.duration, info.stream.toUtf8().constData(),
                 info.course_schedule_status);
    if (info.course_schedule_status == 1 && m_pLiveInfoTimer)
        m_pLiveInfoTimer->start(clampedInterval(qint64(info.seconds_to_start) * 1000 + 5000), this);
    if (qint64(info.seconds_to_start) + info.duration < 1 || info.course_schedule_status == 4) {
        if (m_pCloseTimer)
            m_pCloseTimer->start(10000, this);
        CDialogManager::toast(nullptr, QStringLiteral("直播已经结束,10秒后退出"), 3000);
    }
}

void TQLiveBroadCastActivity::updateSecondsToStart()
{
    const CourseDetailBean *current = course();
    if (!current)
        return;
    const qint64 start = dateStringToSecs(QString::fromStdString(current->course_time), kTimeFormat);
    const qint64 seconds = start - currentTimeMillis() / 1000 - 840;
    mRehearsalSecondsToStart = int(qBound<qint64>(INT_MIN, seconds, INT_MAX));
}
