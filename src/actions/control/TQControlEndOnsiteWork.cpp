#include "actions/control/TQControlEndOnsiteWork.h"

namespace {

using Record = TQControlEndOnsiteWork;

const TQIntElement<Record> kElements[] = {
    intLiteral<Record>(-1), {&Record::type, false}, {&Record::mMaterialID}, {&Record::mPageIndex},
    {&Record::mHomeworkID},
};

} // namespace

TQIntLayout<TQControlEndOnsiteWork> TQControlEndOnsiteWork::textLayout()
{
    return kElements;
}

TQControlEndOnsiteWork *TQControlEndOnsiteWork::endOnsiteWorkFromString(std::string text)
{
    return parse(text, 1, 4);
}
