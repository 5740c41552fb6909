#pragma once

#include "actions/TQControlAction.h"

#include <string>
#include <vector>

class TQDrawingAction;

// One chunk of the board history for late-joining students (code 108): a
// header, the bracketed list of the students it is for, then ready-made
// action texts. Sent to the whole channel (in an envelope of type 0); on the
// wire the texts inside are ordinary records, so a receiver cuts them apart
// like any other.
class TQControlBulkMessage : public TQControlAction
{
public:
    TQControlBulkMessage();

    // Fast: "[-1,108,0,start,0,0,max,0],[ids]texts", slow:
    // "[-1,108,1,0,0,0,0,0],[ids]texts", both followed by ",[end]" when isEnd.
    // An empty user list is written (and logged).
    void toString(std::string &out) const override;

    // Reads the header only: null for fewer than 8 elements or a non-numeric
    // element 0-7.
    static TQControlBulkMessage *bulkMessageFromString(std::string text);

    // A chunk of the fast range (proper start to the end of the history), else
    // of the slow range before it.
    bool isFastMode = true;
    // The chunk finishes its request's range.
    bool isEnd = false;
    int mProperStartIndex = 0;
    // Index of the last history action when the chunk was built.
    int mMaxIndex = 0;
    // The history texts, each preceded by ",", UTF-8.
    std::string mDrawingText;
    std::vector<int> mArrayOfUserIds;
    // Not written and not owned.
    std::vector<TQDrawingAction *> mDrawingActions;
};
