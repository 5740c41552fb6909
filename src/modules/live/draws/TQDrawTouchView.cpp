#include "modules/live/draws/TQDrawTouchView.h"

#include "modules/live/draws/TQDrawDataSourceInterface.h"
#include "modules/live/draws/TQDrawManager.h"
#include "modules/live/draws/TQTouchInputProcessor.h"
#include "utils/CLog.h"
#include "utils/TimeUtils.h"

#include <QMouseEvent>
#include <QWheelEvent>

namespace {

constexpr int kHintToastType = 301;
constexpr int kHintToastMs = 1000;
// Moves to the same place beyond the second one carry nothing new.
constexpr int kMaxRepeats = 1;

} // namespace

TQDrawTouchView::TQDrawTouchView(QQuickItem *parent)
    : QQuickPaintedItem(parent)
{
    setAcceptedMouseButtons(Qt::LeftButton | Qt::RightButton | Qt::MiddleButton);
    setFillColor(Qt::transparent);
}

TQDrawTouchView::~TQDrawTouchView()
{
    mInputProcessor.reset();
    CLog::printf("TQDrawTouchView::~TQDrawTouchView");
}

void TQDrawTouchView::init(TQDrawManager *manager, int width, int height, bool)
{
    mDrawManager = manager;
    mViewSize = QSize(width, height);
    mInputProcessor = std::make_unique<TQTouchInputProcessor>(width, height);
}

void TQDrawTouchView::setViewSize(int width, int height)
{
    mViewSize = QSize(width, height);
    if (mInputProcessor)
        mInputProcessor->setViewSize(width, height);
}

void TQDrawTouchView::setDrawingEnabled(bool enabled, const std::string &hint)
{
    mDrawingEnabled = enabled;
    mDisabledHint = hint;
}

void TQDrawTouchView::setContentY(int value)
{
    if (mContentY != value) {
        mContentY = value;
        emit contentYChanged();
    }
    if (mDrawManager)
        mDrawManager->updateTopOffset(value, false);
}

void TQDrawTouchView::contentsSizeChanged()
{
    CLog::printf("TQDrawTouchView::contentsSizeChanged width=%.2f height=%.2f", width(), height());
}

void TQDrawTouchView::paint(QPainter *)
{
}

void TQDrawTouchView::onTouchEvent(QMouseEvent *event)
{
    // Input before init has no board to go to.
    if (!mDrawManager || !mInputProcessor)
        return;
    if (!mDrawingEnabled) {
        TQDrawDataSourceInterface *source = mDrawManager->dataSource();
        if (mDisabledHint.size() >= 2 && source)
            source->showToast(QString::fromStdString(mDisabledHint), kHintToastType, kHintToastMs);
        return;
    }
    const qint64 now = currentTimeMillis();
    const int x = event->x();
    const int y = event->y();
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        mRepeatCount = 1;
        const bool consumed = mInputProcessor->process(*event)->consumed != 0;
        mDrawManager->updateStrokeMark(consumed);
        if (!consumed) {
            mDrawManager->drawLineAddPoint(float(x), float(y), 0, now);
            if (TQDrawDataSourceInterface *source = mDrawManager->dataSource())
                source->onBoardTouched();
        }
        break;
    }
    case QEvent::MouseButtonRelease:
        if (mInputProcessor->process(*event)->consumed == 0) {
            mReleaseTimer.start(kPointerHideMs, this);
            mDrawManager->drawLineAddPoint(float(x), float(y), 2, now);
        }
        mInputProcessor->reset();
        break;
    case QEvent::MouseMove: {
        const qint64 t = currentTimeMillis();
        // Buffered tablet points are replayed all at once: thinning them by
        // time would lose the start of the stroke.
        if (t - mLastMoveTime < kMoveThinningMs && !mReplayingTabletPoints)
            break;
        mLastMoveTime = t;
        if (x == mLastX && y == mLastY)
            ++mRepeatCount;
        else
            mRepeatCount = 0;
        if (mRepeatCount <= kMaxRepeats && mInputProcessor->process(*event)->consumed == 0)
            mDrawManager->drawLineAddPoint(float(x), float(y), 1, now);
        break;
    }
    default:
        CLog::log(QString::asprintf("default no handled. onTouchEvent QMouseEvent::Type=%d", int(event->type())),
                  QStringLiteral("TQDrawTouchView::onTouchEvent "));
        break;
    }
    mLastX = x;
    mLastY = y;
}

void TQDrawTouchView::deliverSynthetic(QEvent::Type type, QPoint globalPos)
{
    const QPointF local = mapFromGlobal(QPointF(globalPos));
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent synthetic(type, local, QPointF(globalPos), Qt::LeftButton, buttons, Qt::NoModifier);
    onTouchEvent(&synthetic);
}

void TQDrawTouchView::mousePressEvent(QMouseEvent *event)
{
    if (mTabletActive) {
        deliverSynthetic(QEvent::MouseButtonPress, mTabletPressPos);
        mTabletPressDelivered = true;
    } else {
        onTouchEvent(event);
    }
    event->accept();
    mReplayingTabletPoints = true;
    for (const QPoint &p : mPendingTabletPoints)
        deliverSynthetic(QEvent::MouseMove, p);
    mReplayingTabletPoints = false;
    mPendingTabletPoints.clear();
}

void TQDrawTouchView::mouseMoveEvent(QMouseEvent *event)
{
    // The tablet's own moves carry a tablet stroke.
    if (mTabletActive) {
        event->ignore();
        return;
    }
    onTouchEvent(event);
    event->accept();
}

void TQDrawTouchView::mouseReleaseEvent(QMouseEvent *event)
{
    if (mTabletActive) {
        deliverSynthetic(QEvent::MouseButtonRelease, mTabletReleasePos);
        if (mTabletSessionCount < 10)
            CLog::log(QStringLiteral("tablet event done %1").arg(mTabletSessionCount),
                      QStringLiteral("TQDrawTouchView::mouseReleaseEvent "));
        ++mTabletSessionCount;
    } else {
        onTouchEvent(event);
    }
    mTabletActive = false;
    mTabletPressDelivered = false;
    event->accept();
}

void TQDrawTouchView::globalTabletEvent_slot(QPoint globalPos, int type)
{
    // Only the hard pens follow the tablet; the other brushes keep the
    // system's mouse emulation of the pen.
    if (!mDrawManager || (mDrawManager->brush().type != 0 && mDrawManager->brush().type != 1))
        return;
    switch (type) {
    case kTabletPress:
        mTabletActive = true;
        mPendingTabletPoints.clear();
        mTabletPressPos = globalPos;
        mTabletPressTime = currentTimeMillis();
        mTabletMoveCount = 0;
        break;
    case kTabletMove:
        ++mTabletMoveCount;
        if (!mTabletActive)
            break;
        if (mTabletPressDelivered)
            deliverSynthetic(QEvent::MouseMove, globalPos);
        else
            mPendingTabletPoints.push_back(globalPos);
        break;
    case kTabletRelease:
        mTabletPressDelivered = false;
        if (mTabletSessionCount < 20)
            CLog::log(QStringLiteral("touch event %1-%2 get point %3")
                          .arg(mTabletPressTime)
                          .arg(currentTimeMillis())
                          .arg(mTabletMoveCount),
                      QStringLiteral("TQDrawTouchView::globalTabletEvent_slot "));
        mTabletReleasePos = globalPos;
        break;
    default:
        break;
    }
}

void TQDrawTouchView::wheelEvent(QWheelEvent *event)
{
    if (!mDrawManager || !mDrawingEnabled || !mWheelScrollEnabled) {
        event->ignore();
        return;
    }
    const int delta = event->angleDelta().y();
    const int step = (delta < -19 || delta >= 20) ? delta / 10 : delta;
    if (step < 0)
        mDrawManager->scrollDown(-step);
    else
        mDrawManager->scrollUp(step);
    event->accept();
}

void TQDrawTouchView::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != mReleaseTimer.timerId()) {
        QQuickPaintedItem::timerEvent(event);
        return;
    }
    mReleaseTimer.stop();
    if (mDrawManager)
        mDrawManager->showPointer(false, 0, 0, 0, 0, QPoint());
    event->accept();
}
