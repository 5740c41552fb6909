#pragma once

#include "shapes/TQShapeSolid.h"

// A cone standing on an ellipse: apex point 0, and point 1 one end of the
// base; the base is symmetric about the apex's vertical in the figure's own
// frame, so point 1 may be dragged to either side. The back half of the base
// is dotted.
class TQShapeCone : public TQShapeSolid
{
public:
    TQShapeCone();

    // The apex.
    TQPointWF anchorPoint() const override;
    int redrawIntervalMs() const override;

    // View coordinates, and the same in the figure's unrotated frame.
    TQPointWF apex{0, 0};
    TQPointWF leftEnd{0, 0};
    TQPointWF rightEnd{0, 0};
    TQPointWF ownApex{0, 0};
    TQPointWF ownLeftEnd{0, 0};
    TQPointWF ownRightEnd{0, 0};

protected:
    void placeVertices(TQDrawManager *context) override;
    void buildOutline(TQShapeOutline &outline, TQDrawManager *context) override;
    // The apex, the base's ends and the lowest point of its front.
    std::vector<TQPointWF> boundingPoints() override;

private:
    void updateCorners();
};
