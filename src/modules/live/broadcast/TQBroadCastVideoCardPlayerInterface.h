#pragma once

#include "modules/live/broadcast/TQLiveClassAccess.h"
#include "modules/live/videocard/TQVideoCardPlayerInterface.h"

// The class's answer to the video-card player. Deleted through its own
// type: the player interface has no virtual destructor.
class TQBroadCastVideoCardPlayerInterface : public TQVideoCardPlayerInterface, public TQLiveClassAccess
{
public:
    TQBroadCastVideoCardPlayerInterface(TQBroadCastMethodService *methodService, TQLiveBroadCastContext *context);
    virtual ~TQBroadCastVideoCardPlayerInterface();
};
