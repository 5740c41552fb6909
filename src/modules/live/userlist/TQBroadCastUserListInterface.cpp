#include "modules/live/userlist/TQBroadCastUserListInterface.h"

TQBroadCastUserListInterface::TQBroadCastUserListInterface(TQBroadCastMethodService *methodService,
                                                           TQLiveBroadCastContext *context)
    : TQLiveClassAccess(methodService, context)
{
}
