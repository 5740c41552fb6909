#pragma once

#include "actions/TQAction.h"

#include <QMetaType>
#include <QString>
#include <QtTest>

#include <memory>
#include <string>
#include <utility>
#include <vector>

// Helpers of the action tests: records in data tables and their texts.

using ActionPtr = std::shared_ptr<TQAction>;
Q_DECLARE_METATYPE(ActionPtr)

inline QString textOf(const TQAction &action)
{
    std::string text;
    action.toString(text);
    return QString::fromStdString(text);
}

inline QString textOf(const ActionPtr &action)
{
    return action ? textOf(*action) : QStringLiteral("<null>");
}

// The text of one record as the factory gets it: without its brackets.
inline std::string withoutBrackets(const QString &text)
{
    return text.mid(1, text.size() - 2).toStdString();
}

// A record of type A built from args, shared.
template <class A, class... Args>
ActionPtr makeRecord(Args &&...args)
{
    return std::make_shared<A>(std::forward<Args>(args)...);
}

// Builds a record of type A, lets fill set its fields, returns it shared.
template <class A, class Fill>
ActionPtr make(Fill fill)
{
    auto action = std::make_shared<A>();
    fill(*action);
    return action;
}

// A record with its exact text. roundTrips is false where a field is written
// but not read back, or the code has no parser.
struct Golden
{
    const char *name;
    ActionPtr action;
    const char *text;
    bool roundTrips;
};

// Rows (action, text) of every golden record.
inline void addGoldenTextRows(const std::vector<Golden> &goldens)
{
    QTest::addColumn<ActionPtr>("action");
    QTest::addColumn<QString>("text");
    for (const Golden &golden : goldens)
        QTest::newRow(golden.name) << golden.action << QString::fromUtf8(golden.text);
}

// Rows (action) of the golden records that parse back to themselves.
inline void addRoundTripRows(const std::vector<Golden> &goldens)
{
    QTest::addColumn<ActionPtr>("action");
    for (const Golden &golden : goldens) {
        if (golden.roundTrips)
            QTest::newRow(golden.name) << golden.action;
    }
}
