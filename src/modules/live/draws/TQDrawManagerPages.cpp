// Which material and page the board shows: selecting a material (with a
// blank placeholder until its pages arrive), turning pages, pushing page
// images to the students ahead of time, and following a received action to
// its page.
#include "modules/live/draws/TQDrawManager.h"

#include "actions/drawing/TQDrawingActionSelectMaterial.h"
#include "actions/drawing/TQDrawingActionTurnPage.h"
#include "common/CommonService.h"
#include "modules/coach/course/CourseService.h"
#include "modules/coach/material/MaterialService.h"
#include "modules/coach/material/TQLiveMaterialViewModel.h"
#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/MaterialDetailBean.h"
#include "modules/live/bean/TQDataModelBean.h"
#include "modules/live/draws/TQDrawDataSourceInterface.h"
#include "modules/live/draws/TQDrawingElement.h"
#include "modules/live/draws/TQPreSendingImage.h"
#include "utils/CLog.h"
#include "utils/FileUtils.h"

#include <QFileInfo>
#include <QJsonObject>


namespace {

const char kDownloadHintToast[] = "学生正在下载本页讲义，大约需要3到5秒";
constexpr int kDownloadHintToastType = 301;
constexpr int kDownloadHintToastMs = 2000;
// The first turns of a class: the students have no page images yet.
constexpr int kEarlyTurns = 2;
constexpr int kPagesPushedAhead = 3;

// The cached copy of a url is there and at least `expectedSize` bytes long.
bool hasLocalCopy(const std::string &url, int expectedSize)
{
    const QFileInfo file(FileUtils::getResourceFileFromUrl(QString::fromStdString(url)));
    return file.exists() && file.size() >= expectedSize;
}

void logBackground(const FileBean *page, const char *format)
{
    if (!page)
        return;
    for (const TQDrawingElement *e : page->mReservoirBackgroundElements)
        CLog::print(QString::fromLatin1(format).arg(e->tag).arg(e->url));
}

MaterialDetailBean *findPlaceholder(const CourseDetailBean &course, qint64 materialId)
{
    for (MaterialDetailBean *m : course.course_materials) {
        if (m->materialId == materialId && m->mIsBlankPlaceholder)
            return m;
    }
    return nullptr;
}

// The real material takes the placeholder's place, and each of its pages the
// strokes drawn on the blank page of the same number. The page lists that
// own those strokes and the blank page elements move along, so that the undo
// snapshots, which point at them, stay valid once the placeholder is gone.
void replacePlaceholder(CourseDetailBean &course, MaterialDetailBean *placeholder, MaterialDetailBean *real)
{
    const size_t common = std::min(placeholder->mFileItems.size(), real->mFileItems.size());
    for (size_t i = 0; i < common; ++i) {
        FileBean &blank = placeholder->mFileItems[i];
        FileBean &page = real->mFileItems[i];
        page.mVisiblePaths = blank.mVisiblePaths;
        blank.mVisiblePaths.clear();
        page.mOwnedPaths.append(blank.mOwnedPaths);
        blank.mOwnedPaths.clear();
        page.mOwnedBackgroundElements.append(blank.mOwnedBackgroundElements);
        blank.mOwnedBackgroundElements.clear();
        page.mOwnedForegroundElements.append(blank.mOwnedForegroundElements);
        blank.mOwnedForegroundElements.clear();
        blank.mReservoirBackgroundElements.clear();
        blank.mReservoirForegroundElements.clear();
    }
    const int index = placeholder->mOngoingPageIndex;
    if (real->changeOngoingPage(index))
        real->mOngoingPageIndex = index;
    const int at = course.course_materials.indexOf(placeholder);
    if (at >= 0)
        course.course_materials[at] = real;
    else
        course.course_materials.append(real);
    if (course.m_pOngoingMaterial == placeholder)
        course.m_pOngoingMaterial = real;
    delete placeholder;
}

} // namespace

void TQDrawManager::requestTurnPage(int materialId, int fromPage, int toPage, int userId)
{
    // One turn at a time.
    if (mTurnPending)
        return;
    mTurnPending = true;
    mPendingTurn[0] = materialId;
    mPendingTurn[1] = fromPage;
    mPendingTurn[2] = toPage;
    mPendingTurn[3] = userId;
    // The source either commits at once or shades the board and starts the
    // turn timer while the students drop their pens.
    if (mDataSource)
        mDataSource->prepareTurnPage(true);
    else
        commitPendingTurnPage();
}

void TQDrawManager::queueSelectMaterialInstruction(qint64 materialId, int page, int userId, bool publish)
{
    CLog::printf("TQDrawManager::queueSelectMaterialInstruction materialId=%lld page=%d uid=%d",
                 static_cast<long long>(materialId), page, userId);
    auto *select = new TQDrawingActionSelectMaterial;
    select->materialId = int(materialId);
    select->senderId = userId;
    select->publish = publish;
    queueAction(select);
    auto *turn = new TQDrawingActionTurnPage;
    turn->materialId = int(materialId);
    turn->targetPage = page;
    turn->senderId = userId;
    turn->publish = publish;
    queueAction(turn);
}

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
    if (!action || action->materialId <= 0) {
        CLog::error(QString::asprintf("get error material %p", static_cast<void *>(action)));
        delete action;
        return;
    }
    const int materialId = action->materialId;
    CLog::printf("TQDrawManager::internalSelectMaterial materialID=%ld pageNum=%d", long(materialId), mPageIndex);
    // What is pending was drawn on the page being left.
    if (!mTemporalPaths.empty())
        saveNow(action->refresh);
    publishItself(action);
    mMaterialId = materialId;
    mPageIndex = 0;
    if (mDataSource) {
        const bool loaded = mDataSource->isMaterialDetailLoaded(materialId);
        const bool ready = mDataSource->isFirstMaterialReady();
        if (!(loaded && ready))
            requestMaterialDetail(materialId);
        mDataSource->changeOngoingMaterial(mMaterialId);
    }
}

void TQDrawManager::requestMaterialDetail(int materialId)
{
    if (!mMaterialViewModel) {
        mMaterialService.reset(new MaterialService);
        mCourseService.reset(new CourseService);
        mCommonService.reset(new CommonService);
        mMaterialViewModel.reset(
            new TQLiveMaterialViewModel(mMaterialService.get(), mCourseService.get(), mCommonService.get()));
        connect(mMaterialViewModel.get(), &TQLiveMaterialViewModel::requestMaterialDetailSuccess_signal, this,
                &TQDrawManager::handleMaterialDetail_slot);
    }
    mMaterialViewModel->requestMaterialDetail(materialId, 0);

    // Until the pages arrive the teacher draws on blank ones.
    CourseDetailBean *course = TQDataModelBean::m_pOngoingCourse;
    if (!course)
        return;
    if (!mDataSource->isFirstMaterialReady()) {
        for (int i = course->course_materials.size() - 1; i >= 0; --i) {
            MaterialDetailBean *m = course->course_materials.at(i);
            if (m->materialId != materialId || m->mIsBlankPlaceholder)
                continue;
            CLog::print(QStringLiteral("remove unconverted material %1").arg(materialId));
            course->course_materials.removeAt(i);
            if (course->m_pOngoingMaterial == m)
                course->m_pOngoingMaterial = nullptr;
            delete m;
        }
    }
    // A placeholder made before keeps what was drawn on it: no second one.
    if (findPlaceholder(*course, materialId))
        return;
    auto *placeholder = new MaterialDetailBean;
    placeholder->materialId = materialId;
    placeholder->initWithBlankPages();
    course->course_materials.append(placeholder);
}

void TQDrawManager::handleMaterialDetail_slot(QJsonObject &json)
{
    auto *real = new MaterialDetailBean(json);
    CLog::print(QStringLiteral("get new real material %1").arg(real->materialId));
    CourseDetailBean *course = TQDataModelBean::m_pOngoingCourse;
    if (real->materialId <= 0 || !course || (mDataSource && mDataSource->isMaterialDetailLoaded(real->materialId))) {
        delete real;
        return;
    }
    // Only a placeholder is replaced; the current material, when it has this
    // id, is one.
    MaterialDetailBean *placeholder = findPlaceholder(*course, real->materialId);
    if (!placeholder) {
        delete real;
        return;
    }
    real->resetToFirstPage();
    for (size_t i = 0; i < real->mFileItems.size(); ++i) {
        int tag = 0;
        if (i < placeholder->mFileItems.size()) {
            const FileBean &blank = placeholder->mFileItems[i];
            // The page image takes over the element tag the students know.
            if (blank.fileUrl.empty() && blank.mReservoirBackgroundElements.size() == 1) {
                tag = blank.mReservoirBackgroundElements.front()->tag;
                CLog::print(QStringLiteral("get existTag:%1").arg(tag));
            }
        }
        real->mFileItems[i].resetDrawings(tag);
    }
    logBackground(real->m_pOngoingPage, "origin tag:%1,url:%2");

    const bool wasCurrent = placeholder == course->m_pOngoingMaterial;
    replacePlaceholder(*course, placeholder, real);
    CLog::print(QStringLiteral("update cur material info"));
    logBackground(real->m_pOngoingPage, "now tag:%1,url:%2");
    CLog::print(QStringLiteral("material change from placeholder to real material materialID:%1,cur url:%2")
                    .arg(real->materialId)
                    .arg(real->m_pOngoingPage ? QString::fromStdString(real->m_pOngoingPage->fileUrl) : QString()));
    if (!wasCurrent)
        return;
    // Rebuild the page with its real image; the students have it already.
    auto *turn = new TQDrawingActionTurnPage;
    turn->materialId = mMaterialId;
    turn->pageIndex = mPageIndex;
    turn->targetPage = real->mOngoingPageIndex;
    turn->senderId = 0;
    turn->publish = false;
    turn->refresh = true;
    internalDrawTurnPage(turn);
}

void TQDrawManager::internalDrawTurnPage(TQDrawingAction *action)
{
    auto *turn = dynamic_cast<TQDrawingActionTurnPage *>(action);
    if (!turn) {
        delete action;
        return;
    }
    CLog::debug(QStringLiteral("turn page %1,%2....from %3,%4")
                    .arg(turn->materialId)
                    .arg(turn->pageIndex)
                    .arg(mMaterialId)
                    .arg(mPageIndex));
    if (turn->materialId < 1) {
        delete action;
        return;
    }
    internalDrawTurnPageForTeacherApp(turn);
}

void TQDrawManager::internalDrawTurnPageForTeacherApp(TQDrawingActionTurnPage *turn)
{
    CLog::printf("TQDrawManager::internalDrawTurnPageForTeacherApp materialId=%d, toMaterialId=%d, current pageNum=%d,",
                 mMaterialId, turn->materialId, mPageIndex);
    // What is pending was drawn on the page being left.
    if (!mTemporalPaths.empty())
        saveNow(turn->refresh);
    if (turn->materialId != mMaterialId) {
        auto *select = new TQDrawingActionSelectMaterial;
        select->materialId = turn->materialId;
        select->senderId = turn->senderId;
        internalSelectMaterial(select);
    }
    // A received page number is checked against the material, so the board
    // never shows a page the page model does not have.
    const int pageCount = mDataSource ? mDataSource->getPageCount() : 0;
    if (pageCount > 0 && (turn->targetPage < 0 || turn->targetPage >= pageCount)) {
        CLog::error(QStringLiteral("refused turn to page %1 of %2").arg(turn->targetPage).arg(pageCount),
                    QStringLiteral("TQDrawManager::internalDrawTurnPage "));
        delete turn;
        return;
    }
    const int fromPage = mPageIndex;
    const int toPage = turn->targetPage;
    const bool publish = turn->publish;
    turn->pageIndex = fromPage;
    mPageIndex = toPage;
    mTopOffset = 0;
    mZoom = 1.0f;
    mXOffset = 0;
    ++mPageVisitCount;

    if (mDataSource) {
        if (TQPreSendingImage *image = mDataSource->createPreSendingImage(mPageIndex)) {
            if (!mDataSource->hasBinaryTransfer(image->url) || mPageVisitCount <= kEarlyTurns) {
                const int seconds = hasLocalCopy(image->url, image->expectedSize) ? 3 : 5;
                mDataSource->showToast(QString::fromUtf8(kDownloadHintToast), kDownloadHintToastType,
                                       kDownloadHintToastMs);
                mDataSource->raiseSendLevel(seconds);
            }
            delete image;
        }
    }
    // The source may keep or free the action: nothing reads it after this.
    publishItself(turn);
    if (!mDataSource)
        return;
    if (fromPage != toPage)
        mDataSource->notifyPageTurnState(fromPage < toPage);
    mDataSource->changeOngoingPage(mPageIndex);
    mDataSource->notifyPageTurned(mMaterialId, mPageIndex);
    CLog::print(QStringLiteral("peerSendingUrl for page %1").arg(mPageIndex));
    pushPageImagesAhead();

    updateContentSize();
    redrawBackground(true);
    redrawForeground(true);
    const QList<TQDrawingElement *> *background = mDataSource->reservoirBackgroundElements();
    mDataSource->reservedHookE((background && background->size() > 1) || !mDataSource->getPagePaths()->isEmpty());

    // Back to where this page was scrolled.
    applyOwnScroll(mDataSource->getPageTopOffset(), publish, true);

    // The new page's first snapshot; its image may still be on its way.
    saveNow(true, true);
    mDataSource->prepareTurnPage(false);
}

void TQDrawManager::pushPageImagesAhead()
{
    for (int i = 0; i < kPagesPushedAhead; ++i) {
        TQPreSendingImage *image = mDataSource->createPreSendingImage(mPageIndex + i);
        if (!image)
            continue;
        image->currentPage = i == 0;
        image->earlyTurn = mPageVisitCount <= kEarlyTurns;
        if (!hasLocalCopy(image->url, image->expectedSize)) {
            // Sent once its download finished.
            auto &slot = mPreSendingImages[image->url];
            delete slot;
            slot = image;
            continue;
        }
        CLog::print(QStringLiteral("peerSendingUrl for url %1").arg(QString::fromStdString(image->url)));
        mDataSource->sendImageFileForUrl(image->url, image->sendValue, image->currentPage, image->earlyTurn);
        for (const std::string &extra : image->extraUrls) {
            if (hasLocalCopy(extra, 0))
                mDataSource->sendImageFileForUrl(extra, 0, image->currentPage, image->earlyTurn);
        }
        delete image;
    }
}
