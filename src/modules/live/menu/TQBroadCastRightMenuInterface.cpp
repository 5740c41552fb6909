#include "modules/live/menu/TQBroadCastRightMenuInterface.h"

TQBroadCastRightMenuInterface::TQBroadCastRightMenuInterface(TQBroadCastMethodService *methodService,
                                                             TQLiveBroadCastContext *context)
    : TQLiveClassAccess(methodService, context)
{
}
