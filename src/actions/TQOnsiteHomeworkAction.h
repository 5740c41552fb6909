#pragma once

#include "actions/TQAction.h"

// The onsite-homework family. No record of this client derives from it; it
// exists so that the packaging service can give such records envelope type 4.
class TQOnsiteHomeworkAction : public TQAction
{
public:
    ~TQOnsiteHomeworkAction() override;

protected:
    explicit TQOnsiteHomeworkAction(int code);
};
