#pragma once

#include "modules/live/broadcast/TQLiveClassAccess.h"
#include "modules/live/pptplayer/TQPPTPlayerInterface.h"

// The class's answer to the PPT animation player.
class TQBroadCastPPTPlayerInterface : public TQPPTPlayerInterface, public TQLiveClassAccess
{
public:
    TQBroadCastPPTPlayerInterface(TQBroadCastMethodService *methodService, TQLiveBroadCastContext *context);
};
