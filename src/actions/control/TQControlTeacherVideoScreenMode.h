#pragma once

#include "actions/control/TQControlIntRecord.h"

// The teacher's video screen mode (parsed from code 158 only). The record's
// own code is 161, so its text would carry 161; nothing here writes it.
class TQControlTeacherVideoScreenMode : public TQControlIntRecord<TQControlTeacherVideoScreenMode, 161>
{
public:
    explicit TQControlTeacherVideoScreenMode(int screenMode = 0);

    static TQIntLayout<TQControlTeacherVideoScreenMode> textLayout();

    // Null for fewer than 3 elements or a non-numeric element 1-2.
    static TQControlTeacherVideoScreenMode *teacherVideoScreenModeFromString(std::string text);

    int mScreenMode;
};
