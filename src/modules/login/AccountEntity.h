#pragma once

#include "modules/login/TokenEntity.h"
#include "modules/login/UserEntity.h"

#include <QJsonObject>

// The sign-in result ("returnResult" of a successful sign-in reply): the
// token, the user's profile and whether the account was just created.
class AccountEntity
{
public:
    AccountEntity() = default;
    explicit AccountEntity(const QJsonObject &loginResult);

    TokenEntity tokenStatus;
    UserEntity accountDetails;
    bool isNewUser = false;
};
