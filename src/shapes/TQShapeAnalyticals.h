#pragma once

#include "shapes/TQShapeGeneric.h"

#include <memory>
#include <optional>

class TQCoordinateFrame;

// The graphs of elementary functions (2500-2518). A graph is plotted in a
// frame: the newest coordinate system on the page that is in view, or a
// default frame in the middle of the board (drawn without axes). One control
// point sits on a reference point of the curve; dragging it stretches the
// curve so that it keeps passing through the point. Dragging inside the
// graph moves it with its frame.
class TQShapeAnalyticals : public TQShapeGeneric
{
public:
    TQShapeAnalyticals();
    ~TQShapeAnalyticals() override;

    void updateBounds() override;
    TQPointWF anchorPoint() const override;
    int redrawIntervalMs() const override;
    bool isFillable() const override;
    void moveBy(float dx, float dy) override;
    void adjustVertex(float dx, float dy) override;

    // The function of a graph code at x, in float as the curve is sampled.
    static float valueAt(int code, float x);
    // The curve point the control point starts on, function units.
    static TQPointWF referencePoint(int code);

    // The frame in view coordinates; null before initGraph.
    const TQCoordinateFrame *frame() const { return mFrame.get(); }

    float xRef = 0;
    float yRef = 0;
    float stretchX = 1;
    float stretchY = 1;
    float visibleWidth = 0;
    float canvasWidth = 0;
    // Brush of the dotted guides of 2517.
    TQBrushStyle guideBrush{0, 0, 3, 0};

protected:
    void placeVertices(TQDrawManager *context) override;
    void buildOutline(TQShapeOutline &outline, TQDrawManager *context) override;

private:
    // The newest frame of the page whose origin is in view, in view
    // coordinates; null when there is none.
    std::unique_ptr<TQCoordinateFrame> adoptPageFrame(const TQDrawManager &context) const;
    float viewLength(float canvasLength) const;
    // The canvas point of a function-space point, when it lies within the
    // bounds.
    std::optional<TQPointWF> curvePoint(const TQDrawManager &context, float x, float y) const;
    void addTangentBranches(TQShapeOutline &outline, const TQDrawManager &context) const;
    void addHyperbolaBranches(TQShapeOutline &outline, const TQDrawManager &context) const;
    // The dotted asymptote between the far ends of two opposite branches.
    void addGuide(TQShapeOutline &outline, const TQDrawManager &context, const std::vector<TQPointWF> &from,
                  const std::vector<TQPointWF> &to) const;

    std::unique_ptr<TQCoordinateFrame> mFrame;
};
