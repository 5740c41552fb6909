#pragma once

#include "modules/live/broadcast/TQLiveClassAccess.h"
#include "modules/live/menu/TQBlackboardWritingToolsInterface.h"

// The class's answer to the writing tools of the menus.
class TQBroadCastBlackboardWritingToolsInterface : public TQBlackboardWritingToolsInterface, public TQLiveClassAccess
{
public:
    TQBroadCastBlackboardWritingToolsInterface(TQBroadCastMethodService *methodService,
                                               TQLiveBroadCastContext *context);
    virtual ~TQBroadCastBlackboardWritingToolsInterface();
};
