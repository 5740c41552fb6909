#include "shapes/TQShapeGeneric.h"

#include "modules/live/draws/TQDrawManager.h"

TQShapeGeneric::TQShapeGeneric(int type, const TQShapeParams &params)
    : TQShapeAbstract(type, params)
{
}

bool TQShapeGeneric::isFillable() const
{
    return false;
}

bool TQShapeGeneric::hasLineType() const
{
    return false;
}

void TQShapeGeneric::draw(TQDrawManager *context, bool markTime, bool final)
{
    if (drawn)
        context->queueRestoreCurrent(markTime);
    queueOutline(context, final);
    drawn = true;
}

void TQShapeGeneric::queueOutline(TQDrawManager *, bool)
{
}
