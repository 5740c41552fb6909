#pragma once

#include "shapes/TQShapeRectangle.h"

// A square kept as the two ends of a diagonal: the free end slides along the
// diagonal's ray from the centre, so the figure stays a square.
class TQShapeSquare : public TQShapeRectangle
{
public:
    TQShapeSquare();

    void adjustVertex(float dx, float dy) override;

protected:
    void placeVertices(TQDrawManager *context) override;
};
