#include "modules/live/userlist/TQRemoteUser.h"

TQRemoteUser::TQRemoteUser(int userId, const std::string &userName, bool renderLater)
    : mUserId(userId)
    , mUserName(userName)
    , mRenderLater(renderLater)
{
}
