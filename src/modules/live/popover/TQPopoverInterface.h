#pragma once

// How a popover panel hands the teacher's choice back to the class.
class TQPopoverInterface
{
public:
    virtual ~TQPopoverInterface() = default;
};
