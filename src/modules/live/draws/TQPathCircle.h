#pragma once

#include "modules/live/draws/TQPathRect.h"

// A circle or arc from a circle action: drawn as a filled pie or an arc over
// its rectangle.
class TQPathCircle : public TQPathRect
{
public:
    TQPathCircle(const TQBrushStyle &brush, int strokeId, const QRectF &rect, float startAngle, float spanAngle,
                 bool flag, bool filled);

    // (L * s * k + dx, (T + dy) * s * k, W * s * k, H * s * k); without a
    // valid target k = 1 and the own canvas is kept.
    TQPathRect *copyOffset(float dx, float dy, float scale, const QSize &target = QSize()) const override;

    // Degrees.
    float startAngle;
    float spanAngle;
    // Carried, not read when drawing.
    bool flag;
    bool filled;

protected:
    TQPathRect *clone() const override;
};
