#include "common/remoteconfig/HelpInfo.h"

HelpInfo::HelpInfo(const QJsonObject &json)
    : get_started(json.value(QStringLiteral("get_started")).toObject()),
      import_material(json.value(QStringLiteral("import_material")).toObject())
{
}

QJsonObject HelpInfo::toJson() const
{
    return QJsonObject{{QStringLiteral("get_started"), get_started.toJson()},
                       {QStringLiteral("import_material"), import_material.toJson()}};
}
