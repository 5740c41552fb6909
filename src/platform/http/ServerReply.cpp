#include "platform/http/ServerReply.h"

#include "utils/CDataHelper.h"

#include <QJsonDocument>
#include <QJsonParseError>

#include <cmath>
#include <limits>

namespace {

// A status code the service may write as a number, as text, as a bool or as
// null. Anything that is not a whole number in one of these forms is refused
// rather than read as 0: a garbled code must not pass as a success.
bool readStatusCode(const QJsonValue &value, int &code)
{
    switch (value.type()) {
    case QJsonValue::Undefined:
    case QJsonValue::Null:
        code = 0;
        return true;
    case QJsonValue::Bool:
        code = value.toBool() ? 1 : 0;
        return true;
    case QJsonValue::Double: {
        const double number = value.toDouble();
        if (!std::isfinite(number) || std::trunc(number) != number || number < std::numeric_limits<int>::min()
            || number > std::numeric_limits<int>::max())
            return false;
        code = int(number);
        return true;
    }
    case QJsonValue::String: {
        bool ok = false;
        const int number = value.toString().trimmed().toInt(&ok, 10);
        if (!ok)
            return false;
        code = number;
        return true;
    }
    default:
        return false;
    }
}

} // namespace

ServerReply ServerReply::fromBody(const QByteArray &body)
{
    ServerReply reply;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError) {
        reply.m_parseError = true;
        reply.m_failure = Failure(Failure::kData, int(error.error), error.errorString());
        return reply;
    }
    // An array document carries no envelope: it is a success with nothing in it.
    reply.m_object = document.object();
    int code = 0;
    if (!readStatusCode(reply.m_object.value(QLatin1String("statusCode")), code)) {
        reply.m_failure = Failure(Failure::kData, 0, QStringLiteral("reply has an unreadable statusCode"));
        return reply;
    }
    if (code != 0) {
        reply.m_failure = Failure::operationError(
            code, CDataHelper::jsonValueToString(reply.m_object.value(QLatin1String("errorMsg"))));
        return reply;
    }
    reply.m_success = true;
    return reply;
}

bool ServerReply::isSuccess() const
{
    return m_success;
}

const QJsonObject &ServerReply::object() const
{
    return m_object;
}

const Failure &ServerReply::failure() const
{
    return m_failure;
}

bool ServerReply::isParseError() const
{
    return m_parseError;
}
