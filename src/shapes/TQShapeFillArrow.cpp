#include "shapes/TQShapeFillArrow.h"

#include "modules/live/draws/TQDrawManager.h"
#include "modules/live/draws/TQPointGeometry.h"
#include "shapes/TQShapeOutline.h"
#include "shapes/TQShapePoints.h"
#include "shapes/TQVertex.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.141592653589793;

} // namespace

TQShapeFillArrow::TQShapeFillArrow()
    : TQShapeGeneric(1010, true, false, false, true)
{
}

TQPointWF TQShapeFillArrow::anchorPoint() const
{
    return meanOfVertices(2);
}

bool TQShapeFillArrow::isFillable() const
{
    return false;
}

bool TQShapeFillArrow::hasLineType() const
{
    return false;
}

void TQShapeFillArrow::placeVertices(TQDrawManager *context)
{
    const float w = float(context->visibleSize().width());
    const float h = float(context->visibleSize().height());
    const TQPointWF upper(w / 2, 2 * h / 6);
    const TQPointWF lower(w / 2, 3 * h / 6);
    const TQPointWF left(2 * w / 6, h / 4);
    const TQPointWF right(3 * w / 6, h / 4);
    switch (type) {
    case 1011:
        addVertex(lower);
        addVertex(upper);
        break;
    case 1012:
        addVertex(left);
        addVertex(right);
        break;
    case 1013:
        addVertex(right);
        addVertex(left);
        break;
    case 1015:
        addVertex(upper);
        addVertex(TQPointWF(2 * w / 3, 3 * h / 6));
        break;
    case 1016:
        addVertex(upper);
        addVertex(TQPointWF(w / 3, 3 * h / 6));
        break;
    default:
        addVertex(upper);
        addVertex(lower);
        break;
    }
}

void TQShapeFillArrow::buildOutline(TQShapeOutline &outline, TQDrawManager *context)
{
    if (vertices.size() < 2)
        return;
    const TQPointWF d = TQShapeOutline::canvasPoint(*context, vertices[0]->position);
    const TQPointWF e = TQShapeOutline::canvasPoint(*context, vertices[1]->position);
    // Built with the tip straight above the tail, then turned.
    const double psi = float(std::atan2(double(e.y) - d.y, double(e.x) - d.x) - std::atan2(-1.0, 0.0) - kPi);
    const float barb = 1.5f * float(barbSize);

    float tailHalf = 0;
    float shaftHalf = 0;
    float headBase = 0;
    if (type <= 1013) {
        tailHalf = float(shaftWidth / 2);
        shaftHalf = tailHalf;
        headBase = float(headLength / 2);
    } else {
        const float n = std::min(pointDistance(d, e) * widthPerLength + float(tailWidth), maxWidth);
        tailHalf = float(tailWidth / 2);
        shaftHalf = n / 2;
        headBase = float(headLength) / float(shaftWidth) * n / 2;
    }
    const auto tail = [&](float x) { return rotatePointAround(TQPointWF(e.x + x, e.y), e, psi); };
    const auto head = [&](float x) { return rotatePointAround(TQPointWF(d.x + x, d.y + headBase), d, psi); };

    outline.space = TQShapeOutline::Canvas;
    outline.fill = 1;
    outline.addLine({tail(-tailHalf), tail(tailHalf), head(shaftHalf), head(shaftHalf + barb), d,
                     head(-shaftHalf - barb), head(-shaftHalf), tail(-tailHalf)},
                    true);
}
