#pragma once

#include "ShapeHarness.h"

#include "shapes/TQShapeGeneric.h"

#include <QPointF>
#include <QString>

#include <cmath>
#include <vector>

// Touch gestures and point comparisons the figure tests share.

// Drags control point `index` by `by`, in `steps` equal moves 50 ms apart.
inline void dragControlPoint(ShapeHarness &h, size_t index, QPointF by, int steps = 1)
{
    const QPointF from = h.controlPoints().at(index);
    std::vector<QPointF> path{from};
    for (int i = 1; i <= steps; ++i)
        path.push_back(from + by * (double(i) / steps));
    h.drag(path, 50);
}

// Gives the current shape a fill and draws it again (as a second
// initialisation does).
inline void refill(ShapeHarness &h, int fill)
{
    h.shape()->fill = fill;
    h.board.manager.reinitCurrentTool();
    h.board.drain();
}

// Turns the current shape by `radians` (clockwise on screen) with its
// rotation handle.
inline void turnFigure(ShapeHarness &h, double radians)
{
    TQShapeGeneric *shape = h.shape();
    const QPointF handle(shape->rotationHandle.x, shape->rotationHandle.y);
    const QPointF anchor(shape->anchor.x, shape->anchor.y);
    const QPointF to = anchor + 200 * QPointF(std::sin(radians), -std::cos(radians));
    h.drag({handle, to}, 50);
}

// "" when every point lies within tolerance of its expected place, else what differs.
inline QString pointsDiffer(const std::vector<QPointF> &actual, const std::vector<QPointF> &expected,
                            double tolerance = 0.01)
{
    if (actual.size() != expected.size())
        return QStringLiteral("%1 points, expected %2").arg(actual.size()).arg(expected.size());
    for (size_t i = 0; i < actual.size(); ++i) {
        const QPointF d = actual[i] - expected[i];
        if (std::hypot(d.x(), d.y()) > tolerance) {
            return QStringLiteral("point %1 at (%2, %3), expected (%4, %5)")
                .arg(i)
                .arg(actual[i].x())
                .arg(actual[i].y())
                .arg(expected[i].x())
                .arg(expected[i].y());
        }
    }
    return QString();
}

#define COMPARE_POINTS(actual, expected, tolerance)                                                                \
    do {                                                                                                               \
        const QString difference = pointsDiffer((actual), (expected), (tolerance));                                   \
        QVERIFY2(difference.isEmpty(), qPrintable(difference));                                                        \
    } while (false)
