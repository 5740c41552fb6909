#include "common/remoteconfig/ConfigJson.h"

QStringList ConfigJson::toStringList(const QJsonValue &value)
{
    QStringList list;
    for (const QJsonValue &entry : value.toArray())
        list.append(entry.toString());
    return list;
}

QJsonArray ConfigJson::fromStringList(const QStringList &list)
{
    QJsonArray array;
    for (const QString &entry : list)
        array.append(entry);
    return array;
}
