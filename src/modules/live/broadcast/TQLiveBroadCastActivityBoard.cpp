// The window's side of the blackboard: page turns and scrolling, material
// switches with the reply that completes them, the PPT animation of a page
// and its play status for the students, the style of the shape being
// edited, teaching shapes from the shape menu, pictures pasted from a file
// and the mouse cursor of typing.
#include "modules/live/broadcast/TQLiveBroadCastActivity.h"

#include "actions/status/TQPPTPlayStatus.h"
#include "base/dialog/CDialogManager.h"
#include "modules/live/audioplayer/TQBroadCastLiveAudioPlayerViewInterface.h"
#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/MaterialDetailBean.h"
#include "modules/live/bean/TQDataModelBean.h"
#include "modules/live/broadcast/TQBroadCastPopoverInterface.h"
#include "modules/live/broadcast/TQLiveBroadCastContext.h"
#include "modules/live/communications/TQRealTimeManager.h"
#include "modules/live/draws/TQBroadCastDrawDataSourceInterface.h"
#include "modules/live/draws/TQDrawLayout.h"
#include "modules/live/draws/TQDrawManager.h"
#include "modules/live/material/TQLiveMaterialListLayout.h"
#include "modules/live/pptplayer/TQPPTPlayerLayout.h"
#include "modules/live/videocard/TQVideoCardPlayerLayout.h"
#include "modules/login/LoginManager.h"
#include "shapes/TQShapeGeneric.h"
#include "utils/CImageCompressorUtil.h"
#include "utils/CLog.h"

#include <QFileInfo>
#include <QPixmap>

#include <climits>
#include <memory>

namespace {

const char kPromptTitle[] = "提示";
const char kOk[] = "确定";
constexpr int kDialogCountDown = 5;
constexpr int kToastMs = 3000;
// Picture kinds of a pasted file: a JPEG, or a PNG kept as PNG.
constexpr int kJpegKind = 1;
constexpr int kPngKind = 4;
// The shade shown while a pasted photo travels to the students.
constexpr int kPhotoShadeTag = 2;

// The colour table's codes 1-20 stand for themselves; anything else is 0.
int brushColorForIndex(int colorType)
{
    return colorType >= 1 && colorType <= 20 ? colorType : 0;
}

int userIdNumber()
{
    return int(LoginManager::getUserID().toLong(nullptr, 10));
}

} // namespace

TQDrawManager *TQLiveBroadCastActivity::drawManager() const
{
    return m_pDrawLayout ? m_pDrawLayout->drawManager() : nullptr;
}

TQPopoverInterface *TQLiveBroadCastActivity::getPopoverInterface() const
{
    return m_pPopoverInterface;
}

// Pages and scrolling ----------------------------------------------------------

void TQLiveBroadCastActivity::turnPage(int type)
{
    TQDrawManager *manager = drawManager();
    if (!manager || !m_pDrawDataSource)
        return;
    const int page = manager->pageIndex();
    const int count = m_pDrawDataSource->getPageCount();
    if (type == 1 && page + 1 >= count) {
        CDialogManager::showOneButtonDialog(this, QString::fromUtf8(kPromptTitle), QStringLiteral("已经是讲义最后一页了"),
                                            QString::fromUtf8(kOk), kDialogCountDown);
        return;
    }
    if (type == 0 && page == 0) {
        CDialogManager::showOneButtonDialog(this, QString::fromUtf8(kPromptTitle), QStringLiteral("已经是讲义第一页了"),
                                            QString::fromUtf8(kOk), kDialogCountDown);
        return;
    }
    const int newPage = type == 1 ? page + 1 : page - 1;
    // A board still on a page the material no longer has turns nowhere.
    if (newPage < 0 || newPage >= count) {
        CLog::error(QStringLiteral("page %1 of %2 out of range").arg(newPage).arg(count),
                    QStringLiteral("TQLiveBroadCastActivity::turnPage "));
        return;
    }
    const int materialId = manager->materialId();
    emit pageChange(materialId, newPage, count);
    manager->requestTurnPage(materialId, page, newPage, userIdNumber());
}

void TQLiveBroadCastActivity::goToPage(int pageIndex)
{
    TQDrawManager *manager = drawManager();
    if (!manager || !m_pDrawDataSource)
        return;
    const int count = m_pDrawDataSource->getPageCount();
    if (pageIndex < 0 || pageIndex >= count) {
        CLog::error(QStringLiteral("page %1 of %2 out of range").arg(pageIndex).arg(count),
                    QStringLiteral("TQLiveBroadCastActivity::goToPage "));
        return;
    }
    const int materialId = manager->materialId();
    emit pageChange(materialId, pageIndex, count);
    manager->requestTurnPage(materialId, manager->pageIndex(), pageIndex, userIdNumber());
}

void TQLiveBroadCastActivity::scrollUp()
{
    if (TQDrawManager *manager = drawManager())
        handleDrawLayoutTopOffset(manager->scrollUp(0));
}

void TQLiveBroadCastActivity::scrollDown()
{
    if (TQDrawManager *manager = drawManager())
        handleDrawLayoutTopOffset(manager->scrollDown(0));
}

void TQLiveBroadCastActivity::scrollTo(int buttonY, int buttonBgHeight)
{
    TQDrawManager *manager = drawManager();
    if (!manager)
        return;
    const int y = manager->scrollToY(buttonY, buttonBgHeight);
    // The scroll bar is where the thumb was let go: only the page's players move.
    const int canvasHeight = manager->canvasSize().height();
    const qint64 scaled = canvasHeight > 0 ? qint64(y) * manager->visibleSize().height() / canvasHeight : 0;
    emit updateTopOffset_signal(int(scaled));
}

// Materials --------------------------------------------------------------------

void TQLiveBroadCastActivity::changeMaterial(int materialID, int rawMaterialID, int lastVisitedPageNumber)
{
    CourseDetailBean *course = TQDataModelBean::m_pOngoingCourse;
    if (!course)
        return;
    // Material ids are positive; an id past the int range arrives wrapped
    // and would name some other material.
    if (materialID <= 0) {
        CLog::error(QStringLiteral("refused material id %1").arg(materialID),
                    QStringLiteral("TQLiveBroadCastActivity::changeMaterial "));
        return;
    }
    MaterialDetailBean *material = nullptr;
    for (MaterialDetailBean *m : qAsConst(course->course_materials)) {
        if (m->materialId == qint64(materialID))
            material = m;
    }
    if (!material) {
        CDialogManager::showOneButtonDialog(this, QString(), QStringLiteral("非PC端添加的讲义，请退出重进（不保留板书）"),
                                            QString::fromUtf8(kOk), kDialogCountDown);
        return;
    }
    if (!material->isFileProcessed()) {
        // Asked once; the reply completes the switch.
        if (mPendingMaterialID != materialID && m_pMaterialListLayout) {
            mPendingMaterialID = materialID;
            m_pMaterialListLayout->requestMaterialDetail(materialID, rawMaterialID);
        }
        return;
    }
    mPendingMaterialID = 0;

    if (material->isAudioMaterial()) {
        if (m_pVideoCardPlayerLayout && m_pVideoCardPlayerLayout->getPlayState() != 0)
            CDialogManager::toast(this, QStringLiteral("当前正在播放视频"), kToastMs);
        else if (m_pLiveAudioPlayerViewInterface)
            m_pLiveAudioPlayerViewInterface->playAudioMaterial(this, material);
        return;
    }
    if (material->isVideoMaterial()) {
        if (m_pVideoCardPlayerLayout)
            m_pVideoCardPlayerLayout->initWithMaterialDetail(material);
        return;
    }

    TQDrawManager *manager = drawManager();
    if (!manager)
        return;
    const int count = int(material->mFileItems.size());
    int page = lastVisitedPageNumber;
    if (page < 0 || page >= count) {
        // A page the material does not have (any more): it opens at its start.
        CLog::error(QStringLiteral("page %1 of %2 pages out of range").arg(page).arg(count),
                    QStringLiteral("TQLiveBroadCastActivity::changeMaterial "));
        page = 0;
    }
    manager->queueSelectMaterialInstruction(qint64(materialID), page, userIdNumber(), true);
    manager->reinitCurrentTool();
    emit pageChange(materialID, page, count);
}

void TQLiveBroadCastActivity::lbca_handleNewMaterialDetail_slot(QJsonObject joMaterialDetail)
{
    auto bean = std::make_unique<MaterialDetailBean>(joMaterialDetail);
    CourseDetailBean *course = TQDataModelBean::m_pOngoingCourse;
    if (!course)
        return;
    // The board and the switches work with int ids: a material beyond them
    // could never be shown, and a wrapped id would stand for another one.
    if (bean->materialId <= 0 || bean->materialId > INT_MAX) {
        CLog::error(QStringLiteral("refused material id %1").arg(bean->materialId),
                    QStringLiteral("TQLiveBroadCastActivity::lbca_handleNewMaterialDetail_slot "));
        return;
    }
    for (int i = 0; i < course->course_materials.size(); ++i) {
        const MaterialDetailBean *known = course->course_materials.at(i);
        if (known->materialId != bean->materialId)
            continue;
        // A converted material stays as it is; the reply is dropped.
        if (known->isFileProcessed())
            return;
        course->retireMaterial(i);
        break;
    }
    CLog::log(QStringLiteral("add material %1,%2,state %3")
                  .arg(bean->materialId)
                  .arg(QString::fromStdString(bean->materialName))
                  .arg(bean->materialFileProcessState),
              QStringLiteral("TQLiveBroadCastActivity::lbca_handleNewMaterialDetail_slot "));
    course->prepareNewMaterial(bean.get());
    MaterialDetailBean *material = bean.release();
    course->course_materials.append(material);
    emit newMaterialDetailAdded(joMaterialDetail);

    if (material->materialId != mPendingMaterialID)
        return;
    if (material->isFileProcessed())
        changeMaterial(int(material->materialId), int(material->rawMaterialId), 0);
    const std::string state = material->getProcessStateText();
    if (!state.empty())
        CDialogManager::showOneButtonDialog(this, QString(), QString::fromStdString(material->materialName + state),
                                            QString::fromUtf8(kOk), kDialogCountDown);
    mPendingMaterialID = 0;
}

// A page's PPT animation -------------------------------------------------------

void TQLiveBroadCastActivity::handleDrawLayoutTurnPage(int materialId, int pageIndex)
{
    CLog::log(QStringLiteral("turn page %1-%2").arg(materialId).arg(pageIndex),
              QStringLiteral("TQLiveBroadCastActivity::handleDrawLayoutTurnPage "));
    handlePageExtra(pageIndex, materialId);
}

void TQLiveBroadCastActivity::handlePageExtra(int pageIndex, int materialId)
{
    const QString tag = QStringLiteral("TQLiveBroadCastActivity::handlePageExtra ");
    CLog::log(QStringLiteral("page number %1").arg(pageIndex), tag);
    const FileBean *page = nullptr;
    const CourseDetailBean *course = TQDataModelBean::m_pOngoingCourse;
    if (course && pageIndex >= 0) {
        const auto index = std::size_t(pageIndex);
        if (materialId > 0) {
            for (const MaterialDetailBean *m : course->course_materials) {
                if (m->materialId == materialId && m->mFileItems.size() > index)
                    page = &m->mFileItems[index];
            }
        } else if (const MaterialDetailBean *m = course->m_pOngoingMaterial) {
            if (m->mFileItems.size() > index)
                page = &m->mFileItems[index];
        }
    }
    if (page && !page->materialPageExtras.empty()) {
        const FileBaseBean &extra = page->materialPageExtras.front();
        const QString url = QString::fromStdString(extra.fileUrl);
        CLog::log(QStringLiteral("handle video %1, time line size %2").arg(url).arg(extra.attribute.timeLine.size()), tag);
        if (m_pPPTPlayerLayout)
            m_pPPTPlayerLayout->initWithVideoUrl(url, extra.attribute.timeLine);
    } else if (m_pPPTPlayerLayout) {
        CLog::log(QStringLiteral("no page extra hide it"), tag);
        m_pPPTPlayerLayout->initWithVideoUrl(QString(), {});
    }
}

void TQLiveBroadCastActivity::composePPTPlayStatusAndSend()
{
    TQRealTimeManager *realTime = m_pContext ? m_pContext->m_pRealTimeManager : nullptr;
    if (!m_pPPTPlayerLayout || !m_pDrawLayout || !realTime)
        return;
    const TQPPTPlayerLayout &player = *m_pPPTPlayerLayout;
    const QSize board = m_pDrawLayout->boardSize();
    auto *status = new TQPPTPlayStatus;
    status->playState = player.playState() == 1 ? 1 : 2;
    status->topIndex = 0;
    status->playID = player.playId();
    status->drawingWidth = board.width();
    status->drawingHeight = board.height();
    status->playerWidth = board.width();
    status->playerHeight = player.videoWidth() < 1
                               ? board.height()
                               : int(qint64(board.width()) * player.videoHeight() / player.videoWidth());
    status->startX = 0;
    status->startY = 0;
    status->playerCurrent = player.position();
    status->url = player.videoUrl().toStdString();
    status->nextStopTime = player.nextStopTime();
    std::string text;
    status->toString(text);
    CLog::log(QStringLiteral("playing stop %1,%2,%3")
                  .arg(player.position())
                  .arg(player.nextStopTime())
                  .arg(QString::fromStdString(text)),
              QStringLiteral("TQLiveBroadCastActivity::composePPTPlayStatusAndSend "));
    realTime->sendActionImmediately(status);
}

// The shape being edited -------------------------------------------------------

void TQLiveBroadCastActivity::onColorSelect(int colorType)
{
    TQDrawManager *manager = drawManager();
    auto *shape = manager ? dynamic_cast<TQShapeGeneric *>(manager->currentTool()) : nullptr;
    if (!shape)
        return;
    shape->brush.colour = brushColorForIndex(colorType);
    shape->draw(manager, true, false);
}

void TQLiveBroadCastActivity::onLineTypeSelect(bool isDotLine)
{
    TQDrawManager *manager = drawManager();
    auto *shape = manager ? dynamic_cast<TQShapeGeneric *>(manager->currentTool()) : nullptr;
    if (!shape)
        return;
    shape->brush.type = isDotLine ? 0 : 1;
    shape->draw(manager, true, false);
}

void TQLiveBroadCastActivity::onFillModeChange(bool isFill)
{
    TQDrawManager *manager = drawManager();
    auto *shape = manager ? dynamic_cast<TQShapeGeneric *>(manager->currentTool()) : nullptr;
    if (!shape)
        return;
    shape->fill = isFill ? 1 : 0;
    shape->draw(manager, true, false);
}

// Pictures and the cursor -------------------------------------------------------

void TQLiveBroadCastActivity::pasteImageFile(const QString &path)
{
    if (path.isEmpty() || !QFileInfo::exists(path))
        return;
    const QString name = path.toLower();
    int kind = 0;
    if (name.endsWith(QLatin1String(".jpg")) || name.endsWith(QLatin1String(".jpeg")))
        kind = kJpegKind;
    else if (name.endsWith(QLatin1String(".png")))
        kind = kPngKind;
    else
        return;
    TQDrawManager *manager = drawManager();
    if (!manager)
        return;
    // The content decides the format: a ".png" may hold a JPEG.
    const std::unique_ptr<QPixmap> picture = CImageCompressorUtil::getRealPixmap(path);
    if (!picture || picture->isNull()) {
        CLog::error(QStringLiteral("cannot read picture %1").arg(path),
                    QStringLiteral("TQLiveBroadCastActivity::pasteImageFile "));
        return;
    }
    TQDrawManager::PasteRequest request;
    request.picture = picture.get();
    request.filePath = path;
    request.kind = kind;
    request.tag = kPhotoShadeTag;
    request.fromFile = true;
    request.extra = 0;
    request.waitMs = -1;
    request.preview = false;
    manager->uploadPasteArea(request);
}

void TQLiveBroadCastActivity::setCursorMode(int mode)
{
    mCursorMode = mode;
    if (!drawManager())
        return;
    const bool typing = mode != 0 && mode != 3;
    const bool iBeam = cursor().shape() == Qt::IBeamCursor;
    if (typing && !iBeam)
        setCursor(Qt::IBeamCursor);
    else if (!typing && iBeam)
        setCursor(Qt::ArrowCursor);
}
