#include "actions/drawing/TQDrawActionDrawCircle.h"

#include "actions/TQActionFields.h"
#include "actions/TQActionTextWriter.h"

TQDrawActionDrawCircle::TQDrawActionDrawCircle()
    : TQDrawingActionCopyable(1)
{
}

void TQDrawActionDrawCircle::toString(std::string &out) const
{
    TQActionTextWriter(out)
        .add(drawingIndex).add(type).add(materialId).add(pageIndex).add(topOffset).add(secondOffset)
        .add(canvasWidth).add(canvasHeight).add("0").add(brush.typeElement()).addFlag(brush.eraserElement())
        .add(centreX).add(centreY).add(radius).add(startAngle).add(endAngle).addFlag(filled).add(senderId)
        .add(elementId).add(brushColorToActionText(brush.colour, filled))
        .close();
}

TQDrawActionDrawCircle *TQDrawActionDrawCircle::drawCircleFromString(std::string text)
{
    const TQActionFields fields(text);
    if (fields.size() < 20 || fields.hasNonNumeric(0, 18))
        return nullptr;
    auto *circle = new TQDrawActionDrawCircle;
    circle->drawingIndex = fields.toInt(0);
    circle->materialId = fields.toInt(2);
    circle->pageIndex = fields.toInt(3);
    circle->topOffset = fields.toInt(4);
    circle->secondOffset = fields.toInt(5);
    circle->canvasWidth = fields.toInt(6);
    circle->canvasHeight = fields.toInt(7);
    circle->centreX = fields.toInt(11);
    circle->centreY = fields.toInt(12);
    circle->radius = fields.toInt(13);
    circle->startAngle = fields.toInt(14);
    circle->endAngle = fields.toInt(15);
    circle->filled = fields.isOne(16);
    circle->senderId = fields.toInt(17);
    circle->elementId = fields.toInt(18);
    // The eraser element is not read: an eraser circle comes back with type 0.
    circle->brush = TQBrushStyle(brushTypeFromText(fields.toInt(9), false),
                                 brushColorFromRgbaString(fields.text(19)), 3, 0);
    return circle;
}
