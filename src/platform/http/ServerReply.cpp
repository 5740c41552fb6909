#include "platform/http/ServerReply.h"

#include "utils/CDataHelper.h"

#include <QJsonDocument>
#include <QJsonParseError>

#include <cmath>
#include <limits>

namespace {

// Only a whole JSON number within the int range is a status code: a text, a
// boolean or a fraction would otherwise be read as 0 and pass as success.
bool readStatusCode(const QJsonValue &value, int &code)
{
    if (!value.isDouble())
        return false;
    const double number = value.toDouble();
    if (!std::isfinite(number) || std::trunc(number) != number || number < std::numeric_limits<int>::min()
        || number > std::numeric_limits<int>::max())
        return false;
    code = int(number);
    return true;
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
    if (!document.isObject()) {
        reply.m_failure = Failure(Failure::kData, 0, QStringLiteral("reply is not a JSON object"));
        return reply;
    }
    reply.m_object = document.object();
    int code = 0;
    if (!readStatusCode(reply.m_object.value(QLatin1String("statusCode")), code)) {
        reply.m_failure = Failure(Failure::kData, 0, QStringLiteral("reply has no numeric statusCode"));
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
