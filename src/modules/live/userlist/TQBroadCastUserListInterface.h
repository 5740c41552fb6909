#pragma once

#include "modules/live/broadcast/TQLiveClassAccess.h"
#include "modules/live/userlist/TQUserListInterface.h"

// The class's answer to the student list ("userListInterface"). No parent; the
// window deletes it.
class TQBroadCastUserListInterface : public TQUserListInterface, public TQLiveClassAccess
{
    Q_OBJECT

public:
    TQBroadCastUserListInterface(TQBroadCastMethodService *methodService, TQLiveBroadCastContext *context);
};
