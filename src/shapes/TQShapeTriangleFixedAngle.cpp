#include "shapes/TQShapeTriangleFixedAngle.h"

#include "modules/live/draws/TQDrawManager.h"
#include "shapes/TQShapeOutline.h"
#include "shapes/TQShapePoints.h"
#include "shapes/TQVertex.h"

#include <cmath>

namespace {

constexpr double kPi = 3.141592653589793;
// Below ten degrees the third corner runs far off: the base starts shorter.
constexpr double kNarrowAngle = 0.17453292519943295;

} // namespace

TQShapeTriangleFixedAngle::TQShapeTriangleFixedAngle()
    : TQShapeGeneric(2305, true, false, false, true)
{
}

TQPointWF TQShapeTriangleFixedAngle::anchorPoint() const
{
    return vertices.size() < 2 ? TQPointWF(0, 0) : vertices[0]->position;
}

bool TQShapeTriangleFixedAngle::thirdCorner(const TQPointWF &p0, const TQPointWF &p1, TQPointWF &corner) const
{
    const double a = std::hypot(double(p1.x) - p0.x, double(p1.y) - p0.y);
    const double angleA = params.angleA;
    const double angleB = params.angleB;
    const double angleC = kPi - angleA - angleB;
    // The law of sines divides by both; a triangle needs all three angles
    // above 0.
    if (!(a > 0) || !(angleA > 0) || !(angleB > 0) || !(angleC > 0))
        return false;
    const TQPointWF r = rotatePointAround(p1, p0, -angleA);
    const float e = float(std::sin(angleB) * a / std::sin(angleC));
    const double x = p0.x + (double(r.x) - p0.x) * e / a;
    const double y = p0.y + (double(r.y) - p0.y) * e / a;
    if (!std::isfinite(float(x)) || !std::isfinite(float(y)))
        return false;
    corner = TQPointWF(float(x), float(y));
    return true;
}

void TQShapeTriangleFixedAngle::updateBounds()
{
    if (vertices.size() < 2) {
        bounds = QRect(0, 0, 0, 0);
        return;
    }
    std::vector<TQPointWF> points{vertices[0]->position, vertices[1]->position};
    TQPointWF corner(0, 0);
    if (thirdCorner(points[0], points[1], corner))
        points.push_back(corner);
    bounds = boundsOfPoints(points);
}

void TQShapeTriangleFixedAngle::placeVertices(TQDrawManager *context)
{
    const float w = float(context->visibleSize().width());
    const float h = float(context->visibleSize().height());
    const float base = params.angleA < kNarrowAngle || params.angleB < kNarrowAngle ? 100.0f : 150.0f;
    addVertex(TQPointWF(w / 2 + 50, h / 2 + 50), false);
    addVertex(TQPointWF(w / 2 + 50 + base, h / 2 + 50));
}

void TQShapeTriangleFixedAngle::buildOutline(TQShapeOutline &outline, TQDrawManager *)
{
    if (vertices.size() < 2)
        return;
    const TQPointWF p0 = vertices[0]->position;
    const TQPointWF p1 = vertices[1]->position;
    TQPointWF corner(0, 0);
    if (!thirdCorner(p0, p1, corner)) {
        outline.setUndefined();
        return;
    }
    outline.addLine({p0, p1, corner, p0}, true);
}
