#pragma once

// What the RTMP publisher asks of its owner. Called on the publisher's
// own thread.
class RtmpPublisherInterface
{
public:
    virtual ~RtmpPublisherInterface() = default;
};
