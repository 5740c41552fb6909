#pragma once

#include "modules/live/draws/TQBrushStyle.h"
#include "modules/live/draws/TQPointWF.h"
#include "modules/live/draws/TQShapeAbstract.h"

#include <QRect>
#include <QtGlobal>

#include <vector>

class TQShapeOutline;
class TQVertex;

// Base of every teaching shape: edits a list of control points by touch
// (move, drag one point, rotate, resize, two copy buttons), shows the edit
// handles through the draw manager and redraws the figure after each change,
// restoring the board first so that the outline moves instead of smearing.
// Outlines are drawn locally at every move and sent to the students at the
// pace the figure sets.
//
// A figure supplies its control points (placeVertices), its outline
// (buildOutline) and, where it differs, its rotation centre, bounds, pace and
// editing rules; everything else is this class.
class TQShapeGeneric : public TQShapeAbstract
{
public:
    // What the current press grabbed.
    enum Mode {
        Nothing = 0,
        RotationHandle = 1,
        Figure = 2,
        ControlPoint = 3,
        ExpandIcon = 4,
        CopyToBoardButton = 5,
        CopyPasteButton = 6,
    };
    // Type codes a tapped copy button gives the shape.
    static constexpr int kCopyToBoardCode = 100;
    static constexpr int kCopyPasteCode = 101;
    // A copy button counts as tapped when released sooner than this.
    static constexpr qint64 kCopyTapMillis = 200;

    // The type is not kept: the factory stores the code.
    TQShapeGeneric(int type, bool rotatable, bool resizable, bool copyable, bool showStyleButtons);
    ~TQShapeGeneric() override;

    TQShapeTouchResult onTouch(const TQPointWF &point, int phase, TQDrawManager *context) override;
    // Places the figure's control points (first time only) and draws it at
    // once, sent.
    void initGraph(TQDrawManager *context) override;
    // Draws the figure a last time and commits it to the page.
    void finish(TQDrawManager *context) override;
    // Returns the board to the pen (which deletes this shape).
    void cancel(TQDrawManager *context) override;

    // markTime: the outline goes to the students and counts for the pace;
    // final: the edit handles go away.
    virtual void draw(TQDrawManager *context, bool markTime, bool final);
    virtual void updateBounds();
    // The rotation centre; the base has none and gives (0, 0).
    virtual TQPointWF anchorPoint() const;
    virtual int redrawIntervalMs() const;
    virtual bool isRedrawDue() const;
    virtual void moveBy(float dx, float dy);
    virtual void adjustVertex(float dx, float dy);
    virtual bool isFillable() const;
    virtual bool hasLineType() const;
    virtual void rotateBy(float angleDelta, float dx, float dy);
    // Runs when a control-point drag ends.
    virtual void afterVertexAdjust();
    virtual void resizeBy(float dx, float dy);

    // Bounds, rotation centre and rotation handle after the control points changed.
    void refreshHandles();
    // The box around the points with the margin, limited to the board's right
    // and bottom edges.
    QRect boundsOfPoints(const std::vector<TQPointWF> &points) const;
    // The upper or lower half of the ellipse inscribed in the box with the
    // corners a and b, 151 samples at most.
    std::vector<TQPointWF> halfEllipsePoints(const TQPointWF &a, const TQPointWF &b, bool upper) const;
    static TQPointWF midpointOf(const TQPointWF &a, const TQPointWF &b);

    bool containsPoint(const TQPointWF &touch) const;
    bool hitRotationHandle(const TQPointWF &touch) const;
    bool hitExpandIcon(const TQPointWF &touch) const;
    bool hitCopyToBoardButton(const TQPointWF &touch) const;
    bool hitCopyPasteButton(const TQPointWF &touch) const;

    bool wasDrawn() const { return drawn; }
    // The ids of the actions of the last outline queued (what a commit puts
    // on the page).
    const std::vector<int> &lastOutlineIds() const { return outlineIds; }

    bool rotatable;
    bool resizable;
    bool copyable;
    bool showStyleButtons;
    // Line type (1 solid, 0 dotted) and colour of the outline.
    TQBrushStyle brush{1, 0, 3, 0};
    int fill = 0;
    int mode = Nothing;
    float margin = 60.0f;
    // Radians.
    float angle = 0;
    TQPointWF pressPoint{0, 0};
    TQPointWF anchor{0, 0};
    float angleAtPress = 0;
    TQPointWF rotationHandle{0, 0};
    TQPointWF rotationHandleAtPress{0, 0};
    int pointSizeAtPress = 10;
    int pointSize = 10;
    // Owned; in the figure's own order.
    std::vector<TQVertex *> vertices;
    int selectedVertex = 0;
    qint64 lastSentMs = 0;
    qint64 pressMs = 0;
    QRect bounds;

protected:
    // Appends the figure's control points for the board the context shows.
    virtual void placeVertices(TQDrawManager *context);
    // The figure's lines and arcs for the current control points; nothing
    // when it has fewer control points than it needs.
    virtual void buildOutline(TQShapeOutline &outline, TQDrawManager *context);
    void addVertex(const TQPointWF &position, bool enabled = true);
    std::vector<TQPointWF> vertexPositions() const;
    // The mean position of the first count control points (midpoint,
    // centroid); (0, 0) while the figure has fewer.
    TQPointWF meanOfVertices(size_t count) const;
    // For a tool that shows nothing: it may be replaced from now on.
    void markDrawn() { drawn = true; }

private:
    void press(const TQPointWF &touch);
    void move(const TQPointWF &touch, TQDrawManager *context);
    // May end with this shape replaced, and deleted, by the pen.
    void release(const TQPointWF &touch, TQDrawManager *context);
    void placeRotationHandle();
    static void returnToPen(TQDrawManager *context);

    // Set by the first draw; the draw manager keeps a shape never drawn.
    bool drawn = false;
    std::vector<int> outlineIds;
};
