#pragma once

#include "modules/live/draws/TQPathLine.h"

#include <QPointF>

#include <initializer_list>
#include <vector>

// A stroke in page coordinates of a `canvas`-wide page, through the given points.
inline TQPathLine *strokeThrough(int strokeId, const TQBrushStyle &brush, std::initializer_list<QPointF> points,
                                 const QSize &canvas, bool straight = true)
{
    auto *path = new TQPathLine(brush, strokeId, 0, 0, 0, straight, 0, 0, 0);
    std::vector<TQPointWF> feed;
    for (const QPointF &p : points) {
        TQPointWF point(float(p.x()), float(p.y()));
        point.refWidth = canvas.width();
        point.refHeight = canvas.height();
        feed.push_back(point);
    }
    path->setPoints(feed);
    path->dirty = true;
    return path;
}
