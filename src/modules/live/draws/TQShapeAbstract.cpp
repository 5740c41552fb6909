#include "modules/live/draws/TQShapeAbstract.h"

TQShapeAbstract::TQShapeAbstract(int type, const TQShapeParams &params)
    : type(type)
    , params(params)
{
}

TQShapeAbstract::~TQShapeAbstract() = default;

TQShapeTouchResult TQShapeAbstract::onTouch(const TQPointWF &, int, TQDrawManager *)
{
    return TQShapeTouchResult();
}

void TQShapeAbstract::initGraph(TQDrawManager *)
{
}

void TQShapeAbstract::finish(TQDrawManager *)
{
}

void TQShapeAbstract::cancel(TQDrawManager *)
{
}
