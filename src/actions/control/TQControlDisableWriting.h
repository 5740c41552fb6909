#pragma once

#include "actions/control/TQControlIntRecord.h"

// Withdraws one student's right to write on the board (code 106).
class TQControlDisableWriting : public TQControlIntRecord<TQControlDisableWriting, 106>
{
public:
    static TQIntLayout<TQControlDisableWriting> textLayout();

    // Null for fewer than 4 elements or a non-numeric element 1-3.
    static TQControlDisableWriting *disableWritingFromString(std::string text);

    int mReason = 0;
};
