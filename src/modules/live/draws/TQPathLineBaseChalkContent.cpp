#include "modules/live/draws/TQPathLineBaseChalkContent.h"

#include "modules/live/draws/TQBoardSize.h"
#include "modules/live/draws/TQPointGeometry.h"

#include <cmath>

TQPathLineBaseChalkContent::TQPathLineBaseChalkContent(const TQBrushStyle &brush, int strokeId)
    : TQPathCalligraphy(brush, strokeId)
{
}

float TQPathLineBaseChalkContent::nominalWidth()
{
    return float(boardWidth()) / 41;
}

float TQPathLineBaseChalkContent::maxWidthFor(const TQBrushStyle &brush) const
{
    return brush.extra == 1 ? nominalWidth() : nominalWidth() / 1.5f;
}

float TQPathLineBaseChalkContent::minWidthFor(const TQBrushStyle &brush) const
{
    return brush.extra == 1 ? nominalWidth() / 3 : nominalWidth() / 4;
}

float TQPathLineBaseChalkContent::speedWeight() const
{
    return 0;
}

void TQPathLineBaseChalkContent::startCap(const std::vector<TQPointWF> &t)
{
    const float w = halfWidthAt(t[0]);
    const QPointF p = extendSegment(QPointF(t[0].x, t[0].y), QPointF(t[1].x, t[1].y), w, true);
    addTipPoint(p);
    TQPointWF start(float(p.x()), float(p.y()));
    start.pressure = t[0].pressure;
    addSegment({start, start, t[0]});
    addSegment({start, t[0], t[1]});
}

void TQPathLineBaseChalkContent::addTurn(const std::vector<TQPointWF> &t)
{
    const float a = cornerAngle(t);
    if (a >= float(M_PI / 2)) {
        addSegment(t);
        return;
    }
    std::array<QPointF, 3> c = cornerPoints(t);
    c[1] = midPoint(c[0], c[2]);
    if (a > float(M_PI / 10)) {
        if (pointDistance(t[0], t[1]) < maxWidth && pointDistance(t[1], t[2]) < maxWidth)
            addCornerPoints(c, isClockwiseTurn(t));
        else
            addSegment(t);
        return;
    }
    addCornerPoints(c, false);
    addCornerPoints(c, true);
}

void TQPathLineBaseChalkContent::endTip(const std::vector<TQPointWF> &u)
{
    const float w = halfWidthAt(lastPoint);
    const QPointF x = extendSegment(QPointF(u[1].x, u[1].y), QPointF(u[2].x, u[2].y), w, false);
    TQPointWF tip(float(x.x()), float(x.y()));
    tip.pressure = u[2].pressure;
    addSegment({u[1], u[2], tip});
    addSegment({u[2], tip, tip});
    addTipPoint(x);
}
