#include "modules/login/UserRequestFactory.h"

#include "platform/http/ApiPaths.h"

httpRequest *UserRequestFactory::sendVerificationCode(const ParamMap &params)
{
    return form(ApiPaths::kSendVerificationCode, params);
}

httpRequest *UserRequestFactory::loginCheckByVerificationCode(const ParamMap &params)
{
    return form(ApiPaths::kLoginCheck, params);
}

httpRequest *UserRequestFactory::loginCheckByToken(const ParamMap &params)
{
    return form(ApiPaths::kLoginCheck, params);
}

httpRequest *UserRequestFactory::loginCheckByPassword(const ParamMap &params)
{
    return form(ApiPaths::kLoginCheck, params);
}

httpRequest *UserRequestFactory::getUserAccount(const ParamMap &params)
{
    return form(ApiPaths::kGetUserAccount, params);
}

httpRequest *UserRequestFactory::getLecturerInfo(const ParamMap &params)
{
    return form(ApiPaths::kGetLecturerInfo, params);
}

httpRequest *UserRequestFactory::generateTempToken(const ParamMap &params)
{
    return form(ApiPaths::kGenerateTempToken, params);
}
