#include "modules/live/draws/TQPathLineChalkContent.h"

#include "actions/TQActionHelpers.h"
#include "modules/live/draws/TQPointGeometry.h"

TQPathLineChalkContent::TQPathLineChalkContent(const TQBrushStyle &brush, int strokeId)
    : TQPathLineBaseChalkContent(brush, strokeId)
    , innerChalk(new TQInnerChalkContent(TQBrushStyle(6, brush.colour, brush.width, brush.extra),
                                         nextSequenceNumber(true)))
{
}

TQPathLineChalkContent::~TQPathLineChalkContent() = default;

void TQPathLineChalkContent::setPoints(const std::vector<TQPointWF> &newPoints)
{
    innerChalk->setPoints(newPoints);
    TQPathLineBaseChalkContent::setPoints(newPoints);
}

namespace {

// The inner layer travels as the sides 2 (left) and 3 (right).
TQPointW innerSide(const TQPointWF &p)
{
    TQPointW point = toPointW(p);
    point.cid += 2;
    return point;
}

} // namespace

void TQPathLineChalkContent::handOff(const std::vector<TQPointWF> &fed)
{
    if (!processor())
        return;
    const std::vector<TQPointWF> &innerEdge = innerChalk->edgePoints;
    handoffPoints.clear();
    if (fed.size() == 3) {
        for (const TQPointWF &p : edgePoints)
            handoffPoints.push_back(toPointW(p));
        for (const TQPointWF &p : innerEdge)
            handoffPoints.push_back(innerSide(p));
    } else {
        for (size_t i = 0; i < 2 && i < edgePoints.size(); ++i)
            handoffPoints.push_back(toPointW(edgePoints[edgePoints.size() - 1 - i]));
        for (size_t i = 0; i < 2 && i < innerEdge.size(); ++i)
            handoffPoints.push_back(innerSide(innerEdge[innerEdge.size() - 1 - i]));
    }
    processor()->process(handoffPoints);
}

TQPathCalligraphy *TQPathLineChalkContent::emptyCopy() const
{
    return new TQPathLineChalkContent(brush, strokeId);
}
