#pragma once

#include "modules/live/draws/TQPathRect.h"

// An erased rectangle of the stroke layer.
class TQPathClearRect : public TQPathRect
{
public:
    TQPathClearRect(const TQBrushStyle &brush, int strokeId, const QRectF &rect);

protected:
    TQPathRect *clone() const override;
};
