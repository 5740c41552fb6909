// What acts on the current page as a whole: erasing the small blackboard,
// cleaning the page and the save that commits pending paths and takes an
// undo snapshot.
#include "modules/live/draws/TQDrawManager.h"

#include "modules/live/draws/TQDrawTemporalLayout.h"

#include "actions/TQActionHelpers.h"
#include "actions/drawing/TQDrawActionEraseBlackBoard.h"
#include "actions/drawing/TQDrawingActionCleanPage.h"
#include "actions/drawing/TQDrawingActionSave.h"
#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/TQDataModelBean.h"
#include "modules/live/draws/TQDrawDataSourceInterface.h"
#include "modules/live/draws/TQDrawSketchView.h"
#include "modules/live/draws/TQDrawTemporalLayout.h"
#include "modules/live/draws/TQDrawingElement.h"
#include "modules/live/draws/TQInnerChalkContent.h"
#include "modules/live/draws/TQPathLine.h"
#include "modules/live/draws/TQPathLineChalkContent.h"
#include "modules/live/draws/TQPathText.h"
#include "modules/live/draws/TQSavedImage.h"
#include "utils/CLog.h"

#include <algorithm>

namespace {

// The kind of foreground element a clean page takes away.
constexpr int kCleanedForegroundKind = 100;

} // namespace

void TQDrawManager::internalEraseBlackBoard(TQDrawActionEraseBlackBoard *action)
{
    publishItself(action);
    if (mTemporalLayout)
        mTemporalLayout->removeBlackboard();
    if (CourseDetailBean *course = TQDataModelBean::m_pOngoingCourse)
        course->mBlackBoardErasedTime = int(secondsSinceReferenceDate());
}

void TQDrawManager::internalCleanPage(TQDrawingActionCleanPage *action)
{
    const bool refresh = action->refresh;
    publishItself(action);
    clearPending(mTemporalPaths);
    repaintTemporal();
    if (!mDataSource)
        return;
    mDataSource->clearPagePaths();
    if (refresh && mSketchView) {
        const QList<TQPath *> *page = mDataSource->getPagePaths();
        mSketchView->redrawPaths(std::vector<TQPath *>(page->begin(), page->end()), mTopOffset, true, true,
                                 mXOffset, mZoom);
    }
    QList<TQDrawingElement *> *background = mDataSource->reservoirBackgroundElements();
    if (background && background->size() > 1) {
        TQDrawingElement *pageImage = nullptr;
        for (TQDrawingElement *e : *background) {
            if (e && e->kind == TQDrawingElement::PageImage) {
                pageImage = e;
                break;
            }
        }
        // Pasted images go, the page image stays (the page keeps owning
        // every element: the undo snapshots still show them).
        mDataSource->clearBackgroundElements();
        if (pageImage)
            mDataSource->addToReservoirBackgroundElements(pageImage);
    }
    if (refresh)
        redrawBackground(true);
    // From the back, so the positions still to visit stay valid; bounded
    // even by a source whose erase does not remove anything.
    QList<TQDrawingElement *> *foreground = mDataSource->reservoirForegroundElements();
    for (int i = foreground->size() - 1; i >= 0; --i) {
        const TQDrawingElement *e = mDataSource->reservoirForegroundElements()->value(i);
        if (e && e->kind == kCleanedForegroundKind)
            mDataSource->eraseForegroundElement(i);
    }
    if (refresh)
        redrawForeground(true);
    mDataSource->reservedHookE(false);
    saveNow(refresh);
}

void TQDrawManager::saveNow(bool refresh, bool fromDownload)
{
    auto *save = new TQDrawingActionSave;
    save->materialId = mMaterialId;
    save->pageIndex = mPageIndex;
    save->strokeId = 0;
    save->senderId = signedInUserId();
    save->refresh = refresh;
    internalDrawSave(save, fromDownload);
}

void TQDrawManager::updatePageRecords()
{
    FileBean::PageState *state = mDataSource ? mDataSource->getPageExtraState() : nullptr;
    if (!state)
        return;
    const QList<TQPath *> *page = mDataSource->getPagePaths();
    for (const std::unique_ptr<FileBean::PageStateRecord> &record : state->records)
        record->followPagePaths(page ? *page : QList<TQPath *>());
}

TQPath *TQDrawManager::committedCopy(const TQPath *pending) const
{
    // A text leaves the board with its pending path.
    if (dynamic_cast<const TQPathText *>(pending))
        return nullptr;
    TQPath *copy = pending->copyRescaled(mCanvasSize);
    copy->dirty = true;
    return copy;
}

void TQDrawManager::internalDrawSave(TQDrawingActionSave *action, bool fromDownload)
{
    std::vector<TQPath *> commit;
    if (action->strokeId == 0) {
        commit = mTemporalPaths;
        mTemporalPaths.clear();
    } else {
        const auto it = std::find_if(mTemporalPaths.begin(), mTemporalPaths.end(),
                                     [&](const TQPath *p) { return p->strokeId == action->strokeId; });
        if (it != mTemporalPaths.end()) {
            TQPath *path = *it;
            removePending(mTemporalPaths, path);
            commit.push_back(path);
            if (auto *chalk = dynamic_cast<TQPathLineChalkContent *>(path))
                commit.push_back(chalk->inner());
        }
    }
    repaintTemporal();

    for (TQPath *path : commit) {
        if (mDataSource) {
            if (TQPath *copy = committedCopy(path))
                mDataSource->addPagePath(copy);
        }
    }
    // Delete after copying: a chalk stroke deletes its inner layer with it.
    clearPending(commit);
    const bool erased = !mTemporalErasePaths.empty();
    for (TQPath *path : mTemporalErasePaths) {
        if (auto *line = dynamic_cast<TQPathLine *>(path)) {
            if (mDataSource) {
                TQPath *copy = line->copyRescaled(mCanvasSize);
                copy->dirty = true;
                mDataSource->addPagePath(copy);
            }
        }
    }

    // The sketch view may still point at an eraser path that goes now.
    if ((action->refresh || erased) && mSketchView && mDataSource) {
        const QList<TQPath *> *page = mDataSource->getPagePaths();
        mSketchView->redrawPaths(std::vector<TQPath *>(page->begin(), page->end()), mTopOffset, fromDownload, true,
                                 mXOffset, mZoom);
    }
    clearPending(mTemporalErasePaths);
    if (action->refresh)
        updateContentSize();

    // The snapshot's id is the index this save takes in the drawing history,
    // so that every board names it alike.
    const int index = mDataSource ? mDataSource->getDrawingActionCount() : 0;
    std::vector<TQPath *> paths;
    std::vector<TQDrawingElement *> elements;
    if (mDataSource) {
        const QList<TQPath *> *page = mDataSource->getPagePaths();
        paths.assign(page->begin(), page->end());
        const QList<TQDrawingElement *> *background = mDataSource->reservoirBackgroundElements();
        elements.assign(background->begin(), background->end());
    }
    updatePageRecords();
    const TQSavedImage *entry = mHistory.push(paths, elements, index, mMaterialId, mPageIndex, mTopOffset);
    const int previousId = entry->previousId;
    action->valueA = previousId;
    publishItself(action);
    CLog::log(QStringLiteral("save:%1-%2").arg(previousId).arg(index), QStringLiteral("TQDrawManager::internalDrawSave "));
    updateBackForwardButtons();
}
