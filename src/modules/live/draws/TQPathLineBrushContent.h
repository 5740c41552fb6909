#pragma once

#include "modules/live/draws/TQPathCalligraphy.h"

// Writing brush (type 3): nominal width 35, half of it at most when the
// brush's extra is 0.
class TQPathLineBrushContent : public TQPathCalligraphy
{
public:
    static constexpr float kNominalWidth = 35;

    TQPathLineBrushContent(const TQBrushStyle &brush, int strokeId);

    float maxWidthFor(const TQBrushStyle &brush) const override;
    float minWidthFor(const TQBrushStyle &brush) const override;

protected:
    TQPathCalligraphy *emptyCopy() const override;
};
