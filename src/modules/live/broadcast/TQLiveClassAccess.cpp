#include "modules/live/broadcast/TQLiveClassAccess.h"

TQLiveClassAccess::TQLiveClassAccess(TQBroadCastMethodService *methodService, TQLiveBroadCastContext *context)
    : mMethodService(methodService)
    , mContext(context)
{
}
