#include "shapes/TQShapeArrow.h"

#include "modules/live/draws/TQDrawManager.h"
#include "shapes/TQShapeOutline.h"
#include "shapes/TQShapePoints.h"
#include "shapes/TQVertex.h"

#include <cmath>

namespace {

constexpr double kPi = 3.141592653589793;

} // namespace

TQShapeArrow::TQShapeArrow()
    : TQShapeGeneric(1000, true, false, false, true)
{
}

TQPointWF TQShapeArrow::anchorPoint() const
{
    return meanOfVertices(2);
}

bool TQShapeArrow::isFillable() const
{
    return false;
}

void TQShapeArrow::placeVertices(TQDrawManager *context)
{
    const float w = float(context->visibleSize().width());
    const float h = float(context->visibleSize().height());
    if (type == 1002 || type == 1003) {
        addVertex(TQPointWF(w / 2, h / 4));
        addVertex(TQPointWF(w / 2, 2 * h / 4));
    } else {
        addVertex(TQPointWF(w / 4, h / 4));
        addVertex(TQPointWF(2 * w / 4, h / 4));
    }
}

void TQShapeArrow::buildOutline(TQShapeOutline &outline, TQDrawManager *context)
{
    if (vertices.size() < 2)
        return;
    const TQPointWF a = TQShapeOutline::canvasPoint(*context, vertices[0]->position);
    const TQPointWF b = TQShapeOutline::canvasPoint(*context, vertices[1]->position);
    outline.space = TQShapeOutline::Canvas;
    outline.addLine({a, b});

    const bool upright = type == 1002 || type == 1003;
    // The direction of the shaft measured from straight up, less a quarter
    // turn: the shaft's own direction (a quarter turn less for the upright
    // heads, which are built pointing up).
    const float angle =
        float(std::atan2(double(b.y) - a.y, double(b.x) - a.x) - std::atan2(-1.0, 0.0) - (upright ? kPi : kPi / 2));
    const float r = 1.5f * float(headSize);
    switch (type) {
    case 1000:
        addHead(outline, a, TQPointWF(a.x + r, a.y - r), TQPointWF(a.x + r, a.y + r), angle);
        break;
    case 1001:
        addHead(outline, b, TQPointWF(b.x - r, b.y - r), TQPointWF(b.x - r, b.y + r), angle);
        break;
    case 1002:
        addHead(outline, a, TQPointWF(a.x + r, a.y + r), TQPointWF(a.x - r, a.y + r), angle);
        break;
    case 1003:
        addHead(outline, b, TQPointWF(b.x + r, b.y - r), TQPointWF(b.x - r, b.y - r), angle);
        break;
    case 1004:
        addHead(outline, a, TQPointWF(a.x + r, a.y - r), TQPointWF(a.x + r, a.y + r), angle);
        addHead(outline, b, TQPointWF(b.x - r, b.y - r), TQPointWF(b.x - r, b.y + r), angle);
        break;
    default:
        break;
    }
}

void TQShapeArrow::addHead(TQShapeOutline &outline, const TQPointWF &tip, const TQPointWF &j, const TQPointWF &k,
                           double angle) const
{
    const int shapeFill = outline.fill;
    outline.fill = 1;
    outline.addLine({tip, rotatePointAround(j, tip, angle), rotatePointAround(k, tip, angle), tip}, true);
    outline.fill = shapeFill;
}
