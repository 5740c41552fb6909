#pragma once

#include "platform/http/Failure.h"

#include <QJsonObject>
#include <QObject>
#include <QString>

class UserService;
class httpRequest;

// What the sign-in page drives: the verification code, the three sign-in
// modes and the temporary token. A successful sign-in is stored as the
// current user before loginSuccess_signal; failures are passed on as they
// came (the service's code 10030 counts as a wrong password up there).
// Holds no state between calls; each reply gets its own signal.
class LoginViewModel : public QObject
{
    Q_OBJECT

public:
    // `service` is not owned and must outlive this object.
    explicit LoginViewModel(UserService *service);

    void getVerificationCode(const QString &mobilePhone);
    void loginByVerificationCode(const QString &mobilePhone, const QString &verificationCode);
    // `userID` and `token` of the stored account.
    void loginByToken(const QString &mobilePhone, const QString &userID, const QString &token);
    void loginByPassword(const QString &mobilePhone, const QString &password);
    void generateTempToken();

signals:
    void loginSuccess_signal();
    void loginFailure_signal(Failure &f);
    // forLogin 0: the number is not registered.
    void getVerifyCodeSuccess_signal(int forLogin);
    void generateTempTokenSuccess_signal(QString tempToken);
    void failure_signal(Failure &f);

public slots:
    void handleLoginFailure_slot(Failure &f);
    void handleGetAuthCodeSuccess_slot(QJsonObject &reply);
    // A reply without a token or a user id is a data failure and stores
    // nothing: such an account could never make another request.
    void handleLoginSuccess_slot(QJsonObject &reply);
    void handleGenerateTempTokenSuccess_slot(QJsonObject &reply);
    void handleFailure_slot(Failure &f);

private:
    void sendLogin(httpRequest *request);

    UserService *m_userService;
};
