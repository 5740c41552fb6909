#pragma once

#include "modules/live/draws/TQPointWF.h"

// A control point of a shape: what the teacher grabs and drags. Positions are
// in the board's view coordinates (y downwards); drags and rotations are
// computed from where the point was when the current press began.
class TQVertex
{
public:
    // Both positions at p; the hit radius is a thirtieth of the board width
    // at the time the point is made.
    explicit TQVertex(const TQPointWF &p, bool enabled = true);

    // Enabled and nearer to the touch than the hit radius.
    bool hitTest(const TQPointWF &touch) const;
    // position = pressPosition turned by angle (radians, clockwise on screen)
    // about centre.
    void rotateFromPress(double angle, const TQPointWF &centre);

    TQPointWF pressPosition;
    TQPointWF position;
    float hitRadius;
    // Grabbable, and shown as a handle dot while editing.
    bool enabled;
};
