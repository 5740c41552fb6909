// The scroll position within the page: the scroll requests of the window, the
// scroll handler every board follows, and the sizes of the content and the
// visible area.
#include "modules/live/draws/TQDrawManager.h"

#include "actions/TQActionHelpers.h"
#include "actions/drawing/TQDrawingActionMoveUpDown.h"
#include "actions/drawing/TQDrawingActionSave.h"
#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/TQDataModelBean.h"
#include "modules/live/draws/TQDrawBackgroundLayout.h"
#include "modules/live/draws/TQDrawDataSourceInterface.h"
#include "modules/live/draws/TQDrawForegroundLayout.h"
#include "modules/live/draws/TQDrawShadeView.h"
#include "modules/live/draws/TQDrawSketchView.h"
#include "modules/live/draws/TQDrawTemporalLayout.h"
#include "modules/live/draws/TQDrawTemporalView.h"
#include "modules/live/draws/TQDrawingElement.h"
#include "modules/live/draws/TQPathCalligraphy.h"
#include "modules/live/draws/TQPathCircle.h"
#include "modules/live/draws/TQPathImage.h"
#include "modules/live/draws/TQPathLine.h"
#include "shapes/TQShapeGeneric.h"
#include "utils/CLog.h"

#include <QQuickItem>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

const char kPageBottomToast[] = "已经到达本讲义页最低处，请换页讲解";
constexpr int kPageBottomToastType = 301;
constexpr int kBoardLimitToastMs = 2000;

// A received offset times a scale may leave the int range: limit in double.
int limitedInt(double value, int low, int high)
{
    if (!(value > low))
        return low;
    if (value >= high)
        return high;
    return int(value);
}

QString textOf(const TQDrawingAction &action)
{
    std::string text;
    action.toString(text);
    return QString::fromStdString(text);
}

int bottomOf(const std::vector<TQPointWF> &points)
{
    float bottom = 0;
    for (const TQPointWF &p : points)
        bottom = std::max(bottom, p.y);
    return limitedInt(std::ceil(bottom), 0, INT_MAX);
}

int bottomOf(const QList<TQDrawingElement *> *elements)
{
    qint64 bottom = 0;
    if (elements) {
        for (const TQDrawingElement *e : *elements) {
            if (e)
                bottom = std::max(bottom, qint64(e->y) + e->height);
        }
    }
    return int(std::min<qint64>(bottom, INT_MAX));
}

} // namespace

int TQDrawManager::maxTopOffset() const
{
    const double height = mCanvasSize.height();
    return int((height * mMaxNumberOfScreen * mZoom - height) / mZoom);
}

int TQDrawManager::getMaxContentHeight() const
{
    return int(mCanvasSize.height() * mMaxNumberOfScreen);
}

int TQDrawManager::scrollUp(int step)
{
    if (step <= 0)
        step = mCanvasSize.height() / 4;
    const int top = int(std::max<qint64>(0, qint64(mTopOffset) - step));
    updateTopOffset(top, false);
    return top;
}

int TQDrawManager::scrollDown(int step)
{
    if (step < 1)
        step = mCanvasSize.height() / 4;
    const int maxTop = maxTopOffset();
    const qint64 wanted = qint64(mTopOffset) + step;
    if (maxTop < wanted) {
        CLog::printf("TQDrawManager::scrollDown reach yMaxTopOffsetLimit(%d), mMaxNumberOfScreen(%.1f).", maxTop,
                     double(mMaxNumberOfScreen));
        if (mDataSource)
            mDataSource->showToast(QString::fromUtf8(kPageBottomToast), kPageBottomToastType, kBoardLimitToastMs);
    }
    const int top = int(std::min<qint64>(maxTop, wanted));
    updateTopOffset(top, false);
    return top;
}

int TQDrawManager::scrollToY(int position, int range)
{
    const int maxTop = maxTopOffset();
    // A scroll bar without a range has nowhere to go.
    const double y = range == 0 ? 0.0
                                : double(mCanvasSize.height()) * mMaxNumberOfScreen * position * mZoom / range;
    const int top = limitedInt(y, 0, maxTop);
    CLog::debug(QStringLiteral("height %1 scroll param %2,%3, yMax%4, get y%5")
                    .arg(mCanvasSize.height())
                    .arg(position)
                    .arg(range)
                    .arg(maxTop)
                    .arg(limitedInt(y, INT_MIN, INT_MAX)),
                QStringLiteral("TQDrawManager::scrollToY "));
    updateTopOffset(top, false);
    return top;
}

void TQDrawManager::updateTopOffset(int y, bool standalone)
{
    if (auto *shape = dynamic_cast<TQShapeGeneric *>(mCurrentTool)) {
        // The shape is finished where it is before the page moves under it.
        shape->draw(this, true, true);
        TQShapeParams params;
        params.id = nextSequenceNumber(true);
        selectShapeTool(-1, params);
    }
    if (mMaterialId <= 0) {
        CLog::error(QStringLiteral("get error materialID : %1").arg(mMaterialId),
                    QStringLiteral("TQDrawManager::updateTopOffset "));
        return;
    }
    const int user = signedInUserId();
    // Quarter units, as every drawing action carries them; kept in range.
    const auto quarter = [](double v) { return limitedInt(v * 4, INT_MIN, INT_MAX); };
    const int top = quarter(y);
    queueMoveUpDown(mMaterialId, mPageIndex, quarter(int(mCanvasSize.width() * mZoom)),
                    quarter(int(mCanvasSize.height() * mZoom)), top, top, 0, 0, standalone, user);
    queueSave(mMaterialId, mPageIndex, mStrokeMark, user);
}

void TQDrawManager::internalDrawUpDown(TQDrawingActionMoveUpDown *action)
{
    CourseDetailBean *course = TQDataModelBean::m_pOngoingCourse;
    if (!course || !course->m_pOngoingMaterial) {
        CLog::error(QString::asprintf("TQDataModelBean::m_pOngoingCourse is %p m_pOngoingMaterial is null, but get updown action",
                                      static_cast<void *>(course)));
        if (action)
            CLog::error(QStringLiteral("updown=> materialID:%1,page:%2,offset:%3")
                            .arg(action->materialId)
                            .arg(action->pageIndex)
                            .arg(action->topOffset));
        delete action;
        return;
    }
    const bool materialChanged = action->materialId != mMaterialId;
    CLog::print(QStringLiteral("pDrawUpDown=>mTopOffset=%1,totoal=%2,source=%3,delta=%4,deltaY=%5,height=%6,width=%7,"
                               "visible width=%8")
                    .arg(action->topOffset)
                    .arg(action->secondOffset)
                    .arg(action->noAdjust)
                    .arg(action->standalone)
                    .arg(action->valueB)
                    .arg(action->canvasHeight)
                    .arg(action->canvasWidth)
                    .arg(mCanvasSize.width()));
    if (action->noAdjust == 0)
        adjustMaterialOrPage(*action);
    if (!mTemporalPaths.empty()) {
        CLog::printf("TQDrawManager::internalDrawUpDown 1-uncommited path count %d", int(mTemporalPaths.size()));
        saveNow(action->refresh);
        CLog::printf("TQDrawManager::internalDrawUpDown 2-uncommited path count %d", int(mTemporalPaths.size()));
    }
    if (action->canvasWidth <= 1) {
        CLog::error(QStringLiteral("refused action with canvas width %1").arg(action->canvasWidth),
                    QStringLiteral("TQDrawManager::internalDrawUpDown "));
        delete action;
        return;
    }
    const double scale = mCanvasSize.width() * 1.0 / action->canvasWidth;
    const int maxTop = maxTopOffset();
    const double wanted = action->topOffset * scale;
    // Every board stays within the page, whoever asked: a follower's scroll
    // (a student's stroke) is limited as well, only without the toast.
    const int newTop = limitedInt(wanted, 0, maxTop);
    if (wanted > maxTop && action->noAdjust == 0 && mDataSource)
        mDataSource->showToast(QString::fromUtf8(kPageBottomToast), kPageBottomToastType, kBoardLimitToastMs);
    action->topOffset = action->secondOffset = limitedInt(newTop / scale, INT_MIN, INT_MAX);
    action->standalone = false;
    action->valueA = action->valueB = 0;
    CLog::print(QStringLiteral("before relay draw up down %1").arg(textOf(*action)));
    if (action->publish) {
        CLog::print(QStringLiteral("relay draw up down %1").arg(textOf(*action)));
        publishClone(action);
    }
    mTopOffset = newTop;
    if (mDataSource) {
        mDataSource->setPageTopOffset(mTopOffset);
        mDataSource->setPageCanvasSize(mCanvasSize.width(), mCanvasSize.height());
    }
    clearPending(mTemporalPaths);
    if (action->refresh) {
        repaintTemporal();
        if (mSketchView)
            mSketchView->scrollTo(mTopOffset, mXOffset, mZoom);
        redrawBackground(materialChanged);
        redrawForeground(materialChanged);
    }
    delete action;
    updateContentSize();
}

void TQDrawManager::applyOwnScroll(int top, bool publish, bool refresh)
{
    auto *move = new TQDrawingActionMoveUpDown;
    move->materialId = mMaterialId;
    move->pageIndex = mPageIndex;
    move->topOffset = move->secondOffset = limitedInt(top * 4.0, 0, INT_MAX);
    move->canvasWidth = mCanvasSize.width() * 4;
    move->canvasHeight = mCanvasSize.height() * 4;
    move->standalone = false;
    move->senderId = signedInUserId();
    move->publish = publish;
    move->refresh = refresh;
    internalDrawUpDown(move);
}

void TQDrawManager::updateContentSize()
{
    const int top = mDataSource ? std::max(mTopOffset, mDataSource->getPageTopOffset()) : mTopOffset;
    const int width = int(mVisibleSize.width() * mZoom);
    const int height = int(mVisibleSize.height() * mZoom);
    if (mContentItem && (width > mContentItem->width() || height > mContentItem->height())) {
        const QSizeF size(width, height);
        for (QQuickItem *item : std::initializer_list<QQuickItem *>{mContentItem, mBackgroundLayout, mSketchView,
                                                                     mTemporalView, mForegroundLayout}) {
            if (item)
                item->setSize(size);
        }
        if (mBackgroundLayout)
            mBackgroundLayout->updateInContent();
        if (mSketchView)
            mSketchView->update();
        if (mTemporalView)
            mTemporalView->update();
        if (mForegroundLayout)
            mForegroundLayout->updateInContent();
    }
    if (mDataSource)
        mDataSource->notifyTopOffsetChanged(top);
}

void TQDrawManager::adjustVisibleSize(QSize size)
{
    if (mZoom != 1.0f) {
        mZoom = 1.0f;
        mXOffset = 0;
    }
    CLog::printf("TQDrawManager::adjustVisibleSize (w,h)=(%d, %d) mTopOffset=%d", size.width(), size.height(),
                 mTopOffset);
    mVisibleSize = size;
    if (mTemporalLayout) {
        mTemporalLayout->setVisibleSize(size);
        mTemporalLayout->setSize(size);
    }
    if (mShadeView)
        mShadeView->setSize(size);
    if (mTemporalView)
        mTemporalView->setVisibleSize(size);
    if (mSketchView)
        mSketchView->setVisibleSize(size, mZoom, mXOffset);
    updateContentSize();
    if (mBackgroundLayout)
        mBackgroundLayout->relayoutViews(mTopOffset, mZoom, mDataSource, mVisibleSize);
    if (mForegroundLayout)
        mForegroundLayout->reposition(mTopOffset, mZoom, mDataSource, mVisibleSize);
    updateTopOffset(mTopOffset, false);
}

void TQDrawManager::redrawBackground(bool materialChanged)
{
    if (mBackgroundLayout)
        mBackgroundLayout->redrawBackgroundLayout(materialChanged, mTopOffset, mZoom, mDataSource, mVisibleSize);
    updateContentSize();
}

void TQDrawManager::redrawForeground(bool materialChanged)
{
    updateContentSize();
    if (mForegroundLayout)
        mForegroundLayout->rebuild(materialChanged, mTopOffset, mZoom, mDataSource, mVisibleSize);
}

int TQDrawManager::backgroundBottom() const
{
    return mDataSource ? bottomOf(mDataSource->reservoirBackgroundElements()) : 0;
}

int TQDrawManager::foregroundBottom() const
{
    return mDataSource ? bottomOf(mDataSource->reservoirForegroundElements()) : 0;
}

int TQDrawManager::getContentBottom() const
{
    if (!mDataSource)
        return 0;
    int bottom = backgroundBottom();
    if (const QList<TQPath *> *paths = mDataSource->getPagePaths()) {
        for (const TQPath *path : *paths) {
            if (dynamic_cast<const TQPathLine *>(path) || dynamic_cast<const TQPathCalligraphy *>(path))
                bottom = std::max(bottom, bottomOf(path->points));
            else if (auto *circle = dynamic_cast<const TQPathCircle *>(path))
                bottom = std::max(bottom, limitedInt(std::ceil(circle->rect.bottom()), 0, INT_MAX));
            else if (auto *image = dynamic_cast<const TQPathImage *>(path))
                bottom = std::max(bottom, limitedInt(std::ceil(image->rect.bottom()), 0, INT_MAX));
        }
    }
    return bottom;
}
