#pragma once

#include "actions/TQDrawingActionIntRecord.h"

// An undo point (code 2): closes a stroke or change in the undo history.
class TQDrawingActionSave : public TQDrawingActionIntRecord<TQDrawingActionSave, 2>
{
public:
    // Null for fewer than 7 elements or a non-numeric element 2-6. valueA is
    // not read back.
    static TQDrawingActionSave *saveFromString(std::string text);
    static TQIntLayout<TQDrawingActionSave> textLayout();

    // The snapshot that was current before this save.
    int valueA = 0;
    // The stroke or change this undo point closes.
    int strokeId = 0;
};
