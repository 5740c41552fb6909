#pragma once

#include <QPoint>
#include <QQuickView>

class QTabletEvent;
class TQDrawTouchView;

// The Qt Quick view of the class page. It catches the pen tablet's events for
// the whole page and hands their global positions to the board's touch layer,
// so that a stroke follows the tablet rather than the system's mouse
// emulation of it. Repeated positions are thinned out: the first repeat still
// goes through, later ones do not. GUI thread only.
class tempView : public QQuickView
{
    Q_OBJECT

public:
    // Presses from this one on are neither timed nor logged.
    static constexpr int kTimedPresses = 20;

    tempView();

    // Not owned. Until set (the board has no size yet), tablet events are
    // left to Qt.
    void setTouchTarget(TQDrawTouchView *target) { touchTarget = target; }
    TQDrawTouchView *target() const { return touchTarget; }

signals:
    // Declared for QML-side listeners; the forward to the board is a direct call.
    void globalTabletEvent(QPoint globalPos, int type);

protected:
    void tabletEvent(QTabletEvent *event) override;
    // The one way out to the touch layer.
    virtual void forwardToTarget(QPoint globalPos, int type);

private:
    int moveCount = 0;
    QPoint lastPoint;
    bool pressed = false;
    int repeatCount = 0;
    TQDrawTouchView *touchTarget = nullptr;
    qint64 pressTime = 0;
    int movesSincePress = 0;
    int pressCount = 0;
};
