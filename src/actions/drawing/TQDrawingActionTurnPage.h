#pragma once

#include "actions/TQDrawingActionIntRecord.h"

// A page turn (code 4) from pageIndex to targetPage of the material.
class TQDrawingActionTurnPage : public TQDrawingActionIntRecord<TQDrawingActionTurnPage, 4>
{
public:
    // Null for fewer than 6 elements or a non-numeric element 2-5.
    static TQDrawingActionTurnPage *turnPageFromString(std::string text);
    static TQIntLayout<TQDrawingActionTurnPage> textLayout();

    int targetPage = 0;
};
