#include "actions/drawing/TQDrawingActionDrawText.h"

#include "actions/TQActionFields.h"
#include "actions/TQActionTextWriter.h"
#include "utils/CLog.h"


TQDrawingActionDrawText::TQDrawingActionDrawText()
    : TQDrawingActionCopyable(14)
{
}

void TQDrawingActionDrawText::toString(std::string &out) const
{
    TQActionTextWriter(out)
        .add(drawingIndex).add(type).add(materialId).add(pageIndex).add(canvasWidth).add(canvasHeight).add(x)
        .add(y).add(topOffset).add(width).add(height).add(fontSize).add(extra)
        .addBase64(text).add(colour).add(fontFamily)
        .add(senderId).add(elementId)
        .close();
}

TQDrawingActionDrawText *TQDrawingActionDrawText::drawTextFromString(std::string text)
{
    CLog::log(QStringLiteral("get draw text %1").arg(QString::fromStdString(text)),
              QStringLiteral("TQDrawingActionDrawText::drawTextFromString "));
    const TQActionFields fields(text);
    if (fields.size() < 18 || fields.hasNonNumeric(0, 12))
        return nullptr;
    auto *action = new TQDrawingActionDrawText;
    action->drawingIndex = fields.toInt(0);
    action->materialId = fields.toInt(2);
    action->pageIndex = fields.toInt(3);
    action->canvasWidth = fields.toInt(4);
    action->canvasHeight = fields.toInt(5);
    action->x = fields.toInt(6);
    action->y = fields.toInt(7);
    action->topOffset = fields.toInt(8);
    action->width = fields.toInt(9);
    action->height = fields.toInt(10);
    action->fontSize = fields.toInt(11);
    action->extra = fields.toInt(12);
    action->text = fields.base64Text(13);
    action->colour = fields.text(14);
    action->fontFamily = fields.text(15);
    action->senderId = fields.toInt(16);
    action->elementId = fields.toInt(17);
    return action;
}
