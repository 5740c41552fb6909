#pragma once

// What a popover, a dialog or the top menu hands back: the type it was opened
// under, the choice and its subject (0 where there is none). Lives on the
// sender's stack for the length of the call.
class TQPopoverResponseData
{
public:
    TQPopoverResponseData() = default;

    int popoverType = 0;
    int responseCode = 0;
    int userId = 0;
};
