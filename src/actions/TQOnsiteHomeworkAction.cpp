#include "actions/TQOnsiteHomeworkAction.h"

TQOnsiteHomeworkAction::TQOnsiteHomeworkAction(int code)
    : TQAction(code)
{
}

TQOnsiteHomeworkAction::~TQOnsiteHomeworkAction() = default;
