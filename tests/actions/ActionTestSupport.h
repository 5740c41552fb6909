#pragma once

#include "actions/TQAction.h"

#include <QMetaType>
#include <QString>

#include <memory>
#include <string>

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

// Builds a record of type A, lets fill set its fields, returns it shared.
template <class A, class Fill>
ActionPtr make(Fill fill)
{
    auto action = std::make_shared<A>();
    fill(*action);
    return action;
}
