#include "actions/drawing/TQDrawingActionNone.h"

#include "actions/TQActionFields.h"
#include "actions/TQActionTextWriter.h"

TQDrawingActionNone::TQDrawingActionNone(int first)
    : TQDrawingActionCopyable(9)
{
    drawingIndex = first;
}

void TQDrawingActionNone::toString(std::string &out) const
{
    TQActionTextWriter(out).add(drawingIndex).add(type).add(0).close();
}

TQDrawingActionNone *TQDrawingActionNone::noneFromString(std::string text)
{
    const TQActionFields fields(text);
    if (fields.size() != 3)
        return nullptr;
    return new TQDrawingActionNone(fields.toInt(0));
}
