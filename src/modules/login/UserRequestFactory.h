#pragma once

#include "platform/http/ApiRequestFactory.h"

// Requests of the sign-in and user endpoints; new, unsent, self-deleting.
// Each sign-in mode has its own factory for the one sign-in path.
class UserRequestFactory : public ApiRequestFactory
{
public:
    static httpRequest *sendVerificationCode(const ParamMap &params);
    static httpRequest *loginCheckByVerificationCode(const ParamMap &params);
    static httpRequest *loginCheckByToken(const ParamMap &params);
    static httpRequest *loginCheckByPassword(const ParamMap &params);
    static httpRequest *getUserAccount(const ParamMap &params);
    static httpRequest *getLecturerInfo(const ParamMap &params);
    static httpRequest *generateTempToken(const ParamMap &params);
};
