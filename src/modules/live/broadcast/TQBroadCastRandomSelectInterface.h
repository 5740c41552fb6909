#pragma once

#include "modules/live/broadcast/TQLiveClassAccess.h"
#include "modules/live/exercises/randomselect/TQRandomSelectInterface.h"

// The class's answer to the random-pick dialog.
class TQBroadCastRandomSelectInterface : public TQRandomSelectInterface, public TQLiveClassAccess
{
public:
    TQBroadCastRandomSelectInterface(TQBroadCastMethodService *methodService, TQLiveBroadCastContext *context);
};
