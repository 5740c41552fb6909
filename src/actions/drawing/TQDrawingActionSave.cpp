#include "actions/drawing/TQDrawingActionSave.h"

namespace {

using Save = TQDrawingActionSave;

// valueA is written but not read back.
const TQIntElement<Save> kElements[] = {
    {&Save::drawingIndex}, {&Save::type, false}, {&Save::materialId}, {&Save::valueA, false},
    {&Save::pageIndex},    {&Save::senderId},    {&Save::strokeId},
};

} // namespace

TQIntLayout<TQDrawingActionSave> TQDrawingActionSave::textLayout()
{
    return kElements;
}

TQDrawingActionSave *TQDrawingActionSave::saveFromString(std::string text)
{
    return parse(text, 2, 6);
}
