#pragma once

#include "actions/control/TQControlLayouts.h"

// The teacher leaves the stage (code 155); the target is the teacher.
class TQControlTeacherOffStage : public TQControlIntRecord<TQControlTeacherOffStage, 155>
{
public:
    static TQIntLayout<TQControlAction> textLayout() { return controlTargetLayout(); }

    // Null for fewer than 3 elements or a non-numeric element 1-2.
    static TQControlTeacherOffStage *teacherOffStageFromString(std::string text)
    {
        return parse(text, 1, 2);
    }
};
