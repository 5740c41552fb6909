#pragma once

#include <QJsonObject>
#include <QString>

// One grade of the remote configuration's grade list.
struct GradeItem
{
    GradeItem() = default;
    explicit GradeItem(const QJsonObject &json);
    QJsonObject toJson() const;

    QString gradeId;
    QString gradeName;
};
