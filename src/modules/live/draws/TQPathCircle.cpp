#include "modules/live/draws/TQPathCircle.h"

TQPathCircle::TQPathCircle(const TQBrushStyle &brush, int strokeId, const QRectF &rect, float startAngle,
                           float spanAngle, bool flag, bool filled)
    : TQPathRect(brush, strokeId, rect)
    , startAngle(startAngle)
    , spanAngle(spanAngle)
    , flag(flag)
    , filled(filled)
{
}

TQPathRect *TQPathCircle::copyOffset(float dx, float dy, float scale, const QSize &target) const
{
    if (!target.isValid())
        return transformedCopy(scale, dx, dy, canvas);
    return copyShifted(dx, dy, target, scale);
}

TQPathRect *TQPathCircle::clone() const
{
    return new TQPathCircle(*this);
}
