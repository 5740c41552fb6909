#pragma once

#include "modules/live/draws/TQPathCalligraphy.h"

// What the chalk outlines share: a width range proportional to the board
// width (extra 1 the wider range), pressure alone sets the width, and their
// own start, turn and tip rules.
class TQPathLineBaseChalkContent : public TQPathCalligraphy
{
public:
    TQPathLineBaseChalkContent(const TQBrushStyle &brush, int strokeId);

    // Board width / 41.
    static float nominalWidth();

    float maxWidthFor(const TQBrushStyle &brush) const override;
    float minWidthFor(const TQBrushStyle &brush) const override;
    float speedWeight() const override;

    void startCap(const std::vector<TQPointWF> &t) override;
    void addTurn(const std::vector<TQPointWF> &t) override;
    void endTip(const std::vector<TQPointWF> &u) override;
};
