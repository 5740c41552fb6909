#pragma once

#include "modules/live/broadcast/TQMediaQualityInfo.h"
#include "modules/live/popover/TQPopoverRequestData.h"

#include <string>

// What the student popover shows of one participant, taken when the teacher
// clicks the student's icon. Texts are UTF-8. Members are named after the JSON
// keys under which the student dialog publishes them.
class TQPopoverRequestDataStudentIcon : public TQPopoverRequestData
{
public:
    TQPopoverRequestDataStudentIcon() = default;

    // Remark name, else nick name, else "无备注".
    std::string studentName;
    int studentId = 0;
    bool isOnline = false;
    bool isVoiceMuted = false;
    bool isVideoMuted = false;
    bool isOnStage = false;
    bool isWritingEnabled = false;
    bool isAllowedToPostPhoto = false;
    // Passed through unchanged; nothing reads it.
    bool secondFlag = false;
    // The three counters are never negative.
    int numOfHandRaised = 0;
    int numOfHandPicked = 0;
    int numOfGold = 0;
    std::string deviceStr;
    bool versionNeedsUpdate = false;
    int studentBalance = 0;
    TQMediaQualityInfo quality;
    // Empty when built; the dialog's refresh fills in the course category.
    std::string classType;
    bool isOnVideoRoom = false;
    bool isInBlackRoom = false;
    std::string phoneNumber;
    // Low 32 bits of the ms time the student's app went into the background.
    int inBackgroundType = 0;
};
