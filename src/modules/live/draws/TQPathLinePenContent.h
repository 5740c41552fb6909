#pragma once

#include "modules/live/draws/TQPathCalligraphy.h"

// Fountain pen (type 2, widths 1 to 8) and its twin type 4 (2 to 13).
class TQPathLinePenContent : public TQPathCalligraphy
{
public:
    TQPathLinePenContent(const TQBrushStyle &brush, int strokeId);

    float maxWidthFor(const TQBrushStyle &brush) const override;
    float minWidthFor(const TQBrushStyle &brush) const override;

protected:
    TQPathCalligraphy *emptyCopy() const override;
};
