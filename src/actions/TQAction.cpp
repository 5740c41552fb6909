#include "actions/TQAction.h"

TQAction::TQAction(int code)
    : type(code)
{
}

TQAction::~TQAction() = default;

void TQAction::toString(std::string &out) const
{
    out = "TQAction";
}

int TQAction::kind() const
{
    return (type < 0 || type >= 100) ? 3 : 0;
}
