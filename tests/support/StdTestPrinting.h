#pragma once

#include <QByteArray>
#include <QtTest>

#include <string>
#include <vector>

// Lets QCOMPARE print the standard library values the records hold.
namespace QTest {

template <>
inline char *toString(const std::string &text)
{
    return toString(QByteArray::fromStdString(text));
}

template <>
inline char *toString(const std::vector<int> &values)
{
    QByteArray out("{");
    for (size_t i = 0; i < values.size(); ++i)
        out += (i ? ", " : "") + QByteArray::number(values[i]);
    return qstrdup(out + "}");
}

template <>
inline char *toString(const std::vector<std::string> &values)
{
    QByteArray out("{");
    for (size_t i = 0; i < values.size(); ++i)
        out += (i ? ", \"" : "\"") + QByteArray::fromStdString(values[i]) + "\"";
    return qstrdup(out + "}");
}

} // namespace QTest
