#pragma once

#include "actions/control/TQControlLayouts.h"

// A student's client left the class (code 128); the sender is the envelope's.
class TQControlStudentLeaveClass : public TQControlIntRecord<TQControlStudentLeaveClass, 128>
{
public:
    static TQIntLayout<TQControlAction> textLayout() { return studentNoticeLayout(); }

    // Null for fewer than 3 elements or a non-numeric element 2 (logged).
    static TQControlStudentLeaveClass *leaveClassFromString(std::string text)
    {
        return parse(text, 2, 2, "leaveClassFromString: %d of %s is non numeric");
    }
};
