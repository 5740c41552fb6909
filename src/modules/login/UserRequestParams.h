#pragma once

#include "platform/http/ApiRequestParams.h"

// Parameters of the sign-in and user endpoints. The verification code and
// the three sign-in modes carry only their own keys: nobody is signed in
// yet, so no common parameters.
class UserRequestParams : public ApiRequestParams
{
public:
    static ParamMap sendVerificationCode(const QString &mobilePhone);
    static ParamMap loginCheckByVerificationCode(const QString &mobilePhone, const QString &verificationCode);
    // `userID` is the stored account's id, not the current user's.
    static ParamMap loginCheckByToken(const QString &mobilePhone, const QString &userID, const QString &token);
    static ParamMap loginCheckByPassword(const QString &mobilePhone, const QString &password);

    static ParamMap getUserAccount();
    // The current user's id also as "lectureUserID".
    static ParamMap getLecturerInfo();
    static ParamMap generateTempToken();

private:
    static ParamMap loginCheck(const QString &mobilePhone, const QString &loginMode);
};
