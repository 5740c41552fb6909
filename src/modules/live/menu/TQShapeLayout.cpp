#include "modules/live/menu/TQShapeLayout.h"

TQShapeLayout::TQShapeLayout(TQBroadCastMethodService *methodService, TQLiveBroadCastContext *context)
    : TQLiveClassAccess(methodService, context)
{
}
