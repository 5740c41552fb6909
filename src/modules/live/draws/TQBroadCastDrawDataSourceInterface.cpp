#include "modules/live/draws/TQBroadCastDrawDataSourceInterface.h"

#include "actions/TQActionHelpers.h"
#include "actions/TQDrawingAction.h"
#include "base/dialog/CDialogManager.h"
#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/MaterialDetailBean.h"
#include "modules/live/bean/TQDataModelBean.h"
#include "modules/live/draws/TQDrawingElement.h"
#include "modules/live/draws/TQPath.h"
#include "modules/live/takepicture/TQTakePictureLayout.h"
#include "modules/login/LoginManager.h"
#include "utils/CLog.h"

#include <QSet>

namespace {

const char kTurnPageShadeText[] = "暂时收回学生写板书的权限";
const int kTurnPageShadeTag = 3;

// The page keeps everything it shows in its owned lists, so that it frees
// each item once, with itself, whatever the visible lists and the undo
// snapshots still point at.
template <typename T>
void adoptAll(QList<T *> &owned, const QList<T *> &items)
{
    QSet<const T *> known;
    if (items.size() > 1) {
        for (const T *item : qAsConst(owned))
            known.insert(item);
    }
    for (T *item : items) {
        if (!item)
            continue;
        const bool isKnown = items.size() > 1 ? known.contains(item) : owned.contains(item);
        if (!isKnown) {
            owned.append(item);
            known.insert(item);
        }
    }
}

template <typename T>
void replaceWith(QList<T *> &shown, QList<T *> &owned, const QList<T *> &items)
{
    adoptAll(owned, items);
    shown.clear();
    for (T *item : items) {
        if (item)
            shown.append(item);
    }
}

} // namespace

TQBroadCastDrawDataSourceInterface::~TQBroadCastDrawDataSourceInterface() = default;

CourseDetailBean *TQBroadCastDrawDataSourceInterface::course()
{
    return TQDataModelBean::m_pOngoingCourse;
}

MaterialDetailBean *TQBroadCastDrawDataSourceInterface::material()
{
    CourseDetailBean *c = course();
    return c ? c->m_pOngoingMaterial : nullptr;
}

FileBean *TQBroadCastDrawDataSourceInterface::page()
{
    MaterialDetailBean *m = material();
    return m ? m->m_pOngoingPage : nullptr;
}

TQBroadCastDrawDataSourceInterface::Activity *TQBroadCastDrawDataSourceInterface::activity() const
{
    return methodService ? methodService->getActivity() : nullptr;
}

int TQBroadCastDrawDataSourceInterface::getDrawingActionCount()
{
    CourseDetailBean *c = course();
    return c ? c->getDrawingActionCount() : 0;
}

bool TQBroadCastDrawDataSourceInterface::downloadBinaryFile(QString url)
{
    if (url.size() < 2 || !context || !context->downloadManager)
        return false;
    return context->downloadManager->downloadUrl(url);
}

void TQBroadCastDrawDataSourceInterface::sendDrawingAction(TQDrawingAction *action)
{
    if (!action)
        return;
    if (context && context->realTimeManager)
        context->realTimeManager->addDrawingAction(action);
    else
        delete action;
}

int TQBroadCastDrawDataSourceInterface::getPageCount()
{
    MaterialDetailBean *m = material();
    return m ? int(m->mFileItems.size()) : 0;
}

void TQBroadCastDrawDataSourceInterface::changeOngoingPage(int index)
{
    MaterialDetailBean *m = material();
    if (m && m->changeOngoingPage(index))
        m->mOngoingPageIndex = index;
}

TQPreSendingImage *TQBroadCastDrawDataSourceInterface::createPreSendingImage(int index)
{
    MaterialDetailBean *m = material();
    return m ? m->createPageBackgroundElement(index) : nullptr;
}

bool TQBroadCastDrawDataSourceInterface::hasBinaryTransfer(std::string url)
{
    if (!context || !context->transporter)
        return TQDrawDataSourceInterface::hasBinaryTransfer(url);
    return context->transporter->isUrlTransported(url);
}

void TQBroadCastDrawDataSourceInterface::raiseSendLevel(int seconds)
{
    if (context && context->realTimeManager)
        context->realTimeManager->pauseDrawingSending(seconds);
}

bool TQBroadCastDrawDataSourceInterface::changeOngoingMaterial(int materialId)
{
    CourseDetailBean *c = course();
    return c ? c->changeOngoingMaterial(materialId) : false;
}

bool TQBroadCastDrawDataSourceInterface::isMaterialDetailLoaded(qint64 materialId)
{
    CourseDetailBean *c = course();
    if (!c)
        return false;
    for (const MaterialDetailBean *m : qAsConst(c->course_materials)) {
        if (m->materialId == materialId && !m->mIsBlankPlaceholder)
            return true;
    }
    return false;
}

bool TQBroadCastDrawDataSourceInterface::isFirstMaterialReady()
{
    CourseDetailBean *c = course();
    if (!c || c->course_materials.isEmpty())
        return false;
    return c->course_materials.first()->isFileProcessed();
}

int TQBroadCastDrawDataSourceInterface::getPageTopOffset()
{
    FileBean *p = page();
    return p ? p->mPageState.topOffset : 0;
}

void TQBroadCastDrawDataSourceInterface::setPageTopOffset(int topOffset)
{
    if (FileBean *p = page())
        p->mPageState.topOffset = topOffset;
}

void TQBroadCastDrawDataSourceInterface::setPageCanvasSize(int width, int height)
{
    if (FileBean *p = page()) {
        p->mPageState.canvasWidth = width;
        p->mPageState.canvasHeight = height;
    }
}

QSize TQBroadCastDrawDataSourceInterface::getPageCanvasSize()
{
    FileBean *p = page();
    return p ? QSize(p->mPageState.canvasWidth, p->mPageState.canvasHeight) : QSize(0, 0);
}

QList<TQPath *> *TQBroadCastDrawDataSourceInterface::getPagePaths()
{
    FileBean *p = page();
    if (!p) {
        emptyPaths.clear();
        return &emptyPaths;
    }
    return &p->mVisiblePaths;
}

void TQBroadCastDrawDataSourceInterface::addPagePath(TQPath *path)
{
    FileBean *p = page();
    if (!p || !path)
        return;
    if (!p->mOwnedPaths.contains(path))
        p->mOwnedPaths.append(path);
    p->mVisiblePaths.append(path);
}

void TQBroadCastDrawDataSourceInterface::clearPagePaths()
{
    if (FileBean *p = page())
        p->mVisiblePaths.clear();
}

void TQBroadCastDrawDataSourceInterface::setPagePaths(QList<TQPath *> paths)
{
    if (FileBean *p = page())
        replaceWith(p->mVisiblePaths, p->mOwnedPaths, paths);
}

TQDrawingAction *TQBroadCastDrawDataSourceInterface::getDrawingActionAt(int index)
{
    CourseDetailBean *c = course();
    if (!c || index < 0 || index >= c->getDrawingActionCount())
        return nullptr;
    return c->drawingActionAt(index);
}

QList<TQDrawingElement *> *TQBroadCastDrawDataSourceInterface::pageElementList(bool background, const QString &tag)
{
    CourseDetailBean *c = course();
    MaterialDetailBean *m = material();
    if (!c || !m) {
        CLog::error(QString::asprintf("error reservoir for %p", static_cast<void *>(c)), tag);
    } else if (FileBean *p = m->m_pOngoingPage) {
        return background ? &p->mReservoirBackgroundElements : &p->mReservoirForegroundElements;
    } else {
        CLog::error(QStringLiteral("error onGoingSingleMaterial"), tag);
    }
    emptyElements.clear();
    return &emptyElements;
}

QList<TQDrawingElement *> *TQBroadCastDrawDataSourceInterface::reservoirBackgroundElements()
{
    return pageElementList(true, QStringLiteral("TQBroadCastDrawDataSourceInterface::reservoirBackgroundElements "));
}

void TQBroadCastDrawDataSourceInterface::addToReservoirBackgroundElements(TQDrawingElement *element)
{
    CLog::log(QStringLiteral("add background element tag:%1 url:%2")
                  .arg(element ? element->tag : -404)
                  .arg(element ? element->url : QStringLiteral("pDrawElement-null")),
              QStringLiteral("TQBroadCastDrawDataSourceInterface::addToReservoirBackgroundElements "));
    FileBean *p = page();
    if (!p || !element)
        return;
    adoptAll(p->mOwnedBackgroundElements, {element});
    p->mReservoirBackgroundElements.append(element);
}

void TQBroadCastDrawDataSourceInterface::clearBackgroundElements()
{
    if (FileBean *p = page())
        p->mReservoirBackgroundElements.clear();
}

void TQBroadCastDrawDataSourceInterface::setBackgroundElements(QList<TQDrawingElement *> elements)
{
    if (FileBean *p = page())
        replaceWith(p->mReservoirBackgroundElements, p->mOwnedBackgroundElements, elements);
}

void TQBroadCastDrawDataSourceInterface::mergeBackgroundElementUrls(QList<TQDrawingElement *> elements)
{
    FileBean *p = page();
    if (!p || elements.size() != p->mReservoirBackgroundElements.size())
        return;
    for (int i = 0; i < elements.size(); ++i) {
        TQDrawingElement *given = elements.at(i);
        const TQDrawingElement *current = p->mReservoirBackgroundElements.at(i);
        if (given && current && given->url.isEmpty() && !current->url.isEmpty() && given->tag == current->tag)
            given->url = current->url;
    }
}

bool TQBroadCastDrawDataSourceInterface::backgroundElementsDiffer(QList<TQDrawingElement *> elements)
{
    FileBean *p = page();
    const QList<TQDrawingElement *> &current = p ? p->mReservoirBackgroundElements : emptyElements;
    // Two empty lists count as different, so an empty page is always drawn afresh.
    if (elements.size() != current.size() || elements.isEmpty())
        return true;
    for (int i = 0; i < elements.size(); ++i) {
        const TQDrawingElement *a = elements.at(i);
        const TQDrawingElement *b = current.at(i);
        if (a != b && (!a || !b || *a != *b))
            return true;
    }
    return false;
}

QList<TQDrawingElement *> *TQBroadCastDrawDataSourceInterface::reservoirForegroundElements()
{
    return pageElementList(false, QStringLiteral("TQBroadCastDrawDataSourceInterface::reservoirForegroundElements "));
}

void TQBroadCastDrawDataSourceInterface::addToReservoirForegroundElements(TQDrawingElement *element)
{
    FileBean *p = page();
    if (!p || !element)
        return;
    adoptAll(p->mOwnedForegroundElements, {element});
    p->mReservoirForegroundElements.append(element);
}

void TQBroadCastDrawDataSourceInterface::clearForegroundElements()
{
    if (FileBean *p = page())
        p->mReservoirForegroundElements.clear();
}

void TQBroadCastDrawDataSourceInterface::setForegroundElements(QList<TQDrawingElement *> elements)
{
    if (FileBean *p = page())
        replaceWith(p->mReservoirForegroundElements, p->mOwnedForegroundElements, elements);
}

void TQBroadCastDrawDataSourceInterface::eraseForegroundElement(int position)
{
    FileBean *p = page();
    if (p && position >= 0 && position < p->mReservoirForegroundElements.size())
        p->mReservoirForegroundElements.removeAt(position);
}

FileBean::PageState *TQBroadCastDrawDataSourceInterface::getPageExtraState()
{
    FileBean *p = page();
    return p ? &p->mPageState : nullptr;
}

void TQBroadCastDrawDataSourceInterface::enableBackForwardButton(bool canUndo, bool canRedo)
{
    if (Activity *a = activity())
        a->enableBackForwardButton(canUndo, canRedo);
}

void TQBroadCastDrawDataSourceInterface::uploadImageFile(QString path, int kind, int value)
{
    if (Activity *a = activity())
        a->uploadImageFile(path, kind, value);
}

void TQBroadCastDrawDataSourceInterface::sendImageFileForUrl(std::string url, int value, bool first, bool second)
{
    if (context && context->transporter)
        context->transporter->sendImageFileForUrl(url, value, -1, first, second);
}

void TQBroadCastDrawDataSourceInterface::setDrawingEnabled(bool enabled, std::string hint)
{
    drawingEnabled = enabled;
    Activity *a = activity();
    if (DrawLayout *layout = a ? a->getDrawLayout() : nullptr)
        layout->setDrawingEnabled(enabled, hint);
}

bool TQBroadCastDrawDataSourceInterface::suspendStudentWriting(int reason)
{
    return methodService ? methodService->suspendAllStudentWriting(reason) : false;
}

void TQBroadCastDrawDataSourceInterface::restoreStudentWriting()
{
    if (methodService)
        methodService->restoreStudentWriting();
}

void TQBroadCastDrawDataSourceInterface::showToast(QString text, int type, int ms)
{
    showToastMessage(text, ms, type, 3);
}

void TQBroadCastDrawDataSourceInterface::showToastMessage(QString text, int ms, int, int style)
{
    Activity *a = activity();
    CDialogManager::toast(a ? a->widget() : nullptr, text, ms, style);
}

void TQBroadCastDrawDataSourceInterface::notifyPageTurnState(bool turning)
{
    Activity *a = activity();
    if (DrawLayout *layout = a ? a->getDrawLayout() : nullptr)
        layout->notifyPageTurnState(turning);
}

void TQBroadCastDrawDataSourceInterface::updateTakePictureImage(QString url, QString name)
{
    Activity *a = activity();
    if (!a || !context)
        return;
    context->photoLayout = a->takePictureLayout();
    TQTakePictureLayout *layout = context->photoLayout;
    if (!layout)
        return;
    const QString self = LoginManager::getUserID();
    layout->startTakePicture(self, nextSequenceNumber(true), name);
    layout->pictureUrlReceived(self, url, name);
    layout->binaryDownloaded(url);
}

void TQBroadCastDrawDataSourceInterface::prepareTurnPage(bool begin)
{
    if (!begin) {
        restoreStudentWriting();
        return;
    }
    DrawManager *manager = methodService ? methodService->getDrawManager() : nullptr;
    if (!manager)
        return;
    if (suspendStudentWriting(kTurnPageSuspendReason)) {
        // The students need a moment to drop their pens before the page goes.
        manager->showWaitingShade(true, kTurnPageShadeTag, kTurnPageShadeText, kTurnPageShadeMs);
        manager->startTurnPageTimer();
    } else {
        manager->commitPendingTurnPage();
    }
}

void TQBroadCastDrawDataSourceInterface::notifyTopOffsetChanged(int y)
{
    if (Activity *a = activity())
        a->updateTopOffset(y);
}

void TQBroadCastDrawDataSourceInterface::notifyPageTurned(int a, int b)
{
    if (Activity *window = activity())
        window->handleDrawLayoutTurnPage(a, b);
}
