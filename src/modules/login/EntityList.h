#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>

// A list field of an account record: the elements of a JSON array, each read
// as an object (an element that is no object gives a record with empty
// fields); anything other than an array gives an empty list.
template <typename Entity>
QList<Entity> entityListFromJson(const QJsonValue &value)
{
    QList<Entity> list;
    const QJsonArray array = value.toArray();
    list.reserve(array.size());
    for (const QJsonValue &element : array)
        list.append(Entity(element.toObject()));
    return list;
}
