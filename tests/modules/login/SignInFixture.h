#pragma once

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

// "returnResult" of the recorded sign-in reply: odd characters in every text
// field, ids as the service sends them.
inline QJsonObject signInFixtureResult()
{
    QFile file(QFINDTESTDATA("fixtures/signin_reply.json"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object().value("returnResult").toObject();
}
