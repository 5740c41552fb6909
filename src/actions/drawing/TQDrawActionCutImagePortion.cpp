#include "actions/drawing/TQDrawActionCutImagePortion.h"

#include "actions/TQActionFields.h"
#include "actions/TQActionTextWriter.h"

TQDrawActionCutImagePortion::TQDrawActionCutImagePortion()
    : TQDrawingActionCopyable(11)
{
}

void TQDrawActionCutImagePortion::toString(std::string &out) const
{
    TQActionTextWriter(out)
        .add(drawingIndex).add(type).add(materialId).add(pageIndex).add(x).add(y).add(width).add(height)
        .add(regionA).add(regionB).add(canvasWidth).add(canvasHeight).add(topOffset).addFlag(smallBoard)
        .add(sourceTime).add(senderId).add(url)
        .close();
}

TQDrawActionCutImagePortion *TQDrawActionCutImagePortion::cutImagePortionFromString(std::string text)
{
    const TQActionFields fields(text);
    if (fields.size() < 17 || fields.hasNonNumeric(2, 17))
        return nullptr;
    auto *region = new TQDrawActionCutImagePortion;
    region->drawingIndex = fields.toInt(0);
    region->materialId = fields.toInt(2);
    region->pageIndex = fields.toInt(3);
    region->x = fields.toInt(4);
    region->y = fields.toInt(5);
    region->width = fields.toInt(6);
    region->height = fields.toInt(7);
    region->regionA = fields.toInt(8);
    region->regionB = fields.toInt(9);
    region->canvasWidth = fields.toInt(10);
    region->canvasHeight = fields.toInt(11);
    region->topOffset = fields.toInt(12);
    region->smallBoard = fields.isOne(13);
    region->sourceTime = fields.toInt64(14);
    region->senderId = fields.toInt(15);
    region->url = fields.text(16);
    return region;
}
