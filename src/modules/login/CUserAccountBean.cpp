#include "modules/login/CUserAccountBean.h"

#include "utils/CDataHelper.h"
#include "utils/JsonField.h"

#include <QByteArray>
#include <QtMath>

namespace {

const JsonField<CUserAccountBean, QString> kTextFields[] = {
    {"activity_info", &CUserAccountBean::activity_info},
    {"user_id", &CUserAccountBean::user_id_str},
    {"mobile_phone", &CUserAccountBean::mobile_phone},
    {"balance_info", &CUserAccountBean::balance_info},
    {"info", &CUserAccountBean::info},
    {"invitation_profit_msg", &CUserAccountBean::invitation_profit_msg},
    {"invitation_code_msg", &CUserAccountBean::invitation_code_msg},
    {"invitation_code", &CUserAccountBean::invitation_code},
    {"teaching_profit_msg", &CUserAccountBean::teaching_profit_msg},
    {"time_available_info", &CUserAccountBean::time_available_info},
};

const JsonField<CUserAccountBean, int> kIntFields[] = {
    {"balance", &CUserAccountBean::balance},
    {"cashable_balance", &CUserAccountBean::cashable_balance},
    {"income", &CUserAccountBean::income},
    {"income_of_today", &CUserAccountBean::income_of_today},
    {"locked_amount", &CUserAccountBean::locked_amount},
    {"t_balance", &CUserAccountBean::t_balance},
    {"t_cashable_balance", &CUserAccountBean::t_cashable_balance},
    {"t_withdraw", &CUserAccountBean::t_withdraw},
    {"time_available", &CUserAccountBean::time_available},
    {"wait_to_pay", &CUserAccountBean::wait_to_pay},
    {"withdraw", &CUserAccountBean::withdraw},
    {"l_balance", &CUserAccountBean::l_balance},
};

float floatFromText(const std::string &text)
{
    bool ok = false;
    const float value = QByteArray::fromStdString(text).trimmed().toFloat(&ok);
    return ok && qIsFinite(value) ? value : 0.0f;
}

} // namespace

CUserAccountBean::CUserAccountBean(const QJsonObject &result)
    : user_id(CDataHelper::jsonValueToLongLong(result.value(QStringLiteral("user_id"))))
    , coins_available(floatFromText(CDataHelper::jsonValueToStdString(result.value(QStringLiteral("coins_available")))))
{
    readJsonFields(*this, result, kTextFields, CDataHelper::jsonValueToString);
    readJsonFields(*this, result, kIntFields, CDataHelper::jsonValueToInt);
}
