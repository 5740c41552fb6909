#pragma once

#include "shapes/TQShapeGeneric.h"

#include <array>

// A picture on the board that the teacher moves and enlarges (and, for the
// catalogue pictures, turns) before it is committed: the angle meter (2100),
// the physics and chemistry pictures (3000-4062) and a board region that was
// grabbed and uploaded (102). Each draw sends the picture as one image action
// under one element id, so the board replaces the picture instead of adding
// another; a pasted region shows a dotted red frame on the teacher's board
// and is committed as a region copy.
class TQShapeFloatingImage : public TQShapeGeneric
{
public:
    static constexpr int kShapeFloatingImage = 102;

    TQShapeFloatingImage();

    void initGraph(TQDrawManager *context) override;
    void draw(TQDrawManager *context, bool markTime, bool final) override;
    TQPointWF anchorPoint() const override;
    bool isFillable() const override;
    bool hasLineType() const override;
    // The picture keeps its upright box: the turn travels with the image action.
    void rotateBy(float angleDelta, float dx, float dy) override;
    // Width and height grow alike by the horizontal part of the drag.
    void resizeBy(float dx, float dy) override;

    // The dotted red frame around a pasted region (never filled).
    void queueRegionFrame(bool send, TQDrawManager *context);

    // Width and height of a catalogue picture when placed (view pixels).
    static float defaultPictureSize();

    // The frame around the picture, canvas coordinates: top-left, top-right,
    // bottom-right, bottom-left.
    std::array<TQPointWF, 4> frameCorners{{{0, 0}, {0, 0}, {0, 0}, {0, 0}}};
    // Set at the first draw and carried by every image action of this picture.
    int elementId = -1;

protected:
    void placeVertices(TQDrawManager *context) override;
    void buildOutline(TQShapeOutline &outline, TQDrawManager *context) override;

private:
    void frameAround(const TQPointWF &c0, const TQPointWF &c1, float margin);
    void addRegionFrame(TQShapeOutline &outline, bool send) const;
    bool isPastedRegion() const { return type == kShapeFloatingImage; }

    bool mFinalDraw = false;
};
