#pragma once

#include "actions/control/TQControlTextCommand.h"

// The random pick opens (code 122); sent to everybody with an empty text.
class TQControlRandomSelectSetUp : public TQControlTextCommand<TQControlRandomSelectSetUp, 122>
{
public:
    static TQControlRandomSelectSetUp *randomSelectSetUpFromString(std::string text) { return parse(text); }
};
