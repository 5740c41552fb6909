#pragma once

#include "actions/control/TQControlLayouts.h"

// A student's client joined the class (code 127); the sender is the envelope's.
class TQControlStudentJoinClass : public TQControlIntRecord<TQControlStudentJoinClass, 127>
{
public:
    static TQIntLayout<TQControlAction> textLayout() { return studentNoticeLayout(); }

    // Null for fewer than 3 elements or a non-numeric element 2 (logged).
    static TQControlStudentJoinClass *joinClassFromString(std::string text)
    {
        return parse(text, 2, 2, "joinClassFromString: %d of %s is non numeric");
    }
};
