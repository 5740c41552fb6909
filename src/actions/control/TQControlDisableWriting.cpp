#include "actions/control/TQControlDisableWriting.h"

namespace {

using Record = TQControlDisableWriting;

const TQIntElement<Record> kElements[] = {
    intLiteral<Record>(-1), {&Record::type, false}, {&Record::targetUserId}, {&Record::mReason},
};

} // namespace

TQIntLayout<TQControlDisableWriting> TQControlDisableWriting::textLayout()
{
    return kElements;
}

TQControlDisableWriting *TQControlDisableWriting::disableWritingFromString(std::string text)
{
    return parse(text, 1, 3);
}
