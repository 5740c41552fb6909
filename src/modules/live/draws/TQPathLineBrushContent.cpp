#include "modules/live/draws/TQPathLineBrushContent.h"

TQPathLineBrushContent::TQPathLineBrushContent(const TQBrushStyle &brush, int strokeId)
    : TQPathCalligraphy(brush, strokeId)
{
}

float TQPathLineBrushContent::maxWidthFor(const TQBrushStyle &brush) const
{
    return brush.extra == 0 ? kNominalWidth / 2 : kNominalWidth;
}

float TQPathLineBrushContent::minWidthFor(const TQBrushStyle &) const
{
    return kNominalWidth / 10;
}

TQPathCalligraphy *TQPathLineBrushContent::emptyCopy() const
{
    return new TQPathLineBrushContent(brush, strokeId);
}
