#include "platform/http/ApiCall.h"

#include "utils/CLog.h"

QJsonObject ApiCall::returnResult(const QJsonObject &reply)
{
    return reply.value(QStringLiteral("returnResult")).toObject();
}

void ApiCall::logNoRequest(const char *receiverClass)
{
    CLog::error(QStringLiteral("no request to send"), QStringLiteral("%1 ").arg(QLatin1String(receiverClass)));
}
