#pragma once

#include "shapes/TQShapeCoordinateSystem.h"

// The first quadrant: the origin at the box's bottom-left corner, the axes
// along its left and bottom edges (2006 plain, 2007 with tick marks, 2008
// with a grid, 2009 with a tight grid). Its unit is a share of the canvas
// width that grows with the box.
class TQShapeRightCoordinate : public TQShapeCoordinateSystem
{
public:
    TQShapeRightCoordinate();

    // The origin.
    TQPointWF anchorPoint() const override;

    // The unit (canvas length, at least 1) for a box of that canvas width on
    // a canvas canvasWidth wide.
    static int unitForWidth(float width, int canvasWidth);

protected:
    void placeVertices(TQDrawManager *context) override;
    void buildOutline(TQShapeOutline &outline, TQDrawManager *context) override;

private:
    // The ticks or grid lines of the unit a (canvas) of the box tl..br.
    void addUnitLines(TQShapeOutline &outline, const TQPointWF &tl, const TQPointWF &br, int a, bool ticks) const;

    float tickLength = 6.0f;
};
