#include "ServiceCheck.h"

#include "RequestProbe.h"

#include "platform/http/httpRequest.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QStringList>
#include <QtTest>

ServiceCheck::Pairs ServiceCheck::fieldsOf(const StandInService::Request &request)
{
    if (request.parts.isEmpty())
        return request.form;
    Pairs pairs;
    for (const StandInService::Part &part : request.parts) {
        if (part.fileName.isEmpty())
            pairs.append({QString::fromUtf8(part.name), QString::fromUtf8(part.data)});
    }
    return pairs;
}

QString ServiceCheck::fileFieldOf(const StandInService::Request &request)
{
    for (const StandInService::Part &part : request.parts) {
        if (!part.fileName.isEmpty())
            return QString::fromUtf8(part.name);
    }
    return QString();
}

ServiceCheck::Pairs ServiceCheck::inKeyOrder(const QMap<QString, QString> &params)
{
    Pairs pairs;
    for (auto it = params.cbegin(); it != params.cend(); ++it)
        pairs.append({it.key(), it.value()});
    return pairs;
}

QMap<QString, QString> ServiceCheck::withCommon(QMap<QString, QString> own, const QMap<QString, QString> &common)
{
    for (auto it = common.cbegin(); it != common.cend(); ++it) {
        if (!own.contains(it.key()))
            own.insert(it.key(), it.value());
    }
    return own;
}

QJsonValue ServiceCheck::valueAt(const QJsonObject &object, const QString &path)
{
    QJsonValue value = object;
    for (const QString &step : path.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        bool isIndex = false;
        const int index = step.toInt(&isIndex);
        if (value.isArray() && isIndex) {
            const QJsonArray array = value.toArray();
            if (index < 0 || index >= array.size())
                return QJsonValue(QJsonValue::Undefined);
            value = array.at(index);
        } else if (value.isObject() && value.toObject().contains(step)) {
            value = value.toObject().value(step);
        } else {
            return QJsonValue(QJsonValue::Undefined);
        }
    }
    return value;
}

QString ServiceCheck::textAt(const QJsonObject &object, const QString &path)
{
    const QJsonValue value = valueAt(object, path);
    if (value.isString())
        return value.toString();
    if (value.isDouble())
        return QString::number(value.toDouble(), 'g', 17);
    if (value.isBool())
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    if (value.isObject())
        return QString::fromUtf8(QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact));
    if (value.isArray())
        return QString::fromUtf8(QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact));
    return value.isNull() ? QStringLiteral("null") : QString();
}

void ServiceCheck::verify(StandInService &service, const Case &c)
{
    service.clearRequests();
    service.clearReplies();
    if (!c.reply.isEmpty())
        service.setReply(c.path, StandInService::Reply::raw(c.reply, 200, "application/json"));
    httpRequest *request = c.make();
    QVERIFY2(request, "the operation made no request");
    QCOMPARE(request->url(), service.baseUrl() + c.path);
    RequestProbe probe(request);
    QVERIFY(probe.execAndWait());
    QVERIFY2(probe.succeeded(), qPrintable(probe.failure().getDebugMessage()));

    const QList<StandInService::Request> seen = service.requests();
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen[0].path, c.path);
    QCOMPARE(fileFieldOf(seen[0]), c.fileField);
    QCOMPARE(fieldsOf(seen[0]), inKeyOrder(c.fields));
    if (!c.replyPath.isEmpty())
        QCOMPARE(textAt(probe.response(), c.replyPath), c.replyText);
}

void ServiceCheck::addRows(const std::vector<Case> &cases)
{
    QTest::addColumn<int>("caseIndex");
    for (size_t i = 0; i < cases.size(); ++i)
        QTest::newRow(qPrintable(cases[i].name)) << int(i);
}

void ServiceCheck::verifyRow(StandInService &service, const std::vector<Case> &cases)
{
    QFETCH(int, caseIndex);
    QVERIFY(caseIndex >= 0 && size_t(caseIndex) < cases.size());
    verify(service, cases[size_t(caseIndex)]);
}
