// The one timer behind every deferred job, and the waiting shade it hides.
#include "modules/live/draws/TQDrawManager.h"

#include "actions/drawing/TQDrawingActionSave.h"
#include "actions/drawing/TQDrawingActionTurnPage.h"
#include "modules/live/draws/TQDrawDataSourceInterface.h"
#include "modules/live/draws/TQDrawShadeView.h"
#include "modules/live/draws/TQShapeAbstract.h"
#include "utils/TimeUtils.h"

#include <QTimerEvent>

#include <algorithm>

namespace {

constexpr int kTurnPageJobMs = 2000;
constexpr int kMaxShadeMs = 20000;
constexpr int kShadeGraceMs = 100;
constexpr qint64 kPointerIdleMs = 300;

} // namespace

void TQDrawManager::startJob(bool &flag, int milliseconds)
{
    flag = true;
    // A later start replaces the interval: every flagged job runs at the next tick.
    mTimer.start(milliseconds, this);
}

void TQDrawManager::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != mTimer.timerId()) {
        QObject::timerEvent(event);
        return;
    }
    if (mTurnPageJob) {
        mTurnPageJob = false;
        commitPendingTurnPage();
    }
    if (mShadeJob) {
        mShadeJob = false;
        hideWaitingShade();
    }
    if (mToolInitJob) {
        mToolInitJob = false;
        mCurrentTool->initGraph(this);
    }
    if (mSendImageJob) {
        mSendImageJob = false;
        sendPastedImage(mSendImageUrl);
        mSendImageUrl.clear();
    }
    if (mPointerJob && currentTimeMillis() - mLastPointerTime > kPointerIdleMs) {
        showPointer(false, 0, 0, 0, 0, mPointerPosition);
        mPointerJob = false;
    }
    if (!mTurnPageJob && !mShadeJob && !mToolInitJob && !mSendImageJob && !mPointerJob)
        mTimer.stop();
}

void TQDrawManager::startTurnPageTimer()
{
    startJob(mTurnPageJob, kTurnPageJobMs);
}

void TQDrawManager::commitPendingTurnPage()
{
    const int user = signedInUserId();
    queueSave(mMaterialId, mPageIndex, 0, user);
    auto *turn = new TQDrawingActionTurnPage;
    turn->materialId = mPendingTurn[0];
    turn->pageIndex = mPendingTurn[1];
    turn->targetPage = mPendingTurn[2];
    turn->senderId = user;
    queueAction(turn);
    mTurnPending = false;
}

void TQDrawManager::showWaitingShade(bool show, int tag, const std::string &text, int milliseconds)
{
    if (show) {
        if (mShadeView && mShadeView->isVisible())
            return;
        mWaitingTag = tag;
        const int ms = std::min(milliseconds, kMaxShadeMs);
        if (mShadeView) {
            mShadeView->show(QRect(), text, ms / 1000);
            mShadeView->setVisible(true);
        }
        if (mDataSource)
            mDataSource->setDrawingEnabled(false, "");
        mShadeTag = tag;
        startJob(mShadeJob, ms + kShadeGraceMs);
        return;
    }
    if (mShadeView)
        mShadeView->setVisible(false);
    if (mDataSource)
        mDataSource->setDrawingEnabled(true, "");
}

void TQDrawManager::hideWaitingShade()
{
    // A newer shade owns the view.
    if (mWaitingTag == mShadeTag)
        showWaitingShade(false, mShadeTag, std::string(), 0);
}
