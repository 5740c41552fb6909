#pragma once

#include "actions/control/TQControlIntRecord.h"

// A student is asked to redo the onsite homework (code 149); parsed only.
class TQControlRedoOnsiteHomework : public TQControlIntRecord<TQControlRedoOnsiteHomework, 149>
{
public:
    static TQIntLayout<TQControlRedoOnsiteHomework> textLayout();

    // Null for fewer than 4 elements or a non-numeric element 1-3.
    static TQControlRedoOnsiteHomework *redoOnsiteHomeworkFromString(std::string text);

    int mHomeworkID = 0;
};
