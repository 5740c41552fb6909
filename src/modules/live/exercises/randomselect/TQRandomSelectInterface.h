#pragma once

// What the random-pick dialog asks of the class.
class TQRandomSelectInterface
{
public:
    virtual ~TQRandomSelectInterface() = default;
};
