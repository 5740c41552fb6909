#pragma once

#include "actions/control/TQControlTextCommand.h"

// The random pick completed (code 131); neither sent nor parsed here.
class TQControlRandomSelectComplete : public TQControlTextCommand<TQControlRandomSelectComplete, 131>
{
};
