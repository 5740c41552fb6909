#include "modules/live/material/TQLiveMaterialListLayout.h"

TQLiveMaterialListLayout::TQLiveMaterialListLayout(TQBroadCastMethodService *methodService,
                                                   TQLiveBroadCastContext *context)
    : TQLiveClassAccess(methodService, context)
{
}
