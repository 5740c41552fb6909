#include "modules/live/draws/TQQTActionEvent.h"

TQQTActionEvent::TQQTActionEvent()
    : QEvent(eventType())
{
}

QEvent::Type TQQTActionEvent::eventType()
{
    static const QEvent::Type type = QEvent::Type(QEvent::registerEventType(1001));
    return type;
}
