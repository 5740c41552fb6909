#include "actions/control/TQControlGradeOnsiteHomework.h"

namespace {

using Record = TQControlGradeOnsiteHomework;

const TQIntElement<Record> kElements[] = {
    intLiteral<Record>(-1), {&Record::type, false}, {&Record::targetUserId}, {&Record::mGrade},
    {&Record::mHomeworkID},
};

} // namespace

TQIntLayout<TQControlGradeOnsiteHomework> TQControlGradeOnsiteHomework::textLayout()
{
    return kElements;
}

TQControlGradeOnsiteHomework *TQControlGradeOnsiteHomework::gradeOnsiteHomeworkFromString(std::string text)
{
    return parse(text, 1, 3);
}
