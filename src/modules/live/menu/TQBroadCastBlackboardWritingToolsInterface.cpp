#include "modules/live/menu/TQBroadCastBlackboardWritingToolsInterface.h"

TQBroadCastBlackboardWritingToolsInterface::TQBroadCastBlackboardWritingToolsInterface(TQBroadCastMethodService *methodService,
                                                                                       TQLiveBroadCastContext *context)
    : TQLiveClassAccess(methodService, context)
{
}

TQBroadCastBlackboardWritingToolsInterface::~TQBroadCastBlackboardWritingToolsInterface() = default;
