#include "common/remoteconfig/GradeItem.h"

GradeItem::GradeItem(const QJsonObject &json)
    : gradeId(json.value(QStringLiteral("gradeId")).toString()),
      gradeName(json.value(QStringLiteral("gradeName")).toString())
{
}

QJsonObject GradeItem::toJson() const
{
    return QJsonObject{{QStringLiteral("gradeId"), gradeId}, {QStringLiteral("gradeName"), gradeName}};
}
