#include "actions/drawing/TQDrawingActionPageZoom.h"

#include "actions/TQActionTextWriter.h"

TQDrawingActionPageZoom::TQDrawingActionPageZoom()
    : TQDrawingActionCopyable(13)
{
}

void TQDrawingActionPageZoom::toString(std::string &out) const
{
    TQActionTextWriter(out).add(drawingIndex).add(type).add(materialId).add(pageIndex).add(zoomA).add(zoomB)
        .add(zoomPercent).add(senderId).close();
}
