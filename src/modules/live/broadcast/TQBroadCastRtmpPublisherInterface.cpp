#include "modules/live/broadcast/TQBroadCastRtmpPublisherInterface.h"

TQBroadCastRtmpPublisherInterface::TQBroadCastRtmpPublisherInterface(TQBroadCastMethodService *methodService)
    : mMethodService(methodService)
{
}
