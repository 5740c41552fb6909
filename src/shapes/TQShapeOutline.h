#pragma once

#include "modules/live/draws/TQBrushStyle.h"
#include "modules/live/draws/TQPointW.h"
#include "modules/live/draws/TQPointWF.h"

#include <vector>

class TQDrawManager;

// What one draw of a shape puts on the board: lines and arcs in the board's
// view coordinates, turned into line and circle actions on the canvas of the
// draw manager. A figure fills it; the generic shape queues it only when
// every value it carries is defined, so that an undefined length or angle
// (coincident points) never reaches the board or the students.
class TQShapeOutline
{
public:
    // Where the points and lengths added are measured: the board's view
    // (converted with the draw manager's offset, zoom and width ratio), the
    // canvas already (decorations of a fixed canvas size), or the view
    // scaled by the width ratio only (figures placed as if unzoomed).
    enum Space { View, Canvas, Rescaled };

    TQShapeOutline(const TQBrushStyle &brush, int fill);

    // A view point on the canvas, as View converts it.
    static TQPointWF canvasPoint(const TQDrawManager &context, const TQPointWF &p);
    // A view point on the canvas, as Rescaled converts it.
    static TQPointWF rescaledPoint(const TQDrawManager &context, const TQPointWF &p);

    // A polyline; a closed one is filled when the shape's fill is on. The
    // shape flag is 0 for the figures that draw freely curved lines.
    void addLine(const std::vector<TQPointWF> &points, bool closed = false, bool shapeFlag = true);
    void addCircle(const TQPointWF &centre, float radius, bool filled);
    // A full circle whose radius is in canvas pixels whatever the zoom (a
    // marker dot, or a radius the figure has already taken to the canvas).
    void addCircleOfCanvasRadius(const TQPointWF &centre, float canvasRadius, bool filled);
    // A polyline that helps the teacher while editing: drawn on this board
    // only, never sent, never filled.
    void addGuideLine(const std::vector<TQPointWF> &points);
    // An arc from startAngle to endAngle (radians, measured like atan2 in the
    // y-down frame).
    void addArc(const TQPointWF &centre, float radius, double startAngle, double endAngle, bool filled);

    // This draw has no defined figure (a corner that cannot be computed):
    // convert fails, so the last outline stays.
    void setUndefined() { mUndefined = true; }

    bool isEmpty() const { return mOrder.empty(); }

    // Converts everything to canvas quarter units. False, with nothing kept,
    // when any value is not finite or leaves the int range.
    bool convert(const TQDrawManager &context);
    // Queues what the last convert gave (nothing after a failed one) in the
    // order added, sent to the students when publish. Returns the ids the
    // actions were given, in that order.
    std::vector<int> queue(TQDrawManager *context, bool publish, int senderId) const;

    // Applied to what is added from now on.
    TQBrushStyle brush;
    int fill;
    Space space = View;

    struct CanvasLine
    {
        std::vector<TQPointW> points;
        TQBrushStyle brush;
        bool shapeFlag = true;
        int fill = 0;
        bool sent = true;
    };
    struct CanvasArc
    {
        TQPointW centre;
        int radius = 0;
        int startAngle = 0;
        int endAngle = 0;
        bool filled = false;
        TQBrushStyle brush;
    };
    const std::vector<CanvasLine> &canvasLines() const { return mCanvasLines; }
    const std::vector<CanvasArc> &canvasArcs() const { return mCanvasArcs; }

private:
    struct Line
    {
        std::vector<TQPointWF> points;
        TQBrushStyle brush;
        bool shapeFlag;
        int fill;
        Space space;
        bool sent;
    };
    struct Arc
    {
        TQPointWF centre;
        float radius;
        double startAngle;
        double endAngle;
        bool fullTurn;
        bool radiusOnCanvas;
        bool filled;
        TQBrushStyle brush;
        Space space;
    };

    bool mUndefined = false;
    std::vector<Line> mLines;
    std::vector<Arc> mArcs;
    // Arc (true) or line, in the order added.
    std::vector<bool> mOrder;
    std::vector<CanvasLine> mCanvasLines;
    std::vector<CanvasArc> mCanvasArcs;
    std::vector<bool> mCanvasOrder;
};
