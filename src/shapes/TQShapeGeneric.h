#pragma once

#include "modules/live/draws/TQBrushStyle.h"
#include "modules/live/draws/TQShapeAbstract.h"

// Base of the geometric and image shapes: a style (fill, brush) that carries
// over to the next shape tool, and a draw that redraws the shape from the
// snapshot taken before its first drawing.
class TQShapeGeneric : public TQShapeAbstract
{
public:
    explicit TQShapeGeneric(int type, const TQShapeParams &params = TQShapeParams());

    virtual bool isFillable() const;
    virtual bool hasLineType() const;
    // Queues the outline as drawing actions; a shape drawn before first
    // queues a return to the current snapshot, so the old outline goes.
    virtual void draw(TQDrawManager *context, bool markTime, bool final);
    bool wasDrawn() const { return drawn; }

    int fill = 0;
    TQBrushStyle brush;

protected:
    // The shape's own outline; the base has none.
    virtual void queueOutline(TQDrawManager *context, bool final);

private:
    bool drawn = false;
};
