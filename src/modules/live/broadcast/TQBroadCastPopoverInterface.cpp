#include "modules/live/broadcast/TQBroadCastPopoverInterface.h"

#include "modules/live/popover/TQPopoverResponseData.h"
#include "utils/CLog.h"

TQBroadCastPopoverInterface::TQBroadCastPopoverInterface(TQBroadCastMethodService *methodService,
                                                         TQLiveBroadCastContext *context)
    : TQLiveClassAccess(methodService, context)
{
}

void TQBroadCastPopoverInterface::responseFromPopover(TQPopoverResponseData *response, int popoverType)
{
    Q_UNUSED(popoverType)
    if (!response)
        return;
    CLog::printf("TQBroadCastPopoverInterface::responseFromPopover code=%d from userId=%ld", response->responseCode,
                 long(response->userId));
}
