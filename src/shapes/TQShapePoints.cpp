#include "shapes/TQShapePoints.h"

#include "modules/live/draws/TQPointGeometry.h"
#include "modules/live/draws/TQPointWF.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.141592653589793;

} // namespace

bool pointsCoincide(const TQPointWF &a, const TQPointWF &b)
{
    return std::fabs(a.x - b.x) < 0.1f && std::fabs(a.y - b.y) < 0.1f;
}

TQPointWF rotatePointAround(const TQPointWF &p, const TQPointWF &c, double angle)
{
    const double px = double(p.x) - c.x;
    const double py = double(p.y) - c.y;
    const double cosine = std::cos(angle);
    const double sine = std::sin(angle);
    return TQPointWF(float(px * cosine - py * sine + c.x), float(py * cosine + px * sine + c.y));
}

double angleAtVertex(const TQPointWF &p, const TQPointWF &v, const TQPointWF &q)
{
    const double ax = double(p.x) - v.x;
    const double ay = double(p.y) - v.y;
    const double bx = double(q.x) - v.x;
    const double by = double(q.y) - v.y;
    const double lengths = std::sqrt(ax * ax + ay * ay) * std::sqrt(bx * bx + by * by);
    // No direction at all (also when the lengths underflow): no angle to
    // measure, and a division by zero would give NaN.
    if (!(lengths > 0))
        return kPi;
    // Rounding can push the cosine of a straight angle just past +-1, where
    // acos is NaN.
    return std::acos(std::clamp((ax * bx + ay * by) / lengths, -1.0, 1.0));
}

bool isNotEnclosedCorner(const TQPointWF &a, const TQPointWF &b, const TQPointWF &c, const TQPointWF &d)
{
    if (pointsCoincide(a, b) || pointsCoincide(c, d) || pointsCoincide(c, a) || pointsCoincide(c, b))
        return true;
    const double angleC = angleAtVertex(a, c, b);
    const double angleD = angleAtVertex(a, d, b);
    // p sees ab under the smaller angle, q is the other one (d on a tie for both).
    const TQPointWF &p = angleD > angleC ? c : d;
    const TQPointWF &q = angleC > angleD ? c : d;
    const double s = angleAtVertex(a, p, q) + angleAtVertex(b, p, q);
    const double m = std::min(angleC, angleD);
    return !(0.99 * m < s && s < 1.01 * m);
}

std::vector<TQPointW> toPointWList(const std::vector<TQPointWF> &points)
{
    std::vector<TQPointW> converted;
    converted.reserve(points.size());
    for (const TQPointWF &p : points)
        converted.push_back(toPointW(p));
    return converted;
}
