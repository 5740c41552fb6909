#pragma once

#include "StandInService.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>

#include <functional>
#include <vector>

class httpRequest;

// What the service tests compare: the fields a request carried as the
// stand-in received them, and values deep in a reply.
class ServiceCheck
{
public:
    using Pairs = QList<QPair<QString, QString>>;

    // One row of a service table: an operation, what the server must
    // receive, and one value of the (fixture) reply it must emit.
    struct Case
    {
        QString name;
        std::function<httpRequest *()> make;
        QString path;                   // as the server sees it
        QMap<QString, QString> fields;  // every text field, any order
        QString fileField;              // empty for a form
        QString replyPath;              // see valueAt
        QString replyText;              // see textAt
        QByteArray reply;               // the body to answer; empty: the fixture
    };

    // Sends the case's request to `service` (whose requests are cleared
    // first) and compares; mismatches are recorded as QTest failures.
    static void verify(StandInService &service, const Case &c);
    // A `_data` function's rows, one per case, and the test that runs the
    // current row.
    static void addRows(const std::vector<Case> &cases);
    static void verifyRow(StandInService &service, const std::vector<Case> &cases);

    // The form fields in the order sent, or the text parts of a multipart body.
    static Pairs fieldsOf(const StandInService::Request &request);
    // The name of the file part of a multipart body; "" for a form.
    static QString fileFieldOf(const StandInService::Request &request);
    // A parameter map's pairs in key order, the order the client sends them.
    static Pairs inKeyOrder(const QMap<QString, QString> &params);
    // `own` plus each of `common` it does not set itself.
    static QMap<QString, QString> withCommon(QMap<QString, QString> own, const QMap<QString, QString> &common);
    // The value at a "/"-separated path of object keys and array indexes
    // ("returnResult/course_schedules/0/course_id"); undefined when absent.
    static QJsonValue valueAt(const QJsonObject &object, const QString &path);
    // The same as text: strings unchanged, numbers in full, else compact JSON.
    static QString textAt(const QJsonObject &object, const QString &path);
};
