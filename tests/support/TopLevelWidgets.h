#pragma once

#include <QApplication>
#include <QList>
#include <QWidget>

// The top-level windows of one class, e.g. the boxes and toasts a static
// function created without handing them back.
template <class T>
QList<T *> topLevelWidgetsOf()
{
    QList<T *> list;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *widget : windows) {
        if (auto *typed = qobject_cast<T *>(widget))
            list << typed;
    }
    return list;
}
