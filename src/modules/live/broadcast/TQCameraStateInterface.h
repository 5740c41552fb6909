#pragma once

// How the camera controls of the class learn about the teacher's camera.
class TQCameraStateInterface
{
public:
    virtual ~TQCameraStateInterface() = default;
};
