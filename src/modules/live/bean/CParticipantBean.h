#pragma once

#include "modules/live/bean/UserBriefInfoBean.h"

#include <QJsonObject>
#include <QList>
#include <QtGlobal>

#include <memory>
#include <string>

class TQCallQualityStats;
class TQInClassMessage;
class TQPopoverRequestDataStudentIcon;

// One person of a live class: a listed student, bystander or supervisor, a
// user who turned up without a list entry, or the lecturing teacher. Holds
// what the server reports and the live state the classroom keeps up to date.
// Texts are UTF-8; "ms" values are wall-clock milliseconds. GUI thread only.
//
// Ownership: the participant owns its statistics holder; it never deletes the
// messages of mArrayOfPrivateMessages.
class CParticipantBean
{
public:
    // For a user seen in class without a list entry; has a statistics holder.
    CParticipantBean();
    // One entry of the course detail's participant, bystander and supervisor
    // lists (or of a single-participant reply). No statistics holder until
    // resetLiveState.
    explicit CParticipantBean(const QJsonObject &entry);
    // The lecturing teacher's user object (role "5") when isLectureTeacher is
    // set; otherwise read as a list entry.
    CParticipantBean(const QJsonObject &user, bool isLectureTeacher);
    // Copies ids, the user summary's id, phone, nick name and avatar, the role,
    // the counters and the remark name; the copy has no statistics holder and
    // every other field at its default. An assignment leaves the other fields.
    CParticipantBean(const CParticipantBean &other);
    CParticipantBean &operator=(const CParticipantBean &other);
    ~CParticipantBean();

    // Back to the start of a class; keeps ids, role, counters, names and
    // the user summary; replaces the statistics holder.
    void resetLiveState();

    // The summary the user list and the popovers show.
    QJsonObject toJson() const;
    // 0-4 for the role texts "0"-"4", 0 for anything else (the teacher's "5" too).
    int getRoleType() const;
    // Remark name, else nick name, else "无备注".
    std::string getDisplayName() const;
    // The local element id for the student's element id: a new one whenever
    // the student's id changes, the same one while it does not.
    int mapStudentElementId(int elementId);
    // A new popover record of this participant; the caller owns it.
    TQPopoverRequestDataStudentIcon *createStudentIconRequestData(bool allowedToPostPhoto, bool secondFlag) const;
    std::string getUserId() const { return userBriefInfo.userId; }
    std::string toString() const;

    std::string courseId;
    std::string courseScheduleId;
    std::string participantUserId;
    // Role group: "0" participant, "1" bystander, "2" supervisor, "3" the
    // fourth list, "4" newly added user, "5" the lecturing teacher.
    std::string bystander;
    int goldCupNum = -1;
    int silverCupNum = -1;
    int handPickNum = -1;
    int handRaiseNum = -1;
    std::string remarkName;
    std::string learnSituation;
    int sliverCupNum = -1;
    UserBriefInfoBean userBriefInfo;
    std::string channelGroupId;
    int mByStanderInfoRequestCount = 0;
    int mServerInfoRequestCount = 0;
    // Low 32 bits of the ms time of the last participant request.
    qint32 mTimeStampServerInfoRequest = 0;
    bool mWritingEnabled = false;
    // Non-zero while the student is on stage.
    int mPickedForTalk = 0;
    bool mClassJoinedInMedia = false;
    // Present in the message channel: what "online" means everywhere.
    bool mClassJoinedInData = false;
    bool mRandomlyPickedForDiscussion = false;
    bool mSelectedToVideoRoom = false;
    qint64 mVideoRoomEntryTimeStamp = 0;
    qint64 mTimeStampLiveRoomJoined = 0;
    bool mInsideBlackroom = false;
    int mVideoState = 0;
    int mVideoReason = 4;
    qint64 mTimeStampVideoStateChanged = 0;
    int mAudioState = 0;
    int mAudioReason = 4;
    bool mShouldAudioOn = true;
    bool mShouldVideoOn = true;
    bool mRemoteVideoMuted = false;
    std::unique_ptr<TQCallQualityStats> mAvgAudioVideoQuality;
    bool mCameraPermitted = true;
    bool mPhotoRollPermitted = true;
    bool mMicrophonePermitted = true;
    // 1 Android, 100 iPhone, 200 iPad, 300 Windows.
    int mClientDeviceType = 0;
    int mClientUsingVersion = 0;
    int mClientNewestVersion = 0;
    int mStudentBalance = 0;
    bool mReportedFlag = false;
    qint32 mTimeReportedFlagOn = 0;
    qint32 mTimeReportedFlagOff = 0;
    qint64 mTimeStampOfLastStudentMessage = 0;
    int mLocalPathID = -1;
    int mLastConvertedPathID = -1;
    qint64 mTimeStampHandRaised = 0;
    bool mHasNewPrivateMessages = false;
    qint64 mTimeStampPermissionResponse = 0;
    // Not owned.
    QList<TQInClassMessage *> mArrayOfPrivateMessages;
    qint64 mTimeStampInBackground = 0;
    qint64 mTimeStampOnSiteHomeworkUpdate = 0;
    // 0 none; 1-4 set by the course's homework operations.
    int mOnSiteHomeworkStatus = 0;
    // The key of the course's user map and the id of every classroom action.
    int mUserId = 0;

private:
    void readListEntry(const QJsonObject &entry);
    void readLectureTeacher(const QJsonObject &user);
    void copyListedFields(const CParticipantBean &other);
};
