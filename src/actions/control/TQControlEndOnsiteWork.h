#pragma once

#include "actions/control/TQControlIntRecord.h"

// Onsite homework ends (code 113); sent to everybody.
class TQControlEndOnsiteWork : public TQControlIntRecord<TQControlEndOnsiteWork, 113>
{
public:
    static TQIntLayout<TQControlEndOnsiteWork> textLayout();

    // Null for fewer than 5 elements or a non-numeric element 1-4.
    static TQControlEndOnsiteWork *endOnsiteWorkFromString(std::string text);

    int mMaterialID = 0;
    int mPageIndex = 0;
    int mHomeworkID = 0;
};
