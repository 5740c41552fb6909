#include "actions/drawing/TQDrawingActionRestore.h"

namespace {

using Restore = TQDrawingActionRestore;

const TQIntElement<Restore> kElements[] = {
    {&Restore::drawingIndex}, {&Restore::type, false}, {&Restore::snapshotId},
    {&Restore::senderId},     {&Restore::materialId},  {&Restore::pageIndex},
};

} // namespace

TQIntLayout<TQDrawingActionRestore> TQDrawingActionRestore::textLayout()
{
    return kElements;
}

TQDrawingActionRestore *TQDrawingActionRestore::restoreFromString(std::string text)
{
    return parse(text, 0, 5);
}
