#pragma once

#include "actions/TQDrawingActionIntRecord.h"

// Clears the page named by materialId and pageIndex (code 8).
class TQDrawingActionCleanPage : public TQDrawingActionIntRecord<TQDrawingActionCleanPage, 8>
{
public:
    // Null for fewer than 4 elements or a non-numeric element 2-3.
    static TQDrawingActionCleanPage *cleanPageFromString(std::string text);
    static TQIntLayout<TQDrawingActionCleanPage> textLayout();
};
