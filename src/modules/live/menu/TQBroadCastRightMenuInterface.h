#pragma once

#include "modules/live/broadcast/TQLiveClassAccess.h"
#include "modules/live/menu/TQRightMenuInterface.h"

// The class's answer to the right menu.
class TQBroadCastRightMenuInterface : public TQRightMenuInterface, public TQLiveClassAccess
{
public:
    TQBroadCastRightMenuInterface(TQBroadCastMethodService *methodService, TQLiveBroadCastContext *context);
};
