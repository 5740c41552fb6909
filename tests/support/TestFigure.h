#pragma once

#include "shapes/TQShapeGeneric.h"
#include "shapes/TQShapeOutline.h"
#include "shapes/TQVertex.h"

#include <cmath>
#include <vector>

// A small figure on the generic shape: its control points are the corners of
// a closed outline, its rotation centre their centroid, and a tick of 30 px
// from the first corner towards the second shows the figure's direction, so
// that two coincident corners leave the outline undefined as they do for the
// arrows and angles.
class TestFigure : public TQShapeGeneric
{
public:
    explicit TestFigure(std::vector<TQPointWF> corners = {{300, 300}, {500, 300}, {400, 450}}, bool rotatable = true,
                        bool resizable = true, bool copyable = false, int intervalMs = 100)
        : TQShapeGeneric(2306, rotatable, resizable, copyable, true)
        , corners(std::move(corners))
        , intervalMs(intervalMs)
    {
    }

    TQPointWF anchorPoint() const override
    {
        if (vertices.empty())
            return TQPointWF(0, 0);
        float x = 0;
        float y = 0;
        for (const TQVertex *v : vertices) {
            x += v->position.x;
            y += v->position.y;
        }
        return TQPointWF(x / vertices.size(), y / vertices.size());
    }
    int redrawIntervalMs() const override { return intervalMs; }

    std::vector<TQPointWF> corners;
    int intervalMs;

protected:
    void placeVertices(TQDrawManager *) override
    {
        for (const TQPointWF &c : corners)
            addVertex(c);
    }
    void buildOutline(TQShapeOutline &outline, TQDrawManager *) override
    {
        if (vertices.size() < 2)
            return;
        std::vector<TQPointWF> points = vertexPositions();
        points.push_back(points.front());
        outline.addLine(points, true);
        const TQPointWF a = vertices[0]->position;
        const TQPointWF b = vertices[1]->position;
        const float length = std::hypot(b.x - a.x, b.y - a.y);
        const float ux = (b.x - a.x) / length;
        const float uy = (b.y - a.y) / length;
        outline.addLine({a, TQPointWF(a.x + 30 * ux, a.y + 30 * uy)});
    }
};
