#pragma once

#include "modules/live/draws/TQBroadCastDrawDataSourceInterface.h"

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QSharedPointer>
#include <QSize>

#include <mutex>
#include <string>

class QPainter;
class QQuickItem;
class QQuickItemGrabResult;
class TQDrawBackgroundLayout;
class TQDrawDataSourceInterface;
class TQDrawForegroundLayout;
class TQDrawManager;
class TQDrawShadeView;
class TQDrawSketchView;
class TQDrawTemporalLayout;
class TQDrawTemporalView;
class TQDrawTouchView;

// The live-class window's handle on the board: it takes the layer items of
// the board's QML stack, creates and owns the draw manager, passes size
// changes and the drawing permission on, and composes the 1280 x 720 frames
// that recording and streaming take from the board. The board is grabbed from
// the scene only when a layer changed; otherwise the last composed frame is
// sent again with a fresh camera thumbnail. GUI thread only.
class TQDrawLayout : public QObject, public TQBroadCastDrawDataSourceInterface::DrawLayout
{
    Q_OBJECT

public:
    // The window's camera preview, as the frames show it.
    class CameraPreview
    {
    public:
        virtual ~CameraPreview() = default;
        // Null when there is no picture.
        virtual QImage currentPicture() const = 0;
        virtual bool isFullScreen() const = 0;
    };

    // A running screen share. Its frame is written on the capture thread:
    // lastFrame is read only while frameMutex is held.
    class ScreenShare
    {
    public:
        virtual ~ScreenShare() = default;
        virtual bool isSharing() const = 0;
        virtual std::mutex *frameMutex() = 0;
        // Null when no frame was shared yet.
        virtual QImage lastFrame() const = 0;
    };

    static constexpr float kScreensPerPage = 23.0f;
    static constexpr int kShareLockMs = 9;
    static constexpr int kThumbnailSize = 144;

    TQDrawLayout();
    // Deletes the shade view and the temporal layout items when they still
    // exist, then the draw manager.
    ~TQDrawLayout() override;
    TQDrawLayout(const TQDrawLayout &) = delete;
    TQDrawLayout &operator=(const TQDrawLayout &) = delete;

    void init(TQDrawDataSourceInterface *dataSource, TQDrawTemporalView *temporalView, TQDrawSketchView *sketchView,
              TQDrawShadeView *shadeView, TQDrawTemporalLayout *temporalLayout, TQDrawTouchView *touchView,
              QSize boardSize, TQDrawBackgroundLayout *backgroundLayout, TQDrawForegroundLayout *foregroundLayout,
              QQuickItem *containerItem, QQuickItem *boardContainer, QQuickItem *drawLayoutItem);
    void adjustViewSize(QSize size);
    void setDrawingEnabled(bool enabled, const std::string &hint) override;
    void notifyPageTurnState(bool turning) override;
    void tickShadeCountdown();
    void setVideoCardVisible(bool visible);
    void setPPTAnimationVisibleHeight(int height);
    // Neither is owned; either may be null.
    void setPreviewView(CameraPreview *preview) { mPreviewView = preview; }
    void setShareScreenManager(ScreenShare *share) { mShareScreenManager = share; }

    // Composes one frame of width x height; see captureFrame. Called by the
    // recorder every 100 ms with 1280, 720 and the time in ms.
    void getContentBitmap(int width, int height, qlonglong frameId);

    TQDrawManager *drawManager() const { return mDrawManager; }
    QSize boardSize() const { return mBoardSize; }
    int pptPlayerHeight() const { return mPptPlayerHeight; }
    bool isGrabPending() const { return !mGrabResult.isNull(); }

signals:
    // width x height pixels, rows top to bottom, 4 bytes a pixel in the
    // memory order B, G, R, A. `data` was allocated with malloc and belongs
    // to the receiver, which must free it.
    void captureFrame(char *data, int size, qlonglong frameId);

public slots:
    void saveGrabBitmap();

private:
    bool boardNeedsGrab() const;
    void clearChangedFlags();
    void drawThumbnail();
    // Copies the composed frame at width x height and emits it.
    void emitFrame(int width, int height, qlonglong frameId);
    bool hasFrame() const;

    TQDrawTemporalView *mTemporalView = nullptr;
    TQDrawSketchView *mSketchView = nullptr;
    QPointer<TQDrawShadeView> mShadeView;
    QPointer<TQDrawTemporalLayout> mTemporalLayout;
    TQDrawTouchView *mTouchView = nullptr;
    QSize mBoardSize;
    TQDrawManager *mDrawManager = nullptr; // owned
    TQDrawDataSourceInterface *mDataSource = nullptr;
    TQDrawBackgroundLayout *mBackgroundLayout = nullptr;
    TQDrawForegroundLayout *mForegroundLayout = nullptr;
    QQuickItem *mContainerItem = nullptr;
    QQuickItem *mBoardContainer = nullptr;
    QQuickItem *mDrawLayoutItem = nullptr;
    // The composed frame. An image of a fixed 32-bit format rather than a
    // pixmap, so that a frame is handed out with one copy and its byte order
    // does not depend on the platform's pixmap format.
    QImage *mCaptureImage = nullptr; // owned
    QPainter *mCapturePainter = nullptr; // owned, open on mCaptureImage
    bool mShareFrameCaptured = false;
    CameraPreview *mPreviewView = nullptr;
    ScreenShare *mShareScreenManager = nullptr;
    QSharedPointer<QQuickItemGrabResult> mGrabResult;
    bool mVideoCardVisible = false;
    int mPptPlayerHeight = 0;
    int mGrabWidth = 0;
    int mGrabHeight = 0;
    qint64 mGrabFrameId = 0;
    bool mClearCameraColumn = false;
};
