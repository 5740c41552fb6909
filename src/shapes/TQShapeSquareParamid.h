#pragma once

#include "shapes/TQShapeSolid.h"

#include <array>

// A pyramid over a parallelogram: apex point 0, the front base corners
// points 1 and 2 (the left one is whichever lies further left), the back-left
// corner point 3; the back-right corner completes the parallelogram. A back
// corner that falls inside a face is hidden with its three edges; otherwise
// each back edge is dotted by how the corners enclose one another.
class TQShapeSquareParamid : public TQShapeSolid
{
public:
    enum Corner { Apex, FrontLeft, FrontRight, BackLeft, BackRight };
    // Places on the base ring, in order round the base.
    enum RingPlace { RingFrontLeft, RingFrontRight, RingBackRight, RingBackLeft };

    TQShapeSquareParamid();

    // The apex.
    TQPointWF anchorPoint() const override;
    int redrawIntervalMs() const override;

    // View coordinates, indexed by Corner.
    std::array<TQPointWF, 5> corners;
    // The base corners round the base, indexed by RingPlace.
    std::array<TQPointWF, 4> ring;

protected:
    void placeVertices(TQDrawManager *context) override;
    void buildOutline(TQShapeOutline &outline, TQDrawManager *context) override;
    std::vector<TQPointWF> boundingPoints() override;

private:
    void updateCorners();
    // X lies inside the front face or inside the side face it would share
    // with its width neighbour.
    bool isHiddenCorner(int x) const;
    void addHiddenCornerEdges(TQShapeOutline &outline, int x) const;
    void addBackEdges(TQShapeOutline &outline) const;
};
