// Pictures, copied regions and cover boards on the board; the paste upload
// that comes before a pasted picture is placed; page images sent on once
// they are downloaded.
#include "modules/live/draws/TQDrawManager.h"

#include "actions/TQActionHelpers.h"
#include "actions/drawing/TQDrawActionCutImagePortion.h"
#include "actions/drawing/TQDrawActionDrawImage.h"
#include "actions/drawing/TQDrawingActionSave.h"
#include "modules/live/bean/CParticipantBean.h"
#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/TQDataModelBean.h"
#include "modules/live/communications/binary/TQBinaryDownloadManager.h"
#include "modules/live/draws/TQDrawBackgroundLayout.h"
#include "modules/live/draws/TQDrawDataSourceInterface.h"
#include "modules/live/draws/TQDrawSketchView.h"
#include "modules/live/draws/TQDrawTemporalLayout.h"
#include "modules/live/draws/TQDrawTemporalView.h"
#include "modules/live/draws/TQDrawingElement.h"
#include "modules/live/draws/TQPathClearRect.h"
#include "modules/live/draws/TQPathImage.h"
#include "modules/live/draws/TQPreSendingImage.h"
#include "modules/live/draws/TQShapeAbstract.h"
#include "modules/login/LoginManager.h"
#include "utils/CLog.h"
#include "utils/FileUtils.h"
#include "utils/TimeUtils.h"

#include <QFileInfo>
#include <QPixmap>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kPictureOnPage = 0;
constexpr int kImageShape = 1;
constexpr int kCoverBoard = 2;
constexpr int kToastType = 301;
constexpr int kCopyPasteTool = 101;
constexpr int kSmallBoardTool = 100;
constexpr int kFloatingImageTool = 102;
constexpr int kFreeDrawTool = -1;
constexpr int kPngKind = 4;
constexpr double kCaptionBand = 90.0;

const char *const kPageBottomToast = "已经到达本讲义页最低处，请换页讲解";

int estimateWaitMs(qint64 bytes)
{
    if (bytes <= 200000)
        return 4000;
    if (bytes <= 400000)
        return 6000;
    if (bytes <= 800000)
        return 8000;
    return 10000;
}

} // namespace

void TQDrawManager::queueDrawImage(int materialId, int pageIndex, std::string url, int canvasWidth, int canvasHeight,
                                   int width, int height, int sourceA, int topOffset, int sourceB, int sourceC,
                                   int sourceD, int sourceE, int toStudentCode, int rotation, int x, int y,
                                   int elementId, bool scrollTo, std::string caption)
{
    auto *image = new TQDrawActionDrawImage;
    image->materialId = materialId;
    image->pageIndex = pageIndex;
    image->url = std::move(url);
    image->canvasWidth = canvasWidth;
    image->canvasHeight = canvasHeight;
    image->width = width;
    image->height = height;
    image->captionHeight = sourceA;
    image->topOffset = topOffset;
    image->sourceB = sourceB;
    image->ownerUserId = sourceC;
    image->sourceD = sourceD;
    image->placement = sourceE;
    image->toStudentCode = toStudentCode;
    image->rotation = rotation;
    image->x = x;
    image->y = y;
    image->elementId = elementId;
    image->scrollTo = scrollTo;
    image->caption = std::move(caption);
    queueAction(image);
}

void TQDrawManager::queueCutImagePortion(int materialId, int pageIndex, int x, int y, int width, int height,
                                         int regionA, int regionB, int canvasWidth, int canvasHeight, int topOffset,
                                         bool smallBoard, qint64 sourceTime, int senderId, int tag, std::string url)
{
    auto *region = new TQDrawActionCutImagePortion;
    region->materialId = materialId;
    region->pageIndex = pageIndex;
    region->x = x;
    region->y = y;
    region->width = width;
    region->height = height;
    region->regionA = regionA;
    region->regionB = regionB;
    region->canvasWidth = canvasWidth;
    region->canvasHeight = canvasHeight;
    region->topOffset = topOffset;
    region->smallBoard = smallBoard;
    region->sourceTime = sourceTime;
    region->senderId = senderId;
    region->tag = tag;
    region->url = std::move(url);
    queueAction(region);
}

QString TQDrawManager::pictureCaption(const TQDrawActionDrawImage &image) const
{
    if (!image.caption.empty())
        return QString::fromStdString(image.caption);
    if (CourseDetailBean *course = TQDataModelBean::m_pOngoingCourse) {
        if (CParticipantBean *author = course->getParticipant(image.ownerUserId))
            return QString::fromStdString(author->remarkName);
    }
    if (image.ownerUserId == signedInUserId())
        return QStringLiteral("讲课老师:") + LoginManager::getNickName();
    return QStringLiteral("上课同学");
}

void TQDrawManager::internalDrawImage(TQDrawingAction *action)
{
    std::unique_ptr<TQDrawActionDrawImage> a(static_cast<TQDrawActionDrawImage *>(action));
    if (!TQDataModelBean::m_pOngoingCourse)
        return;
    adjustMaterialOrPage(*a);
    if (a->canvasWidth < 1)
        return;
    const int ourWidth = mCanvasSize.width();
    const float scale = float(ourWidth * 1.0 / a->canvasWidth);
    if (a->scrollTo && std::abs(int(a->topOffset * scale) - mTopOffset) > 1)
        followAuthorScroll(*a, a->topOffset, a->canvasWidth, a->canvasHeight, 0, scale);
    publishClone(a.get());
    if (!mDataSource)
        return;

    switch (a->placement) {
    case kPictureOnPage: {
        // The picture keeps its aspect at page width; a received width of 0
        // has none.
        if (a->width < 1) {
            CLog::error(QStringLiteral("picture without width refused"), QStringLiteral("TQDrawManager::internalDrawImage "));
            return;
        }
        auto *e = new TQDrawingElement(nextSequenceNumber(true));
        e->kind = TQDrawingElement::PlacedImage;
        e->x = int(a->x * scale);
        e->y = int((a->y + a->topOffset) * scale);
        e->width = ourWidth;
        e->height = int(qint64(ourWidth) * a->height / a->width);
        e->url = QString::fromStdString(a->url);
        e->caption = pictureCaption(*a);
        e->captionHeight = int(a->captionHeight * scale);
        e->canvasWidth = ourWidth;
        e->canvasHeight = mCanvasSize.height();
        CLog::printf("TQDrawManager::internalDrawImage for text:(%s) x:%d,y:%d,w:%d,h:%d",
                     e->caption.toUtf8().constData(), e->x, e->y, e->width, e->height);
        mDataSource->addToReservoirBackgroundElements(e);
        if (a->refresh)
            redrawBackground(false);
        break;
    }
    case kImageShape: {
        for (TQPath *p : mTemporalPaths) {
            if (p->strokeId == a->elementId && dynamic_cast<TQPathImage *>(p)) {
                deletePending(mTemporalPaths, p);
                break;
            }
        }
        const QRectF rect(a->x * scale, a->y * scale + mTopOffset, a->width * scale, a->height * scale);
        auto *path = new TQPathImage(TQBrushStyle(1, kBrushColorDefault, 3, 0), a->elementId, rect,
                                     a->toStudentCode, float(a->rotation / 10000.0),
                                     QByteArray::fromStdString(a->url));
        path->setCanvasSize(ourWidth, mCanvasSize.height());
        mTemporalPaths.push_back(path);
        if (a->refresh)
            repaintTemporal();
        break;
    }
    case kCoverBoard: {
        // Moving, resizing and closing all replace the board of that tag.
        const QList<TQDrawingElement *> *foreground = mDataSource->reservoirForegroundElements();
        for (int i = 0; foreground && i < foreground->size(); ++i) {
            if (foreground->at(i)->tag == a->elementId) {
                mDataSource->eraseForegroundElement(i);
                break;
            }
        }
        auto *e = new TQDrawingElement(a->elementId);
        e->kind = TQDrawingElement::PlacedImage;
        e->x = int(a->x * scale);
        e->y = int((a->y + a->topOffset) * scale);
        e->width = int(a->width * scale);
        e->height = int(a->height * scale);
        e->url = QString::fromStdString(a->url);
        e->sourceValue = a->toStudentCode;
        e->flag1 = 1;
        e->flag2 = 1;
        e->canvasWidth = ourWidth;
        e->canvasHeight = mCanvasSize.height();
        mDataSource->addToReservoirForegroundElements(e);
        if (a->refresh)
            redrawForeground(false);
        break;
    }
    default:
        break;
    }
}

void TQDrawManager::internalCutImagePortion(TQDrawingAction *action)
{
    auto *c = static_cast<TQDrawActionCutImagePortion *>(action);
    adjustMaterialOrPage(*c);
    if (c->canvasWidth <= 1) {
        delete c;
        return;
    }
    const QString url = QString::fromStdString(c->url);
    if (!url.isEmpty() && !QFileInfo::exists(FileUtils::getResourceFileFromUrl(url))) {
        if (!mDownloadManager) {
            mDownloadManager = new TQBinaryDownloadManager(this);
            connect(mDownloadManager, &TQBinaryDownloadManager::bdManager_handleBinaryDownloaded_signal, this,
                    &TQDrawManager::imageDownloaded_slot);
        }
        // A second action for the same file replaces the first.
        mImageWaitingActions[url].reset(c);
        mDownloadManager->downloadUrl(url);
        return;
    }
    std::unique_ptr<TQDrawActionCutImagePortion> owned(c);
    const int ourWidth = mCanvasSize.width();
    const float scale = float(ourWidth * 1.0 / c->canvasWidth);
    followAuthorScroll(*c, c->topOffset, c->canvasWidth, c->canvasHeight, 0, scale);
    if (!mDataSource)
        return;
    if (c->smallBoard) {
        if (CourseDetailBean *course = TQDataModelBean::m_pOngoingCourse)
            course->mCutImagePortionValue = mDataSource->getDrawingActionCount();
    }
    const bool refresh = c->refresh;
    publishClone(c);

    const int visibleWidth = mVisibleSize.width();
    if (c->smallBoard) {
        if (refresh && mTemporalLayout) {
            const int x = TQDataModelBean::m_pOngoingCourse ? TQDataModelBean::m_pOngoingCourse->mSmallBlackBoardValue
                                                             : 0;
            mTemporalLayout->showBlackboard(c->url, int(visibleWidth * c->width / double(ourWidth) * scale),
                                            int(visibleWidth * c->height / double(ourWidth) * scale), visibleWidth, x);
        }
        return;
    }
    const QRectF rect(c->x * scale, (c->y + c->topOffset) * scale, c->width * scale, c->height * scale);
    auto *clear = new TQPathClearRect(*mBrush, 0, rect);
    clear->setCanvasSize(ourWidth, mCanvasSize.height());
    mDataSource->addPagePath(clear);
    if (refresh && mSketchView) {
        const QList<TQPath *> *page = mDataSource->getPagePaths();
        mSketchView->redrawPaths(std::vector<TQPath *>(page->begin(), page->end()), mTopOffset, true, true, mXOffset,
                                 mZoom);
    }
    auto *e = new TQDrawingElement(nextSequenceNumber(true));
    e->kind = TQDrawingElement::BoardRegion;
    e->x = int(rect.x());
    e->y = int(rect.y());
    e->width = int(rect.width());
    e->height = int(rect.height());
    e->url = url;
    e->canvasWidth = ourWidth;
    e->canvasHeight = mCanvasSize.height();
    mDataSource->addToReservoirBackgroundElements(e);
    if (refresh)
        redrawBackground(false);
    saveNow(refresh, true);
}

void TQDrawManager::imageDownloaded_slot(QString url)
{
    auto found = mImageWaitingActions.find(url);
    if (found == mImageWaitingActions.end())
        return;
    TQDrawingAction *action = found->second.release();
    mImageWaitingActions.erase(found);
    const bool image = action->type == 10;
    const int strokeId = image ? static_cast<TQDrawActionDrawImage *>(action)->elementId : 0;
    queueAction(action);
    if (image) {
        auto *save = new TQDrawingActionSave;
        save->materialId = mMaterialId;
        save->pageIndex = mPageIndex;
        save->strokeId = strokeId;
        save->senderId = signedInUserId();
        internalDrawSave(save, true);
    }
}

void TQDrawManager::handleBinaryDownloaded(QString url)
{
    const auto found = mPreSendingImages.find(url.toStdString());
    if (found != mPreSendingImages.end()) {
        TQPreSendingImage *image = found->second;
        if (mDataSource)
            mDataSource->sendImageFileForUrl(image->url, image->sendValue, image->currentPage, image->earlyTurn);
        delete image;
        mPreSendingImages.erase(found);
    }
    if (mBackgroundLayout)
        mBackgroundLayout->setupBackgroundImage(url, nullptr, false);
}

bool TQDrawManager::placeImageOnBoard(const ImageRecord &image, int top, bool scrollTo)
{
    const int ourWidth = mCanvasSize.width();
    // A picture without width has no height on the page either.
    if (image.size.width() < 1)
        return false;
    const double k = ourWidth * 1.0 / image.size.width();
    const double band = kCaptionBand / k;
    const int h = int((image.size.height() + band) * k);
    if (mTopOffset + h > maxTopOffset()) {
        if (mDataSource)
            mDataSource->showToast(QString::fromUtf8(kPageBottomToast), kToastType, 2000);
        return false;
    }
    const int user = signedInUserId();
    queueDrawImage(mMaterialId, mPageIndex, image.url.toStdString(), ourWidth, mCanvasSize.height(), ourWidth, h,
                   int(band * k), top, image.valueA, image.valueB, user, kPictureOnPage, 0, 0, 0, 0,
                   nextSequenceNumber(true), scrollTo, image.caption.toStdString());
    return true;
}

void TQDrawManager::uploadPasteArea(const PasteRequest &r)
{
    if (!r.picture && r.filePath.isEmpty())
        return;
    const int w = mCanvasSize.width();
    const int h = mCanvasSize.height();
    QPixmap fromFile;
    const QPixmap *picture = r.picture;
    QRect rect = r.rect;
    if (picture && rect.isNull()) {
        rect = QRect((w - picture->width()) / 2, (h - picture->height()) / 2, picture->width(), picture->height());
    } else if (!picture) {
        if (!fromFile.load(r.filePath))
            return;
        picture = &fromFile;
        if (fromFile.width() > 1)
            rect = QRect(0, h + mTopOffset, w, int(fromFile.height() * w * 1.0 / fromFile.width()));
    }
    if (rect.isNull())
        return;
    const QString saved = FileUtils::saveBitmapToLocal(*picture, r.kind == kPngKind ? "PNG" : "JPG");
    if (saved.isEmpty()) {
        CLog::log(QStringLiteral("LiveBroadcast: file creation failure uploadPasteArea"));
        if (mDataSource)
            mDataSource->showToast(QStringLiteral("保存图片失败，请检查磁盘空间是否用完，或反馈给Veltro客服人员"),
                                   kToastType, 3000);
        return;
    }
    mPastePath = saved;
    mPasteRect = rect;
    mPasteKind = r.kind;
    mPasteFromFile = r.fromFile;
    mPasteWaitMs = estimateWaitMs(QFileInfo(saved).size());
    if (!r.filePath.isEmpty() && r.fromFile)
        mPasteWaitMs /= 2;
    if (mDataSource)
        mDataSource->uploadImageFile(saved, r.kind, r.extra);
    if (r.waitMs >= 0)
        mPasteWaitMs = r.waitMs;
    if (mPasteWaitMs > 0)
        showWaitingShade(true, r.tag, "正在传输给学生.", mPasteWaitMs);
    if (r.preview && mTemporalView && w > 0) {
        const double s = mVisibleSize.width() * 1.0 / w;
        QPixmap shown = *picture;
        mTemporalView->showPastePreview(&shown, QRect(int(rect.x() * s), int(rect.y() * s), int(rect.width() * s),
                                                      int(rect.height() * s)));
    }
}

void TQDrawManager::handleUploadFileSuccess(QString url)
{
    if (url.size() < 2 || mPastePath.isEmpty())
        return;
    FileUtils::copyFileToResource(mPastePath, url);
    FileUtils::removeFile(mPastePath);
    mPastePath.clear();
    if (mDataSource)
        mDataSource->sendImageFileForUrl(url.toStdString(), mPasteKind, true, false);
    const int tool = mCurrentTool ? mCurrentTool->type : kFreeDrawTool;
    const bool placeAtOnce = tool != kSmallBoardTool && tool != kCopyPasteTool && mPasteFromFile;
    mSendImageUrl = url;
    startJob(mSendImageJob, placeAtOnce ? 0 : std::max(1000, mPasteWaitMs / 2));
}

void TQDrawManager::handleUploadFileFailure()
{
    switch (mWaitingTag) {
    case 0:
        if (mDataSource)
            mDataSource->showToast(QStringLiteral("由于网络问题，小黑板的内容没有传输给学生。"), kToastType, 3000);
        break;
    case 1:
        queueRestoreCurrent(false);
        if (mDataSource)
            mDataSource->showToast(QStringLiteral("由于网络问题，划定区域的内容没有传输给学生。"), kToastType, 3000);
        break;
    case 2:
        queueRestoreCurrent(false);
        if (mDataSource)
            mDataSource->showToast(QStringLiteral("由于网络问题，拍摄/照片的内容没有传输给学生。"), kToastType, 3000);
        break;
    default:
        break;
    }
}

void TQDrawManager::sendPastedImage(QString url)
{
    mWaitingTag = -1;
    showWaitingShade(false, 0, std::string(), 0);
    const int tool = mCurrentTool ? mCurrentTool->type : kFreeDrawTool;
    const int user = signedInUserId();
    const QRect r = mPasteRect;
    const bool remembered = !r.isNull();
    mPasteRect = QRect();
    if (tool == kCopyPasteTool) {
        if (!remembered)
            return;
        TQShapeParams params;
        params.id = nextSequenceNumber(true);
        params.rect = r;
        params.imageUrl = url.toStdString();
        selectShapeTool(kFloatingImageTool, params);
        return;
    }
    const int canvasW4 = int(mCanvasSize.width() * mZoom * 4);
    const int canvasH4 = int(mCanvasSize.height() * mZoom * 4);
    const int top4 = int(mTopOffset * mZoom * 4);
    if (tool == kSmallBoardTool) {
        const int x = (r.left() + mXOffset) * 4;
        const int y = r.top() * 4;
        queueCutImagePortion(mMaterialId, mPageIndex, x, y, r.width() * 4, r.height() * 4, x, y, canvasW4, canvasH4,
                             top4, true, secondsSinceReferenceDate(), user, nextSequenceNumber(true),
                             url.toStdString());
        selectShapeTool(kFreeDrawTool, TQShapeParams());
        return;
    }
    if (!remembered)
        return;
    if (mPasteFromFile) {
        if (mDataSource)
            mDataSource->updateTakePictureImage(url, QStringLiteral("来自任课教师"));
    } else {
        queueDrawImage(mMaterialId, mPageIndex, url.toStdString(), canvasW4, canvasH4, r.width() * 4, r.height() * 4, 0, top4, nextSequenceNumber(true), user, user, kImageShape, 0, 0,
                       (r.left() + mXOffset) * 4, r.top() * 4, nextSequenceNumber(true), true, std::string());
    }
    queueSave(mMaterialId, mPageIndex, 0, user);
    selectShapeTool(kFreeDrawTool, TQShapeParams());
}
