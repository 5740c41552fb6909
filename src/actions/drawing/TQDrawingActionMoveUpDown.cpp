#include "actions/drawing/TQDrawingActionMoveUpDown.h"


#include <typeinfo>

namespace {

using Scroll = TQDrawingActionMoveUpDown;

const TQIntElement<Scroll> kElements[] = {
    {&Scroll::drawingIndex}, {&Scroll::type, false}, {&Scroll::materialId},
    {&Scroll::pageIndex},    {&Scroll::topOffset},   {&Scroll::secondOffset},
    {&Scroll::canvasWidth},  {&Scroll::canvasHeight}, {&Scroll::senderId},
};

} // namespace

TQIntLayout<TQDrawingActionMoveUpDown> TQDrawingActionMoveUpDown::textLayout()
{
    return kElements;
}

TQDrawingActionMoveUpDown *TQDrawingActionMoveUpDown::moveUpDownFromString(std::string text)
{
    return parse(text, 2, 8);
}

TQDrawingAction *TQDrawingActionMoveUpDown::mergeWith(const TQDrawingAction *next) const
{
    if (!next || typeid(*next) != typeid(TQDrawingActionMoveUpDown))
        return nullptr;
    const auto *later = static_cast<const TQDrawingActionMoveUpDown *>(next);
    if (later->materialId != materialId || later->pageIndex != pageIndex || later->canvasWidth != canvasWidth
        || standalone || later->standalone)
        return nullptr;
    // Only what the board needs to reach the later position is kept; the
    // sender and the values the draw manager sets afterwards start afresh.
    auto *merged = new TQDrawingActionMoveUpDown;
    merged->startMergeFrom(*this);
    merged->topOffset = later->topOffset;
    merged->secondOffset = later->secondOffset;
    merged->canvasWidth = canvasWidth;
    merged->canvasHeight = canvasHeight;
    merged->valueB = valueB;
    merged->standalone = standalone;
    return merged;
}
