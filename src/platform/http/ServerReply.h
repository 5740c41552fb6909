#pragma once

#include "platform/http/Failure.h"

#include <QByteArray>
#include <QJsonObject>

// The envelope every endpoint answers with:
// {"statusCode": number, "errorMsg": text, "returnResult": object}.
// A body is a success only when it is a JSON object whose "statusCode" is
// the number 0; anything else that is not such an object with an integral
// numeric "statusCode" is a data failure, never a success.
class ServerReply
{
public:
    static ServerReply fromBody(const QByteArray &body);

    bool isSuccess() const;
    // The whole reply object (empty when the body was no JSON object).
    const QJsonObject &object() const;
    // The failure of a reply that is no success.
    const Failure &failure() const;
    // Whether the body did not even parse as JSON (a parse error).
    bool isParseError() const;

private:
    ServerReply() = default;

    QJsonObject m_object;
    Failure m_failure;
    bool m_success = false;
    bool m_parseError = false;
};
