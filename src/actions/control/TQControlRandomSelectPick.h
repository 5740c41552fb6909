#pragma once

#include "actions/control/TQControlTextCommand.h"

// The random pick chose a student (code 124): mText is the user id as decimal text.
class TQControlRandomSelectPick : public TQControlTextCommand<TQControlRandomSelectPick, 124>
{
public:
    static TQControlRandomSelectPick *randomSelectPickFromString(std::string text) { return parse(text); }
};
