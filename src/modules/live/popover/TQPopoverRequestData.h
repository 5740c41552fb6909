#pragma once

// Base of the records that open a popover. The caller creates a record with
// new; whoever receives it deletes it. Subclasses are told apart with
// dynamic_cast.
class TQPopoverRequestData
{
public:
    TQPopoverRequestData() = default;
    virtual ~TQPopoverRequestData();

    TQPopoverRequestData(const TQPopoverRequestData &) = default;
    TQPopoverRequestData &operator=(const TQPopoverRequestData &) = default;
};
