#pragma once

#include "platform/http/Failure.h"

#include <QByteArray>
#include <QJsonObject>

// The envelope every endpoint answers with:
// {"statusCode": number, "errorMsg": text, "returnResult": object}.
// "statusCode" may come as a number, as a number written as text, as a bool
// or as null; a missing one counts as 0, and 0 is success. A JSON array
// document is a success with an empty object. A body that is no JSON, or a
// "statusCode" that is no whole number in any of those forms (a fraction,
// "abc", an object), is a data failure, never a success.
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
