#pragma once

#include "shapes/TQShapeQuadrilateral.h"

// A rhombus: dragging corner 2 or 3 scales its diagonal about the centre,
// keeping its direction; the other diagonal stays.
class TQShapeRhombus : public TQShapeQuadrilateral
{
public:
    TQShapeRhombus();

    void adjustVertex(float dx, float dy) override;

protected:
    void placeVertices(TQDrawManager *context) override;
};
