#pragma once

#include "modules/live/broadcast/TQLiveClassAccess.h"
#include "modules/live/exercises/randomselect/TQRandomSelectInterface.h"

// The class's answer to the random-pick dialog: each teacher action becomes a
// control action for every student. Keeps no state.
class TQBroadCastRandomSelectInterface : public TQRandomSelectInterface, public TQLiveClassAccess
{
public:
    TQBroadCastRandomSelectInterface(TQBroadCastMethodService *methodService, TQLiveBroadCastContext *context);

    void startRandomSelect(const std::vector<std::string> &userIds) override;
    void stopRandomSelect(int userId) override;
    void closeRandomSelect() override;
    void upstage(int userId) override;
};
