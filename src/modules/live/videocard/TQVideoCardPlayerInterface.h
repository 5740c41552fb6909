#pragma once

// What the video-card player reports to the class. It has no virtual
// destructor, so nobody may delete an implementation through it.
class TQVideoCardPlayerInterface
{
protected:
    ~TQVideoCardPlayerInterface() = default;
};
