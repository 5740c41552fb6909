#include "actions/TQDrawingAction.h"

TQDrawingAction::TQDrawingAction(int code)
    : TQAction(code)
{
}

void TQDrawingAction::toString(std::string &out) const
{
    out = "TQDrawingAction";
}

TQDrawingAction *TQDrawingAction::mergeWith(const TQDrawingAction *) const
{
    return nullptr;
}

TQDrawingAction *TQDrawingAction::clone() const
{
    TQDrawingAction *copy = new TQDrawingAction(type);
    copyTo(copy);
    return copy;
}

void TQDrawingAction::copyTo(TQDrawingAction *target) const
{
    if (!target)
        return;
    target->drawingIndex = drawingIndex;
    target->senderId = senderId;
    target->materialId = materialId;
    target->pageIndex = pageIndex;
    target->publish = publish;
    target->receivedAt = receivedAt;
}

void TQDrawingAction::startMergeFrom(const TQDrawingAction &earlier)
{
    receiver = earlier.receiver;
    type = earlier.type;
    drawingIndex = earlier.drawingIndex;
    materialId = earlier.materialId;
    pageIndex = earlier.pageIndex;
}
