#pragma once

#include "shapes/TQShapeBrackets.h"

// A curly brace from point 0 to point 1 (1005 opening; 1006, with its points
// the other way round, closing). Placed and dragged as the brackets; its
// outline is one freely curved line on the canvas as if the board were
// neither zoomed nor scrolled sideways.
class TQShapeBigParantheses : public TQShapeBrackets
{
public:
    TQShapeBigParantheses() = default;

protected:
    void buildOutline(TQShapeOutline &outline, TQDrawManager *context) override;
};
