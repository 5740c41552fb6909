#include "actions/control/TQControlStartOnsiteWork.h"

namespace {

using Record = TQControlStartOnsiteWork;

const TQIntElement<Record> kElements[] = {
    intLiteral<Record>(-1), {&Record::type, false}, {&Record::mMaterialID}, {&Record::mPageIndex},
    {&Record::mOnsiteParam}, {&Record::mHomeworkID},
};

} // namespace

TQIntLayout<TQControlStartOnsiteWork> TQControlStartOnsiteWork::textLayout()
{
    return kElements;
}

TQControlStartOnsiteWork *TQControlStartOnsiteWork::startOnsiteWorkFromString(std::string text)
{
    return parse(text, 1, 5);
}
