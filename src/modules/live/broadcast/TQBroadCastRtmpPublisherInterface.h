#pragma once

#include "modules/record/RtmpPublisherInterface.h"

class TQBroadCastMethodService;

// The class's answer to the RTMP publisher. The window deletes it after
// stopping the publisher, so the publisher's thread never calls a deleted one.
class TQBroadCastRtmpPublisherInterface : public RtmpPublisherInterface
{
public:
    explicit TQBroadCastRtmpPublisherInterface(TQBroadCastMethodService *methodService);

    TQBroadCastMethodService *methodService() const { return mMethodService; }

private:
    TQBroadCastMethodService *const mMethodService;
};
