#include "modules/live/userlist/TQBroadCastUserListInterface.h"

#include "base/dialog/CDialogManager.h"
#include "modules/live/bean/CParticipantBean.h"
#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/TQDataModelBean.h"
#include "modules/live/broadcast/TQBroadCastMethodService.h"
#include "modules/live/broadcast/TQLiveBroadCastActivity.h"
#include "modules/live/broadcast/TQLiveBroadCastContext.h"
#include "modules/live/userlist/TQClassRotateSettingDialog.h"
#include "modules/live/userlist/TQRemoteUser.h"
#include "modules/live/userlist/TQUserListManager.h"
#include "utils/CLog.h"

#include <algorithm>

namespace {

TQLiveBroadCastActivity *activityOf(TQBroadCastMethodService *service)
{
    return service ? service->getActivity() : nullptr;
}

} // namespace

TQBroadCastUserListInterface::TQBroadCastUserListInterface(TQBroadCastMethodService *methodService,
                                                           TQLiveBroadCastContext *context)
    : TQLiveClassAccess(methodService, context)
{
}

void TQBroadCastUserListInterface::teacherIconClicked(QQuickItem *, int posX, int posY)
{
    CLog::printf("clickpos %d,%d", posX, posY);
    if (methodService())
        methodService()->showTeacherPopover(posX, posY);
}

void TQBroadCastUserListInterface::studentIconClicked(QQuickItem *, long studentID)
{
    if (methodService())
        methodService()->commonStudentIconClicked(studentID);
}

void TQBroadCastUserListInterface::blackRoomIconClicked(QQuickItem *)
{
    showBlackRoomPopover();
}

void TQBroadCastUserListInterface::bystanderIconClicked(QQuickItem *)
{
    showBystanderPopover();
}

void TQBroadCastUserListInterface::userClickRotateSettingIcon()
{
    TQLiveBroadCastActivity *activity = activityOf(methodService());
    if (TQClassRotateSettingDialog *dialog = activity ? activity->rotateSettingDialog() : nullptr)
        dialog->show();
}

QString TQBroadCastUserListInterface::remarkOrNickName(const CParticipantBean &participant)
{
    return QString::fromStdString(participant.remarkName.empty() ? participant.userBriefInfo.userNickName
                                                                 : participant.remarkName);
}

CParticipantBean *TQBroadCastUserListInterface::findParticipant(const CourseDetailBean &course, const QString &text)
{
    if (text.isEmpty())
        return nullptr;
    for (CParticipantBean *p : course.participants) {
        if (!p)
            continue;
        if (QString::fromStdString(p->userBriefInfo.mobilePhone) == text || remarkOrNickName(*p) == text)
            return p;
    }
    return nullptr;
}

void TQBroadCastUserListInterface::userClickSearchIcon(QString searchItem)
{
    const QString text = searchItem.trimmed();
    const CourseDetailBean *course = TQDataModelBean::m_pOngoingCourse;
    if (text.isEmpty() || !course)
        return;
    const CParticipantBean *found = findParticipant(*course, text);
    if (!found) {
        CDialogManager::toast(activityOf(methodService()), QStringLiteral("本节课中没有搜索到该用户"), 3000);
        return;
    }
    const long userId = found->mUserId;
    if (found->mInsideBlackroom)
        blackRoomIconClicked(nullptr);
    studentIconClicked(nullptr, userId);
}

QList<CParticipantBean *> TQBroadCastUserListInterface::blackRoomStudents(const CourseDetailBean &course)
{
    QList<CParticipantBean *> inside;
    for (CParticipantBean *p : course.participants)
        if (p && p->mInsideBlackroom)
            inside.append(p);
    std::stable_sort(inside.begin(), inside.end(), [](const CParticipantBean *a, const CParticipantBean *b) {
        if (a->mClassJoinedInData != b->mClassJoinedInData)
            return a->mClassJoinedInData;
        return a->mUserId < b->mUserId;
    });
    return inside;
}

void TQBroadCastUserListInterface::sortBystanders(QList<CParticipantBean *> &bystanders)
{
    bystanders.removeAll(nullptr);
    std::stable_sort(bystanders.begin(), bystanders.end(), [](const CParticipantBean *a, const CParticipantBean *b) {
        if (a->mClassJoinedInData != b->mClassJoinedInData)
            return !a->mClassJoinedInData;
        return a->mUserId < b->mUserId;
    });
}

void TQBroadCastUserListInterface::showBlackRoomPopover()
{
    const CourseDetailBean *course = TQDataModelBean::m_pOngoingCourse;
    if (!course)
        return;
    const QList<CParticipantBean *> inside = blackRoomStudents(*course);
    if (inside.isEmpty()) {
        CDialogManager::oneButtonDialog(activityOf(methodService()), QString(), QStringLiteral("没有学生在黑屋"),
                                        QStringLiteral("确定"));
        return;
    }
    // The popover manager cannot show the black-room panel yet: the sorted
    // list is all there is to hand it.
    CLog::debug(QStringLiteral("black room students %1").arg(inside.size()),
                QStringLiteral("TQBroadCastUserListInterface::showBlackRoomPopover "));
}

void TQBroadCastUserListInterface::showBystanderPopover()
{
    CourseDetailBean *course = TQDataModelBean::m_pOngoingCourse;
    if (!course)
        return;
    // Sorted in the course's own list, which the bystander panel reads.
    sortBystanders(course->bystanders);
}

void TQBroadCastUserListInterface::fitVideoRoomToCapacity()
{
    CourseDetailBean *course = TQDataModelBean::m_pOngoingCourse;
    if (!course)
        return;
    TQLiveBroadCastActivity *activity = activityOf(methodService());
    TQUserListManager *manager = activity ? activity->userListManager() : nullptr;
    if (manager) {
        const int capacity = std::max(0, course->mStageCapacity);
        const int count = manager->getRemoteUserCount();
        if (count > capacity) {
            // The students who entered first leave first.
            const std::vector<int> byEntry = manager->usersInVideoRoomLongerThan(0);
            const size_t leaving = std::min(byEntry.size(), size_t(count - capacity));
            for (size_t i = 0; i < leaving; ++i)
                manager->removeRemoteUser(byEntry[i]);
        } else if (count < capacity) {
            for (const CParticipantBean *p : course->participants) {
                if (manager->getRemoteUserCount() >= capacity)
                    break;
                if (!p || !p->mClassJoinedInData || p->mInsideBlackroom || p->mPickedForTalk != 0
                    || manager->hasRemoteUser(p->mUserId))
                    continue;
                manager->addRemoteUser(TQRemoteUser(p->mUserId, remarkOrNickName(*p).toStdString(), false));
            }
        }
    }
    if (liveContext())
        liveContext()->participantsChanged = true;
}
