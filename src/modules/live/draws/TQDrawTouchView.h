#pragma once

#include <QBasicTimer>
#include <QPoint>
#include <QPointer>
#include <QQuickPaintedItem>
#include <QSize>

#include <memory>
#include <string>
#include <vector>

class QMouseEvent;
class TQDrawManager;
class TQTouchInputProcessor;

// The transparent item on top of the board that takes the teacher's pointer
// and pen input. Mouse presses, moves and releases become points of the draw
// manager's current tool; moves are thinned to one per 5 ms and repeated
// positions dropped after the second. For the hard pens a tablet stroke is
// carried by the tablet's own positions, which the window forwards, instead
// of the system's mouse emulation. It paints nothing. GUI thread only.
class TQDrawTouchView : public QQuickPaintedItem
{
    Q_OBJECT
    Q_PROPERTY(int contentY READ contentY WRITE setContentY NOTIFY contentYChanged)

public:
    // The tablet event types of QEvent, as the window forwards them.
    static constexpr int kTabletPress = 92;
    static constexpr int kTabletMove = 87;
    static constexpr int kTabletRelease = 93;
    static constexpr int kMoveThinningMs = 5;
    static constexpr int kPointerHideMs = 300;

    explicit TQDrawTouchView(QQuickItem *parent = nullptr);
    ~TQDrawTouchView() override;

    // `manager` is not owned. Until init, all input is dropped.
    void init(TQDrawManager *manager, int width, int height, bool unused);
    void setViewSize(int width, int height);
    QSize viewSize() const { return mViewSize; }
    const TQTouchInputProcessor *inputProcessor() const { return mInputProcessor.get(); }
    // `hint` (UTF-8) is shown when input arrives while drawing is disabled.
    void setDrawingEnabled(bool enabled, const std::string &hint);
    bool isDrawingEnabled() const { return mDrawingEnabled; }
    void setWheelScrollEnabled(bool enabled) { mWheelScrollEnabled = enabled; }
    // Kept for the window; not used.
    void setDrawLayoutItem(QObject *item) { mDrawLayoutItem = item; }

    int contentY() const { return mContentY; }
    void setContentY(int value);

    Q_INVOKABLE void contentsSizeChanged();

    void paint(QPainter *painter) override;

    // The common path of every mouse event, real or made from tablet events.
    void onTouchEvent(QMouseEvent *event);

signals:
    void contentYChanged();
    void morePoints(QPoint p, Qt::MouseButton button, bool isEnd);
    void scrollAt(QObject *item, int yPos);

public slots:
    void globalTabletEvent_slot(QPoint globalPos, int type);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    void deliverSynthetic(QEvent::Type type, QPoint globalPos);

    int mContentY = 0;
    int mLastX = 0;
    int mLastY = 0;
    int mRepeatCount = 0;
    qint64 mLastMoveTime = 0;
    qint64 mTabletPressTime = 0;
    int mTabletMoveCount = 0;
    QPoint mTabletPressPos;
    QPoint mTabletReleasePos;
    bool mDrawingEnabled = true;
    bool mWheelScrollEnabled = false;
    std::string mDisabledHint;
    // Guarded: the board's QML scene may outlive the draw layout that owns the manager.
    QPointer<TQDrawManager> mDrawManager;
    std::unique_ptr<TQTouchInputProcessor> mInputProcessor;
    QSize mViewSize;
    QBasicTimer mReleaseTimer;
    std::vector<QPoint> mPendingTabletPoints;
    bool mTabletActive = false;
    bool mTabletPressDelivered = false;
    int mTabletSessionCount = 0;
    bool mReplayingTabletPoints = false;
    QObject *mDrawLayoutItem = nullptr;
};
