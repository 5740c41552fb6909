#include "actions/control/TQControlRequestBulkData.h"

namespace {

using Record = TQControlRequestBulkData;

const TQIntElement<Record> kElements[] = {
    intLiteral<Record>(-1), {&Record::type, false}, {&Record::mRequestStart}, {&Record::mRequestEnd},
};

} // namespace

TQIntLayout<TQControlRequestBulkData> TQControlRequestBulkData::textLayout()
{
    return kElements;
}

TQControlRequestBulkData *TQControlRequestBulkData::requestBulkDataFromString(std::string text)
{
    return parse(text, 2, 3);
}
