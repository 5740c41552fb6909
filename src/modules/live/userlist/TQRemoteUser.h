#pragma once

#include <string>

// A student handed to the student list: who he is and whether his video is
// to be attached only after he has settled in the video room (students who
// came online by themselves).
class TQRemoteUser
{
public:
    TQRemoteUser() = default;
    TQRemoteUser(int userId, const std::string &userName, bool renderLater = false);

    int mUserId = 0;
    std::string mUserName; // UTF-8
    bool mRenderLater = false;
};
