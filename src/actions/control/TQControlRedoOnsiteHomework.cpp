#include "actions/control/TQControlRedoOnsiteHomework.h"

namespace {

using Record = TQControlRedoOnsiteHomework;

const TQIntElement<Record> kElements[] = {
    intLiteral<Record>(-1), {&Record::type, false}, {&Record::targetUserId}, {&Record::mHomeworkID},
};

} // namespace

TQIntLayout<TQControlRedoOnsiteHomework> TQControlRedoOnsiteHomework::textLayout()
{
    return kElements;
}

TQControlRedoOnsiteHomework *TQControlRedoOnsiteHomework::redoOnsiteHomeworkFromString(std::string text)
{
    return parse(text, 1, 3);
}
