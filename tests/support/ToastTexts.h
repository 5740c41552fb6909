#pragma once

#include "base/dialog/CToast.h"

#include <QLabel>
#include <QStringList>
#include <QWidget>

// The texts of the toasts a window shows (children of the window).
inline QStringList toastTextsOf(QWidget *window)
{
    QStringList texts;
    for (CToast *toast : window->findChildren<CToast *>())
        for (QLabel *label : toast->findChildren<QLabel *>())
            texts << label->text();
    return texts;
}
