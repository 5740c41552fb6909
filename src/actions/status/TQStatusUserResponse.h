#pragma once

#include "actions/TQStatusAction.h"

// A student's device permissions and client version (code 157).
class TQStatusUserResponse : public TQStatusAction
{
public:
    TQStatusUserResponse();

    // "[-1,157,camera,photoRoll,microphone,valueA,deviceType,usingVersion,
    // newestVersion,balance,valueB,valueC,valueD,writingLost]"
    void toString(std::string &out) const override;

    // Null for fewer than 14 elements or a non-numeric element 2-9 (logged).
    static TQStatusUserResponse *userResponseFromString(std::string text);

    bool isCameraPermitted = true;
    bool isPhotoRollPermitted = true;
    bool isMicrophonePermitted = true;
    int responseValueA = 0;
    int clientDeviceType = 0;
    int clientUsingVersion = 0;
    int clientNewestVersion = 0;
    int studentBalance = 0;
    int responseValueB = 0;
    int responseValueC = 0;
    int responseValueD = 0;
    // The student's client lost its writing state.
    bool isWritingLost = false;
};
