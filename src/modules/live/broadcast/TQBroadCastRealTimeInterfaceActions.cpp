// What students send: the dispatcher of received batches and its handlers.
#include "modules/live/broadcast/TQBroadCastRealTimeInterface.h"

#include "actions/TQActionsFromNet.h"
#include "actions/control/TQControlAnswerMachineAnswer.h"
#include "actions/control/TQControlRaiseHand.h"
#include "actions/control/TQControlRequestBulkData.h"
#include "actions/control/TQControlStudentEnterBackground.h"
#include "actions/control/TQControlStudentEnterForeground.h"
#include "actions/control/TQControlStudentJoinClass.h"
#include "actions/control/TQControlStudentLeaveClass.h"
#include "actions/drawing/TQDrawActionDrawImage.h"
#include "actions/drawing/TQDrawingActionLine.h"
#include "actions/drawing/TQDrawingActionMoveUpDown.h"
#include "actions/drawing/TQDrawingActionSave.h"
#include "actions/drawing/TQDrawingActionTurnPage.h"
#include "actions/message/TQPrivateMessageAction.h"
#include "actions/message/TQPublicMessageAction.h"
#include "actions/message/TQStudentDurationAction.h"
#include "actions/status/TQStatusActionCameraVideo.h"
#include "actions/status/TQStatusFallback.h"
#include "actions/status/TQStatusUserResponse.h"
#include "modules/live/TeachingAssistant/TQTeachingAssistant.h"
#include "modules/live/bean/CParticipantBean.h"
#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/TQInClassMessage.h"
#include "modules/live/broadcast/TQBroadCastMethodService.h"
#include "modules/live/broadcast/TQLiveBroadCastActivity.h"
#include "modules/live/broadcast/TQLiveBroadCastContext.h"
#include "modules/live/broadcast/TQStageTimeSpan.h"
#include "modules/live/broadcast/TQStageTimeTracker.h"
#include "modules/live/communications/TQBulkSendingRequest.h"
#include "modules/live/communications/TQRealTimeManager.h"
#include "modules/live/communications/binary/TQBinaryDownloadManager.h"
#include "modules/live/communications/binary/TQBinaryPartition.h"
#include "modules/live/communications/binary/TQBinaryTransporterManager.h"
#include "modules/live/draws/TQStudentWritingManager.h"
#include "modules/live/takepicture/TQTakePictureLayout.h"
#include "utils/CLog.h"
#include "utils/TimeUtils.h"

#include <memory>
#include <typeindex>
#include <unordered_map>
#include <utility>

namespace {

enum class Kind {
    Other,
    StudentWriting,
    DrawImage,
    RequestBulkData,
    RaiseHand,
    PrivateMessage,
    PublicMessage,
    JoinClass,
    LeaveClass,
    EnterBackground,
    EnterForeground,
    Answer,
    UserResponse,
    Fallback,
    CameraVideo,
};

// The exact class decides: a subclass does not take its base's branch.
Kind kindOf(const TQAction &action)
{
    static const std::unordered_map<std::type_index, Kind> kinds{
        {typeid(TQDrawingActionLine), Kind::StudentWriting},
        {typeid(TQDrawingActionTurnPage), Kind::StudentWriting},
        {typeid(TQDrawingActionMoveUpDown), Kind::StudentWriting},
        {typeid(TQDrawingActionSave), Kind::StudentWriting},
        {typeid(TQDrawActionDrawImage), Kind::DrawImage},
        {typeid(TQControlRequestBulkData), Kind::RequestBulkData},
        {typeid(TQControlRaiseHand), Kind::RaiseHand},
        {typeid(TQPrivateMessageAction), Kind::PrivateMessage},
        {typeid(TQPublicMessageAction), Kind::PublicMessage},
        {typeid(TQControlStudentJoinClass), Kind::JoinClass},
        {typeid(TQControlStudentLeaveClass), Kind::LeaveClass},
        {typeid(TQControlStudentEnterBackground), Kind::EnterBackground},
        {typeid(TQControlStudentEnterForeground), Kind::EnterForeground},
        {typeid(TQControlAnswerMachineAnswer), Kind::Answer},
        {typeid(TQStatusUserResponse), Kind::UserResponse},
        {typeid(TQStatusFallback), Kind::Fallback},
        {typeid(TQStatusActionCameraVideo), Kind::CameraVideo},
    };
    const auto found = kinds.find(typeid(action));
    return found == kinds.end() ? Kind::Other : found->second;
}

// Join, leave, background and foreground: a span of the stage-time tracker
// opened or closed now, and the participant's own flag.
struct PresenceStep
{
    const char *what;
    int spanType;
    bool opens;
};

PresenceStep presenceStep(Kind kind)
{
    switch (kind) {
    case Kind::JoinClass:
        return {"declared joining", TQStageTimeSpan::kInClass, true};
    case Kind::LeaveClass:
        return {"declared leaving", TQStageTimeSpan::kInClass, false};
    case Kind::EnterBackground:
        return {"entering background", TQStageTimeSpan::kInBackground, true};
    default:
        return {"entering foreground", TQStageTimeSpan::kInBackground, false};
    }
}

QString text(const std::string &s)
{
    return QString::fromStdString(s);
}

} // namespace

TQTeachingAssistant *TQBroadCastRealTimeInterface::teachingAssistant() const
{
    TQLiveBroadCastActivity *window = methodService()->getActivity();
    return window ? window->teachingAssistant() : nullptr;
}

void TQBroadCastRealTimeInterface::actionMessageFromStudent(TQActionsFromNet *actions)
{
    // The batch is ours: it goes, with whatever no handler took, on return.
    const std::unique_ptr<TQActionsFromNet> batch(actions);
    if (!batch)
        return;
    TQLiveBroadCastContext *context = liveContext();

    if (batch->partition) {
        TQBinaryPartition *partition = batch->takePartition();
        if (partition->raw.isEmpty())
            context->m_pBinaryTransporter->receivePartitions(partition);
        else
            context->m_pBinaryTransporter->receiveRawBinaryPartitions(partition);
        return;
    }
    if (batch->mActionArray.empty()) {
        CLog::error(QStringLiteral(
            "TQBroadCastRealTimeInterface::actionMessageFromStudent pActionsFromNet->mActionArray size 0"));
        return;
    }
    if (batch->mReceiptID != TQAction::GENERAL_AUDIENCE && batch->mReceiptID != ownUserId()) {
        CLog::printf("TQBroadCastRealTimeInterface::actionMessageFromStudent receviedID not suitable. uid=%d",
                     batch->mReceiptID);
        return;
    }
    CourseDetailBean *currentCourse = course();
    if (!currentCourse)
        return;
    const int sender = batch->from;
    CParticipantBean *participant = currentCourse->getParticipant(sender);
    if (!participant && currentCourse->checkStudentStatus(sender, true)) {
        requestParticipantInfo(sender);
        participant = currentCourse->getParticipant(sender);
    }
    if (!participant) {
        CLog::printf("TQBroadCastRealTimeInterface::actionMessageFromStudent uid=%d still can not be added.", sender);
        return;
    }
    // Everything but drawing travels over both the data stream and the
    // message channel: the second copy and anything older are dropped.
    if (batch->type != 0) {
        if (batch->tm <= participant->mTimeStampOfLastStudentMessage) {
            CLog::printf("TQBroadCastRealTimeInterface::actionMessageFromStudent uid=%d tqTm=%lld not after %lld, "
                         "dropped",
                         sender, static_cast<long long>(batch->tm),
                         static_cast<long long>(participant->mTimeStampOfLastStudentMessage));
            return;
        }
        participant->mTimeStampOfLastStudentMessage = batch->tm;
    }

    const int n = int(batch->mActionArray.size());
    for (int i = 0; i < n; ++i) {
        TQAction *&slot = batch->mActionArray[size_t(i)];
        if (!slot)
            continue;
        std::string actionText;
        slot->toString(actionText);
        CLog::log(QStringLiteral("handle action %1/%2:%3").arg(i).arg(n).arg(text(actionText)));
        dispatchAction(slot, participant, sender, i);
        CLog::log(QStringLiteral("handle action %1 done").arg(i));
    }
}

void TQBroadCastRealTimeInterface::dispatchAction(TQAction *&slot, CParticipantBean *participant, int sender,
                                                  int index)
{
    const Kind kind = kindOf(*slot);
    switch (kind) {
    case Kind::StudentWriting:
        handleStudentWriting(slot, sender);
        break;
    case Kind::DrawImage:
        handleDrawImage(slot, participant, sender);
        break;
    case Kind::RequestBulkData:
        handleRequestBulkData(slot, sender);
        break;
    case Kind::RaiseHand:
        handleRaiseHand(participant);
        break;
    case Kind::PrivateMessage:
        handlePrivateMessage(slot, participant, sender);
        break;
    case Kind::PublicMessage:
        handlePublicMessage(slot, participant, sender);
        break;
    case Kind::JoinClass:
    case Kind::LeaveClass:
    case Kind::EnterBackground:
    case Kind::EnterForeground:
        handlePresence(int(kind), participant, sender);
        break;
    case Kind::Answer:
        handleAnswer(slot, participant, sender);
        break;
    case Kind::UserResponse:
        handleUserResponse(slot, participant, sender);
        break;
    case Kind::Fallback:
        CLog::printf("TQBroadCastRealTimeInterface::actionMessageFromStudent userID %d, fallback %d", sender,
                     int(static_cast<const TQStatusFallback *>(slot)->isFallback));
        break;
    case Kind::CameraVideo:
        handleCameraVideo(slot, sender);
        break;
    case Kind::Other:
        CLog::printf("TQBroadCastRealTimeInterface::actionMessageFromStudent unpackage i=%d uncompleted", index);
        break;
    }
}

void TQBroadCastRealTimeInterface::handleStudentWriting(TQAction *&slot, int sender)
{
    CLog::printf("TQBroadCastRealTimeInterface::actionMessageFromStudent student writing in mReceiptID=%ld",
                 long(slot->receiver));
    // The writing manager keeps the action, or frees one it does not want.
    liveContext()->m_pStudentWritingManager->addStudentWriting(std::exchange(slot, nullptr), sender);
}

void TQBroadCastRealTimeInterface::handleDrawImage(const TQAction *action, const CParticipantBean *participant,
                                                   int sender)
{
    TQLiveBroadCastContext *context = liveContext();
    // The homework layout has no submission entry yet: only the photo
    // layout takes a student's image.
    if (!context->m_pRunningTakePicture) {
        CLog::error(QStringLiteral("TQBroadCastRealTimeInterface::actionMessageFromStudent onsiteHomework layout or "
                                   "takepicture layout need init"));
        return;
    }
    const auto *image = static_cast<const TQDrawActionDrawImage *>(action);
    const std::string name =
        participant->userBriefInfo.userId.empty() ? std::string("同学") : participant->getDisplayName();
    CLog::printf("TQBroadCastRealTimeInterface::actionMessageFromStudent TQDrawActionDrawImage %s from "
                 "%d:[%s][%s]=>[%s]",
                 image->url.c_str(), participant->mUserId, participant->remarkName.c_str(),
                 participant->userBriefInfo.userNickName.c_str(), name.c_str());
    const QString url = text(image->url);
    context->m_pRunningTakePicture->pictureUrlReceived(QString::number(sender), url, text(name));
    context->m_pDownloadManager->downloadUrl(url);
}

void TQBroadCastRealTimeInterface::handleRequestBulkData(const TQAction *action, int sender)
{
    const auto *request = static_cast<const TQControlRequestBulkData *>(action);
    const int a = request->mRequestStart;
    const int b = request->mRequestEnd;
    CLog::printf("TQBroadCastRealTimeInterface::actionMessageFromStudent TQControlRequestBulkData requesting data "
                 "%d, %d",
                 a, b);
    CourseDetailBean *currentCourse = course();
    TQRealTimeManager *manager = liveContext()->m_pRealTimeManager;
    const int last = currentCourse->getDrawingActionCount() - 1;
    // The range is the student's word: a start before the history or past
    // its end names nothing to send.
    if (a < 0 || (a > 0 && a > last)) {
        CLog::printf("TQBroadCastRealTimeInterface::actionMessageFromStudent request (%d, %d) outside 0..%d refused",
                     a, b, last);
        return;
    }
    const int start = a == 0 && b == 0 ? currentCourse->getProperStartIndex(0, 0) : a;
    manager->registerUserIDForBulkSending({sender, start, last, start, true});
    CLog::printf("TQBroadCastRealTimeInterface::actionMessageFromStudent fast mode (%d, %d)", start, last);
    if (start > a) {
        CLog::printf("TQBroadCastRealTimeInterface::actionMessageFromStudent slow mode (%d, %d)", a, start - 1);
        manager->registerUserIDForBulkSending({sender, a, start - 1, start, false});
    }

    const QList<TQInClassMessage *> messages = currentCourse->getRecentPublicMessages();
    if (!messages.isEmpty()) {
        auto *history = new TQPublicMessageAction;
        history->mMessages.assign(messages.begin(), messages.end());
        history->receiver = sender;
        // The manager copies the messages, which stay the course's.
        manager->sendPublicMessage(history);
    }
}

void TQBroadCastRealTimeInterface::handleRaiseHand(CParticipantBean *participant)
{
    CLog::printf("LiveBroadcast: raise hand userID %d", participant->mUserId);
    participant->mTimeStampHandRaised = currentTimeMillis();
    participant->handRaiseNum = qMax(participant->handRaiseNum, 0) + 1;
    if (TQTeachingAssistant *assistant = teachingAssistant())
        assistant->addRaiseHandMessage(participant->mUserId, text(participant->remarkName),
                                       participant->mTimeStampHandRaised);
}

void TQBroadCastRealTimeInterface::handlePrivateMessage(TQAction *action, CParticipantBean *participant, int sender)
{
    auto *privateMessage = static_cast<TQPrivateMessageAction *>(action);
    CLog::printf("LiveBroadcast: private message userID %d %#lx", sender,
                 static_cast<unsigned long>(reinterpret_cast<quintptr>(action)));
    TQInClassMessage *message = std::exchange(privateMessage->mMessage, nullptr);
    if (!message)
        return;
    if (!participant->userBriefInfo.userId.empty())
        message->mFromUserName = participant->getDisplayName();
    // The course keeps the message; the participant's list only points.
    course()->keepPrivateMessage(message);
    participant->mArrayOfPrivateMessages.append(message);
    participant->mHasNewPrivateMessages = true;
    if (TQTeachingAssistant *assistant = teachingAssistant())
        assistant->addPrivateMessage(*message);
}

void TQBroadCastRealTimeInterface::handlePublicMessage(TQAction *&slot, const CParticipantBean *participant,
                                                       int sender)
{
    auto *chat = static_cast<TQPublicMessageAction *>(slot);
    const unsigned long address = static_cast<unsigned long>(reinterpret_cast<quintptr>(chat));
    CLog::printf("LiveBroadcast: public message %#lx", address);
    if (chat->mMessages.size() == 1) {
        TQInClassMessage *message = chat->mMessages.front();
        // The envelope says who sent it, whatever the record claims.
        message->mFromUserID = sender;
        if (!participant->userBriefInfo.userId.empty())
            message->mFromUserName = participant->getDisplayName();
        course()->addPublicMessage(message);
        chat->receiver = TQAction::GENERAL_AUDIENCE;
        // The manager copies the message and owns the record from here on.
        liveContext()->m_pRealTimeManager->sendPublicMessage(std::exchange(slot, nullptr));
        if (TQTeachingAssistant *assistant = teachingAssistant())
            assistant->addPublicMessage(*message);
    }
    CLog::printf("LiveBroadcast: public message %#lx done", address);
}

void TQBroadCastRealTimeInterface::handlePresence(int kindValue, CParticipantBean *participant, int sender)
{
    const Kind kind = Kind(kindValue);
    const PresenceStep step = presenceStep(kind);
    CLog::printf("TQBroadCastRealTimeInterface::actionMessageFromStudent userID %d, %s", sender, step.what);
    const qint64 now = currentTimeMillis();
    if (step.spanType == TQStageTimeSpan::kInClass)
        participant->mClassJoinedInData = step.opens;
    else
        participant->mTimeStampInBackground = step.opens ? now : 0;
    course()->mStageTimeTracker->addSpan(sender, step.spanType, step.opens ? now : -1, step.opens ? -1 : now);
}

bool TQBroadCastRealTimeInterface::readAnswers(const std::vector<std::string> &answers, QString *letters,
                                               QList<int> *indexes)
{
    for (const std::string &answer : answers) {
        bool isNumber = false;
        const int code = text(answer).toInt(&isNumber, 10);
        if (!isNumber || code < 'A' || code > 'F') {
            CLog::printf("TQBroadCastRealTimeInterface::readAnswers answer %s is no option, dropped", answer.c_str());
            continue;
        }
        letters->append(QChar(code));
        indexes->append(code - 'A');
    }
    return !indexes->isEmpty();
}

void TQBroadCastRealTimeInterface::handleAnswer(const TQAction *action, const CParticipantBean *participant,
                                                int sender)
{
    CLog::log(QStringLiteral("receive"));
    if (participant->userBriefInfo.userId.empty())
        return;
    QString letters;
    QList<int> indexes;
    if (!readAnswers(static_cast<const TQControlAnswerMachineAnswer *>(action)->mAnswers, &letters, &indexes))
        return;
    CLog::printf("TQBroadCastRealTimeInterface::actionMessageFromStudent userID %d, %s choose %s", sender,
                 participant->userBriefInfo.userNickName.c_str(), letters.toUtf8().constData());
}

void TQBroadCastRealTimeInterface::handleUserResponse(const TQAction *action, CParticipantBean *participant,
                                                      int sender)
{
    const auto *report = static_cast<const TQStatusUserResponse *>(action);
    const qint64 now = currentTimeMillis();
    participant->mTimeStampPermissionResponse = now;
    bool changed = false;
    const auto copy = [&changed](auto &field, auto value) {
        if (field != value) {
            field = value;
            changed = true;
        }
    };
    copy(participant->mCameraPermitted, report->isCameraPermitted);
    copy(participant->mPhotoRollPermitted, report->isPhotoRollPermitted);
    copy(participant->mMicrophonePermitted, report->isMicrophonePermitted);
    copy(participant->mClientDeviceType, report->clientDeviceType);
    copy(participant->mClientUsingVersion, report->clientUsingVersion);
    copy(participant->mClientNewestVersion, report->clientNewestVersion);
    participant->mStudentBalance = report->studentBalance;
    if (participant->mReportedFlag != report->isWritingLost) {
        const qint32 low = qint32(quint32(quint64(now)));
        if (report->isWritingLost)
            participant->mTimeReportedFlagOn = low;
        else
            participant->mTimeReportedFlagOff = low;
        participant->mReportedFlag = report->isWritingLost;
        changed = true;
    }
    if (changed) {
        CLog::printf("TQBroadCastRealTimeInterface::actionMessageFromStudent userID %d, microphone %d, photo roll "
                     "%d, camera %d, writing lost state %d, client version %d",
                     sender, int(report->isMicrophonePermitted), int(report->isPhotoRollPermitted),
                     int(report->isCameraPermitted), int(report->isWritingLost), participant->mClientUsingVersion);
    }
}

void TQBroadCastRealTimeInterface::handleCameraVideo(const TQAction *action, int sender)
{
    const auto *camera = static_cast<const TQStatusActionCameraVideo *>(action);
    // A student speaks for his own camera only.
    if (camera->userID != sender) {
        CLog::printf("TQBroadCastRealTimeInterface::actionMessageFromStudent camera state of %d from %d ignored",
                     camera->userID, sender);
        return;
    }
    onRemoteVideoStateChanged(camera->userID, camera->videoState, camera->videoReason);
}

void TQBroadCastRealTimeInterface::durationActionsFromStudent(TQActionsFromNet *actions)
{
    const std::unique_ptr<TQActionsFromNet> batch(actions);
    CourseDetailBean *currentCourse = course();
    if (!batch || batch->mActionArray.empty() || !currentCourse)
        return;
    const std::string sender = std::to_string(batch->from);
    for (TQAction *&slot : batch->mActionArray) {
        if (!slot || typeid(*slot) != typeid(TQStudentDurationAction))
            continue;
        auto *duration = static_cast<TQStudentDurationAction *>(slot);
        // A student reports his own figure only.
        if (duration->studentID != sender) {
            CLog::printf("TQBroadCastRealTimeInterface::durationActionsFromStudent duration of %s from %s ignored",
                         duration->studentID.c_str(), sender.c_str());
            continue;
        }
        std::unique_ptr<TQStudentDurationAction> &kept = currentCourse->mLatestDurationActions[duration->studentID];
        if (!kept || kept->duration < duration->duration) {
            kept.reset(duration);
            slot = nullptr;
        }
    }
}
