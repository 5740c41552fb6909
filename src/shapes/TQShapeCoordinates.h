#pragma once

#include "shapes/TQShapeCoordinateSystem.h"

// The full cross of axes through the middle of the box (2002 plain, 2003
// with tick marks, 2004 with a grid, 2005 with a tight grid). Its unit grows
// in steps with the box's width. While edited, a dotted box that only the
// teacher sees shows where the two control points are.
class TQShapeCoordinates : public TQShapeCoordinateSystem
{
public:
    TQShapeCoordinates();

    // Also shows the guide box once more after the first draw.
    void initGraph(TQDrawManager *context) override;
    TQPointWF anchorPoint() const override;

    // The unit (canvas length) for a box of that canvas width.
    static int unitForWidth(float width);

protected:
    void placeVertices(TQDrawManager *context) override;
    void buildOutline(TQShapeOutline &outline, TQDrawManager *context) override;

private:
    void addGuideBox(TQShapeOutline &outline, TQDrawManager *context) const;
    // The ticks or grid lines of the unit a (canvas), around the origin o.
    void addUnitLines(TQShapeOutline &outline, const TQPointWF &o, float rightEnd, float bottomEnd, int a,
                      bool ticks) const;

    int scale = 2;
    float tickScale = 2.5f;
};
