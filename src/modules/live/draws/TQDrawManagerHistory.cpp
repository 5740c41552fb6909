// Undo and redo: every save takes a snapshot of the page, and stepping back
// or forward queues a restore of a snapshot that every board applies alike.
#include "modules/live/draws/TQDrawManager.h"

#include "actions/drawing/TQDrawingActionRestore.h"
#include "modules/live/draws/TQDrawDataSourceInterface.h"
#include "modules/live/draws/TQDrawSketchView.h"
#include "modules/live/draws/TQPath.h"
#include "modules/live/draws/TQSavedImage.h"
#include "utils/CLog.h"

void TQDrawManager::undo()
{
    if (const TQSavedImage *entry = mHistory.stepBack()) {
        queueRestore(entry->id, true);
        updateBackForwardButtons();
    }
}

void TQDrawManager::redo()
{
    if (const TQSavedImage *entry = mHistory.stepForward()) {
        queueRestore(entry->id, true);
        updateBackForwardButtons();
    }
}

void TQDrawManager::queueRestoreCurrent(bool publish)
{
    const TQSavedImage *entry = mHistory.current();
    queueRestore(entry ? entry->id : -1, publish);
}

void TQDrawManager::queueRestore(int snapshotId, bool publish)
{
    auto *restore = new TQDrawingActionRestore;
    restore->materialId = mMaterialId;
    restore->pageIndex = mPageIndex;
    restore->snapshotId = snapshotId;
    restore->publish = publish;
    restore->senderId = signedInUserId();
    queueAction(restore);
}

void TQDrawManager::updateBackForwardButtons()
{
    const TQSavedImage *entry = mHistory.current();
    if (mDataSource)
        mDataSource->enableBackForwardButton(entry && !entry->first, entry && !entry->last);
}

void TQDrawManager::internalDrawRestore(TQDrawingAction *action)
{
    auto *restore = dynamic_cast<TQDrawingActionRestore *>(action);
    if (!restore) {
        delete action;
        return;
    }
    showPointer(false, 0, 0, 0, 0, mPointerPosition);
    const int snapshotId = restore->snapshotId;
    const bool refresh = restore->refresh;
    publishItself(restore);
    const TQSavedImage *entry = mHistory.find(snapshotId);
    // Uncommitted strokes are dropped; the view lets go of them at once.
    clearPending(mTemporalPaths);
    repaintTemporal();
    if (!entry || !mDataSource)
        return;

    const QList<TQPath *> *page = mDataSource->getPagePaths();
    const bool samePaths = int(entry->paths.size()) == page->size()
                           && (page->isEmpty() || entry->paths.back()->strokeId == page->back()->strokeId);
    mDataSource->setPagePaths(QList<TQPath *>(entry->paths.begin(), entry->paths.end()));
    updatePageRecords();
    if (!samePaths && refresh && mSketchView)
        mSketchView->redrawPaths(entry->paths, entry->topOffset, true, true, mXOffset, mZoom);

    const QList<TQDrawingElement *> elements(entry->backgroundElements.begin(), entry->backgroundElements.end());
    if (mDataSource->backgroundElementsDiffer(elements)) {
        CLog::print(QStringLiteral("restore background elements"));
        mDataSource->mergeBackgroundElementUrls(elements);
        mDataSource->setBackgroundElements(elements);
        redrawBackground(true);
    }
    if (entry->topOffset == mTopOffset)
        return;
    applyOwnScroll(entry->topOffset, true, refresh);
}
