#pragma once

#include <QJsonObject>
#include <QObject>
#include <QString>

// The teacher's account at the service: balances, income, time credit and
// the invitation texts. Amounts are kept as the server sends them (no unit
// conversion). Every field is optional; a missing or mistyped one reads as
// 0 or "".
class CUserAccountBean : public QObject
{
    Q_OBJECT

public:
    // `result`: the "returnResult" object of the account reply. No parent;
    // it belongs to its creator.
    explicit CUserAccountBean(const QJsonObject &result);

    QString activity_info;
    qint64 user_id = 0;
    QString user_id_str;
    QString mobile_phone;
    int balance = 0;
    QString balance_info;
    int cashable_balance = 0;
    int income = 0;
    int income_of_today = 0;
    QString info;
    QString invitation_profit_msg;
    QString invitation_code_msg;
    QString invitation_code;
    int locked_amount = 0;
    int t_balance = 0;
    int t_cashable_balance = 0;
    int t_withdraw = 0;
    QString teaching_profit_msg;
    int time_available = 0;
    QString time_available_info;
    int wait_to_pay = 0;
    int withdraw = 0;
    int l_balance = 0;
    // Sent as a number or as a text holding one; 0 for anything else.
    float coins_available = 0.0f;
};
