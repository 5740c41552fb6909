// Material, page and scroll changes as far as the stroke handlers need them.
// Page models, undo snapshots and images are applied elsewhere; here their
// actions only move the board's own position and are passed on.
#include "modules/live/draws/TQDrawManager.h"

#include "actions/drawing/TQDrawingActionMoveUpDown.h"
#include "actions/drawing/TQDrawingActionRestore.h"
#include "actions/drawing/TQDrawingActionSelectMaterial.h"
#include "actions/drawing/TQDrawingActionTurnPage.h"
#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/TQDataModelBean.h"
#include "modules/live/draws/TQDrawBackgroundLayout.h"
#include "modules/live/draws/TQDrawDataSourceInterface.h"
#include "modules/live/draws/TQDrawForegroundLayout.h"
#include "modules/live/draws/TQDrawShadeView.h"
#include "modules/live/draws/TQDrawSketchView.h"
#include "modules/live/draws/TQDrawTemporalLayout.h"
#include "modules/live/draws/TQDrawTemporalView.h"
#include "utils/CLog.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// A received offset times a scale may leave the int range.
int toIntClamped(double value)
{
    if (!(value > INT_MIN))
        return INT_MIN;
    if (value >= INT_MAX)
        return INT_MAX;
    return int(value);
}

} // namespace

void TQDrawManager::adjustMaterialOrPage(const TQDrawingAction &action)
{
    if (action.materialId <= 0) {
        CLog::error(QStringLiteral("get error material ID:%1").arg(action.materialId),
                    QStringLiteral("TQDrawManager::adjustMaterialOrPage "));
        return;
    }
    if (action.materialId != mMaterialId) {
        auto *select = new TQDrawingActionSelectMaterial;
        select->materialId = action.materialId;
        select->senderId = action.senderId;
        internalSelectMaterial(select);
    }
    if (action.pageIndex == mPageIndex)
        return;
    auto *turn = new TQDrawingActionTurnPage;
    turn->materialId = action.materialId;
    turn->pageIndex = mPageIndex;
    turn->targetPage = action.pageIndex;
    turn->senderId = action.senderId;
    internalDrawTurnPage(turn);
}

void TQDrawManager::internalSelectMaterial(TQDrawingAction *action)
{
    if (action->materialId <= 0) {
        CLog::error(QString::asprintf("get error material %p", static_cast<void *>(action)));
        delete action;
        return;
    }
    mMaterialId = action->materialId;
    mPageIndex = 0;
    if (mDataSource)
        mDataSource->changeOngoingMaterial(mMaterialId);
    publishItself(action);
}

void TQDrawManager::internalDrawTurnPage(TQDrawingAction *action)
{
    auto *turn = dynamic_cast<TQDrawingActionTurnPage *>(action);
    if (!turn || turn->materialId <= 0) {
        delete action;
        return;
    }
    // What was pending belongs to the page being left.
    if (!mTemporalPaths.empty())
        saveNow(turn->refresh);
    mPageIndex = turn->targetPage;
    ++mPageVisitCount;
    if (mDataSource)
        mDataSource->changeOngoingPage(mPageIndex);
    publishItself(action);
}

void TQDrawManager::internalDrawUpDown(TQDrawingActionMoveUpDown *action)
{
    const bool materialChanged = action->materialId != mMaterialId;
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
    int newTop = std::max(0, toIntClamped(action->topOffset * scale));
    const int canvasHeight = mCanvasSize.height();
    const int maxTop = int((canvasHeight * mMaxNumberOfScreen * mZoom - canvasHeight) / mZoom);
    if (newTop > maxTop && action->noAdjust == 0) {
        newTop = maxTop;
        if (mDataSource)
            mDataSource->showToast(QStringLiteral("已经到达本讲义页最低处，请换页讲解"), 301, 2000);
    }
    // A follower keeps a larger offset, but nothing lies below the page.
    newTop = std::min(newTop, int(canvasHeight * mMaxNumberOfScreen));
    action->topOffset = action->secondOffset = toIntClamped(newTop / scale);
    action->standalone = false;
    action->valueA = action->valueB = 0;
    publishClone(action);
    mTopOffset = newTop;
    if (mDataSource) {
        mDataSource->setPageTopOffset(mTopOffset);
        mDataSource->setPageCanvasSize(mCanvasSize.width(), mCanvasSize.height());
    }
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

void TQDrawManager::internalDrawRestore(TQDrawingAction *action)
{
    // Undo snapshots are not kept yet: the restore is passed on only.
    publishItself(action);
}

void TQDrawManager::internalDrawImage(TQDrawingAction *action)
{
    adjustMaterialOrPage(*action);
    publishItself(action);
}

void TQDrawManager::internalCutImagePortion(TQDrawingAction *action)
{
    adjustMaterialOrPage(*action);
    publishItself(action);
}

void TQDrawManager::queueRestoreCurrent(bool publish)
{
    auto *restore = new TQDrawingActionRestore;
    restore->materialId = mMaterialId;
    restore->pageIndex = mPageIndex;
    restore->snapshotId = mCurrentSnapshotId;
    restore->publish = publish;
    restore->senderId = signedInUserId();
    queueAction(restore);
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

void TQDrawManager::updateContentSize()
{
    if (mDataSource)
        mDataSource->notifyTopOffsetChanged(std::max(mTopOffset, mDataSource->getPageTopOffset()));
}

void TQDrawManager::updateBackForwardButtons()
{
    // The back and forward buttons follow the undo history, which is kept elsewhere.
}

// Scrolling and resizing: a scroll is asked for as a queued move action (and a
// save), applied in turn like every other board change.

int TQDrawManager::maxTopOffset() const
{
    const int canvasHeight = mCanvasSize.height();
    return int((canvasHeight * mMaxNumberOfScreen * mZoom - canvasHeight) / mZoom);
}

void TQDrawManager::scrollUp(int step)
{
    if (step <= 0)
        step = mCanvasSize.height() / 4;
    updateTopOffset(std::max(0, mTopOffset - step), false);
}

void TQDrawManager::scrollDown(int step)
{
    if (step < 1)
        step = mCanvasSize.height() / 4;
    const int maxTop = maxTopOffset();
    const qint64 wanted = qint64(mTopOffset) + step;
    if (maxTop < wanted) {
        CLog::printf("TQDrawManager::scrollDown reach yMaxTopOffsetLimit(%d), mMaxNumberOfScreen(%d).", maxTop,
                     int(mMaxNumberOfScreen));
        if (mDataSource)
            mDataSource->showToast(QStringLiteral("已经到达本讲义页最低处，请换页讲解"), 301, 2000);
    }
    updateTopOffset(int(std::min<qint64>(maxTop, wanted)), false);
}

void TQDrawManager::updateTopOffset(int y, bool standalone)
{
    if (mMaterialId <= 0) {
        CLog::error(QStringLiteral("get error materialID : %1").arg(mMaterialId),
                    QStringLiteral("TQDrawManager::updateTopOffset "));
        return;
    }
    const int user = signedInUserId();
    queueMoveUpDown(mMaterialId, mPageIndex, int(mCanvasSize.width() * mZoom) * 4,
                    int(mCanvasSize.height() * mZoom) * 4, y * 4, y * 4, 0, 0, standalone, user);
    queueSave(mMaterialId, mPageIndex, mStrokeMark, user);
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
        mTemporalLayout->setSize(QSizeF(size));
    }
    if (mShadeView)
        mShadeView->setSize(QSizeF(size));
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
