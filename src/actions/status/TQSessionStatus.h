#pragma once

#include "actions/TQStatusAction.h"

#include <string>
#include <vector>

// The whole classroom's state (code 109), sent regularly so that a student's
// client that joins or reconnects can rebuild what it sees. It owns its user
// entries and deletes them with itself.
class TQSessionStatus : public TQStatusAction
{
public:
    // One person in the video room.
    class TQUserStatus
    {
    public:
        TQUserStatus(int userID, bool isVideoOn, bool isAudioOn, bool isWritingEnabled, bool isHandRaised,
                     int isHandPicked, bool isInVideoRoom, bool isRandomlyPicked, bool isShouldVideoOn,
                     bool isShouldAudioOn, std::string userName);

        // "(userID,flags and isHandPicked in field order,Base64 of userName)"
        std::string toString() const;
        // The entry whose text (without parentheses) is given; null for fewer
        // than 11 elements or a non-numeric element 0-9.
        static TQUserStatus *fromString(std::string_view text);

        int userID;
        bool isVideoOn;
        bool isAudioOn;
        bool isWritingEnabled;
        // Raised less than 10,000 ms before the snapshot was built.
        bool isHandRaised;
        // Stage state: 0 off stage, 1 on stage, 2 full screen.
        int isHandPicked;
        bool isInVideoRoom;
        bool isRandomlyPicked;
        bool isShouldVideoOn;
        bool isShouldAudioOn;
        std::string userName;
    };

    TQSessionStatus();
    ~TQSessionStatus() override;
    TQSessionStatus(const TQSessionStatus &) = delete;
    TQSessionStatus &operator=(const TQSessionStatus &) = delete;

    void toString(std::string &out) const override;

    // Null for fewer than 36 elements or a non-numeric element 0-28. User
    // entries that do not parse are left out.
    static TQSessionStatus *classStatusFromString(std::string text);

    int classStateA = 0;
    bool isOnsiteHomeworkRunning = false;
    // The running interaction: the choice question's type, 3 sign-in, 4 competitive answer, 0 none.
    int interactionType = 0;
    int interactionOptions = 0;
    int interactionID = 0;
    int maxDrawingIndex = 0;
    bool isRandomSelectRunning = false;
    int interactionTime = 0;
    int classStateB = 0;
    int onsiteHomeworkID = 0;
    int materialID = 0;
    int pageIndex = 0;
    // Seconds since the reference date.
    int blackboardClosedAt = 0;
    int classStateC = 0;
    bool isFreeTalkEnabled = false;
    int boardWidth = 0;
    int boardHeight = 0;
    bool isTakingPicture = false;
    int pictureUserID = 0;
    int pictureID = 0;
    int blackboardDrawingIndex = 0;
    int blackboardPosition = 0;
    // "2" in the teacher's snapshots.
    std::string clientText = "1";
    bool isAllAudioOn = true;
    // 0 normal, 1 the teacher's camera in full screen, 2 screen sharing.
    int teacherVideoScreenMode = 0;
    int classSessionID = 0;
    int statusVersion = 5;
    int statusValueA = 0;
    int countDownCurrent = -1;
    int correctAnswerCount = 0;
    // 1 running, 2 paused, 0 none.
    int countDownState = 0;
    int statusValueB = 0;
    int countDownTotal = 0;
    // Written as Base64.
    std::string countDownTitle;
    // User ids, as decimal text, of the students in the black room.
    std::vector<std::string> blackRoomUserIDs;
    // Owned.
    std::vector<TQUserStatus *> userStatuses;
};
