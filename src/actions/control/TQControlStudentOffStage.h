#pragma once

#include "actions/control/TQControlLayouts.h"

// A student leaves the stage (code 121); sent to everybody.
class TQControlStudentOffStage : public TQControlIntRecord<TQControlStudentOffStage, 121>
{
public:
    static TQIntLayout<TQControlAction> textLayout() { return controlTargetLayout(); }

    // Null for fewer than 3 elements or a non-numeric element 1-2.
    static TQControlStudentOffStage *studentOffStageFromString(std::string text)
    {
        return parse(text, 1, 2);
    }
};
