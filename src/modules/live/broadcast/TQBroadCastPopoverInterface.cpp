#include "modules/live/broadcast/TQBroadCastPopoverInterface.h"

TQBroadCastPopoverInterface::TQBroadCastPopoverInterface(TQBroadCastMethodService *methodService,
                                                         TQLiveBroadCastContext *context)
    : TQLiveClassAccess(methodService, context)
{
}
