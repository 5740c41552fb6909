#include "shapes/TQShapeRightCoordinate.h"

#include "modules/live/draws/TQDrawManager.h"
#include "shapes/TQCoordinateFrame.h"
#include "shapes/TQShapeOutline.h"

#include <algorithm>
#include <cmath>

TQShapeRightCoordinate::TQShapeRightCoordinate()
    : TQShapeCoordinateSystem(2006)
{
}

void TQShapeRightCoordinate::placeVertices(TQDrawManager *context)
{
    const float w = float(context->visibleSize().width());
    const float h = float(context->visibleSize().height());
    addVertex(TQPointWF(w / 3, h / 3));
    addVertex(TQPointWF(2 * w / 3, 2 * h / 3));
}

TQPointWF TQShapeRightCoordinate::anchorPoint() const
{
    if (vertices.size() < 2)
        return TQPointWF(0, 0);
    const Box b = box();
    return TQPointWF(b.left, b.bottom);
}

int TQShapeRightCoordinate::unitForWidth(float width, int canvasWidth)
{
    int unit = canvasWidth / 20;
    if (width < float(canvasWidth / 3))
        unit = canvasWidth / 30;
    else if (width < float(canvasWidth / 2))
        unit = canvasWidth / 25;
    // A canvas narrower than 30 would give a unit of 0: no division by it,
    // and the grid loops always advance.
    return std::max(unit, 1);
}

void TQShapeRightCoordinate::addUnitLines(TQShapeOutline &outline, const TQPointWF &tl, const TQPointWF &br, int a,
                                          bool ticks) const
{
    const TQCoordinateFrame *f = frame();
    if (!f || a < 1)
        return;
    const TQPointWF bl(tl.x, br.y);
    const float spanX = float(f->unitsRight * a);
    const float spanY = float(f->unitsUp * a);
    for (float x : steps(bl.x + float(a), br.x - float(a / 4), float(a), true)) {
        if (ticks)
            outline.addLine({TQPointWF(x, bl.y - tickLength), TQPointWF(x, bl.y)});
        else
            addGridLine(outline, TQPointWF(x, bl.y - spanY), TQPointWF(x, bl.y));
    }
    for (float y : steps(bl.y - float(a), tl.y + float(a / 4), -float(a), false)) {
        if (ticks)
            outline.addLine({TQPointWF(bl.x, y), TQPointWF(bl.x + tickLength, y)});
        else
            addGridLine(outline, TQPointWF(bl.x, y), TQPointWF(bl.x + spanX, y));
    }
}

void TQShapeRightCoordinate::buildOutline(TQShapeOutline &outline, TQDrawManager *context)
{
    if (vertices.size() < 2)
        return;
    const Box b = box();
    const auto canvas = [context](float x, float y) { return TQShapeOutline::canvasPoint(*context, TQPointWF(x, y)); };
    const TQPointWF tl = canvas(b.left, b.top);
    const TQPointWF tr = canvas(b.right, b.top);
    const TQPointWF br = canvas(b.right, b.bottom);
    const TQPointWF bl = canvas(b.left, b.bottom);
    outline.space = TQShapeOutline::Canvas;

    const auto frameWithUnit = [&](int a) {
        const int unitsRight = wholeUnits(tr.x - tl.x, a);
        const int unitsUp = wholeUnits(br.y - tr.y, a);
        updateFrame(*context, bl, a, 0, unitsRight, unitsUp, 0);
    };
    int a = unitForWidth(tr.x - tl.x, context->canvasSize().width());
    frameWithUnit(a);
    if (style() == Marked || style() == Meshed)
        addUnitLines(outline, tl, br, a, style() == Marked);
    if (style() == TightlyMeshed) {
        a = std::max(a / 2, 1);
        frameWithUnit(a);
        addUnitLines(outline, tl, br, a, false);
    }

    outline.addLine({tl, bl, br});
    outline.addLine({TQPointWF(tl.x - 6, tl.y + 6), tl, TQPointWF(tl.x + 6, tl.y + 6)});
    outline.addLine({TQPointWF(br.x - 6, br.y - 6), br, TQPointWF(br.x - 6, br.y + 6)});
}
