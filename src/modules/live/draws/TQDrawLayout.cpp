#include "modules/live/draws/TQDrawLayout.h"

#include "modules/live/draws/TQDrawBackgroundLayout.h"
#include "modules/live/draws/TQDrawForegroundLayout.h"
#include "modules/live/draws/TQDrawManager.h"
#include "modules/live/draws/TQDrawShadeView.h"
#include "modules/live/draws/TQDrawSketchView.h"
#include "modules/live/draws/TQDrawTemporalLayout.h"
#include "modules/live/draws/TQDrawTemporalView.h"
#include "modules/live/draws/TQDrawTouchView.h"
#include "utils/CLog.h"

#include <QMetaMethod>
#include <QPainter>
#include <QQuickItem>
#include <QQuickItemGrabResult>

#include <chrono>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

const QString kCaptureTag = QStringLiteral("TQDrawLayout::getContentBitmap ");
// Large enough for any screen; keeps width x height x 4 within int.
constexpr int kMaxFrameSide = 16384;

// The frame's pixels in the memory order B, G, R, A whatever the image's
// native format and the host's byte order.
QImage bgraImage(const QImage &image)
{
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    return image.convertToFormat(QImage::Format_ARGB32);
#else
    return image.convertToFormat(QImage::Format_RGBA8888).rgbSwapped();
#endif
}

// A timed lock made of tries, which every thread checker understands.
bool lockWithin(std::unique_lock<std::mutex> &lock, int milliseconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (!lock.try_lock()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::microseconds(250));
    }
    return true;
}

} // namespace

TQDrawLayout::TQDrawLayout()
{
    CLog::printf("TQDrawLayout::TQDrawLayout");
}

TQDrawLayout::~TQDrawLayout()
{
    // The two items were made by the board's QML scene; the guards keep a
    // scene that went first from being deleted twice.
    delete mShadeView.data();
    delete mTemporalLayout.data();
    delete mDrawManager;
    delete mCapturePainter;
    delete mCaptureImage;
}

void TQDrawLayout::init(TQDrawDataSourceInterface *dataSource, TQDrawTemporalView *temporalView,
                        TQDrawSketchView *sketchView, TQDrawShadeView *shadeView,
                        TQDrawTemporalLayout *temporalLayout, TQDrawTouchView *touchView, QSize boardSize,
                        TQDrawBackgroundLayout *backgroundLayout, TQDrawForegroundLayout *foregroundLayout,
                        QQuickItem *containerItem, QQuickItem *boardContainer, QQuickItem *drawLayoutItem)
{
    CLog::printf("TQDrawLayout::init QSize=(%d, %d)", boardSize.width(), boardSize.height());
    mDataSource = dataSource;
    mTemporalView = temporalView;
    mSketchView = sketchView;
    mShadeView = shadeView;
    mTemporalLayout = temporalLayout;
    mTouchView = touchView;
    mBoardSize = boardSize;
    mBackgroundLayout = backgroundLayout;
    mForegroundLayout = foregroundLayout;
    mContainerItem = containerItem;
    mBoardContainer = boardContainer;
    mDrawLayoutItem = drawLayoutItem;
    delete mDrawManager;
    mDrawManager = new TQDrawManager;
    mDrawManager->init(dataSource, temporalLayout, shadeView, temporalView, sketchView, backgroundLayout,
                       foregroundLayout, containerItem, boardContainer, boardSize, kScreensPerPage);
    if (mTouchView)
        mTouchView->init(mDrawManager, boardSize.width(), boardSize.height(), false);
}

void TQDrawLayout::adjustViewSize(QSize size)
{
    mBoardSize = size;
    CLog::printf("TQDrawLayout::adjustViewSize w=%d,h=%d", size.width(), size.height());
    if (mDrawManager)
        mDrawManager->adjustVisibleSize(size);
    if (mTouchView)
        mTouchView->setViewSize(size.width(), size.height());
}

void TQDrawLayout::setDrawingEnabled(bool enabled, const std::string &hint)
{
    if (mTouchView)
        mTouchView->setDrawingEnabled(enabled, hint);
}

void TQDrawLayout::notifyPageTurnState(bool)
{
}

void TQDrawLayout::tickShadeCountdown()
{
    if (mShadeView && mShadeView->isVisible())
        mShadeView->tick();
}

void TQDrawLayout::setVideoCardVisible(bool visible)
{
    CLog::log(QStringLiteral("video card player visible %1").arg(visible),
              QStringLiteral("TQDrawLayout::setVideoCardVisible "));
    mVideoCardVisible = visible;
}

void TQDrawLayout::setPPTAnimationVisibleHeight(int height)
{
    CLog::log(QStringLiteral("ppt player height %1").arg(height),
              QStringLiteral("TQDrawLayout::setPPTAnimationVisibleHeight "));
    const int visibleHeight = mDrawManager ? mDrawManager->visibleSize().height() : 0;
    if (visibleHeight > 0 && height != 0) {
        const qint64 scaled = qint64(height) * mBoardSize.height() / visibleHeight;
        mPptPlayerHeight = int(qBound<qint64>(INT_MIN, scaled, INT_MAX));
    } else {
        mPptPlayerHeight = height == INT_MIN ? INT_MAX : std::abs(height);
    }
}

bool TQDrawLayout::hasFrame() const
{
    return mCaptureImage && !mCaptureImage->isNull();
}

bool TQDrawLayout::boardNeedsGrab() const
{
    const bool layerChanged = (mBackgroundLayout && mBackgroundLayout->isChanged()) ||
                              (mSketchView && mSketchView->isChanged()) ||
                              (mTemporalView && mTemporalView->isChanged()) ||
                              (mForegroundLayout && mForegroundLayout->isChanged()) ||
                              (mTemporalLayout && mTemporalLayout->isChanged());
    // The PPT animation player is still in view while its bottom lies below the top offset.
    const bool pptInView = mDrawManager && mPptPlayerHeight > mDrawManager->topOffset();
    return layerChanged || mShareFrameCaptured || mVideoCardVisible || pptInView;
}

void TQDrawLayout::clearChangedFlags()
{
    if (mBackgroundLayout)
        mBackgroundLayout->setChanged(false);
    if (mSketchView)
        mSketchView->setChanged(false);
    if (mTemporalView)
        mTemporalView->setChanged(false);
    if (mForegroundLayout)
        mForegroundLayout->setChanged(false);
    if (mTemporalLayout)
        mTemporalLayout->setChanged(false);
    mShareFrameCaptured = false;
}

void TQDrawLayout::drawThumbnail()
{
    if (!mPreviewView)
        return;
    const QImage picture = mPreviewView->currentPicture();
    if (!picture.isNull())
        mCapturePainter->drawImage(QRect(0, 0, kThumbnailSize, kThumbnailSize), picture);
}

void TQDrawLayout::getContentBitmap(int width, int height, qlonglong frameId)
{
    if (width <= 0 || height <= 0 || width > kMaxFrameSide || height > kMaxFrameSide) {
        CLog::error(QStringLiteral("refused frame size %1 x %2").arg(width).arg(height), kCaptureTag);
        return;
    }
    // 1. The camera in full screen.
    if (mPreviewView && mPreviewView->isFullScreen()) {
        const QImage picture = mPreviewView->currentPicture();
        if (!picture.isNull()) {
            if (hasFrame()) {
                mCapturePainter->fillRect(mCaptureImage->rect(), Qt::white);
                mCapturePainter->drawImage(QRect(160, 0, 960, 720), picture);
                emitFrame(width, height, frameId);
            } else {
                CLog::log(QStringLiteral("get bit map null"), kCaptureTag);
            }
            return;
        }
    }
    // 2. A screen share, when its frame can be had in time.
    std::mutex *shareMutex = mShareScreenManager ? mShareScreenManager->frameMutex() : nullptr;
    if (shareMutex && mShareScreenManager->isSharing()) {
        std::unique_lock<std::mutex> lock(*shareMutex, std::defer_lock);
        const QImage frame = lockWithin(lock, kShareLockMs) ? mShareScreenManager->lastFrame() : QImage();
        if (!frame.isNull()) {
            if (hasFrame()) {
                mCapturePainter->fillRect(mCaptureImage->rect(), Qt::black);
                mCapturePainter->drawImage(QRect(72, 0, 1136, 720), frame);
                mShareFrameCaptured = true;
                emitFrame(width, height, frameId);
            } else {
                CLog::log(QStringLiteral("get bit map null"), kCaptureTag);
            }
            mClearCameraColumn = true;
            return;
        }
    }
    // 3. The board, grabbed from the scene when something changed.
    if (boardNeedsGrab() && mGrabResult.isNull() && mDrawLayoutItem) {
        if (!mCaptureImage) {
            mCaptureImage = new QImage(width, height, QImage::Format_RGB32);
            mCaptureImage->fill(Qt::white);
            mCapturePainter = new QPainter(mCaptureImage);
            mCapturePainter->setRenderHint(QPainter::SmoothPixmapTransform, true);
        }
        QSharedPointer<QQuickItemGrabResult> grab = mDrawLayoutItem->grabToImage();
        if (grab) {
            mGrabResult = grab;
            mGrabWidth = width;
            mGrabHeight = height;
            mGrabFrameId = frameId;
            connect(grab.data(), &QQuickItemGrabResult::ready, this, &TQDrawLayout::saveGrabBitmap);
            return;
        }
        // Not in a shown window: send what there is.
        CLog::error(QStringLiteral("grabToImage refused"), kCaptureTag);
    }
    // 4. Nothing changed, or a grab is on its way: the last frame again.
    if (!hasFrame()) {
        CLog::log(QStringLiteral("get bit map null"), kCaptureTag);
        return;
    }
    drawThumbnail();
    emitFrame(width, height, frameId);
}

void TQDrawLayout::saveGrabBitmap()
{
    if (mGrabResult.isNull() || !hasFrame())
        return;
    try {
        const QImage grabbed = mGrabResult->image();
        mCapturePainter->drawImage(QRect(kThumbnailSize, 0, 1136, 720), grabbed);
        drawThumbnail();
        if (mClearCameraColumn) {
            // The whole column below the thumbnail, down to the frame's last row.
            mCapturePainter->fillRect(QRect(0, kThumbnailSize, kThumbnailSize, 720 - kThumbnailSize), Qt::white);
            mClearCameraColumn = false;
        }
        mGrabResult.clear();
        clearChangedFlags();
        emitFrame(mGrabWidth, mGrabHeight, mGrabFrameId);
    } catch (...) {
        CLog::error(QStringLiteral("some trouble in grabToImage"), QStringLiteral("TQDrawLayout::saveGrabBitmap "));
    }
}

void TQDrawLayout::emitFrame(int width, int height, qlonglong frameId)
{
    // Nobody would free the buffer.
    if (!isSignalConnected(QMetaMethod::fromSignal(&TQDrawLayout::captureFrame)))
        return;
    // RGB32 holds B, G, R, 0xff in memory on little-endian hosts; another
    // size or byte order takes a converted copy.
    const QImage *frame = mCaptureImage;
    QImage converted;
    if (mCaptureImage->size() != QSize(width, height) || Q_BYTE_ORDER != Q_LITTLE_ENDIAN) {
        // The image keeps the size of the first capture: another size is
        // scaled to, never read past.
        converted = bgraImage(mCaptureImage->scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        frame = &converted;
    }
    const int rowBytes = width * 4;
    const int size = rowBytes * height;
    auto *data = static_cast<char *>(std::malloc(size_t(size)));
    if (!data) {
        CLog::error(QStringLiteral("no memory for a frame of %1 bytes").arg(size), kCaptureTag);
        return;
    }
    for (int y = 0; y < height; ++y)
        std::memcpy(data + qsizetype(y) * rowBytes, frame->constScanLine(y), size_t(rowBytes));
    emit captureFrame(data, size, frameId);
}
