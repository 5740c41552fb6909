#include "shapes/TQShapeCuttingBox.h"

#include "modules/live/draws/TQDrawDataSourceInterface.h"
#include "modules/live/draws/TQDrawManager.h"

TQShapeCuttingBox::TQShapeCuttingBox()
    : TQShapeGeneric(100, false, false, false, true)
{
}

void TQShapeCuttingBox::initGraph(TQDrawManager *context)
{
    if (TQDrawDataSourceInterface *source = context->dataSource())
        source->onBoardTouched();
    markDrawn();
}

void TQShapeCuttingBox::draw(TQDrawManager *, bool, bool)
{
}

void TQShapeCuttingBox::updateBounds()
{
}

TQPointWF TQShapeCuttingBox::anchorPoint() const
{
    return meanOfVertices(2);
}

bool TQShapeCuttingBox::isFillable() const
{
    return false;
}

bool TQShapeCuttingBox::hasLineType() const
{
    return false;
}
