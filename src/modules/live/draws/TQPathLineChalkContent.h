#pragma once

#include "modules/live/draws/TQInnerChalkContent.h"

#include <memory>

// A chalk stroke (type 5): the outer outline, carrying its inner layer
// (type 6, the same colour, width and extra, its own stroke id). The inner
// layer is fed with the same samples first and handed off together with the
// outer points (cid 2 and 3 for its left and right).
class TQPathLineChalkContent : public TQPathLineBaseChalkContent
{
public:
    TQPathLineChalkContent(const TQBrushStyle &brush, int strokeId);
    ~TQPathLineChalkContent() override;

    void setPoints(const std::vector<TQPointWF> &newPoints) override;
    void handOff(const std::vector<TQPointWF> &fed) override;

    // The inner layer; owned by this path and deleted with it.
    TQInnerChalkContent *inner() const { return innerChalk.get(); }

protected:
    TQPathCalligraphy *emptyCopy() const override;

private:
    std::unique_ptr<TQInnerChalkContent> innerChalk;
};
