#include "modules/live/userlist/TQUserListManager.h"

TQUserListManager::TQUserListManager(TQBroadCastMethodService *methodService, TQLiveBroadCastContext *context)
    : TQLiveClassAccess(methodService, context)
{
}
