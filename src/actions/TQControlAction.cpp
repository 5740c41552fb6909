#include "actions/TQControlAction.h"

TQControlAction::TQControlAction(int code)
    : TQAction(code)
{
}

void TQControlAction::toString(std::string &out) const
{
    out.clear();
}
