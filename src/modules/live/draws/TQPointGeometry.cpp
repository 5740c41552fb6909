#include "modules/live/draws/TQPointGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

TQPointW toPointW(const TQPointWF &point)
{
    TQPointW converted(int(point.x * 4), int(point.y * 4), point.cid);
    converted.time = point.time;
    converted.pressure = point.pressure;
    converted.speed = point.speed;
    converted.phase = point.phase;
    return converted;
}

TQPointWF fromQPointF(const QPointF &p, float pressure)
{
    return TQPointWF(float(p.x()), float(p.y()), 0, 0, pressure, 0, 1);
}

TQPointWF fromQPointFRight(const QPointF &p)
{
    TQPointWF point = fromQPointF(p);
    point.cid = 1;
    return point;
}

float pointDistance(const TQPointWF &a, const TQPointWF &b)
{
    const float dx = a.x - b.x;
    const float dy = a.y - b.y;
    return std::sqrt(dx * dx + dy * dy);
}

double qpointDistance(const QPointF &a, const QPointF &b)
{
    const double dx = a.x() - b.x();
    const double dy = a.y() - b.y();
    return std::sqrt(dx * dx + dy * dy);
}

QPointF midPoint(const QPointF &a, const QPointF &b)
{
    return QPointF((a.x() + b.x()) / 2, (a.y() + b.y()) / 2);
}

float lineAngle(const QPointF &a, const QPointF &b)
{
    return float(std::atan2(b.y() - a.y(), b.x() - a.x()));
}

QPointF extendSegment(const QPointF &a, const QPointF &b, float d, bool atStart)
{
    const float theta = lineAngle(a, b);
    const QPointF step(d * std::cos(theta), d * std::sin(theta));
    return atStart ? a - step : b + step;
}

QPointF perpendicularPoint(const QPointF &p, float d, float theta, bool plus)
{
    const double phi = plus ? theta + M_PI / 2 : theta - M_PI / 2;
    return p + QPointF(d * std::cos(phi), d * std::sin(phi));
}

bool isClockwiseTurn(const std::vector<TQPointWF> &points)
{
    if (points.size() != 3)
        return false;
    const TQPointWF &p0 = points[0];
    const TQPointWF &p1 = points[1];
    const TQPointWF &p2 = points[2];
    return (p0.x - p2.x) * (p1.y - p2.y) - (p0.y - p2.y) * (p1.x - p2.x) < 0;
}

float cornerAngle(const std::vector<TQPointWF> &points)
{
    if (points.size() != 3)
        return 0;
    const float a = pointDistance(points[0], points[1]) + 0.01f;
    const float b = pointDistance(points[1], points[2]) + 0.01f;
    const float c = pointDistance(points[2], points[0]);
    // Rounding can push the cosine just past +-1, where acos has no value.
    const float cosine = std::clamp((a * a + b * b - c * c) / (2 * a * b), -1.0f, 1.0f);
    return std::acos(cosine);
}

float pointSpeed(const TQPointWF &a, const TQPointWF &b)
{
    if (a.x == b.x && a.y == b.y)
        return 0;
    const qint64 elapsed = std::max<qint64>(1, std::llabs(b.time - a.time));
    return pointDistance(a, b) / float(elapsed) * 100;
}

void smoothSpeeds(std::vector<TQPointWF> &points)
{
    if (points.size() != 3)
        return;
    const float s01 = pointSpeed(points[0], points[1]);
    const float s12 = pointSpeed(points[1], points[2]);
    if (points[0].phase == 0)
        points[0].speed = s01 / 2;
    points[1].speed = (s01 + s12) / 2;
    points[2].speed = s12;
}

QVector<QPointF> toQPointFList(const std::vector<TQPointWF> &points)
{
    QVector<QPointF> list;
    list.reserve(int(points.size()));
    for (const TQPointWF &point : points)
        list.append(QPointF(point.x, point.y));
    return list;
}
