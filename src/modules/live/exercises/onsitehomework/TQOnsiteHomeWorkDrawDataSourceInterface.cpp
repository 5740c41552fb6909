#include "modules/live/exercises/onsitehomework/TQOnsiteHomeWorkDrawDataSourceInterface.h"

TQOnsiteHomeWorkDrawDataSourceInterface::TQOnsiteHomeWorkDrawDataSourceInterface(TQBroadCastMethodService *methodService,
                                                                                 TQLiveBroadCastContext *context)
    : TQLiveClassAccess(methodService, context)
{
}
