#include "modules/live/draws/TQPathRect.h"

TQPathRect::TQPathRect(const TQBrushStyle &brush, int strokeId, const QRectF &rect)
    : TQPath(brush, strokeId)
    , rect(rect)
{
}

void TQPathRect::setCanvasSize(int width, int height)
{
    canvas = QSize(width, height);
}

TQPathRect *TQPathRect::copyOffset(float dx, float dy, float scale, const QSize &) const
{
    return transformedCopy(scale, dx * scale, dy, canvas);
}

TQPathRect *TQPathRect::copyShifted(float dx, float dy, const QSize &target, float scale) const
{
    return transformedCopy(scale * canvasFactor(canvas.width(), target), dx, dy, target);
}

TQPathRect *TQPathRect::copyFromDrawn(float dx, float dy, float scale, const QSize &target)
{
    return copyOffset(dx, dy, scale, target);
}

TQPathRect *TQPathRect::copyRescaled(const QSize &target) const
{
    return transformedCopy(canvasFactor(canvas.width(), target), 0, 0, target);
}

void TQPathRect::scaleExtras(float)
{
}

TQPathRect *TQPathRect::transformedCopy(float f, float ex, float dy, const QSize &newCanvas) const
{
    TQPathRect *copy = clone();
    copy->rect = QRectF(rect.left() * f + ex, (rect.top() + dy) * f, rect.width() * f, rect.height() * f);
    if (newCanvas.isValid())
        copy->canvas = newCanvas;
    copy->scaleExtras(f);
    return copy;
}
