#pragma once

#include "actions/TQAction.h"

// Base of the status snapshots and reports. Its own text is empty.
class TQStatusAction : public TQAction
{
public:
    explicit TQStatusAction(int code);

    void toString(std::string &out) const override;
};
