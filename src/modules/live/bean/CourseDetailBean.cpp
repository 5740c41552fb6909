#include "modules/live/bean/CourseDetailBean.h"

#include "actions/TQActionHelpers.h"
#include "actions/control/TQControlBulkMessage.h"
#include "actions/drawing/TQDrawActionDrawCircle.h"
#include "actions/drawing/TQDrawActionDrawImage.h"
#include "actions/drawing/TQDrawingActionDrawText.h"
#include "actions/drawing/TQDrawingActionLine.h"
#include "actions/drawing/TQDrawingActionMoveUpDown.h"
#include "actions/drawing/TQDrawingActionNone.h"
#include "actions/drawing/TQDrawingActionRestore.h"
#include "actions/drawing/TQDrawingActionSave.h"
#include "actions/drawing/TQDrawingActionSelectMaterial.h"
#include "actions/drawing/TQDrawingActionTurnPage.h"
#include "modules/live/bean/CParticipantBean.h"
#include "modules/live/bean/MaterialDetailBean.h"
#include "modules/live/bean/TQDataModelBean.h"
#include "modules/live/bean/TQInClassMessage.h"
#include "modules/live/broadcast/TQLiveStreamInfo.h"
#include "modules/live/broadcast/TQStageTimeTracker.h"
#include "modules/live/communications/TQCallQualityStats.h"
#include "modules/live/communications/TQLateRequestFetch.h"
#include "modules/login/LoginManager.h"
#include "utils/CDataHelper.h"
#include "utils/CLog.h"
#include "utils/DeleteOnce.h"
#include "utils/TextFill.h"
#include "utils/TimeUtils.h"
#include "utils/Utf8Cut.h"

#include <QCameraInfo>
#include <QJsonArray>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <typeinfo>

namespace {

const QString kParseTag = QStringLiteral("CourseDetailBean::initWithCourseScheduleDetail ");
const QString kTimeFormat = QStringLiteral("yyyy-MM-dd hh:mm:ss");

template <typename T>
struct Field
{
    const char *key;
    T CourseDetailBean::*member;
};

// A JSON string as UTF-8; any other type gives "".
const Field<std::string> kStringFields[] = {
    {"course_id", &CourseDetailBean::course_id},
    {"course_schedule_id", &CourseDetailBean::course_schedule_id},
    {"course_content", &CourseDetailBean::course_content},
    {"app_id", &CourseDetailBean::app_id},
    {"dynamic_key", &CourseDetailBean::dynamic_key},
    {"rtm_token", &CourseDetailBean::rtm_token},
    {"course_prototype_id", &CourseDetailBean::course_prototype_id},
    {"substitute_teacher_id", &CourseDetailBean::substitute_teacher_id},
    {"current_size", &CourseDetailBean::current_size},
    {"course_time", &CourseDetailBean::course_time},
    {"bystander_size", &CourseDetailBean::bystander_size},
    {"bystander_entered", &CourseDetailBean::bystander_entered},
    {"lecturer_invalid", &CourseDetailBean::lecturer_invalid},
    {"course_end_time", &CourseDetailBean::course_end_time},
    {"course_progress", &CourseDetailBean::course_progress},
    {"course_schedule_progress", &CourseDetailBean::course_schedule_progress},
    {"course_schedule_status", &CourseDetailBean::course_schedule_status},
    {"course_category_type", &CourseDetailBean::course_category_type},
    {"course_knowledge", &CourseDetailBean::course_knowledge},
    {"record_video_status", &CourseDetailBean::record_video_status},
    {"record_video_file_id", &CourseDetailBean::record_video_file_id},
    {"allow_bystander", &CourseDetailBean::allow_bystander},
    {"entry_class_state_info", &CourseDetailBean::entry_class_state_info},
    {"signaling_token", &CourseDetailBean::signaling_token},
};

// A JSON number only; anything else gives 0.
const Field<int> kNumberFields[] = {
    {"is_prepared", &CourseDetailBean::is_prepared},
    {"max_video_index", &CourseDetailBean::max_video_index},
    {"entry_class_state", &CourseDetailBean::entry_class_state},
    {"applicants_count", &CourseDetailBean::applicants_count},
};

// Numbers, numeric texts, booleans and null.
const Field<int> kIntFields[] = {
    {"pay_for_communication", &CourseDetailBean::pay_for_communication},
    {"price_type", &CourseDetailBean::price_type},
    {"l_balance", &CourseDetailBean::l_balance},
    {"time_available", &CourseDetailBean::time_available},
    {"org_id", &CourseDetailBean::org_id},
    {"high_price", &CourseDetailBean::high_price},
    {"data_channel", &CourseDetailBean::data_channel},
    {"teaching_method", &CourseDetailBean::teaching_method},
    {"rtm", &CourseDetailBean::rtm},
};

const Field<double> kDoubleFields[] = {
    {"price_per_minute", &CourseDetailBean::price_per_minute},
    {"coin_available", &CourseDetailBean::coin_available},
    {"price_per_hour", &CourseDetailBean::price_per_hour},
    {"bonus_coin_available", &CourseDetailBean::bonus_coin_available},
};

// Any JSON value as text.
const Field<std::string> kTextFields[] = {
    {"popup_id", &CourseDetailBean::popup_id},
    {"popup_msg", &CourseDetailBean::popup_msg},
};

// The role group text as a number; -1 when it is not a decimal number.
int roleGroup(const std::string &text)
{
    bool ok = false;
    const int group = QString::fromStdString(text).toInt(&ok, 10);
    return ok ? group : -1;
}

// User ids of the classroom are ints; anything else is no user.
bool isUserId(qint64 userId)
{
    return userId > 0 && userId <= INT_MAX;
}

template <typename T>
void moveAll(QList<T *> &from, QList<T *> &to)
{
    to.append(from);
    from.clear();
}

} // namespace

CourseDetailBean::CourseDetailBean(const QJsonObject &returnResult)
    : mStageTimeTracker(new TQStageTimeTracker)
{
    CLog::printf("CourseDetailBean::CourseDetailBean constructed.");
    // This client always parses in the teacher's role.
    initWithCourseScheduleDetail(returnResult);
}

CourseDetailBean::~CourseDetailBean()
{
    CLog::printf("CourseDetailBean::~CourseDetailBean destructed");
    clearDrawingHistory();
    QSet<const void *> done;
    deleteEachOnce(course_materials, done);
    deleteEachOnce(mExtraMaterials, done);
    deleteEachOnce(mRetiredMaterials, done);
    for (QList<CParticipantBean *> *list : {&participants, &bystanders, &supervisors, &mFourthGroup,
                                            &mArrayOfNewlyAddedStudents, &mRetiredParticipants})
        deleteEachOnce(*list, done);
    deleteEachOnce(mPublicMessages, done);
    deleteEachOnce(mRetiredMessages, done);
    mUserMap.clear();
}

void CourseDetailBean::initWithCourseScheduleDetail(const QJsonObject &json)
{
    // A record parsed again keeps what it held until it is deleted: the
    // class may still point at those participants and materials.
    m_pOngoingMaterial = nullptr;
    moveAll(participants, mRetiredParticipants);
    moveAll(bystanders, mRetiredParticipants);
    moveAll(supervisors, mRetiredParticipants);
    moveAll(mFourthGroup, mRetiredParticipants);
    moveAll(mArrayOfNewlyAddedStudents, mRetiredParticipants);
    moveAll(course_materials, mRetiredMaterials);
    if (lecture_teacher)
        mRetiredParticipants.append(lecture_teacher.release());
    mUserMap.clear();
    mLiveStreamInfo.reset();

    for (const Field<std::string> &field : kStringFields)
        this->*field.member = json.value(QLatin1String(field.key)).toString().toStdString();
    for (const Field<int> &field : kNumberFields) {
        const QJsonValue value = json.value(QLatin1String(field.key));
        this->*field.member = value.isDouble() ? CDataHelper::jsonValueToInt(value) : 0;
    }
    for (const Field<int> &field : kIntFields)
        this->*field.member = CDataHelper::jsonValueToInt(json.value(QLatin1String(field.key)));
    for (const Field<double> &field : kDoubleFields)
        this->*field.member = CDataHelper::jsonValueToDouble(json.value(QLatin1String(field.key)));
    for (const Field<std::string> &field : kTextFields)
        this->*field.member = CDataHelper::jsonValueToStdString(json.value(QLatin1String(field.key)));

    const QJsonObject teacher = json.value(QLatin1String("lecture_teacher")).toObject();
    lecture_teacher.reset(new CParticipantBean(teacher, true));
    lecture_teacher_user_id = teacher.value(QLatin1String("user_id")).toString().toStdString();

    courseDurationSecs = dateStringToSecs(QString::fromStdString(course_end_time), kTimeFormat)
                         - dateStringToSecs(QString::fromStdString(course_time), kTimeFormat);

    const QJsonObject stream = json.value(QLatin1String("stream")).toObject();
    if (!stream.isEmpty())
        mLiveStreamInfo.reset(new TQLiveStreamInfo(TQLiveStreamInfo::fromJson(stream)));

    readParticipants(json.value(QLatin1String("bystanders")), bystanders, 0, false);
    const QJsonValue listed = json.value(QLatin1String("participants"));
    CLog::printf("CourseDetailBean::initWithCourseScheduleDetail participants size %d", int(listed.toArray().size()));
    // The lecturer is listed among the participants by the server; he is no student.
    readParticipants(listed, participants, CDataHelper::getIntFromString(lecture_teacher_user_id), true);
    readParticipants(json.value(QLatin1String("supervisors")), supervisors, 0, false);

    // The teacher sees every material, converted or not.
    for (const QJsonValue &material : json.value(QLatin1String("course_materials")).toArray())
        course_materials.append(new MaterialDetailBean(material.toObject()));

    mCallQualityStats.reset(new TQCallQualityStats);
    CLog::log(QStringLiteral("pay for communication %1, time available %2").arg(pay_for_communication).arg(time_available),
              kParseTag);
}

void CourseDetailBean::readParticipants(const QJsonValue &array, QList<CParticipantBean *> &list, int skipUserId,
                                        bool skip)
{
    for (const QJsonValue &entry : array.toArray()) {
        auto *participant = new CParticipantBean(entry.toObject());
        if (skip && participant->mUserId == skipUserId) {
            delete participant;
            continue;
        }
        list.append(participant);
    }
}

// Participants -----------------------------------------------------------------

QList<CParticipantBean *> *CourseDetailBean::listOfRoleGroup(int group)
{
    switch (group) {
    case 0:
        return &participants;
    case 1:
        return &bystanders;
    case 2:
        return &supervisors;
    case 3:
        return &mFourthGroup;
    default:
        return nullptr;
    }
}

void CourseDetailBean::addUserToHashMap(CParticipantBean *p)
{
    if (!p)
        return;
    CLog::printf("CourseDetailBean::addUserToHashMap add student key(%d)-->paritipant(%s)", p->mUserId,
                 p->userBriefInfo.userId.c_str());
    if (p->userBriefInfo.userId.empty())
        return;
    mUserMap.emplace(p->mUserId, p);
}

void CourseDetailBean::removeUserFromHashMap(CParticipantBean *p)
{
    if (p && !p->userBriefInfo.userId.empty())
        mUserMap.erase(p->mUserId);
}

CParticipantBean *CourseDetailBean::getParticipant(qint64 userId) const
{
    if (userId < INT_MIN || userId > INT_MAX)
        return nullptr;
    const auto found = mUserMap.find(int(userId));
    return found == mUserMap.end() ? nullptr : found->second;
}

void CourseDetailBean::resetParticipantsForNewSession()
{
    mUserMap.clear();
    // Users seen during the last session: placeholders leave the lists (and
    // are kept aside), moved bystanders return to their own list so that no
    // one is lost.
    for (CParticipantBean *p : qAsConst(mArrayOfNewlyAddedStudents)) {
        QList<CParticipantBean *> *list = listOfRoleGroup(roleGroup(p->bystander));
        if (list && !list->contains(p))
            list->append(p);
        else if (!list)
            mRetiredParticipants.append(p);
    }
    mArrayOfNewlyAddedStudents.clear();

    const std::pair<QList<CParticipantBean *> *, const char *> groups[] = {
        {&participants, "0"}, {&bystanders, "1"}, {&supervisors, "2"}, {&mFourthGroup, "3"}};
    for (const auto &group : groups) {
        for (CParticipantBean *p : qAsConst(*group.first)) {
            p->resetLiveState();
            p->bystander = group.second;
            addUserToHashMap(p);
        }
    }

    mTeacherAudioMuted = false;
    mTeacherVideoOff = QCameraInfo::availableCameras().isEmpty() || !isRtcVideoEnabled();
    mTeacherOnStage = 0;
    mDefaultStudentAudioOn = true;
    if (mCallQualityStats)
        mCallQualityStats->clear();
    moveAll(mPublicMessages, mRetiredMessages);

    if (mSelfParticipant) {
        mSelfParticipant->resetLiveState();
        mSelfParticipant->mStudentBalance = time_available;
        addUserToHashMap(mSelfParticipant.get());
    }
    if (lecture_teacher)
        lecture_teacher->resetLiveState();
}

void CourseDetailBean::resetOnsiteHomeworkStatus()
{
    for (CParticipantBean *p : qAsConst(participants)) {
        p->mTimeStampOnSiteHomeworkUpdate = 0;
        p->mOnSiteHomeworkStatus = 0;
        addUserToHashMap(p);
    }
}

void CourseDetailBean::setParticipantsShouldAudioOn(bool on)
{
    for (CParticipantBean *p : qAsConst(participants))
        p->mShouldAudioOn = on;
}

namespace {

bool isOnStage(const CParticipantBean *p)
{
    return p->mSelectedToVideoRoom || (p->mPickedForTalk != 0 && p->mClassJoinedInData);
}

template <typename Keep>
QList<CParticipantBean *> select(const QList<CParticipantBean *> &list, Keep keep)
{
    QList<CParticipantBean *> result;
    for (CParticipantBean *p : list) {
        if (keep(p))
            result.append(p);
    }
    return result;
}

bool anyOnline(const QList<CParticipantBean *> &list)
{
    return std::any_of(list.begin(), list.end(), [](const CParticipantBean *p) { return p->mClassJoinedInData; });
}

} // namespace

QList<CParticipantBean *> CourseDetailBean::getStudentsOnStage() const
{
    return select(participants, isOnStage);
}

QList<CParticipantBean *> CourseDetailBean::getOnlineStudentsNotOnStage() const
{
    return select(participants, [](const CParticipantBean *p) {
        return p->mClassJoinedInData && !p->mSelectedToVideoRoom && !p->mInsideBlackroom;
    });
}

QList<CParticipantBean *> CourseDetailBean::getStudentsNotOnStageNotInBlackRoom() const
{
    return select(participants,
                  [](const CParticipantBean *p) { return !p->mSelectedToVideoRoom && !p->mInsideBlackroom; });
}

QList<CParticipantBean *> CourseDetailBean::getOnlineStudentsNotInBlackRoom() const
{
    return select(participants, [](const CParticipantBean *p) { return p->mClassJoinedInData && !p->mInsideBlackroom; });
}

bool CourseDetailBean::hasOnlineStudent() const
{
    return anyOnline(participants);
}

bool CourseDetailBean::hasOnlineStudentOrBystander() const
{
    return anyOnline(participants) || anyOnline(bystanders);
}

QList<qint64> CourseDetailBean::getOnlineUserIds() const
{
    QList<qint64> ids;
    for (const auto &entry : mUserMap) {
        const CParticipantBean *p = entry.second;
        if (!p->mClassJoinedInData)
            continue;
        bool ok = false;
        const qint64 id = QString::fromStdString(p->userBriefInfo.userId).toLongLong(&ok, 10);
        if (ok)
            ids.append(id);
    }
    return ids;
}

bool CourseDetailBean::checkStudentStatus(qint64 userId, bool mayMoveBystander)
{
    bool signedIn = false;
    const qint64 ownId = LoginManager::getUserID().toLongLong(&signedIn, 10);
    if (signedIn && userId == ownId)
        return false;
    if (!isUserId(userId)) {
        CLog::printf("LiveBroadcast:checkStudentStatus ignores user id %lld", static_cast<long long>(userId));
        return false;
    }
    CParticipantBean *p = getParticipant(userId);
    const qint64 now = currentTimeMillis();
    if (!p) {
        p = new CParticipantBean;
        p->mUserId = int(userId);
        p->userBriefInfo.userId = std::to_string(userId);
        p->userBriefInfo.userTrueName = kPlaceholderName;
        p->mServerInfoRequestCount = 1;
        p->mTimeStampServerInfoRequest = qint32(quint32(quint64(now)));
        p->bystander = "4";
        mArrayOfNewlyAddedStudents.append(p);
        addUserToHashMap(p);
        CLog::printf("LiveBroadcast:checkStudentStatus %d added to mArrayOfNewlyAddedStudents", int(userId));
        return true;
    }

    switch (roleGroup(p->bystander)) {
    case 1:
        if (mayMoveBystander && !bystanders.isEmpty() && p->mByStanderInfoRequestCount < 2) {
            bystanders.removeOne(p);
            p->mByStanderInfoRequestCount += 1;
            if (!mArrayOfNewlyAddedStudents.contains(p))
                mArrayOfNewlyAddedStudents.append(p);
            return true;
        }
        return false;
    case 4: {
        // The stamp keeps the low 32 bits of the time; so does the difference.
        const qint32 elapsed = qint32(quint32(quint64(now)) - quint32(p->mTimeStampServerInfoRequest));
        if (p->mServerInfoRequestCount == 1 && elapsed > kPlaceholderRetryMs) {
            p->mServerInfoRequestCount = 2;
            p->mTimeStampServerInfoRequest = qint32(quint32(quint64(now)));
            return true;
        }
        return false;
    }
    default:
        return false;
    }
}

bool CourseDetailBean::transferNewlyAddedParticipant(const CParticipantBean *s)
{
    if (!s)
        return false;
    CLog::printf("CourseDetailBean::transferNewlyAddedParticipant for user [%s]", s->userBriefInfo.userId.c_str());
    CParticipantBean *p = getParticipant(s->mUserId);
    if (!p)
        return false;
    if (p->bystander.empty())
        p->bystander = "1";
    // Placeholders are merged, and so are bystanders that were moved aside
    // to be requested again: they would otherwise stay in no list.
    const bool pending = mArrayOfNewlyAddedStudents.contains(p);
    if (p->bystander != "4" && !pending)
        return false;
    if (p == s)
        return false;

    mArrayOfNewlyAddedStudents.removeOne(p);
    removeUserFromHashMap(p);

    const std::string ownIdText = p->userBriefInfo.userId;
    p->courseId = s->courseId;
    p->courseScheduleId = s->courseScheduleId;
    p->participantUserId = s->participantUserId;
    p->bystander = s->bystander;
    p->goldCupNum = s->goldCupNum;
    p->silverCupNum = s->silverCupNum;
    p->handPickNum = s->handPickNum;
    p->handRaiseNum = s->handRaiseNum;
    p->remarkName = s->remarkName;
    p->userBriefInfo = s->userBriefInfo;
    // A reply with a numeric "user_id" has no id text; without one the user
    // could no longer be found and would come back as a new placeholder.
    if (p->userBriefInfo.userId.empty())
        p->userBriefInfo.userId = ownIdText;

    const int group = roleGroup(p->bystander);
    if (QList<CParticipantBean *> *list = listOfRoleGroup(group))
        list->append(p);
    else
        mArrayOfNewlyAddedStudents.append(p); // no list of its own: stays listed here
    addUserToHashMap(p);
    return group == 0;
}

void CourseDetailBean::onsiteHomeworkStatusToOneOrThree(qint64 userId)
{
    CParticipantBean *p = getParticipant(userId);
    if (!p)
        return;
    p->mTimeStampOnSiteHomeworkUpdate = currentTimeMillis();
    p->mOnSiteHomeworkStatus = p->mOnSiteHomeworkStatus == 0 ? 1 : 3;
}

void CourseDetailBean::onsiteHomeworkStatusToTwo(qint64 userId)
{
    CParticipantBean *p = getParticipant(userId);
    if (!p || p->mOnSiteHomeworkStatus == 0)
        return;
    p->mTimeStampOnSiteHomeworkUpdate = currentTimeMillis();
    p->mOnSiteHomeworkStatus = 2;
}

void CourseDetailBean::onsiteHomeworkStatusToFourOrOne(qint64 userId, bool toFour)
{
    CParticipantBean *p = getParticipant(userId);
    if (!p || p->mOnSiteHomeworkStatus == 0)
        return;
    p->mTimeStampOnSiteHomeworkUpdate = currentTimeMillis();
    p->mOnSiteHomeworkStatus = toFour ? 4 : 1;
}

TQPrivateMessageAction::DisplayNameLookup CourseDetailBean::displayNameLookup()
{
    return [](int userId, std::string *displayName) {
        const CourseDetailBean *course = TQDataModelBean::m_pOngoingCourse;
        const CParticipantBean *p = course ? course->getParticipant(userId) : nullptr;
        if (!p || !displayName)
            return false;
        *displayName = p->getDisplayName();
        return true;
    };
}

// Materials ------------------------------------------------------------------------

std::pair<qint64, int> CourseDetailBean::getDefaultMaterialAndPage() const
{
    for (const MaterialDetailBean *material : course_materials) {
        if ((material->materialType == 1 || material->materialType == 4) && material->isFileProcessed())
            return {material->materialId, material->mOngoingPageIndex};
    }
    return {0, 0};
}

void CourseDetailBean::clearDrawings()
{
    clearDrawingHistory();
    if (course_materials.isEmpty())
        return;
    int position = 0;
    for (int i = 0; i < course_materials.size(); ++i) {
        MaterialDetailBean *material = course_materials.at(i);
        material->resetToFirstPage();
        if (material->mFileItems.empty())
            continue;
        for (FileBean &page : material->mFileItems)
            page.resetDrawings(0);
        position = i;
    }
    CLog::log(QStringLiteral("get material %1:[%2]").arg(position).arg(course_materials.at(position)->materialId),
              QStringLiteral("CourseDetailBean::clearDrawings "));
    m_pOngoingMaterial = course_materials.at(position);
}

void CourseDetailBean::prepareNewMaterial(MaterialDetailBean *material)
{
    if (!material)
        return;
    const bool known = std::any_of(course_materials.begin(), course_materials.end(),
                                   [&](const MaterialDetailBean *m) { return m->materialId == material->materialId; });
    if (known)
        return;
    material->resetToFirstPage();
    for (FileBean &page : material->mFileItems)
        page.resetDrawings(0);
}

bool CourseDetailBean::changeOngoingMaterial(int materialId)
{
    if (m_pOngoingMaterial && m_pOngoingMaterial->materialId == qint64(materialId))
        return true;
    for (MaterialDetailBean *material : qAsConst(course_materials)) {
        if (material->materialId == qint64(materialId)) {
            m_pOngoingMaterial = material;
            return true;
        }
    }
    CLog::error(QStringLiteral("LiveBroadcast:can not find material with id %1").arg(materialId),
                QStringLiteral("CourseDetailBean::changeOngoingMaterial "));
    return false;
}

std::pair<qint64, int> CourseDetailBean::findMaterialPageByUrl(const QString &url) const
{
    if (url.size() < 2 || course_materials.isEmpty())
        return {-1, -1};
    const std::string wanted = url.toStdString();
    for (const MaterialDetailBean *material : course_materials) {
        int index = 0;
        for (const FileBean &page : material->mFileItems) {
            if (page.fileUrl == wanted)
                return {material->materialId, index};
            ++index;
        }
    }
    return {-1, -1};
}

void CourseDetailBean::retireMaterial(int index)
{
    if (index < 0 || index >= course_materials.size())
        return;
    mRetiredMaterials.append(course_materials.takeAt(index));
}

bool CourseDetailBean::hasMaterial(const MaterialDetailBean *material) const
{
    if (!material)
        return false;
    return std::any_of(course_materials.begin(), course_materials.end(), [&](const MaterialDetailBean *m) {
        return m->materialId == material->materialId && m->rawMaterialId == material->rawMaterialId;
    });
}

// Public messages --------------------------------------------------------------------

void CourseDetailBean::addPublicMessage(TQInClassMessage *message)
{
    if (!message)
        return;
    if (mPublicMessages.contains(message) || mRetiredMessages.contains(message)) {
        CLog::error(QStringLiteral("message %1 is already kept").arg(message->mIndexStamp),
                    QStringLiteral("CourseDetailBean::addPublicMessage "));
        return;
    }
    qint64 stamp = secondsSinceReferenceDate();
    for (const TQInClassMessage *stored : qAsConst(mPublicMessages))
        stamp = std::max(stamp, stored->mIndexStamp);
    message->mIndexStamp = stamp;

    if (mPublicMessages.size() > kPublicMessageBound)
        mRetiredMessages.append(mPublicMessages.takeFirst());
    if (message->mMessageBody.size() > size_t(kPublicMessageMaxBytes))
        message->mMessageBody = utf8Left(QByteArray::fromStdString(message->mMessageBody), kPublicMessageCut).toStdString();
    mPublicMessages.append(message);
}

QList<TQInClassMessage *> CourseDetailBean::getRecentPublicMessages() const
{
    QList<TQInClassMessage *> recent;
    qint64 total = 0;
    for (int i = mPublicMessages.size() - 1; i >= 0; --i) {
        TQInClassMessage *message = mPublicMessages.at(i);
        recent.prepend(message);
        total += qint64(message->mMessageBody.size());
        if (total >= kRecentMessageBytes)
            break;
    }
    return recent;
}

// Class identity ---------------------------------------------------------------------

void CourseDetailBean::stampClassEntry()
{
    mClassEntryStamp = secsSinceDate(QStringLiteral("2020-01-01"));
}

QString CourseDetailBean::getClassSessionId()
{
    if (mDeviceId.empty())
        mDeviceId = CDataHelper::getDeviceId().toStdString();
    const CParticipantBean *lecturer = lecture_teacher ? lecture_teacher.get() : mSelfParticipant.get();
    return fillPlaceholders(QStringLiteral("%1_%2_%3_%4"),
                            {QString::fromStdString(course_schedule_id), QString::number(lecturer ? lecturer->mUserId : 0),
                             QString::fromStdString(mDeviceId), QString::number(mClassEntryStamp)});
}

// Drawing-action history ----------------------------------------------------

namespace {

template <typename T>
bool isExactly(const TQDrawingAction *action)
{
    return action && typeid(*action) == typeid(T);
}

} // namespace

TQDrawingAction *CourseDetailBean::drawingActionAt(int position) const
{
    if (position < 0 || position >= getDrawingActionCount())
        return nullptr;
    return mDrawingHistory[static_cast<size_t>(position)];
}

void CourseDetailBean::makeEmpty(int position)
{
    TQDrawingAction *&slot = mDrawingHistory[static_cast<size_t>(position)];
    delete slot;
    slot = new TQDrawingActionNone(position);
}

void CourseDetailBean::addDrawingAction(TQDrawingAction *action, int index)
{
    if (!action)
        return;
    if (index != -1) {
        if (index < 0 || index >= getDrawingActionCount()) {
            CLog::printf("LiveBroadcast: out of boundary index %d, total is %d", index, getDrawingActionCount());
            return;
        }
        TQDrawingAction *&slot = mDrawingHistory[static_cast<size_t>(index)];
        if (slot != action)
            delete slot;
        slot = action;
        return;
    }

    mDrawingHistory.push_back(action);
    if (dynamic_cast<TQDrawingActionLine *>(action))
        extraProcessingForLine(action);
    else if (isExactly<TQDrawingActionMoveUpDown>(action))
        extraProcessingForMoveUpDown();
    else if (isExactly<TQDrawingActionTurnPage>(action) || isExactly<TQDrawingActionSelectMaterial>(action))
        extraProcessingForPageTrace();
    else if (isExactly<TQDrawingActionRestore>(action))
        extraProcessingForRestore();
    else if (isExactly<TQDrawingActionSave>(action))
        extraProcessingForSave();
    else if (isExactly<TQDrawActionDrawImage>(action))
        extraProcessingForDrawImage();
    else if (isExactly<TQDrawingActionDrawText>(action))
        extraProcessingForDrawText();
}

void CourseDetailBean::stampAuthor(TQDrawingAction *action)
{
    const int self = LoginManager::getUserID().toInt();
    if (action->senderId != self)
        action->senderId = self;
}

void CourseDetailBean::extraProcessingForLine(TQDrawingAction *action)
{
    const auto *line = static_cast<const TQDrawingActionLine *>(action);
    // A pointer stroke leaves no mark on the board: nothing to replay.
    if (line->brush.isType7()) {
        makeEmpty(getDrawingActionCount() - 1);
        return;
    }
    stampAuthor(action);
}

void CourseDetailBean::extraProcessingForMoveUpDown()
{
    // Only the newest of a run of scrolls matters for the replay.
    const int n = getDrawingActionCount();
    int oldest = -1;
    for (int i = n - 2; i > n - 10 && i > 0; --i) {
        const TQDrawingAction *a = mDrawingHistory[static_cast<size_t>(i)];
        const bool scroll = isExactly<TQDrawingActionMoveUpDown>(a);
        if (!scroll && !isExactly<TQDrawingActionSave>(a) && !isExactly<TQDrawingActionNone>(a))
            break;
        if (scroll)
            oldest = i;
    }
    if (oldest >= 0) {
        for (int i = oldest; i <= n - 2; ++i)
            makeEmpty(i);
    }
    stampAuthor(mDrawingHistory.back());
}

void CourseDetailBean::extraProcessingForPageTrace()
{
    const int n = getDrawingActionCount();
    const TQDrawingAction *action = mDrawingHistory.back();
    const int32_t material = action->materialId;
    int32_t page = 0;
    if (const auto *turn = dynamic_cast<const TQDrawingActionTurnPage *>(action))
        page = turn->targetPage;

    int32_t start = n - 1;
    for (TQPageVisitTrace &trace : mPageVisitTraces) {
        if (trace.materialRef == mCurrentTraceMaterial && trace.targetPageNum == mCurrentTracePage)
            trace.lastIndex = n - 1;
        if (trace.materialRef == material && trace.targetPageNum == page && trace.minDrawStartingIndex < start)
            start = trace.minDrawStartingIndex;
    }
    CLog::printf("CourseDetailBean::extraProcessingForPageTrace TQPageVisitTrace targetPageNum=%d "
                 "minDrawStartingIndex=%d",
                 page, start);
    mPageVisitTraces.append(TQPageVisitTrace{material, page, start, n - 1});
    mCurrentTraceMaterial = material;
    mCurrentTracePage = page;
}

void CourseDetailBean::extraProcessingForRestore()
{
    // The strokes a restore undoes, and earlier restores to the same save,
    // leave the history.
    const int n = getDrawingActionCount();
    const auto *restore = static_cast<const TQDrawingActionRestore *>(mDrawingHistory.back());
    mRestoreMarks[restore->drawingIndex] = 1;
    const int target = restore->snapshotId;

    int start = INT32_MAX;
    for (int i = n - 1; i >= n - 100 && i > 0; --i) {
        const TQDrawingAction *a = mDrawingHistory[static_cast<size_t>(i)];
        if (isExactly<TQDrawingActionRestore>(a) && static_cast<const TQDrawingActionRestore *>(a)->snapshotId == target)
            start = i;
        else if (isExactly<TQDrawingActionSave>(a) && a->drawingIndex == target)
            start = i + 1;
        if (!dynamic_cast<const TQDrawingActionLine *>(a) && !isExactly<TQDrawActionDrawCircle>(a)
            && !isExactly<TQDrawActionDrawImage>(a) && !isExactly<TQDrawingActionRestore>(a)
            && !isExactly<TQDrawingActionNone>(a))
            break;
    }
    for (int i = start; i <= n - 2; ++i)
        makeEmpty(i);
}

void CourseDetailBean::extraProcessingForDrawImage()
{
    const int n = getDrawingActionCount();
    if (n <= 1)
        return;
    const auto *image = static_cast<const TQDrawActionDrawImage *>(mDrawingHistory[static_cast<size_t>(n - 1)]);
    const TQDrawingAction *before = mDrawingHistory[static_cast<size_t>(n - 2)];
    if (isExactly<TQDrawActionDrawImage>(before) && image->elementId != 0
        && static_cast<const TQDrawActionDrawImage *>(before)->elementId == image->elementId)
        makeEmpty(n - 2);
}

void CourseDetailBean::extraProcessingForDrawText()
{
    // The board shows one text per element, the newest: an earlier text of the
    // same element is what becomes pointless. (Emptying every new text would
    // leave late students without any board text.)
    const int n = getDrawingActionCount();
    const auto *text = static_cast<const TQDrawingActionDrawText *>(mDrawingHistory.back());
    const auto known = mTextPositions.find(text->elementId);
    if (known != mTextPositions.end()) {
        const TQDrawingAction *earlier = drawingActionAt(known->second);
        if (known->second < n - 1 && isExactly<TQDrawingActionDrawText>(earlier)
            && static_cast<const TQDrawingActionDrawText *>(earlier)->elementId == text->elementId)
            makeEmpty(known->second);
    }
    mTextPositions[text->elementId] = n - 1;
}

void CourseDetailBean::mergeLineActions(int position)
{
    TQDrawingAction *later = drawingActionAt(position);
    if (!isExactly<TQDrawingActionLine>(later))
        return;
    for (int q = position - 1; q >= position - 70 && q >= 0; --q) {
        TQDrawingAction *earlier = mDrawingHistory[static_cast<size_t>(q)];
        if (isExactly<TQDrawingActionNone>(earlier))
            continue;
        if (!dynamic_cast<TQDrawingActionLine *>(earlier))
            return;
        TQDrawingAction *merged = earlier->mergeWith(later);
        if (dynamic_cast<TQDrawingActionLine *>(merged)) {
            mDrawingHistory[static_cast<size_t>(q)] = merged;
            delete earlier;
            // The sender works on copies, so the later piece is the history's alone.
            makeEmpty(position);
        } else {
            delete merged;
        }
        return;
    }
}

int CourseDetailBean::getProperStartIndex(int start, int end) const
{
    const int last = getDrawingActionCount() - 1;
    if (start < 0)
        start = 0;
    if (end == 0 || static_cast<unsigned>(end) > static_cast<unsigned>(last))
        end = last;
    if (end < start + 10)
        return start;

    int result = last;
    QList<TQPageVisitTrace> recent;
    if (!mPageVisitTraces.isEmpty())
        recent.append(mPageVisitTraces.last());
    if (mPageVisitTraces.size() > 1)
        recent.append(mPageVisitTraces.at(mPageVisitTraces.size() - 2));
    for (const TQPageVisitTrace &visit : recent) {
        bool matched = false;
        for (const TQPageVisitTrace &trace : mPageVisitTraces) {
            if (!matched && trace.materialRef == visit.materialRef && trace.targetPageNum == visit.targetPageNum)
                matched = true;
            if (matched && trace.minDrawStartingIndex < result)
                result = trace.minDrawStartingIndex;
        }
    }
    return result;
}

TQControlBulkMessage *CourseDetailBean::buildBulkMessage(TQLateRequestFetch &fetch, bool fastMode)
{
    const int size = getDrawingActionCount();
    if (fetch.start >= size || fetch.start > fetch.end || fetch.start < 0)
        return nullptr;

    const int first = fetch.start;
    std::string text;
    std::string one;
    while (fetch.start <= fetch.end && fetch.start < size && text.size() < static_cast<size_t>(kBulkTextChars)) {
        mDrawingHistory[static_cast<size_t>(fetch.start)]->toString(one);
        text += ',';
        text += one;
        ++fetch.start;
    }

    auto *message = new TQControlBulkMessage;
    message->isFastMode = fastMode;
    message->mProperStartIndex = fetch.properStart;
    message->mMaxIndex = size - 1;
    message->mDrawingText = std::move(text);
    message->isEnd = fetch.start > fetch.end;
    message->mArrayOfUserIds = fetch.uids;
    CLog::printf("BulkMsg108: mProperStartIndex=%d mMaxIndex=%d, bulkDraw start-end(%d, %d)",
                 message->mProperStartIndex, message->mMaxIndex, first, fetch.start - 1);
    return message;
}

void CourseDetailBean::deleteDrawingActions()
{
    for (TQDrawingAction *action : mDrawingHistory)
        delete action;
    mDrawingHistory.clear();
    mTextPositions.clear();
}

void CourseDetailBean::clearDrawingHistory()
{
    deleteDrawingActions();
    mRestoreMarks.clear();
    mPageVisitTraces.clear();
    mCurrentTraceMaterial = -1;
    mCurrentTracePage = -1;
}
