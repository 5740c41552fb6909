#include "shapes/TQShapeTrianglePyramid.h"

#include "modules/live/draws/TQDrawManager.h"
#include "shapes/TQShapeOutline.h"
#include "shapes/TQShapePoints.h"
#include "shapes/TQVertex.h"

TQShapeTrianglePyramid::TQShapeTrianglePyramid()
    : TQShapeSolid(2405, 4)
{
}

void TQShapeTrianglePyramid::placeVertices(TQDrawManager *context)
{
    const int w = context->visibleSize().width();
    const int h = context->visibleSize().height();
    addVertex(TQPointWF(float(w / 2), float(h / 2 - 100)));
    addVertex(TQPointWF(float(w / 3), float(h / 2 + 100)));
    addVertex(TQPointWF(float(w / 2 + 100), float(h / 2 + 100)));
    addVertex(TQPointWF(float(w / 2 + 120), float(h / 2 + 50)));
}

int TQShapeTrianglePyramid::redrawIntervalMs() const
{
    return 200;
}

TQPointWF TQShapeTrianglePyramid::anchorPoint() const
{
    if (!hasAllPoints())
        return TQPointWF(0, 0);
    size_t topmost = 0;
    float x = 0;
    float y = 0;
    for (size_t i = 0; i < 4; ++i) {
        const TQPointWF &p = vertices[i]->position;
        if (p.y < vertices[topmost]->position.y)
            topmost = i;
        x += p.x;
        y += p.y;
    }
    const TQPointWF &apex = vertices[topmost]->position;
    return TQPointWF((x - apex.x) / 3, (y - apex.y) / 3);
}

void TQShapeTrianglePyramid::buildOutline(TQShapeOutline &outline, TQDrawManager *)
{
    if (!hasAllPoints())
        return;
    const TQPointWF p[4] = {vertices[0]->position, vertices[1]->position, vertices[2]->position,
                            vertices[3]->position};
    addEdge(outline, {p[0], p[1], p[2], p[0]});
    if (pointInTriangle(p[3], p[0], p[1], p[2])) {
        addEdge(outline, {p[3], p[0], p[3], p[1], p[3], p[2], p[3]}, true);
        return;
    }
    // The pair of corners seen from point 3 under the widest angle bounds the
    // figure; the third corner lies between them.
    const double a01 = angleAtVertex(p[0], p[3], p[1]);
    const double a02 = angleAtVertex(p[0], p[3], p[2]);
    const double a12 = angleAtVertex(p[1], p[3], p[2]);
    int first = 1;
    int second = 2;
    int between = 0;
    if (a01 >= a02 && a01 >= a12) {
        first = 0;
        second = 1;
        between = 2;
    } else if (a02 >= a12) {
        first = 0;
        second = 2;
        between = 1;
    }
    addEdge(outline, {p[first], p[3], p[second]});
    addEdge(outline, {p[3], p[between]}, !pointInTriangle(p[between], p[3], p[first], p[second]));
}
