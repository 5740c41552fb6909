#pragma once

#include "modules/live/communications/TQEventHandlerList.h"
#include "modules/live/communications/TQRTCEventHandlerInterface.h"

// The handler list a media engine reports to.
class TQRTCEventDelegate : public TQEventHandlerList<TQRTCEventHandlerInterface>
{
public:
    TQRTCEventDelegate();
};
