#pragma once

// Receives the processed camera frames.
class TQCameraByteDataListener
{
public:
    virtual ~TQCameraByteDataListener() = default;
};
