#include "actions/drawing/TQDrawingActionTurnPage.h"

namespace {

using TurnPage = TQDrawingActionTurnPage;

const TQIntElement<TurnPage> kElements[] = {
    {&TurnPage::drawingIndex}, {&TurnPage::type, false}, {&TurnPage::materialId},
    {&TurnPage::targetPage},   {&TurnPage::senderId},    {&TurnPage::pageIndex},
};

} // namespace

TQIntLayout<TQDrawingActionTurnPage> TQDrawingActionTurnPage::textLayout()
{
    return kElements;
}

TQDrawingActionTurnPage *TQDrawingActionTurnPage::turnPageFromString(std::string text)
{
    return parse(text, 2, 5);
}
