#pragma once

#include <QJsonArray>
#include <QJsonValue>
#include <QStringList>

// The list readings the configuration records share.
class ConfigJson
{
public:
    // An array's entries in order, each entry that is no string as "";
    // anything but an array gives the empty list.
    static QStringList toStringList(const QJsonValue &value);
    static QJsonArray fromStringList(const QStringList &list);

private:
    ConfigJson() = delete;
};
