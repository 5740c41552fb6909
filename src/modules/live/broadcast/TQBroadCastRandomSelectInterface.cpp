#include "modules/live/broadcast/TQBroadCastRandomSelectInterface.h"

TQBroadCastRandomSelectInterface::TQBroadCastRandomSelectInterface(TQBroadCastMethodService *methodService,
                                                                   TQLiveBroadCastContext *context)
    : TQLiveClassAccess(methodService, context)
{
}
