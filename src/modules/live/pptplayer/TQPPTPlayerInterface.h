#pragma once

// What the PPT animation player reports to the class.
class TQPPTPlayerInterface
{
public:
    virtual ~TQPPTPlayerInterface() = default;
};
