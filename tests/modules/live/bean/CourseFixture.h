#pragma once

#include <QByteArray>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

// The stand-in service's course-detail reply, read from its fixture file.
inline QByteArray courseDetailReplyBytes()
{
    QFile file(QStringLiteral(VELTRO_FIXTURE_DIR) + "/biz_mv/edu/v3/courses/getCourseScheduleDetailForLecturer.json");
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QJsonObject courseDetailFixture()
{
    return QJsonDocument::fromJson(courseDetailReplyBytes()).object().value("returnResult").toObject();
}
