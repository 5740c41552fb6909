#pragma once

#include "actions/control/TQControlTextCommand.h"

// The random pick closes (code 125); sent to everybody with an empty text.
class TQControlRandomSelectExit : public TQControlTextCommand<TQControlRandomSelectExit, 125>
{
public:
    static TQControlRandomSelectExit *randomSelectExitFromString(std::string text) { return parse(text); }
};
