#include "modules/live/draws/TQInnerChalkContent.h"

TQInnerChalkContent::TQInnerChalkContent(const TQBrushStyle &brush, int strokeId)
    : TQPathLineBaseChalkContent(brush, strokeId)
{
}

float TQInnerChalkContent::halfWidthAt(const TQPointWF &p) const
{
    const float outer = TQPathLineBaseChalkContent::halfWidthAt(p);
    return outer > 2 ? outer - 2 : outer;
}

TQPathCalligraphy *TQInnerChalkContent::emptyCopy() const
{
    return new TQInnerChalkContent(brush, strokeId);
}
