#include "modules/live/broadcast/TQBroadCastVideoCardPlayerInterface.h"

TQBroadCastVideoCardPlayerInterface::TQBroadCastVideoCardPlayerInterface(TQBroadCastMethodService *methodService,
                                                                         TQLiveBroadCastContext *context)
    : TQLiveClassAccess(methodService, context)
{
}

TQBroadCastVideoCardPlayerInterface::~TQBroadCastVideoCardPlayerInterface() = default;
