#pragma once

#include "ShapeHarness.h"

#include "actions/drawing/TQDrawActionDrawCircle.h"
#include "actions/drawing/TQDrawingActionLine.h"

#include <QPolygonF>
#include <QString>
#include <QStringList>

#include <cmath>
#include <vector>

inline QPolygonF poly(std::initializer_list<QPointF> points)
{
    return QPolygonF(QVector<QPointF>(points));
}

// The current shape's control points.
inline QPolygonF controlPolygon(const ShapeHarness &h)
{
    QPolygonF points;
    for (const QPointF &p : h.controlPoints())
        points << p;
    return points;
}

// The line actions sent so far, back in board pixels (quarter units / 4; the
// harness's canvas is the visible board).
inline std::vector<QPolygonF> sentPolylines(const ShapeHarness &h)
{
    std::vector<QPolygonF> lines;
    for (const TQDrawingActionLine *line : h.board.sent<TQDrawingActionLine>(0)) {
        QPolygonF polyline;
        for (const TQPointW &p : line->points)
            polyline << QPointF(p.x / 4.0, p.y / 4.0);
        lines.push_back(polyline);
    }
    return lines;
}

inline QString describePoints(const QPolygonF &points)
{
    QStringList texts;
    for (const QPointF &p : points)
        texts << QStringLiteral("(%1, %2)").arg(p.x(), 0, 'f', 3).arg(p.y(), 0, 'f', 3);
    return texts.join(QStringLiteral(" "));
}

// Point by point within tolerance pixels (a quarter unit is 0.25).
inline bool samePoints(const QPolygonF &actual, const QPolygonF &expected, double tolerance = 0.3)
{
    if (actual.size() != expected.size())
        return false;
    for (int i = 0; i < actual.size(); ++i) {
        if (std::fabs(actual[i].x() - expected[i].x()) > tolerance
            || std::fabs(actual[i].y() - expected[i].y()) > tolerance)
            return false;
    }
    return true;
}

#define COMPARE_POINTS(actual, expected, tolerance)                                                                   \
    QVERIFY2(samePoints((actual), (expected), (tolerance)),                                                           \
             qPrintable(describePoints(actual) + QStringLiteral("\n   expected ") + describePoints(expected)))
