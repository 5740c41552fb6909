#pragma once

#include "shapes/TQShapeGeneric.h"

#include <array>

// An ellipse inscribed in the box two opposite corners span in the figure's
// own (unrotated) frame. While it is edited a dotted guide box shows that
// frame on the teacher's board only.
class TQShapeEllipse : public TQShapeGeneric
{
public:
    TQShapeEllipse();

    void draw(TQDrawManager *context, bool markTime, bool final) override;
    void updateBounds() override;
    TQPointWF anchorPoint() const override;
    bool hasLineType() const override;
    int redrawIntervalMs() const override;

    // Top-left, top-right, bottom-right, bottom-left of the box in the
    // figure's own frame, and the same turned by the rotation angle.
    std::array<TQPointWF, 4> boxCorners;
    std::array<TQPointWF, 4> turnedCorners;

protected:
    void placeVertices(TQDrawManager *context) override;
    void buildOutline(TQShapeOutline &outline, TQDrawManager *context) override;

private:
    void updateCorners();

    bool mShowGuide = true;
};
