#pragma once

#include "modules/live/draws/TQPathLineBaseChalkContent.h"

// The inner layer of a chalk stroke (type 6), drawn with the inner texture:
// 2 pixels narrower on each side than the outer outline.
class TQInnerChalkContent : public TQPathLineBaseChalkContent
{
public:
    TQInnerChalkContent(const TQBrushStyle &brush, int strokeId);

    float halfWidthAt(const TQPointWF &p) const override;

protected:
    TQPathCalligraphy *emptyCopy() const override;
};
