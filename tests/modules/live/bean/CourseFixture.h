#pragma once

#include <QByteArray>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

// The stand-in service's course-detail reply, read from its fixture file with
// the server address filled in as the stand-in of scripts/run would.
inline QByteArray courseDetailReplyBytes()
{
    QFile file(QStringLiteral(VELTRO_FIXTURE_DIR) + "/biz_mv/edu/v3/courses/getCourseScheduleDetailForLecturer.json");
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll().replace("${base}", "http://127.0.0.1:18480");
}

inline QJsonObject courseDetailFixture()
{
    return QJsonDocument::fromJson(courseDetailReplyBytes()).object().value("returnResult").toObject();
}
