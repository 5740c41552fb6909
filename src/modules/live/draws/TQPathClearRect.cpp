#include "modules/live/draws/TQPathClearRect.h"

TQPathClearRect::TQPathClearRect(const TQBrushStyle &brush, int strokeId, const QRectF &rect)
    : TQPathRect(brush, strokeId, rect)
{
}

TQPathRect *TQPathClearRect::clone() const
{
    return new TQPathClearRect(*this);
}
