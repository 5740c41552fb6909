#pragma once

#include "shapes/TQShapeGeneric.h"

// Stands as the board tool while a grabbed board region is uploaded: it
// shows nothing and has no points, so the next release on the board returns
// the pen. The draw manager reads its code when the upload completes: 100
// puts the region on the board, 101 pastes it as a floating image.
class TQShapeCuttingBox : public TQShapeGeneric
{
public:
    TQShapeCuttingBox();

    // The board was touched; the tool may be replaced from now on.
    void initGraph(TQDrawManager *context) override;
    void draw(TQDrawManager *context, bool markTime, bool final) override;
    // The bounds stay null: no press ever grabs anything.
    void updateBounds() override;
    TQPointWF anchorPoint() const override;
    bool isFillable() const override;
    bool hasLineType() const override;
};
