#include "modules/live/broadcast/TQBroadCastRandomSelectInterface.h"

TQBroadCastRandomSelectInterface::TQBroadCastRandomSelectInterface(TQBroadCastMethodService *methodService,
                                                                   TQLiveBroadCastContext *context)
    : TQLiveClassAccess(methodService, context)
{
}

void TQBroadCastRandomSelectInterface::startRandomSelect(const std::vector<std::string> &) {}
void TQBroadCastRandomSelectInterface::stopRandomSelect(int) {}
void TQBroadCastRandomSelectInterface::closeRandomSelect() {}
void TQBroadCastRandomSelectInterface::upstage(int) {}
