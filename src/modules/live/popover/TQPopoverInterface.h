#pragma once

class TQPopoverResponseData;

// How a popover panel hands the teacher's choice back to the class.
class TQPopoverInterface
{
public:
    virtual ~TQPopoverInterface() = default;

    // The choice of a popover opened under `popoverType`; the record is the
    // sender's and lives only for the call.
    virtual void responseFromPopover(TQPopoverResponseData *response, int popoverType)
    {
        (void)response;
        (void)popoverType;
    }
};
