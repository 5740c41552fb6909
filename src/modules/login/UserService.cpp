#include "modules/login/UserService.h"

#include "modules/login/UserRequestFactory.h"
#include "modules/login/UserRequestParams.h"

httpRequest *UserService::sendVerificationCode(const QString &mobilePhone)
{
    return UserRequestFactory::sendVerificationCode(UserRequestParams::sendVerificationCode(mobilePhone));
}

httpRequest *UserService::loginCheckByVerificationCode(const QString &mobilePhone, const QString &verificationCode)
{
    return UserRequestFactory::loginCheckByVerificationCode(
        UserRequestParams::loginCheckByVerificationCode(mobilePhone, verificationCode));
}

httpRequest *UserService::loginCheckByToken(const QString &mobilePhone, const QString &userID, const QString &token)
{
    return UserRequestFactory::loginCheckByToken(UserRequestParams::loginCheckByToken(mobilePhone, userID, token));
}

httpRequest *UserService::loginCheckByPassword(const QString &mobilePhone, const QString &password)
{
    return UserRequestFactory::loginCheckByPassword(UserRequestParams::loginCheckByPassword(mobilePhone, password));
}

httpRequest *UserService::getUserAccount()
{
    return UserRequestFactory::getUserAccount(UserRequestParams::getUserAccount());
}

httpRequest *UserService::getLecturerInfo()
{
    return UserRequestFactory::getLecturerInfo(UserRequestParams::getLecturerInfo());
}

httpRequest *UserService::generateTempToken()
{
    return UserRequestFactory::generateTempToken(UserRequestParams::generateTempToken());
}
