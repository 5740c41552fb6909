#include "actions/TQStatusAction.h"

TQStatusAction::TQStatusAction(int code)
    : TQAction(code)
{
}

void TQStatusAction::toString(std::string &out) const
{
    out.clear();
}
