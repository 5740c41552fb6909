#include "modules/record/TQLiveRecorderManager.h"

TQLiveRecorderManager::TQLiveRecorderManager(QObject *classWindow)
    : m_pClassWindow(classWindow)
{
    // Nothing is recorded yet, so nothing waits to be finished when the
    // window goes.
    if (classWindow)
        connect(classWindow, &QObject::destroyed, this, &QObject::deleteLater);
}
