#include "modules/login/LoginViewModel.h"

#include "modules/login/AccountEntity.h"
#include "modules/login/LoginManager.h"
#include "modules/login/UserService.h"
#include "platform/http/ApiCall.h"
#include "utils/CDataHelper.h"
#include "utils/CLog.h"

LoginViewModel::LoginViewModel(UserService *service) : m_userService(service) {}

void LoginViewModel::getVerificationCode(const QString &mobilePhone)
{
    ApiCall::send(m_userService->sendVerificationCode(mobilePhone), this,
                  &LoginViewModel::handleGetAuthCodeSuccess_slot, &LoginViewModel::handleFailure_slot);
}

void LoginViewModel::sendLogin(httpRequest *request)
{
    ApiCall::send(request, this, &LoginViewModel::handleLoginSuccess_slot, &LoginViewModel::handleLoginFailure_slot);
}

void LoginViewModel::loginByVerificationCode(const QString &mobilePhone, const QString &verificationCode)
{
    sendLogin(m_userService->loginCheckByVerificationCode(mobilePhone, verificationCode));
}

void LoginViewModel::loginByToken(const QString &mobilePhone, const QString &userID, const QString &token)
{
    sendLogin(m_userService->loginCheckByToken(mobilePhone, userID, token));
}

void LoginViewModel::loginByPassword(const QString &mobilePhone, const QString &password)
{
    sendLogin(m_userService->loginCheckByPassword(mobilePhone, password));
}

void LoginViewModel::generateTempToken()
{
    ApiCall::send(m_userService->generateTempToken(), this, &LoginViewModel::handleGenerateTempTokenSuccess_slot,
                  &LoginViewModel::handleFailure_slot);
}

void LoginViewModel::handleLoginFailure_slot(Failure &f)
{
    emit loginFailure_signal(f);
}

void LoginViewModel::handleGetAuthCodeSuccess_slot(QJsonObject &reply)
{
    emit getVerifyCodeSuccess_signal(
        CDataHelper::jsonValueToInt(ApiCall::returnResult(reply).value(QStringLiteral("forLogin"))));
}

void LoginViewModel::handleLoginSuccess_slot(QJsonObject &reply)
{
    const QJsonObject result = ApiCall::returnResult(reply);
    const AccountEntity account(result);
    if (account.tokenStatus.token.isEmpty() || account.accountDetails.user_id.isEmpty()) {
        CLog::error(QStringLiteral("login reply without token or user id"),
                    QStringLiteral("%1 ").arg(QLatin1String("LoginViewModel::handleLoginSuccess_slot")));
        Failure failure = Failure::dataError();
        emit loginFailure_signal(failure);
        return;
    }
    LoginManager::saveLoginInfo(result);
    emit loginSuccess_signal();
}

void LoginViewModel::handleGenerateTempTokenSuccess_slot(QJsonObject &reply)
{
    emit generateTempTokenSuccess_signal(
        ApiCall::returnResult(reply).value(QStringLiteral("temp_token")).toString());
}

void LoginViewModel::handleFailure_slot(Failure &f)
{
    emit failure_signal(f);
}
