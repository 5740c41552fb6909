#include "shapes/TQShapeBrackets.h"

#include "modules/live/draws/TQDrawManager.h"
#include "shapes/TQShapeOutline.h"
#include "shapes/TQShapePoints.h"
#include "shapes/TQVertex.h"

#include <cmath>

namespace {

constexpr double kPi = 3.141592653589793;

} // namespace

TQShapeBrackets::TQShapeBrackets()
    : TQShapeGeneric(1007, true, false, false, true)
{
}

TQPointWF TQShapeBrackets::anchorPoint() const
{
    return meanOfVertices(2);
}

void TQShapeBrackets::adjustVertex(float, float dy)
{
    if (selectedVertex < 0 || selectedVertex >= int(vertices.size()))
        return;
    TQVertex *v = vertices[size_t(selectedVertex)];
    v->position = TQPointWF(v->position.x, v->pressPosition.y + dy);
    refreshHandles();
}

bool TQShapeBrackets::isFillable() const
{
    return false;
}

bool TQShapeBrackets::hasLineType() const
{
    return false;
}

void TQShapeBrackets::placeVertices(TQDrawManager *context)
{
    const int w = context->visibleSize().width();
    const int h = context->visibleSize().height();
    const TQPointWF upper(float(w) / 2, float(h) / 3);
    const TQPointWF lower(float(w) / 2, float(h / 3 + 100));
    if (type == 1006) {
        addVertex(lower);
        addVertex(upper);
    } else {
        addVertex(upper);
        addVertex(lower);
    }
}

void TQShapeBrackets::buildOutline(TQShapeOutline &outline, TQDrawManager *context)
{
    if (vertices.size() < 2)
        return;
    const TQPointWF a = TQShapeOutline::canvasPoint(*context, vertices[0]->position);
    const TQPointWF b = TQShapeOutline::canvasPoint(*context, vertices[1]->position);
    // Three quarters of a turn past the spine's direction: a whole turn for
    // the upright start, so the serifs are drawn as built.
    const float rho = float(std::atan2(double(b.y) - a.y, double(b.x) - a.x) - std::atan2(-1.0, 0.0) + kPi);
    const float serif = float(2 * serifSize) * (type == 1008 ? -1.0f : 1.0f);
    outline.space = TQShapeOutline::Canvas;
    outline.addLine({a, b});
    outline.addLine({a, rotatePointAround(TQPointWF(a.x + serif, a.y), a, rho)});
    outline.addLine({b, rotatePointAround(TQPointWF(b.x + serif, b.y), b, rho)});
}
