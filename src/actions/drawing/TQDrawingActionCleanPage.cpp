#include "actions/drawing/TQDrawingActionCleanPage.h"

namespace {

using Clean = TQDrawingActionCleanPage;

const TQIntElement<Clean> kElements[] = {
    {&Clean::drawingIndex}, {&Clean::type, false}, {&Clean::materialId}, {&Clean::pageIndex}};

} // namespace

TQIntLayout<TQDrawingActionCleanPage> TQDrawingActionCleanPage::textLayout()
{
    return kElements;
}

TQDrawingActionCleanPage *TQDrawingActionCleanPage::cleanPageFromString(std::string text)
{
    return parse(text, 2, 3);
}
