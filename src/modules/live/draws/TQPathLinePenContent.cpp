#include "modules/live/draws/TQPathLinePenContent.h"

TQPathLinePenContent::TQPathLinePenContent(const TQBrushStyle &brush, int strokeId)
    : TQPathCalligraphy(brush, strokeId)
{
}

float TQPathLinePenContent::maxWidthFor(const TQBrushStyle &brush) const
{
    return brush.type == 2 ? 8 : 13;
}

float TQPathLinePenContent::minWidthFor(const TQBrushStyle &brush) const
{
    return brush.type == 2 ? 1 : 2;
}

TQPathCalligraphy *TQPathLinePenContent::emptyCopy() const
{
    return new TQPathLinePenContent(brush, strokeId);
}
