#include "modules/login/UserRequestParams.h"

#include "modules/login/LoginManager.h"

ParamMap UserRequestParams::sendVerificationCode(const QString &mobilePhone)
{
    return ParamMap{{QStringLiteral("mobilePhone"), mobilePhone}};
}

ParamMap UserRequestParams::loginCheck(const QString &mobilePhone, const QString &loginMode)
{
    return ParamMap{
        {QStringLiteral("mobilePhone"), mobilePhone},
        {QStringLiteral("loginMode"), loginMode},
        {QStringLiteral("fromStudentPoint"), QStringLiteral("0")},
        {QStringLiteral("loginForUserType"), QStringLiteral("8")},
    };
}

ParamMap UserRequestParams::loginCheckByVerificationCode(const QString &mobilePhone, const QString &verificationCode)
{
    ParamMap params = loginCheck(mobilePhone, QStringLiteral("1"));
    params.insert(QStringLiteral("verificationCode"), verificationCode);
    return params;
}

ParamMap UserRequestParams::loginCheckByToken(const QString &mobilePhone, const QString &userID, const QString &token)
{
    ParamMap params = loginCheck(mobilePhone, QStringLiteral("2"));
    params.insert(QStringLiteral("userID"), userID);
    params.insert(QStringLiteral("tokenPassed"), token);
    return params;
}

ParamMap UserRequestParams::loginCheckByPassword(const QString &mobilePhone, const QString &password)
{
    ParamMap params = loginCheck(mobilePhone, QStringLiteral("3"));
    params.insert(QStringLiteral("passwordStr"), password);
    return params;
}

ParamMap UserRequestParams::getUserAccount()
{
    return commonParams();
}

ParamMap UserRequestParams::getLecturerInfo()
{
    ParamMap params = commonParams();
    params.insert(QStringLiteral("lectureUserID"), LoginManager::getUserID());
    return params;
}

ParamMap UserRequestParams::generateTempToken()
{
    return commonParams();
}
