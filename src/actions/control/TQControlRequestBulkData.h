#pragma once

#include "actions/control/TQControlIntRecord.h"

// A student asks for the board history from mRequestStart on (code 107); the
// student is the envelope's sender.
class TQControlRequestBulkData : public TQControlIntRecord<TQControlRequestBulkData, 107>
{
public:
    static TQIntLayout<TQControlRequestBulkData> textLayout();

    // Null for fewer than 4 elements or a non-numeric element 2-3.
    static TQControlRequestBulkData *requestBulkDataFromString(std::string text);

    // Index in the drawing history of the first action asked for.
    int mRequestStart = 0;
    // Only tested for 0 (both 0: the teacher picks the start).
    int mRequestEnd = 0;
};
