#include "actions/drawing/TQDrawActionEraseBlackBoard.h"

#include "actions/TQActionFields.h"
#include "actions/TQActionTextWriter.h"

TQDrawActionEraseBlackBoard::TQDrawActionEraseBlackBoard()
    : TQDrawingActionCopyable(12)
{
}

void TQDrawActionEraseBlackBoard::toString(std::string &out) const
{
    TQActionTextWriter(out).add(drawingIndex).add(type).add(materialId).add(pageIndex).add(eraseTime).add(senderId)
        .close();
}

TQDrawActionEraseBlackBoard *TQDrawActionEraseBlackBoard::eraseBlackBoardFromString(std::string text)
{
    const TQActionFields fields(text);
    if (fields.size() < 6 || fields.hasNonNumeric(0, 5))
        return nullptr;
    auto *action = new TQDrawActionEraseBlackBoard;
    action->drawingIndex = fields.toInt(0);
    action->materialId = fields.toInt(2);
    action->pageIndex = fields.toInt(3);
    action->eraseTime = fields.toInt64(4);
    action->senderId = fields.toInt(5);
    return action;
}
