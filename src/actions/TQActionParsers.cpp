#include "actions/TQActionParsers.h"

#include "actions/drawing/TQDrawActionCutImagePortion.h"
#include "actions/drawing/TQDrawActionDrawCircle.h"
#include "actions/drawing/TQDrawActionDrawImage.h"
#include "actions/drawing/TQDrawActionEraseBlackBoard.h"
#include "actions/drawing/TQDrawingActionCleanPage.h"
#include "actions/drawing/TQDrawingActionDrawText.h"
#include "actions/drawing/TQDrawingActionLine.h"
#include "actions/drawing/TQDrawingActionMoveUpDown.h"
#include "actions/drawing/TQDrawingActionNone.h"
#include "actions/drawing/TQDrawingActionRestore.h"
#include "actions/drawing/TQDrawingActionSave.h"
#include "actions/drawing/TQDrawingActionSelectMaterial.h"
#include "actions/drawing/TQDrawingActionTurnPage.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

// A class's own parser seen as a parser of actions.
template <class Action, Action *(*Parse)(std::string)>
TQAction *parseAs(std::string text)
{
    return Parse(std::move(text));
}

struct ParserEntry
{
    int code;
    TQActionParser parse;
};

// Sorted by code.
const ParserEntry kParsers[] = {
    {0, &parseAs<TQDrawingActionLine, &TQDrawingActionLine::lineFromString>},
    {1, &parseAs<TQDrawActionDrawCircle, &TQDrawActionDrawCircle::drawCircleFromString>},
    {2, &parseAs<TQDrawingActionSave, &TQDrawingActionSave::saveFromString>},
    {3, &parseAs<TQDrawingActionRestore, &TQDrawingActionRestore::restoreFromString>},
    {4, &parseAs<TQDrawingActionTurnPage, &TQDrawingActionTurnPage::turnPageFromString>},
    {5, &parseAs<TQDrawingActionMoveUpDown, &TQDrawingActionMoveUpDown::moveUpDownFromString>},
    {6, &parseAs<TQDrawingActionSelectMaterial, &TQDrawingActionSelectMaterial::selectMaterialFromString>},
    {8, &parseAs<TQDrawingActionCleanPage, &TQDrawingActionCleanPage::cleanPageFromString>},
    {9, &parseAs<TQDrawingActionNone, &TQDrawingActionNone::noneFromString>},
    {10, &parseAs<TQDrawActionDrawImage, &TQDrawActionDrawImage::drawImageFromString>},
    {11, &parseAs<TQDrawActionCutImagePortion, &TQDrawActionCutImagePortion::cutImagePortionFromString>},
    {12, &parseAs<TQDrawActionEraseBlackBoard, &TQDrawActionEraseBlackBoard::eraseBlackBoardFromString>},
    {14, &parseAs<TQDrawingActionDrawText, &TQDrawingActionDrawText::drawTextFromString>},
};

} // namespace

TQActionParser actionParserForCode(int code)
{
    const auto it = std::lower_bound(std::begin(kParsers), std::end(kParsers), code,
                                     [](const ParserEntry &entry, int wanted) { return entry.code < wanted; });
    return (it != std::end(kParsers) && it->code == code) ? it->parse : nullptr;
}
