#pragma once

#include "actions/control/TQControlIntRecord.h"

// A grade for a student's onsite homework (code 150); parsed only. The
// homework id lies outside the checked elements and reads 0 when it is no number.
class TQControlGradeOnsiteHomework : public TQControlIntRecord<TQControlGradeOnsiteHomework, 150>
{
public:
    static TQIntLayout<TQControlGradeOnsiteHomework> textLayout();

    // Null for fewer than 5 elements or a non-numeric element 1-3.
    static TQControlGradeOnsiteHomework *gradeOnsiteHomeworkFromString(std::string text);

    int mGrade = 0;
    int mHomeworkID = 0;
};
