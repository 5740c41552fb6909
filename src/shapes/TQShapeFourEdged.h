#pragma once

#include "shapes/TQShapeQuadrilateral.h"

// A free quadrilateral: every corner follows the finger on its own.
class TQShapeFourEdged : public TQShapeQuadrilateral
{
public:
    TQShapeFourEdged();

protected:
    void placeVertices(TQDrawManager *context) override;
};
