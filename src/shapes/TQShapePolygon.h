#pragma once

#include "shapes/TQShapeGeneric.h"

// A regular polygon of 5 to 16 sides (2314), the count from the shape's
// edgeCount (5 when outside that range). Built regular, hanging below its
// top side; from then on every corner is a free control point.
class TQShapePolygon : public TQShapeGeneric
{
public:
    TQShapePolygon();

    TQPointWF anchorPoint() const override;
    // Heavier to send than the simple figures.
    int redrawIntervalMs() const override;

protected:
    void placeVertices(TQDrawManager *context) override;
    void buildOutline(TQShapeOutline &outline, TQDrawManager *context) override;
};
