#pragma once

#include <QJsonValue>
#include <QString>

#include <string>

// The key-value table "tq_mmkvs" of the local store: text values, or JSON
// values kept as their compact text, under UTF-8 keys. Usable from any thread.
class KV
{
public:
    // The stored text, "" when the key has none.
    static QString get(const std::string &key);
    // Stores the text, replacing an earlier one; false (and a log line) when
    // the store refused it.
    static bool set(const std::string &key, const QString &value);
    // The stored text parsed as JSON when it is an object or an array; a null
    // value otherwise.
    static QJsonValue getJsonValue(const std::string &key);
    // Stores the value's text form (compact JSON for objects and arrays).
    static bool setJsonValue(const std::string &key, const QJsonValue &value);
    // Deletes the key; a key that is not there is no failure.
    static bool remove(const std::string &key);

private:
    KV() = delete;
};
