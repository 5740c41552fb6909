#pragma once

#include <QEvent>

// The event the draw manager posts to itself once per queued action.
class TQQTActionEvent : public QEvent
{
public:
    TQQTActionEvent();

    // Registered once (hint 1001) and kept for the life of the process.
    static QEvent::Type eventType();
};
