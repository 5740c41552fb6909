#include "shapes/TQShapeOutline.h"

#include "actions/TQActionHelpers.h"
#include "modules/live/draws/TQDrawManager.h"
#include "modules/live/draws/TQPointGeometry.h"

#include <QRectF>

#include <cmath>

namespace {

constexpr int kFullTurn = 62831;

// Truncation toward zero of a value that has one; converting NaN, an infinity
// or a value beyond the int range to int is undefined.
bool truncated(double value, int &out)
{
    if (!std::isfinite(value) || value >= 2147483647.0 || value <= -2147483648.0)
        return false;
    out = int(value);
    return true;
}

// The point in canvas quarter units, as toPointW computes it.
bool quarterPoint(const TQPointWF &canvas, TQPointW &out)
{
    int x = 0;
    int y = 0;
    if (!truncated(canvas.x * 4.0f, x) || !truncated(canvas.y * 4.0f, y))
        return false;
    out = toPointW(canvas);
    return true;
}

} // namespace

TQShapeOutline::TQShapeOutline(const TQBrushStyle &brush, int fill)
    : brush(brush)
    , fill(fill)
{
}

void TQShapeOutline::addLine(const std::vector<TQPointWF> &points, bool closed, bool shapeFlag)
{
    mLines.push_back({points, brush, shapeFlag, closed ? fill : 0, space, true});
    mOrder.push_back(false);
}

void TQShapeOutline::addGuideLine(const std::vector<TQPointWF> &points)
{
    mLines.push_back({points, brush, true, 0, space, false});
    mOrder.push_back(false);
}

void TQShapeOutline::addCircle(const TQPointWF &centre, float radius, bool filled)
{
    mArcs.push_back({centre, radius, 0, 0, true, false, filled, brush, space});
    mOrder.push_back(true);
}

void TQShapeOutline::addCircleOfCanvasRadius(const TQPointWF &centre, float canvasRadius, bool filled)
{
    mArcs.push_back({centre, canvasRadius, 0, 0, true, true, filled, brush, space});
    mOrder.push_back(true);
}

void TQShapeOutline::addArc(const TQPointWF &centre, float radius, double startAngle, double endAngle, bool filled)
{
    mArcs.push_back({centre, radius, startAngle, endAngle, false, false, filled, brush, space});
    mOrder.push_back(true);
}

TQPointWF TQShapeOutline::canvasPoint(const TQDrawManager &context, const TQPointWF &p)
{
    return p.toCanvas(float(context.xOffset()), 0, 1.0f / context.zoom(), float(context.visibleSize().width()),
                      float(context.canvasSize().width()));
}

TQPointWF TQShapeOutline::rescaledPoint(const TQDrawManager &context, const TQPointWF &p)
{
    return p.rescale(float(context.visibleSize().width()), float(context.canvasSize().width()));
}

bool TQShapeOutline::convert(const TQDrawManager &context)
{
    mCanvasLines.clear();
    mCanvasArcs.clear();
    mCanvasOrder.clear();
    if (mUndefined)
        return false;
    const float scale = 1.0f / context.zoom();
    const float fromWidth = float(context.visibleSize().width());
    const float toWidth = float(context.canvasSize().width());
    const auto toCanvas = [&](const TQPointWF &p, Space space) {
        switch (space) {
        case Canvas:
            return TQPointWF(p.x, p.y);
        case Rescaled:
            return rescaledPoint(context, p);
        case View:
        default:
            return canvasPoint(context, p);
        }
    };

    std::vector<CanvasLine> lines;
    for (const Line &line : mLines) {
        CanvasLine converted{{}, line.brush, line.shapeFlag, line.fill, line.sent};
        converted.points.reserve(line.points.size());
        for (const TQPointWF &p : line.points) {
            TQPointW q;
            if (!quarterPoint(toCanvas(p, line.space), q))
                return false;
            converted.points.push_back(q);
        }
        lines.push_back(std::move(converted));
    }
    std::vector<CanvasArc> arcs;
    for (const Arc &arc : mArcs) {
        CanvasArc converted;
        converted.filled = arc.filled;
        converted.brush = arc.brush;
        // A length converts like a point's distance from the canvas origin.
        const float radius = (arc.radiusOnCanvas || arc.space == Canvas) ? arc.radius
            : arc.space == Rescaled ? TQPointWF(arc.radius, 0).rescale(fromWidth, toWidth).x
                                    : TQPointWF(arc.radius, 0).toCanvas(0, 0, scale, fromWidth, toWidth).x;
        if (!quarterPoint(toCanvas(arc.centre, arc.space), converted.centre)
            || !truncated(radius * 4.0f, converted.radius))
            return false;
        if (arc.fullTurn) {
            converted.startAngle = 0;
            converted.endAngle = kFullTurn;
        } else if (!truncated(arc.startAngle * 10000, converted.startAngle)
                   || !truncated(arc.endAngle * 10000, converted.endAngle)) {
            return false;
        }
        arcs.push_back(converted);
    }
    mCanvasLines = std::move(lines);
    mCanvasArcs = std::move(arcs);
    mCanvasOrder = mOrder;
    return true;
}

std::vector<int> TQShapeOutline::queue(TQDrawManager *context, bool publish, int senderId) const
{
    std::vector<int> ids;
    ids.reserve(mCanvasOrder.size());
    const int canvasWidth = context->canvasSize().width() * 4;
    const int canvasHeight = context->canvasSize().height() * 4;
    const int top = context->topOffset() * 4;
    auto line = mCanvasLines.begin();
    auto arc = mCanvasArcs.begin();
    for (const bool isArc : mCanvasOrder) {
        const int id = nextSequenceNumber(true);
        ids.push_back(id);
        if (isArc) {
            context->queueDrawCircle(arc->centre.x, arc->centre.y, QRectF(), arc->radius, arc->filled,
                                     arc->startAngle, arc->endAngle, top, top, context->materialId(),
                                     context->pageIndex(), canvasWidth, canvasHeight, arc->brush, publish, id,
                                     senderId);
            ++arc;
        } else {
            context->queueDrawLine(line->points, canvasWidth, canvasHeight, top, top, context->materialId(),
                                   context->pageIndex(), line->brush, line->shapeFlag, publish && line->sent, id,
                                   senderId, line->fill);
            ++line;
        }
    }
    return ids;
}
