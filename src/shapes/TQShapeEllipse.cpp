#include "shapes/TQShapeEllipse.h"

#include "modules/live/draws/TQDrawManager.h"
#include "shapes/TQShapeOutline.h"
#include "shapes/TQShapePoints.h"
#include "shapes/TQVertex.h"

#include <algorithm>

namespace {

const TQPointWF kOrigin(0, 0);

} // namespace

TQShapeEllipse::TQShapeEllipse()
    : TQShapeGeneric(2317, true, false, false, true)
    , boxCorners{kOrigin, kOrigin, kOrigin, kOrigin}
    , turnedCorners{kOrigin, kOrigin, kOrigin, kOrigin}
{
}

void TQShapeEllipse::placeVertices(TQDrawManager *context)
{
    const int w = context->visibleSize().width();
    const int h = context->visibleSize().height();
    addVertex(TQPointWF(w / 2.0f, h / 2.0f));
    addVertex(TQPointWF(float(3 * w / 4.0), float(4 * h / 5.0)));
}

void TQShapeEllipse::draw(TQDrawManager *context, bool markTime, bool final)
{
    mShowGuide = !final;
    TQShapeGeneric::draw(context, markTime, final);
}

void TQShapeEllipse::updateCorners()
{
    const TQPointWF a = anchorPoint();
    const TQPointWF q0 = rotatePointAround(vertices[0]->position, a, -angle);
    const TQPointWF q1 = rotatePointAround(vertices[1]->position, a, -angle);
    const float left = std::min(q0.x, q1.x);
    const float right = std::max(q0.x, q1.x);
    const float top = std::min(q0.y, q1.y);
    const float bottom = std::max(q0.y, q1.y);
    boxCorners = {TQPointWF(left, top), TQPointWF(right, top), TQPointWF(right, bottom), TQPointWF(left, bottom)};
    for (size_t i = 0; i < boxCorners.size(); ++i)
        turnedCorners[i] = rotatePointAround(boxCorners[i], a, angle);
}

void TQShapeEllipse::updateBounds()
{
    if (vertices.size() < 2) {
        bounds = QRect(0, 0, 0, 0);
        return;
    }
    updateCorners();
    bounds = boundsOfPoints({turnedCorners.begin(), turnedCorners.end()});
}

bool TQShapeEllipse::hasLineType() const
{
    return false;
}

TQPointWF TQShapeEllipse::anchorPoint() const
{
    if (vertices.size() < 2)
        return TQPointWF(0, 0);
    float x = 0;
    float y = 0;
    for (const TQVertex *v : vertices) {
        x += v->position.x;
        y += v->position.y;
    }
    return TQPointWF(x / 2, y / 2);
}

int TQShapeEllipse::redrawIntervalMs() const
{
    // Two long polylines per draw: sent at a slower pace.
    return 1500;
}

void TQShapeEllipse::buildOutline(TQShapeOutline &outline, TQDrawManager *)
{
    if (vertices.size() < 2)
        return;
    updateCorners();
    if (mShowGuide) {
        const TQBrushStyle shapeBrush = outline.brush;
        outline.brush = TQBrushStyle(0, 0, 3, 0);
        outline.addGuideLine(
            {turnedCorners[0], turnedCorners[1], turnedCorners[2], turnedCorners[3], turnedCorners[0]});
        outline.brush = shapeBrush;
    }
    // The halves are taken in the figure's own frame, then turned with it.
    const TQPointWF centre = anchorPoint();
    for (const bool upper : {true, false}) {
        std::vector<TQPointWF> half = halfEllipsePoints(boxCorners[0], boxCorners[2], upper);
        for (TQPointWF &p : half)
            p = rotatePointAround(p, centre, angle);
        outline.addLine(half, true);
    }
}
