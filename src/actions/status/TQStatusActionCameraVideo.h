#pragma once

#include "actions/TQIntRecordAction.h"
#include "actions/TQStatusAction.h"

// A camera state as a media engine reports a remote video state change
// (code 166): a student's report, or the teacher's own when its video goes
// out as images.
class TQStatusActionCameraVideo : public TQIntRecordAction<TQStatusActionCameraVideo, TQStatusAction, 166>
{
public:
    static TQIntLayout<TQStatusActionCameraVideo> textLayout();

    // Null for fewer than 5 elements or a non-numeric element 2-4.
    static TQStatusActionCameraVideo *cameraVideoFromString(std::string text);

    int userID = 0;
    int videoState = 0;
    int videoReason = 0;
};
