#pragma once

// What the onsite-homework layout asks of the class.
class TQOnsiteHomeworkInterface
{
public:
    virtual ~TQOnsiteHomeworkInterface() = default;
};
