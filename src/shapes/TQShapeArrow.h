#pragma once

#include "shapes/TQShapeGeneric.h"

// A shaft between two control points with a filled triangular head: 1000 at
// point 0 (left), 1001 at point 1 (right), 1002 at point 0 (up), 1003 at
// point 1 (down), 1004 at both ends.
class TQShapeArrow : public TQShapeGeneric
{
public:
    TQShapeArrow();

    TQPointWF anchorPoint() const override;
    bool isFillable() const override;

    // Canvas units; a head is 1.5 headSize long and 3 headSize wide.
    const int headSize = 4;

protected:
    void placeVertices(TQDrawManager *context) override;
    void buildOutline(TQShapeOutline &outline, TQDrawManager *context) override;

private:
    // A filled head [tip, j, k, tip], j and k built for an unturned arrow
    // and turned about the tip by angle.
    void addHead(TQShapeOutline &outline, const TQPointWF &tip, const TQPointWF &j, const TQPointWF &k,
                 double angle) const;
};
