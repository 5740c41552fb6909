#include "modules/live/broadcast/tempView.h"

#include "modules/live/draws/TQDrawTouchView.h"
#include "utils/CLog.h"
#include "utils/TimeUtils.h"

#include <QTabletEvent>

tempView::tempView()
    : QQuickView()
{
}

void tempView::tabletEvent(QTabletEvent *event)
{
    // Left unaccepted until there is a board: Qt then makes mouse input out
    // of the pen.
    if (!touchTarget)
        return;
    const QPoint position = event->globalPos();
    switch (event->type()) {
    case QEvent::TabletPress:
        lastPoint = QPoint(-1, -1);
        repeatCount = 0;
        pressed = true;
        moveCount = 0;
        ++pressCount;
        movesSincePress = 0;
        if (pressCount < kTimedPresses)
            pressTime = currentTimeMillis();
        forwardToTarget(position, QEvent::TabletPress);
        break;
    case QEvent::TabletMove:
        ++moveCount;
        ++movesSincePress;
        if (!pressed)
            break;
        if (position == lastPoint) {
            // A resting pen repeats its position; one repeat is enough.
            if (++repeatCount > 1)
                break;
        } else {
            repeatCount = 0;
        }
        lastPoint = position;
        forwardToTarget(position, QEvent::TabletMove);
        break;
    case QEvent::TabletRelease:
        if (pressed) {
            lastPoint = position;
            pressed = false;
            forwardToTarget(position, QEvent::TabletRelease);
        }
        if (pressCount < kTimedPresses)
            CLog::log(QStringLiteral("touch event %1-%2 get point %3")
                          .arg(pressTime)
                          .arg(currentTimeMillis())
                          .arg(movesSincePress),
                      QStringLiteral("%1 ").arg(QStringLiteral("tempView::tabletEvent")));
        break;
    default:
        break;
    }
    // Taken: Qt makes no mouse events out of it.
    event->accept();
}

void tempView::forwardToTarget(QPoint globalPos, int type)
{
    touchTarget->globalTabletEvent_slot(globalPos, type);
}
