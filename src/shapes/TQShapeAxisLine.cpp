#include "shapes/TQShapeAxisLine.h"

#include "modules/live/draws/TQDrawManager.h"
#include "shapes/TQShapeOutline.h"
#include "shapes/TQVertex.h"

#include <algorithm>
#include <cmath>

namespace {

// Lengths in canvas quarter units.
constexpr int kHeadLength = 80;
constexpr int kHeadHalfWidth = 40;
constexpr int kTickLength = 40;
constexpr float kDotRadius = 5.0f;

// A canvas value in quarter units, truncated; 0 where it has none.
int quarter(float v)
{
    const double q = std::trunc(double(v) * 4);
    return std::isfinite(q) && std::fabs(q) < 1e9 ? int(q) : 0;
}

TQPointWF fromQuarter(int x, int y)
{
    return TQPointWF(float(x) / 4, float(y) / 4);
}

} // namespace

TQShapeAxisLine::TQShapeAxisLine()
    : TQShapeGeneric(2000, false, false, false, true)
{
}

TQPointWF TQShapeAxisLine::anchorPoint() const
{
    return meanOfVertices(2);
}

int TQShapeAxisLine::redrawIntervalMs() const
{
    return type == 2001 ? 500 : 300;
}

bool TQShapeAxisLine::isFillable() const
{
    return false;
}

void TQShapeAxisLine::adjustVertex(float dx, float)
{
    if (selectedVertex < 0 || selectedVertex >= int(vertices.size()))
        return;
    // The line stays horizontal.
    TQVertex *v = vertices[size_t(selectedVertex)];
    v->position.x = v->pressPosition.x + dx;
    refreshHandles();
}

void TQShapeAxisLine::placeVertices(TQDrawManager *context)
{
    const float w = float(context->visibleSize().width());
    const float h = float(context->visibleSize().height());
    addVertex(TQPointWF(w / 4, h / 2));
    addVertex(TQPointWF(3 * w / 4, h / 2));
}

std::vector<int> TQShapeAxisLine::tickPositions(int left, int right, int canvasWidth)
{
    std::vector<int> ticks;
    const int step0 = canvasWidth * 4 / 20;
    // A canvas narrower than 5 has no step to count with.
    if (step0 < 1)
        return ticks;
    const int len = right - left;
    const int count = len < 2 * step0 ? 3 : len / step0;
    const int spacing = std::max((len - step0) / count, 1);
    for (int x = left + step0 / 2; x < right; x += spacing)
        ticks.push_back(x);
    return ticks;
}

void TQShapeAxisLine::buildOutline(TQShapeOutline &outline, TQDrawManager *context)
{
    if (vertices.size() < 2)
        return;
    const TQPointWF c0 = TQShapeOutline::canvasPoint(*context, vertices[0]->position);
    const TQPointWF c1 = TQShapeOutline::canvasPoint(*context, vertices[1]->position);
    const int y = quarter(c0.y);
    const int left = quarter(std::min(c0.x, c1.x));
    const int right = quarter(std::max(c0.x, c1.x));
    outline.space = TQShapeOutline::Canvas;
    outline.addLine({fromQuarter(left, y), fromQuarter(right, y)});
    outline.addLine({fromQuarter(right - kHeadLength, y - kHeadHalfWidth), fromQuarter(right, y),
                     fromQuarter(right - kHeadLength, y + kHeadHalfWidth)});
    outline.addCircleOfCanvasRadius(fromQuarter((left + right) / 2, y), kDotRadius, true);
    if (type != 2001)
        return;
    for (int x : tickPositions(left, right, context->canvasSize().width()))
        outline.addLine({fromQuarter(x, y - kTickLength), fromQuarter(x, y)});
}
