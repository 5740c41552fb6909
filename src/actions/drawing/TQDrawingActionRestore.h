#pragma once

#include "actions/TQDrawingActionIntRecord.h"

// Return to a snapshot of the undo history (code 3).
class TQDrawingActionRestore : public TQDrawingActionIntRecord<TQDrawingActionRestore, 3>
{
public:
    // Null for fewer than 6 elements or a non-numeric element 0-5.
    static TQDrawingActionRestore *restoreFromString(std::string text);
    static TQIntLayout<TQDrawingActionRestore> textLayout();

    int snapshotId = 0;
};
