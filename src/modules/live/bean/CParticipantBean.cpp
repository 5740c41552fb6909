#include "modules/live/bean/CParticipantBean.h"

#include "actions/TQActionHelpers.h"
#include "modules/live/bean/TQInClassMessage.h"
#include "modules/live/communications/TQCallQualityStats.h"
#include "modules/live/popover/TQPopoverRequestDataStudentIcon.h"
#include "utils/CDataHelper.h"
#include "utils/TextFill.h"

#include <QStringList>

namespace {

// A JSON string as UTF-8; any other type gives "".
std::string stringOf(const QJsonObject &json, const char *key)
{
    return json.value(QLatin1String(key)).toString().toStdString();
}

// A JSON number as an int; any other type gives 0.
int numberOf(const QJsonObject &json, const char *key)
{
    const QJsonValue value = json.value(QLatin1String(key));
    return value.isDouble() ? CDataHelper::jsonValueToInt(value) : 0;
}

QString number(bool flag)
{
    return QString::number(flag ? 1 : 0);
}

QString q(const std::string &text)
{
    return QString::fromStdString(text);
}

const char *deviceText(int deviceType)
{
    switch (deviceType) {
    case 1:
        return "安卓设备";
    case 100:
        return "苹果手机";
    case 200:
        return "iPad";
    case 300:
        return "Windows";
    default:
        return "未知设备";
    }
}

} // namespace

CParticipantBean::CParticipantBean()
    : mAvgAudioVideoQuality(new TQCallQualityStats)
{
}

CParticipantBean::CParticipantBean(const QJsonObject &entry)
{
    readListEntry(entry);
}

CParticipantBean::CParticipantBean(const QJsonObject &user, bool isLectureTeacher)
{
    if (isLectureTeacher)
        readLectureTeacher(user);
    else
        readListEntry(user);
}

void CParticipantBean::readListEntry(const QJsonObject &entry)
{
    const QJsonObject brief = entry.value(QLatin1String("user_brief_info")).toObject();
    userBriefInfo.userId = stringOf(brief, "user_id");
    userBriefInfo.userNickName = stringOf(brief, "user_nick_name");
    userBriefInfo.mobilePhone = stringOf(brief, "mobile_phone");
    userBriefInfo.imageFileAddr = stringOf(brief, "image_file_addr");
    mUserId = CDataHelper::jsonValueToInt(brief.value(QLatin1String("user_id")));

    participantUserId = stringOf(entry, "participant_user_id");
    bystander = stringOf(entry, "bystander");
    goldCupNum = numberOf(entry, "gold_cup_num");
    handPickNum = numberOf(entry, "hand_pick_num");
    handRaiseNum = numberOf(entry, "hand_raise_num");

    remarkName = stringOf(entry, "remark_name");
    if (remarkName.empty())
        remarkName = userBriefInfo.userNickName;
}

void CParticipantBean::readLectureTeacher(const QJsonObject &user)
{
    // The teacher's object carries the user fields itself, not in a
    // "user_brief_info" object.
    userBriefInfo.userId = stringOf(user, "user_id");
    userBriefInfo.userNickName = stringOf(user, "user_nick_name");
    userBriefInfo.imageFileAddr = stringOf(user, "image_file_addr");
    mUserId = CDataHelper::jsonValueToLong(user.value(QLatin1String("user_id")));
    bystander = "5";
    remarkName = userBriefInfo.userNickName;
}

CParticipantBean::CParticipantBean(const CParticipantBean &other)
{
    copyListedFields(other);
}

CParticipantBean &CParticipantBean::operator=(const CParticipantBean &other)
{
    if (this != &other)
        copyListedFields(other);
    return *this;
}

CParticipantBean::~CParticipantBean() = default;

void CParticipantBean::copyListedFields(const CParticipantBean &other)
{
    mUserId = other.mUserId;
    userBriefInfo.userId = other.userBriefInfo.userId;
    userBriefInfo.mobilePhone = other.userBriefInfo.mobilePhone;
    userBriefInfo.userNickName = other.userBriefInfo.userNickName;
    userBriefInfo.imageFileAddr = other.userBriefInfo.imageFileAddr;
    bystander = other.bystander;
    goldCupNum = other.goldCupNum;
    handPickNum = other.handPickNum;
    handRaiseNum = other.handRaiseNum;
    remarkName = other.remarkName;
}

void CParticipantBean::resetLiveState()
{
    mTimeStampOfLastStudentMessage = 0;
    mHasNewPrivateMessages = false;
    mLocalPathID = -1;
    mLastConvertedPathID = nextSequenceNumber(false);
    mTimeStampHandRaised = 0;
    mArrayOfPrivateMessages.clear();
    mTimeStampInBackground = 0;

    mCameraPermitted = true;
    mPhotoRollPermitted = true;
    mMicrophonePermitted = true;
    mClientDeviceType = 0;
    mClientUsingVersion = 0;
    mClientNewestVersion = 0;
    mStudentBalance = 0;
    mReportedFlag = false;
    mTimeReportedFlagOn = 0;
    mTimeReportedFlagOff = 0;

    mVideoState = 0;
    mVideoReason = 4;
    mAudioState = 0;
    mAudioReason = 4;
    mShouldAudioOn = true;
    mShouldVideoOn = true;

    mAvgAudioVideoQuality.reset(new TQCallQualityStats);

    mByStanderInfoRequestCount = 0;
    mServerInfoRequestCount = 0;
    mTimeStampServerInfoRequest = 0;
    mTimeStampPermissionResponse = 0;
    mTimeStampOnSiteHomeworkUpdate = 0;
    mOnSiteHomeworkStatus = 0;

    mSelectedToVideoRoom = false;
    mVideoRoomEntryTimeStamp = 0;
    mInsideBlackroom = false;
    mClassJoinedInMedia = false;
    mClassJoinedInData = false;
    mPickedForTalk = 0;
    mWritingEnabled = false;
}

QJsonObject CParticipantBean::toJson() const
{
    const std::string &name = remarkName.empty() ? userBriefInfo.userNickName : remarkName;
    return QJsonObject{
        {QStringLiteral("userName"), q(name)},
        {QStringLiteral("mobilePhone"), q(userBriefInfo.mobilePhone)},
        {QStringLiteral("imageServerPath"), q(userBriefInfo.imageFileAddr)},
        {QStringLiteral("userID"), q(userBriefInfo.userId)},
        {QStringLiteral("isOnline"), mClassJoinedInData},
        {QStringLiteral("isInBlackRoom"), mInsideBlackroom},
    };
}

int CParticipantBean::getRoleType() const
{
    if (bystander.size() == 1 && bystander[0] >= '0' && bystander[0] <= '4')
        return bystander[0] - '0';
    return 0;
}

std::string CParticipantBean::getDisplayName() const
{
    if (!remarkName.empty())
        return remarkName;
    if (!userBriefInfo.userNickName.empty())
        return userBriefInfo.userNickName;
    return "无备注";
}

int CParticipantBean::mapStudentElementId(int elementId)
{
    if (elementId != mLocalPathID) {
        mLocalPathID = elementId;
        mLastConvertedPathID = nextSequenceNumber(false);
    }
    return mLastConvertedPathID;
}

TQPopoverRequestDataStudentIcon *CParticipantBean::createStudentIconRequestData(bool allowedToPostPhoto,
                                                                                bool secondFlag) const
{
    auto *data = new TQPopoverRequestDataStudentIcon;
    data->studentName = getDisplayName();
    data->studentId = mUserId;
    data->isOnline = mClassJoinedInData;
    data->isVoiceMuted = mAudioState == 0 || mAudioState == 1;
    data->isVideoMuted = mVideoState == 0 || mVideoState == 1;
    data->isOnStage = mPickedForTalk != 0;
    data->isWritingEnabled = mWritingEnabled;
    data->isAllowedToPostPhoto = allowedToPostPhoto;
    data->secondFlag = secondFlag;
    data->numOfHandRaised = qMax(0, handRaiseNum);
    data->numOfHandPicked = qMax(0, handPickNum);
    data->numOfGold = qMax(0, goldCupNum);
    data->deviceStr = deviceText(mClientDeviceType);
    data->versionNeedsUpdate = mClientUsingVersion < mClientNewestVersion;
    data->studentBalance = mStudentBalance;
    // A participant read from JSON has no holder until its first reset: it
    // then shows the texts of a holder without samples.
    data->quality = mAvgAudioVideoQuality ? mAvgAudioVideoQuality->describeQuality(mAudioState, mVideoState)
                                          : TQCallQualityStats().describeQuality(mAudioState, mVideoState);
    data->isOnVideoRoom = mSelectedToVideoRoom;
    data->isInBlackRoom = mInsideBlackroom;
    data->phoneNumber = userBriefInfo.mobilePhone;
    data->inBackgroundType = qint32(quint32(quint64(mTimeStampInBackground)));
    return data;
}

std::string CParticipantBean::toString() const
{
    QStringList messages;
    for (const TQInClassMessage *message : mArrayOfPrivateMessages) {
        if (message)
            messages.append(q(message->toString()));
    }
    const QString first = fillPlaceholders(
        QStringLiteral(
            "CParticipantBean(courseId='%1', courseScheduleId='%2', participantUserId='%3', bystander=%4, "
            "goldCupNum=%5, silverCupNum=%6, handPickNum=%7, handRaiseNum=%8, learnSituation=%9, "
            "sliverCupNum=%10, userBriefInfo=%11, channelGroupId=%12, mByStanderInfoRequestCount=%13, "
            "mServerInfoRequestCount=%14, mTimeStampServerInfoRequest=%15, mWritingEnabled=%16, "
            "mPickedForTalk=%17, mClassJoinedInMedia=%18, mClassJoinedInData=%19, "
            "mRandomlyPickedForDiscussion=%20, mSelectedToVideoRoom=%21, mVideoRoomEntryTimeStamp=%22, "
            "mInsideBlackroom=%23, mVideoState=%24, mVideoReason=%25, mAudioState=%26, mAudioReason=%27, "
            "mShouldAudioOn=%28, mShouldVideoOn=%29, mAvgAudioVideoQuality=%30, mCameraPermitted=%31, "
            "mPhotoRollPermitted=%32, mMicrophonePermitted=%33, mClientDeviceType=%34, "
            "mClientUsingVersion=%35, mClientNewestVersion=%36, mStudentBalance=%37, "),
        {q(courseId), q(courseScheduleId), q(participantUserId), q(bystander), QString::number(goldCupNum),
         QString::number(silverCupNum), QString::number(handPickNum), QString::number(handRaiseNum),
         q(learnSituation), QString::number(sliverCupNum), q(userBriefInfo.toString()), q(channelGroupId),
         QString::number(mByStanderInfoRequestCount), QString::number(mServerInfoRequestCount),
         QString::number(mTimeStampServerInfoRequest), number(mWritingEnabled), QString::number(mPickedForTalk),
         number(mClassJoinedInMedia), number(mClassJoinedInData), number(mRandomlyPickedForDiscussion),
         number(mSelectedToVideoRoom), QString::number(mVideoRoomEntryTimeStamp), number(mInsideBlackroom),
         QString::number(mVideoState), QString::number(mVideoReason), QString::number(mAudioState),
         QString::number(mAudioReason), number(mShouldAudioOn), number(mShouldVideoOn), QString(),
         number(mCameraPermitted), number(mPhotoRollPermitted), number(mMicrophonePermitted),
         QString::number(mClientDeviceType), QString::number(mClientUsingVersion),
         QString::number(mClientNewestVersion), QString::number(mStudentBalance)});
    const QString second = fillPlaceholders(
        QStringLiteral("mTimeStampOfLastStudentMessage=%1, mLocalPathID=%2, mLastConvertedPathID=%3, "
                       "mTimeStampHandRaised=%4, mHasNewPrivateMessages=%5, mTimeStampPermissionResponse=%6, "
                       "mArrayOfPrivateMessages=%7, mTimeStampInBackground=%8, mTimeStampOnSiteHomeworkUpdate=%9, "
                       "mOnSiteHomeworkStatus=%10)"),
        {QString::number(mTimeStampOfLastStudentMessage), QString::number(mLocalPathID),
         QString::number(mLastConvertedPathID), QString::number(mTimeStampHandRaised), number(mHasNewPrivateMessages),
         QString::number(mTimeStampPermissionResponse), messages.join(QLatin1Char(',')),
         QString::number(mTimeStampInBackground), QString::number(mTimeStampOnSiteHomeworkUpdate),
         QString::number(mOnSiteHomeworkStatus)});
    return (first + second).toStdString();
}
