#pragma once

#include "actions/control/TQControlIntRecord.h"

// Onsite homework starts on the board's current page (code 112); sent to everybody.
class TQControlStartOnsiteWork : public TQControlIntRecord<TQControlStartOnsiteWork, 112>
{
public:
    static TQIntLayout<TQControlStartOnsiteWork> textLayout();

    // Null for fewer than 6 elements or a non-numeric element 1-5.
    static TQControlStartOnsiteWork *startOnsiteWorkFromString(std::string text);

    int mMaterialID = 0;
    int mPageIndex = 0;
    // Always sent as 100.
    int mOnsiteParam = 0;
    // The running homework's id (a sequence number).
    int mHomeworkID = 0;
};
