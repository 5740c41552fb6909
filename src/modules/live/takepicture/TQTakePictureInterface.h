#pragma once

// What the photo layout asks of the class.
class TQTakePictureInterface
{
public:
    virtual ~TQTakePictureInterface() = default;
};
