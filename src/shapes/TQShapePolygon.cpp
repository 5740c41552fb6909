#include "shapes/TQShapePolygon.h"

#include "modules/live/draws/TQDrawManager.h"
#include "shapes/TQShapeOutline.h"
#include "shapes/TQShapePoints.h"
#include "shapes/TQVertex.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr int kFewestEdges = 5;
constexpr int kMostEdges = 16;

} // namespace

TQShapePolygon::TQShapePolygon()
    : TQShapeGeneric(2314, true, false, false, true)
{
}

TQPointWF TQShapePolygon::anchorPoint() const
{
    return vertices.size() > 3 ? meanOfVertices(vertices.size()) : TQPointWF(0, 0);
}

int TQShapePolygon::redrawIntervalMs() const
{
    return 500;
}

void TQShapePolygon::placeVertices(TQDrawManager *context)
{
    int n = params.edgeCount;
    if (n < kFewestEdges || n > kMostEdges) {
        n = kFewestEdges;
        params.edgeCount = n;
    }
    // The top side s long, a above the middle of the board.
    const int a = 10 * n;
    const int s = 150 - 6 * n;
    const float w = float(context->visibleSize().width());
    const float h = float(context->visibleSize().height());
    addVertex(TQPointWF(w / 2 - float(s / 2), h / 2 - float(a)));
    addVertex(TQPointWF(w / 2 + float(s / 2), h / 2 - float(a)));
    // Each corner turns the one before the last about the last by the full
    // turn less the interior angle: clockwise on the screen.
    const double turn = 2 * kPi - (n - 2) * kPi / n;
    for (int i = 0; i < n - 2; ++i) {
        const size_t last = vertices.size() - 1;
        addVertex(rotatePointAround(vertices[last - 1]->position, vertices[last]->position, turn));
    }
}

void TQShapePolygon::buildOutline(TQShapeOutline &outline, TQDrawManager *)
{
    if (vertices.size() < 4)
        return;
    std::vector<TQPointWF> points = vertexPositions();
    points.push_back(points.front());
    outline.addLine(points, true);
}
