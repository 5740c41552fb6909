#include "modules/live/broadcast/TQBroadCastPPTPlayerInterface.h"

TQBroadCastPPTPlayerInterface::TQBroadCastPPTPlayerInterface(TQBroadCastMethodService *methodService,
                                                             TQLiveBroadCastContext *context)
    : TQLiveClassAccess(methodService, context)
{
}
