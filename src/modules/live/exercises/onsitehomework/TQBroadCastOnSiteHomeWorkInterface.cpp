#include "modules/live/exercises/onsitehomework/TQBroadCastOnSiteHomeWorkInterface.h"

TQBroadCastOnSiteHomeWorkInterface::TQBroadCastOnSiteHomeWorkInterface(TQBroadCastMethodService *methodService,
                                                                       TQLiveBroadCastContext *context)
    : TQLiveClassAccess(methodService, context)
{
}
