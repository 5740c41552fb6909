#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QLatin1String>

#include <cstddef>

// One field of a record parsed from JSON: the key and the member it fills.
// A record lists its fields in one table per member type and reads each
// table with the conversion of that type (see CDataHelper).
template <typename Record, typename T>
struct JsonField
{
    const char *key;
    T Record::*member;
};

template <typename Record, typename T, std::size_t N>
void readJsonFields(Record &record, const QJsonObject &json, const JsonField<Record, T> (&table)[N],
                    T (*read)(const QJsonValue &))
{
    for (const JsonField<Record, T> &field : table)
        record.*field.member = read(json.value(QLatin1String(field.key)));
}
