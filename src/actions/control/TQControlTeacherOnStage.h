#pragma once

#include "actions/control/TQControlLayouts.h"

// The teacher goes on stage (code 154); the target is the teacher.
class TQControlTeacherOnStage : public TQControlIntRecord<TQControlTeacherOnStage, 154>
{
public:
    static TQIntLayout<TQControlAction> textLayout() { return controlTargetLayout(); }

    // Null for fewer than 3 elements or a non-numeric element 1-2.
    static TQControlTeacherOnStage *teacherOnStageFromString(std::string text)
    {
        return parse(text, 1, 2);
    }
};
