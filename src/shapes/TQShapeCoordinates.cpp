#include "shapes/TQShapeCoordinates.h"

#include "modules/live/draws/TQDrawManager.h"
#include "modules/login/LoginManager.h"
#include "shapes/TQCoordinateFrame.h"
#include "shapes/TQShapeOutline.h"

#include <cmath>

TQShapeCoordinates::TQShapeCoordinates()
    : TQShapeCoordinateSystem(2002)
{
}

void TQShapeCoordinates::placeVertices(TQDrawManager *context)
{
    const int w = context->visibleSize().width();
    const int h = context->visibleSize().height();
    addVertex(TQPointWF(float(w / 2 - 100), float(h / 2 - 100)));
    addVertex(TQPointWF(float(3 * w / 4 - 100), float(4 * h / 5 - 100)));
}

void TQShapeCoordinates::initGraph(TQDrawManager *context)
{
    TQShapeCoordinateSystem::initGraph(context);
    TQShapeOutline guide(brush, 0);
    addGuideBox(guide, context);
    if (guide.convert(*context))
        guide.queue(context, false, LoginManager::getUserID().toInt());
}

TQPointWF TQShapeCoordinates::anchorPoint() const
{
    return meanOfVertices(2);
}

int TQShapeCoordinates::unitForWidth(float width)
{
    // 18, 20, 24 or 30 times the scale 2.
    if (width < 260)
        return 36;
    if (width < 300)
        return 40;
    if (width > 600)
        return 60;
    return 48;
}

void TQShapeCoordinates::addGuideBox(TQShapeOutline &outline, TQDrawManager *context) const
{
    if (vertices.size() < 2)
        return;
    const Box b = box();
    std::vector<TQPointWF> corners;
    for (const TQPointWF &p : {TQPointWF(b.left, b.top), TQPointWF(b.right, b.top), TQPointWF(b.right, b.bottom),
                               TQPointWF(b.left, b.bottom), TQPointWF(b.left, b.top)})
        corners.push_back(TQShapeOutline::canvasPoint(*context, p));
    outline.space = TQShapeOutline::Canvas;
    outline.brush.type = 0;
    outline.addGuideLine(corners);
    outline.brush = brush;
}

void TQShapeCoordinates::addUnitLines(TQShapeOutline &outline, const TQPointWF &o, float rightEnd, float bottomEnd,
                                      int a, bool ticks) const
{
    const TQCoordinateFrame *f = frame();
    if (!f || a < 1)
        return;
    const float spanX = float(f->unitsLeft * a);
    const float spanY = float(f->unitsUp * a);
    const float tick = float(scale) * tickScale;
    for (float x : steps(o.x - spanX, rightEnd - float(a / 4), float(a), true)) {
        if (ticks)
            outline.addLine({TQPointWF(x, o.y - tick), TQPointWF(x, o.y)});
        else
            addGridLine(outline, TQPointWF(x, o.y - spanY), TQPointWF(x, o.y + spanY));
    }
    for (float y : steps(o.y - spanY, bottomEnd - float(a / 4), float(a), true)) {
        if (ticks)
            outline.addLine({TQPointWF(o.x, y), TQPointWF(o.x + tick, y)});
        else
            addGridLine(outline, TQPointWF(o.x - spanX, y), TQPointWF(o.x + spanX, y));
    }
}

void TQShapeCoordinates::buildOutline(TQShapeOutline &outline, TQDrawManager *context)
{
    if (vertices.size() < 2)
        return;
    const Box b = box();
    const auto canvas = [context](float x, float y) { return TQShapeOutline::canvasPoint(*context, TQPointWF(x, y)); };
    const TQPointWF o = canvas((b.left + b.right) / 2, (b.top + b.bottom) / 2);
    const TQPointWF tl = canvas(b.left, b.top);
    const TQPointWF tr = canvas(b.right, b.top);
    const TQPointWF br = canvas(b.right, b.bottom);
    const TQPointWF bl = canvas(b.left, b.bottom);

    if (!isFinalDraw())
        addGuideBox(outline, context);
    outline.space = TQShapeOutline::Canvas;

    const auto frameWithUnit = [&](int a) {
        const int unitsAcross = wholeUnits(o.x - tl.x, a);
        const int unitsAlong = wholeUnits(o.y - tr.y, a);
        updateFrame(*context, o, a, unitsAcross, unitsAcross, unitsAlong, unitsAlong);
    };
    int a = unitForWidth(tr.x - tl.x);
    frameWithUnit(a);
    if (style() == Marked || style() == Meshed)
        addUnitLines(outline, o, tr.x, br.y, a, style() == Marked);
    if (style() == TightlyMeshed) {
        // The page keeps the half unit: graphs on it follow the tight grid.
        a /= 2;
        frameWithUnit(a);
        addUnitLines(outline, o, tr.x, br.y, a, false);
    }

    const float head = float(6 * scale);
    const float half = float(3 * scale);
    outline.addLine({TQPointWF(tl.x, o.y), TQPointWF(tr.x, o.y)});
    outline.addLine({TQPointWF(tr.x - head, o.y - half), TQPointWF(tr.x, o.y), TQPointWF(tr.x - head, o.y + half)});
    outline.addLine({TQPointWF(o.x, tl.y), TQPointWF(o.x, bl.y)});
    outline.addLine({TQPointWF(o.x - half, tl.y + head), TQPointWF(o.x, tl.y), TQPointWF(o.x + half, tl.y + head)});
}
