#pragma once

#include "actions/message/TQPrivateMessageAction.h"
#include "actions/message/TQStudentDurationAction.h"
#include "modules/live/bean/CourseBaseDetailBean.h"
#include "modules/live/bean/RecordBean.h"
#include "modules/live/bean/TQPageVisitTrace.h"
#include "modules/live/bean/TQSingleNewStudentInfo.h"
#include "modules/live/bean/TQTeacherMessageLogs.h"

#include <QJsonObject>
#include <QList>
#include <QString>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

class CParticipantBean;
class MaterialDetailBean;
class TQCallQualityStats;
class TQControlBulkMessage;
class TQDrawingAction;
class TQInClassMessage;
struct TQLateRequestFetch;
class TQLiveStreamInfo;
class TQStageTimeTracker;

// The course schedule being taught, built from the course-detail reply's
// "returnResult" and kept up to date while the class runs. One instance lives
// behind TQDataModelBean::m_pOngoingCourse. GUI thread only.
//
// Ownership: the record owns everything its lists and pointers hold (both
// material lists, the participant lists including the newly added users, the
// public messages, the statistics holder, the stream record, the stage-time
// tracker and the two maps' values). Participants and messages that leave a
// list while the class may still point at them (placeholders dropped by a
// reset, messages pushed out of the bounded history) are kept aside and
// deleted with the record. mUserMap and m_pOngoingMaterial only point.
class CourseDetailBean : public CourseBaseDetailBean
{
public:
    // Public messages kept: one more than this may be stored.
    static constexpr int kPublicMessageBound = 500;
    // Longer bodies are cut to at most kPublicMessageCut bytes.
    static constexpr int kPublicMessageMaxBytes = 1000;
    static constexpr int kPublicMessageCut = 999;
    // Body bytes of the recent messages a late student gets.
    static constexpr int kRecentMessageBytes = 8000;
    // A placeholder participant is requested again after this long.
    static constexpr qint64 kPlaceholderRetryMs = 5000;
    static constexpr const char *kPlaceholderName = "新加入的同学";

    // Parses `returnResult` (the teacher's parse).
    explicit CourseDetailBean(const QJsonObject &returnResult);
    ~CourseDetailBean() override;

    void initWithCourseScheduleDetail(const QJsonObject &returnResult);
    virtual std::string toString() const { return std::string(); }

    // Participants -------------------------------------------------------
    // Files p under its numeric id unless the id is taken or its id text is empty.
    void addUserToHashMap(CParticipantBean *p);
    void removeUserFromHashMap(CParticipantBean *p);
    // Null for an unknown id (or an id beyond the int range).
    CParticipantBean *getParticipant(qint64 userId) const;

    // Class set-up: every listed participant and the lecturer back to the
    // start of a class, the placeholders dropped, the map refiled.
    void resetParticipantsForNewSession();
    void resetOnsiteHomeworkStatus();
    void setParticipantsShouldAudioOn(bool on);
    void clearTeacherMuted() { mTeacherAudioMuted = false; }

    QList<CParticipantBean *> getStudentsOnStage() const;
    QList<CParticipantBean *> getOnlineStudentsNotOnStage() const;
    QList<CParticipantBean *> getStudentsNotOnStageNotInBlackRoom() const;
    QList<CParticipantBean *> getOnlineStudentsNotInBlackRoom() const;
    bool hasOnlineStudent() const;
    bool hasOnlineStudentOrBystander() const;
    QList<qint64> getOnlineUserIds() const;

    // A user was seen in class; true: request his participant record.
    bool checkStudentStatus(qint64 userId, bool mayMoveBystander);
    // Merges the server's record of a user who was seen in class into the
    // course's record of him; true when he is now a listed participant (role
    // 0). The caller keeps `serverRecord`.
    bool transferNewlyAddedParticipant(const CParticipantBean *serverRecord);

    void onsiteHomeworkStatusToOneOrThree(qint64 userId);
    void onsiteHomeworkStatusToTwo(qint64 userId);
    void onsiteHomeworkStatusToFourOrOne(qint64 userId, bool toFour);

    // The participant name lookup for received private messages: reads the
    // current course at every call. For TQPrivateMessageAction::setDisplayNameLookup.
    static TQPrivateMessageAction::DisplayNameLookup displayNameLookup();

    // Materials ------------------------------------------------------------
    // (material id, page index) of the first converted document material;
    // (0, 0) when there is none.
    std::pair<qint64, int> getDefaultMaterialAndPage() const;
    void clearDrawings();
    void prepareNewMaterial(MaterialDetailBean *material);
    bool changeOngoingMaterial(int materialId);
    // (material id, page index) of the first page showing `url`; (-1, -1) when none.
    std::pair<qint64, int> findMaterialPageByUrl(const QString &url) const;
    bool hasMaterial(const MaterialDetailBean *material) const;
    // Takes the material at `index` out of the list; the board may still
    // show its pages, so it is kept until the record is deleted.
    void retireMaterial(int index);

    // Drawing-action history ------------------------------------------------
    // A chunk of a late student's replay carries about this many characters
    // of action text (the last action may pass it).
    static constexpr int kBulkTextChars = 9600;

    int getDrawingActionCount() const { return static_cast<int>(mDrawingHistory.size()); }
    // index -1 appends and thins the history by the action's class; an index
    // of the history replaces (and deletes) the action there. Takes ownership
    // of `action` unless the index is out of range (logged, caller keeps it).
    void addDrawingAction(TQDrawingAction *action, int index);
    // Joins the line at `position` with the nearest earlier line within 70
    // positions (only empty actions between); the later position becomes empty.
    void mergeLineActions(int position);
    // Where a late student's board has to be replayed from for [start, end].
    int getProperStartIndex(int start, int end) const;
    // The next chunk of `fetch`'s range (advancing fetch.start), or null when
    // the range is empty or exhausted. The caller owns the message.
    TQControlBulkMessage *buildBulkMessage(TQLateRequestFetch &fetch, bool fastMode);
    void clearDrawingHistory();
    void deleteDrawingActions();
    bool hasMoreThanFiveDrawingActions() const { return mDrawingHistory.size() > 5; }
    // Null outside the history.
    TQDrawingAction *drawingActionAt(int position) const;

    // Public messages ------------------------------------------------------
    // Takes ownership of `message`.
    void addPublicMessage(TQInClassMessage *message);
    // The newest messages (oldest first) until their bodies reach 8000 bytes;
    // the list is the caller's, the messages stay the record's.
    QList<TQInClassMessage *> getRecentPublicMessages() const;

    // Class identity ---------------------------------------------------------
    void stampClassEntry();
    QString getClassSessionId();

    // Course modes -----------------------------------------------------------
    bool isLiveMode() const { return mPlayMode == 0; }
    bool isRtcVideoEnabled() const { return mPlayMode == 0 && !(price_type == 1 && rtm != 0); }
    bool isSpeedMode() const { return price_type == 1; }
    bool isImageVideoMode() const { return price_type == 2 || rtm == 1; }
    bool isBigClass() const { return price_type == 3 || price_type == 4 || teaching_method == 5; }
    bool isPayForCommunication() const { return pay_for_communication > 0; }
    bool isOrgCourse() const { return org_id > 0; }
    bool isTeacherRole() const { return true; }

    // Members ------------------------------------------------------------------
    std::unique_ptr<CParticipantBean> lecture_teacher;
    // Student role only: null in this client.
    std::unique_ptr<CParticipantBean> mSelfParticipant;
    QList<MaterialDetailBean *> course_materials;
    // Nothing fills it yet.
    QList<MaterialDetailBean *> mExtraMaterials;
    // Role groups "0" to "3".
    QList<CParticipantBean *> participants;
    QList<CParticipantBean *> bystanders;
    QList<CParticipantBean *> supervisors;
    QList<CParticipantBean *> mFourthGroup;
    RecordBean mRecordFile;
    int mStatusZeroA = 0;
    bool mRandomPickRunning = false;
    int mStatusZeroB = 0;
    // Seconds since the reference date of the last board erase.
    int mBlackBoardErasedTime = 0;
    int mStatusZeroC = 0;
    bool mFreeTalkEnabled = true;
    int mCutImagePortionValue = 0;
    int mSmallBlackBoardValue = 0;
    // Counts the teacher's drags of the small blackboard.
    int mClassroomChangeCount = 0;
    bool mTeacherAudioMuted = false;
    // 3 normal, 5 fallen back to audio only, 6 back again.
    int mTeacherVideoState = 3;
    bool mTeacherVideoOff = false;
    int mTeacherOnStage = 0;
    // The teacher's own call quality; created by the parse.
    std::unique_ptr<TQCallQualityStats> mCallQualityStats;
    std::string mTeacherHeadImage;
    // 0 normal, 1 camera full screen, 2 screen sharing.
    int mTeacherViewMode = 0;
    int time_available = 0;
    int pay_for_communication = 0;
    // 1 speed mode, 2 image-video mode, 3 and 4 big class.
    int price_type = 0;
    // 5 big class.
    int teaching_method = 0;
    bool mShareDialogOpen = false;
    double price_per_minute = 2.5;
    int l_balance = 0;
    int org_id = 0;
    std::string mDeviceId;
    // Seconds since 2020-01-01 at class entry.
    int mClassEntryStamp = 0;
    std::string popup_id;
    std::string popup_msg;
    double coin_available = 0;
    double bonus_coin_available = 0;
    int high_price = 0;
    double price_per_hour = 0;
    // 0 live class; 2 rehearsal.
    int mPlayMode = 0;
    // From a non-empty "stream" object, else null.
    std::unique_ptr<TQLiveStreamInfo> mLiveStreamInfo;
    bool mRotationWasOn = true;
    int mStageCapacity = 12;
    int mRotationSeconds = 300;
    // Class-state snapshots owed to the students.
    int mSessionStatusDue = 0;
    // Users seen in class without a list entry (role "4"), and bystanders
    // moved here to be requested again.
    QList<CParticipantBean *> mArrayOfNewlyAddedStudents;
    // One of course_materials, or null.
    MaterialDetailBean *m_pOngoingMaterial = nullptr;
    // Position = drawing index; owned. Thinned positions hold empty actions.
    std::vector<TQDrawingAction *> mDrawingHistory;
    // Drawing indexes of the appended restores.
    std::map<int, int> mRestoreMarks;
    std::unordered_map<int, CParticipantBean *> mUserMap;
    std::unordered_map<std::string, std::unique_ptr<TQStudentDurationAction>> mLatestDurationActions;
    std::unordered_map<std::string, std::unique_ptr<TQSingleNewStudentInfo>> mNewStudentInfos;
    QList<TQPageVisitTrace> mPageVisitTraces;
    int32_t mCurrentTraceMaterial = -1;
    int32_t mCurrentTracePage = -1;
    QList<TQInClassMessage *> mPublicMessages;
    bool mDefaultStudentAudioOn = true;
    TQTeacherMessageLogs mTeacherMessageLogs;
    std::unique_ptr<TQStageTimeTracker> mStageTimeTracker;

private:
    // Deletes the action at `position` and holds the place with an empty one.
    void makeEmpty(int position);
    void extraProcessingForLine(TQDrawingAction *line);
    void extraProcessingForMoveUpDown();
    void extraProcessingForPageTrace();
    void extraProcessingForRestore();
    void extraProcessingForSave() {}
    void extraProcessingForDrawImage();
    void extraProcessingForDrawText();
    // The author stamp of lines and scrolls: the signed-in teacher.
    static void stampAuthor(TQDrawingAction *action);

    // Newest text action's position for each text element on the board.
    std::unordered_map<int, int> mTextPositions;

    QList<CParticipantBean *> *listOfRoleGroup(int group);
    void readParticipants(const QJsonValue &array, QList<CParticipantBean *> &list, int skipUserId, bool skip);

    // Participants, materials and messages that left their lists; deleted
    // with the record.
    QList<CParticipantBean *> mRetiredParticipants;
    QList<MaterialDetailBean *> mRetiredMaterials;
    QList<TQInClassMessage *> mRetiredMessages;
};
