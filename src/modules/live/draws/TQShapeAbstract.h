#pragma once

#include "modules/live/draws/TQShapeTouchResult.h"
#include "shapes/TQShapeParams.h"

class TQDrawManager;
class TQPointWF;

// A board tool: receives the touch samples of the draw manager and turns
// them into drawing actions. The draw manager holds exactly one.
class TQShapeAbstract
{
public:
    TQShapeAbstract(int type, const TQShapeParams &params = TQShapeParams());
    virtual ~TQShapeAbstract();
    TQShapeAbstract(const TQShapeAbstract &) = delete;
    TQShapeAbstract &operator=(const TQShapeAbstract &) = delete;

    // phase: 0 press, 1 move, 2 release.
    virtual TQShapeTouchResult onTouch(const TQPointWF &point, int phase, TQDrawManager *context);
    virtual void initGraph(TQDrawManager *context);
    virtual void finish(TQDrawManager *context);
    virtual void cancel(TQDrawManager *context);

    // Shape type code; -1 for the pen.
    int type;
    TQShapeParams params;
};
