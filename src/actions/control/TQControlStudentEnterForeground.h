#pragma once

#include "actions/control/TQControlLayouts.h"

// A student's client came back to the foreground (code 153).
class TQControlStudentEnterForeground : public TQControlIntRecord<TQControlStudentEnterForeground, 153>
{
public:
    static TQIntLayout<TQControlAction> textLayout() { return studentNoticeTargetLayout(); }

    // Null for fewer than 3 elements or a non-numeric element 2 (logged).
    static TQControlStudentEnterForeground *enterForegroundFromString(std::string text)
    {
        return parse(text, 2, 2, "TQControlStudentEnterForeground:enterForegroundFromString %d of %s is non numeric");
    }
};
