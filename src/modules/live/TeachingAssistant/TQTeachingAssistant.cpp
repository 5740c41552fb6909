#include "modules/live/TeachingAssistant/TQTeachingAssistant.h"

#include "base/dialog/CDialogManager.h"
#include "modules/live/TeachingAssistant/TQMaterialComments.h"
#include "modules/live/bean/CParticipantBean.h"
#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/TQDataModelBean.h"
#include "modules/live/bean/TQInClassMessage.h"
#include "modules/live/broadcast/TQBroadCastMethodService.h"
#include "modules/live/broadcast/TQBroadcastViewModel.h"
#include "modules/live/broadcast/TQLiveBroadCastActivity.h"
#include "modules/live/communications/binary/TQBinaryDownloadManager.h"
#include "modules/login/LoginManager.h"
#include "utils/CDataHelper.h"
#include "utils/CFileDownloader.h"
#include "utils/CLog.h"
#include "utils/TimeUtils.h"

#include <QDateTime>
#include <QPointer>
#include <QTimer>
#include <QTimerEvent>

#include <algorithm>

namespace {

// The toast corner of the class window.
constexpr int kBottomRight = 3;

// A cached file's path is never this short; shorter answers mean "not cached".
bool isCachedPath(const QString &path)
{
    return path.size() > 2;
}

void note(const QString &text)
{
    CLog::log(text, QStringLiteral("TQTeachingAssistant"));
}

CourseDetailBean *ongoingCourse()
{
    return TQDataModelBean::m_pOngoingCourse;
}

} // namespace

TQTeachingAssistant::TQTeachingAssistant(TQBroadCastMethodService *methodService, TQLiveBroadCastContext *context)
    : TQLiveClassAccess(methodService, context)
    , mDownloadManager(new TQBinaryDownloadManager(nullptr))
{
    connect(mDownloadManager, SIGNAL(bdManager_handleBinaryDownloaded_signal(QString)), this,
            SLOT(imageDownloaded_slot(QString)));
    if (TQLiveBroadCastActivity *window = activity()) {
        if (TQBroadcastViewModel *viewModel = window->getBroadcastViewModel())
            connect(viewModel, &TQBroadcastViewModel::onGetMessageListSuccess_signal, this,
                    &TQTeachingAssistant::onAddMessageList);
    }
}

TQTeachingAssistant::~TQTeachingAssistant()
{
    note(QStringLiteral("destructor"));
    delete mDownloadManager;
    mPollTimer.stop();
    mDownloadQueue.clear();
}

TQLiveBroadCastActivity *TQTeachingAssistant::activity() const
{
    return methodService() ? methodService()->getActivity() : nullptr;
}

// Messages and raised hands ----------------------------------------------------

void TQTeachingAssistant::addPublicMessage(const TQInClassMessage &message)
{
    emit addPublicMessage_signal(message.toJson());
}

void TQTeachingAssistant::addPrivateMessage(const TQInClassMessage &message)
{
    emit addPrivateMessage_signal(message.toJson());
    const long sender = message.mFromUserID;
    if (sender == mCurrentPrivateMessageUserID)
        return;
    if (sender == LoginManager::getUserID().toLong(nullptr, 10))
        return;
    CDialogManager::toast(activity(), QStringLiteral("%1发来一条私信").arg(QString::fromStdString(message.mFromUserName)),
                          kToastMs, kBottomRight);
}

void TQTeachingAssistant::addRaiseHandMessage(int userId, const QString &userName, qint64 timeMs)
{
    QJsonObject json;
    json.insert(QStringLiteral("userID"), QString::number(userId));
    json.insert(QStringLiteral("userName"), userName);
    json.insert(QStringLiteral("messageTime"),
                QDateTime::fromMSecsSinceEpoch(timeMs).toLocalTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
    CDialogManager::toast(activity(), QStringLiteral("%1举手了").arg(userName), kToastMs, kBottomRight);
    emit addRaiseHandMessage_signal(json);
}

void TQTeachingAssistant::goToPrivateMessageToOne(long userID)
{
    CourseDetailBean *course = ongoingCourse();
    CParticipantBean *participant = course ? course->getParticipant(userID) : nullptr;
    // Callers pass ids from the participant list; anything else opens nothing.
    if (!participant) {
        note(QStringLiteral("no participant %1 for a private conversation").arg(userID));
        return;
    }
    QJsonArray messages;
    for (const TQInClassMessage *message : qAsConst(participant->mArrayOfPrivateMessages))
        if (message)
            messages.append(message->toJson());
    QJsonObject json;
    json.insert(QStringLiteral("userID"), QString::number(userID));
    json.insert(QStringLiteral("userName"), QString::fromStdString(participant->remarkName));
    json.insert(QStringLiteral("messages"), messages);
    emit openPrivateMessaageToOne_signal(json);
}

void TQTeachingAssistant::sendPrivateMessage(long userID, QString message)
{
    // Sending belongs to the popover interface's dispatcher, which reports
    // the sent message back through addPrivateMessage.
    note(QStringLiteral("send private message to %1: %2").arg(userID).arg(message));
}

void TQTeachingAssistant::setCurrentPrivateMessageUserID(long userID)
{
    mCurrentPrivateMessageUserID = userID;
}

// Materials and notes ----------------------------------------------------------

void TQTeachingAssistant::addMaterialClicked()
{
    note(QStringLiteral("add material clicked"));
}

void TQTeachingAssistant::materialItemClicked(int materialID, int rawMaterialID, int lastPage)
{
    if (TQLiveBroadCastActivity *window = activity())
        window->changeMaterial(materialID, rawMaterialID, lastPage);
}

void TQTeachingAssistant::materialPageItemClicked(int materialID, int rawMaterialID, int pageIndex)
{
    materialItemClicked(materialID, rawMaterialID, pageIndex);
}

void TQTeachingAssistant::materialCommentClicked(long materialID, long rawMaterialID, int page, int indexInPage)
{
    Q_UNUSED(rawMaterialID)
    TQLiveBroadCastActivity *window = activity();
    TQMaterialComments *comments = window ? window->getMaterialComments() : nullptr;
    if (!comments)
        return;
    connect(this, &TQTeachingAssistant::imageFileDownloaded_signal, comments, &TQMaterialComments::imageDownloaded,
            Qt::UniqueConnection);
    comments->showComments(materialID, page, indexInPage, 0, 0);
    comments->showNormal();
    comments->activateWindow();
}

void TQTeachingAssistant::freetalkButtonClicked(bool enableFreetalk)
{
    if (CourseDetailBean *course = ongoingCourse())
        course->mFreeTalkEnabled = enableFreetalk;
}

// Images, one download at a time ---------------------------------------------

void TQTeachingAssistant::downloadUrl(QString fileUrl)
{
    const QString cached = CFileDownloader::getDownloadedFile(fileUrl);
    if (isCachedPath(cached)) {
        emit imageFileDownloaded_signal(cached, fileUrl);
        return;
    }
    if (std::find(mDownloadQueue.begin(), mDownloadQueue.end(), fileUrl) != mDownloadQueue.end())
        return;
    mDownloadQueue.push_back(fileUrl);
    if (!mDownloading)
        startNextDownload();
}

void TQTeachingAssistant::handleDownloadedImage(const QString &url)
{
    const QString cached = CFileDownloader::getDownloadedFile(url);
    if (isCachedPath(cached))
        emit imageFileDownloaded_signal(cached, url);
    const auto queued = std::find(mDownloadQueue.begin(), mDownloadQueue.end(), url);
    // The manager also reports course pages it fetched on its own; those
    // must not start the running download a second time.
    if (queued == mDownloadQueue.end())
        return;
    mDownloadQueue.erase(std::remove(mDownloadQueue.begin(), mDownloadQueue.end(), url), mDownloadQueue.end());
    if (mDownloadQueue.empty())
        mDownloading = false;
    else
        startNextDownload();
}

void TQTeachingAssistant::startNextDownload()
{
    while (!mDownloadQueue.empty()) {
        const QString url = mDownloadQueue.front();
        mDownloading = true;
        if (isCachedPath(CFileDownloader::getDownloadedFile(url))) {
            // Arrived meanwhile (a course page the manager fetched anyway):
            // reported from the event loop like any finished download.
            QPointer<TQTeachingAssistant> self(this);
            QTimer::singleShot(0, this, [self, url] {
                if (self)
                    self->handleDownloadedImage(url);
            });
            return;
        }
        // Anything but a web address would never report back: it leaves the
        // queue instead of blocking it.
        if (url.startsWith(QLatin1String("http"), Qt::CaseInsensitive)) {
            mDownloadManager->downloadUrl(url);
            return;
        }
        note(QStringLiteral("download refused %1").arg(url));
        mDownloadQueue.erase(mDownloadQueue.begin());
    }
    mDownloading = false;
}

void TQTeachingAssistant::imageDownloaded_slot(QString fileUrl)
{
    handleDownloadedImage(fileUrl);
}

// Discussion of big-class courses ---------------------------------------------

void TQTeachingAssistant::sendPublicMessage(QString message)
{
    note(QStringLiteral("send public message %1").arg(message));
    CourseDetailBean *course = ongoingCourse();
    TQLiveBroadCastActivity *window = activity();
    if (!course || !course->isBigClass() || !window || !window->getBroadcastViewModel())
        return;
    window->getBroadcastViewModel()->sendMessageForWXClass(CDataHelper::getIntFromString(course->course_schedule_id),
                                                        message);
    QPointer<TQTeachingAssistant> self(this);
    QTimer::singleShot(kRefreshAfterSendMs, this, [self] {
        if (self)
            self->requestPublicMessageList();
    });
}

void TQTeachingAssistant::requestPublicMessageList()
{
    CourseDetailBean *course = ongoingCourse();
    TQLiveBroadCastActivity *window = activity();
    if (!course || !course->isBigClass() || !window || !window->getBroadcastViewModel())
        return;
    note(QStringLiteral("WXMSG:teacher %1").arg(mNewestMessageTimeStamp));
    window->getBroadcastViewModel()->getMessageListForWX(CDataHelper::getIntFromString(course->course_schedule_id),
                                                      QString::number(mNewestMessageTimeStamp));
}

void TQTeachingAssistant::onOpenPublicMessagePanel(bool isOpen)
{
    if (!isOpen) {
        mPollTimer.stop();
        return;
    }
    if (!mPollTimer.isActive())
        mPollTimer.start(kPollIntervalMs, this);
    requestPublicMessageList();
}

void TQTeachingAssistant::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != mPollTimer.timerId()) {
        QObject::timerEvent(event);
        return;
    }
    if (currentTimeMillis() - mLastMessageListArrivalMs > kPollSkipWithinMs)
        requestPublicMessageList();
}

void TQTeachingAssistant::onAddMessageList(QJsonArray &msgList)
{
    mLastMessageListArrivalMs = currentTimeMillis();
    if (msgList.isEmpty())
        return;
    mNewestMessageTimeStamp =
        qint64(msgList.first().toObject().value(QStringLiteral("microtime")).toVariant().toDouble());
    emit addMessageList_signal(msgList);
}
