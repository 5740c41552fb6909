#pragma once

#include <QString>

class httpRequest;

// The sign-in and user requests. Stateless: every operation returns a new,
// unsent request; the caller connects it and calls exec(), after which it
// deletes itself.
class UserService
{
public:
    httpRequest *sendVerificationCode(const QString &mobilePhone);
    httpRequest *loginCheckByVerificationCode(const QString &mobilePhone, const QString &verificationCode);
    httpRequest *loginCheckByToken(const QString &mobilePhone, const QString &userID, const QString &token);
    httpRequest *loginCheckByPassword(const QString &mobilePhone, const QString &password);
    httpRequest *getUserAccount();
    httpRequest *getLecturerInfo();
    httpRequest *generateTempToken();
};
