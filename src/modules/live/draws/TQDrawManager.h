#pragma once

#include "modules/live/draws/TQBrushStyle.h"
#include "modules/live/draws/TQPointW.h"
#include "modules/live/draws/TQPointWF.h"
#include "modules/live/draws/TQSavedImageHistory.h"
#include "shapes/TQShapeParams.h"

#include <QBasicTimer>
#include <QMap>
#include <QPixmap>
#include <QObject>
#include <QRect>
#include <QSize>
#include <QString>

#include <map>
#include <memory>
#include <string>
#include <vector>

class CommonService;
class CourseService;
class MaterialService;
class QJsonObject;
class QQuickItem;
class TQBlackboardView;
class TQDrawBackgroundLayout;
class TQDrawDataSourceInterface;
class TQDrawForegroundLayout;
class TQDrawShadeView;
class TQDrawSketchView;
class TQDrawTemporalLayout;
class TQDrawTemporalView;
class TQDrawingAction;
class TQDrawingActionCleanPage;
class TQDrawingActionDrawText;
class TQDrawingActionLine;
class TQDrawingActionMoveUpDown;
class TQDrawingActionRestore;
class TQDrawingActionSelectMaterial;
class TQDrawingActionTurnPage;
class TQDrawingActionSave;
class TQBinaryDownloadManager;
class TQDrawActionDrawCircle;
class TQDrawActionDrawImage;
class TQDrawActionEraseBlackBoard;
class TQDrawingElement;
class TQLiveMaterialViewModel;
class TQPath;
class TQPenFactory;
class TQPreSendingImage;
class TQShapeAbstract;
class TQVertex;

// The controller of one blackboard. Every change of the board enters as a
// drawing action through one queue and is applied strictly one at a time, in
// queue order, one action per posted event, on the GUI thread. Applying an
// action changes the layers and the page model of the data source and, when
// the action is published, hands it to the data source for recording and
// sending.
class TQDrawManager : public QObject
{
    Q_OBJECT

public:
    // The fields of a text the teacher finished typing.
    struct TextRecord
    {
        int materialId = 0;
        int pageIndex = 0;
        int x = 0;
        int y = 0;
        int topOffset = 0;
        int width = 0;
        int height = 0;
        int canvasWidth = 0;
        int canvasHeight = 0;
        int fontSize = 0;
        int elementId = 0;
        bool publish = true;
        int senderId = 0;
        QString text;
        QString colour;
        QString fontFamily;
    };

    TQDrawManager();
    ~TQDrawManager() override;
    TQDrawManager(const TQDrawManager &) = delete;
    TQDrawManager &operator=(const TQDrawManager &) = delete;

    void init(TQDrawDataSourceInterface *dataSource, TQDrawTemporalLayout *temporalLayout, TQDrawShadeView *shadeView,
              TQDrawTemporalView *temporalView, TQDrawSketchView *sketchView, TQDrawBackgroundLayout *backgroundLayout,
              TQDrawForegroundLayout *foregroundLayout, QQuickItem *contentItem, QQuickItem *scrollItem,
              QSize visibleSize, float screensPerPage);

    // Queue entry points: each builds one action and queues it.
    void queueDrawLine(const std::vector<TQPointW> &points, int canvasWidth, int canvasHeight, int topOffset,
                       int secondOffset, int materialId, int pageIndex, const TQBrushStyle &brush, bool straight,
                       bool publish, int strokeId, int senderId, int alphaFlag);
    void queueDrawCircle(int centreX, int centreY, const QRectF &bounds, int radius, bool filled, int startAngle,
                         int endAngle, int topOffset, int secondOffset, int materialId, int pageIndex, int canvasWidth,
                         int canvasHeight, const TQBrushStyle &brush, bool publish, int elementId, int senderId);
    void queueDrawText(const TextRecord &record);
    void queueSave(int materialId, int pageIndex, int strokeId, int senderId);
    void queueRestoreCurrent(bool publish);
    void queueMoveUpDown(int materialId, int pageIndex, int canvasWidth, int canvasHeight, int topOffset,
                         int secondOffset, int valueA, int valueB, bool standalone, int senderId);
    void queueCleanPage(qint64 materialId, int pageIndex);
    // A cover board placed at (x, y) below the top offset, in pixels of the
    // given canvas; noClamp lets it leave the page (a closed board).
    void queueCoverBoardImage(int x, int y, int top, int width, int height, int canvasWidth, int canvasHeight,
                              int toStudentCode, int elementId, bool noClamp);
    // Takes ownership; the action is applied by its own later event.
    void queueAction(TQDrawingAction *action);

    // A picture to lay below the current view (homework review, photos).
    struct ImageRecord
    {
        QString url;
        QSize size;
        int valueA = 0;
        int valueB = 0;
        QString caption;
    };
    // A pasted screenshot or photo to upload and then place.
    struct PasteRequest
    {
        QPixmap *picture = nullptr;
        QRect rect;
        QString filePath;
        // 4 saves PNG, anything else JPG.
        int kind = 0;
        // 0 small blackboard, 1 selected area, 2 photo.
        int tag = 0;
        bool fromFile = false;
        int extra = 0;
        // Negative: estimated from the file size.
        int waitMs = -1;
        bool preview = false;
    };
    void queueDrawImage(int materialId, int pageIndex, std::string url, int canvasWidth, int canvasHeight, int width,
                        int height, int sourceA, int topOffset, int sourceB, int sourceC, int sourceD, int sourceE,
                        int toStudentCode, int rotation, int x, int y, int elementId, bool scrollTo,
                        std::string caption);
    void queueCutImagePortion(int materialId, int pageIndex, int x, int y, int width, int height, int regionA,
                              int regionB, int canvasWidth, int canvasHeight, int topOffset, bool smallBoard,
                              qint64 sourceTime, int senderId, int tag, std::string url);
    // False (with a toast) when the picture would reach below the page.
    bool placeImageOnBoard(const ImageRecord &image, int top, bool scrollTo);
    void uploadPasteArea(const PasteRequest &request);
    void handleUploadFileSuccess(QString url);
    void handleUploadFileFailure();
    void sendPastedImage(QString url);
    // A page image finished downloading.
    void handleBinaryDownloaded(QString url);
    int queuedActionCount() const { return int(mActionQueue.size()); }

    // Touch entry: phase 0 press, 1 move, 2 release; time in ms.
    void drawLineAddPoint(float x, float y, int phase, qint64 time);
    int updateStrokeMark(bool consumed);
    // Leaves the current tool (ignored while a shape was never drawn) and
    // installs the tool for the code (the pen when there is none).
    void selectShapeTool(int code, const TQShapeParams &params);
    // Installs a tool made elsewhere (owned from now on) as the new current tool.
    void installShapeTool(TQShapeAbstract *tool);
    void reinitCurrentTool();
    TQShapeAbstract *currentTool() const { return mCurrentTool; }

    void showShapeEditHandles(const std::vector<TQVertex *> &vertices, QRect bounds, const TQPointWF &rotationHandle,
                              const TQPointWF &rotationHandleAtPress, bool rotatable, bool resizable, bool copyable,
                              bool showStyleBox, bool fillButton, bool lineTypeButton, bool hide);
    void showPointer(bool show, int eraserWidth, int brushColour, int chalkWidth, int chalkColour, QPoint position);
    void setStyleBoxItems(QQuickItem *colorButton, QQuickItem *fillButton, QQuickItem *lineTypeButton);

    // The small blackboard of the temporal layout, or null.
    TQBlackboardView *getBlackboardView() const;
    // Cover-board tag under a point of the visible area, or -1.
    int hitCoverBoardCloseButton(int x, int y) const;
    int hitCoverBoardResizeHandle(int x, int y) const;
    int hitCoverBoard(int x, int y) const;
    TQDrawingElement *findCoverBoard(int tag) const;

    void showWaitingShade(bool show, int tag, const std::string &text, int milliseconds);
    void hideWaitingShade();
    void startTurnPageTimer();
    void commitPendingTurnPage();

    // Scrolling, pages and materials: each queues drawing actions. The
    // scrolls return the top offset they asked for.
    int scrollUp(int step);
    int scrollDown(int step);
    int scrollToY(int position, int range);
    void updateTopOffset(int y, bool standalone);
    void adjustVisibleSize(QSize size);
    int getMaxContentHeight() const;
    int getContentBottom() const;
    int backgroundBottom() const;
    int foregroundBottom() const;
    void requestTurnPage(int materialId, int fromPage, int toPage, int userId);
    void queueSelectMaterialInstruction(qint64 materialId, int page, int userId, bool publish);
    bool isTurnPending() const { return mTurnPending; }

    // Undo and redo queue a published restore of the snapshot before or after.
    void undo();
    void redo();
    const TQSavedImageHistory &history() const { return mHistory; }

    void setSketchVisibleSize();
    bool isLineInsideVisibleArea(const TQDrawingAction *action) const;
    void saveSketchPages();

    // State the tools read.
    int topOffset() const { return mTopOffset; }
    int xOffset() const { return mXOffset; }
    float zoom() const { return mZoom; }
    QSize visibleSize() const { return mVisibleSize; }
    QSize canvasSize() const { return mCanvasSize; }
    int materialId() const { return mMaterialId; }
    TQDrawDataSourceInterface *dataSource() const { return mDataSource; }
    int pageIndex() const { return mPageIndex; }
    int strokeMark() const { return mStrokeMark; }
    float screensPerPage() const { return mMaxNumberOfScreen; }
    const TQBrushStyle &brush() const { return *mBrush; }
    void setBrush(const TQBrushStyle &brush) { *mBrush = brush; }

    // Paths shown on the temporal (or, for eraser strokes, the sketch) view
    // and not yet committed to the page.
    const std::vector<TQPath *> &pendingPaths() const { return mTemporalPaths; }
    const std::vector<TQPath *> &pendingErasePaths() const { return mTemporalErasePaths; }

    // The carried style of the geometric shape tools.
    int carriedFill() const { return mCarriedFill; }
    int carriedColor() const { return mCarriedColor; }
    int carriedLineType() const { return mCarriedLineType; }

public slots:
    void handleMaterialDetail_slot(QJsonObject &json);
    // The manager's own download of a waiting action's picture finished.
    void imageDownloaded_slot(QString url);

protected:
    void customEvent(QEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    void postActionEvent();
    void applyNextAction();
    void publishClone(const TQDrawingAction *action);
    void publishItself(TQDrawingAction *action);
    int signedInUserId() const;
    // The top offset in visible pixels, as the cover-board hit tests take it.
    int coverBoardTopOffset() const;
    void startJob(bool &flag, int milliseconds);

    // Strokes, circles, text.
    void internalDrawLine(TQDrawingActionLine *action);
    void internalDrawPenLine(TQDrawingActionLine *action, float scale);
    void addLinePath(TQDrawingActionLine *action, const std::vector<TQPointWF> &points);
    void internalDrawCalligraphyLine(TQDrawingActionLine *action, float scale);
    void addCalligraphyPath(TQDrawingActionLine *action, const std::vector<TQPointWF> &points);
    void sendCalligraphyLine(TQDrawingActionLine *action, const std::vector<TQPointW> &outline);
    void internalDrawCircle(TQDrawActionDrawCircle *action);
    void internalDrawText(TQDrawingActionDrawText *action);
    // Scrolls to where the author of a stroke or circle was, when that differs.
    void followAuthorScroll(const TQDrawingAction &action, int topOffset, int canvasWidth, int canvasHeight,
                            int noAdjust, float scale);
    void updatePointerAfterLine(const TQDrawingActionLine &action, float scale);

    // Erase, clean, save.
    void internalEraseBlackBoard(TQDrawActionEraseBlackBoard *action);
    void internalCleanPage(TQDrawingActionCleanPage *action);
    void internalDrawSave(TQDrawingActionSave *action, bool fromDownload);
    void saveNow(bool refresh, bool fromDownload = false);
    // Lets the page's extra state follow its committed paths.
    void updatePageRecords();
    TQPath *committedCopy(const TQPath *pending) const;

    // Pages, scrolling, undo and images (minimal here).
    int maxTopOffset() const;
    void adjustMaterialOrPage(const TQDrawingAction &action);
    void internalDrawUpDown(TQDrawingActionMoveUpDown *action);
    // Applies at once a scroll of our own page to `top` pixels.
    void applyOwnScroll(int top, bool publish, bool refresh);
    void internalDrawTurnPage(TQDrawingAction *action);
    void internalDrawTurnPageForTeacherApp(TQDrawingActionTurnPage *action);
    void pushPageImagesAhead();
    void internalSelectMaterial(TQDrawingAction *action);
    void requestMaterialDetail(int materialId);
    void internalDrawRestore(TQDrawingAction *action);
    void queueRestore(int snapshotId, bool publish);
    void internalDrawImage(TQDrawingAction *action);
    void internalCutImagePortion(TQDrawingAction *action);
    QString pictureCaption(const TQDrawActionDrawImage &image) const;
    void redrawBackground(bool materialChanged);
    void redrawForeground(bool materialChanged);
    void updateContentSize();
    void updateBackForwardButtons();

    // Pending list housekeeping. A chalk stroke owns its inner layer: the
    // list shows the inner layer too but never deletes it on its own.
    void repaintTemporal();
    void removePending(std::vector<TQPath *> &list, TQPath *path);
    void deletePending(std::vector<TQPath *> &list, TQPath *path);
    void clearPending(std::vector<TQPath *> &list);

    std::unique_ptr<TQPenFactory> mPenFactory;
    std::vector<TQDrawingAction *> mActionQueue;
    std::vector<TQPath *> mTemporalPaths;
    std::vector<TQPath *> mTemporalErasePaths;
    TQDrawTemporalLayout *mTemporalLayout = nullptr;
    TQDrawShadeView *mShadeView = nullptr;
    TQDrawTemporalView *mTemporalView = nullptr;
    TQDrawSketchView *mSketchView = nullptr;
    TQDrawBackgroundLayout *mBackgroundLayout = nullptr;
    TQDrawForegroundLayout *mForegroundLayout = nullptr;
    QQuickItem *mContentItem = nullptr;
    QQuickItem *mScrollItem = nullptr;
    TQDrawDataSourceInterface *mDataSource = nullptr;
    std::map<std::string, TQPreSendingImage *> mPreSendingImages;
    int mPageVisitCount = 0;
    QSize mVisibleSize{0, 0};
    int mStrokeMark = 0;
    int mTopOffset = 0;
    int mPageIndex = 0;
    int mMaterialId = 0;
    TQShapeAbstract *mCurrentTool = nullptr;
    float mZoom = 1.0f;
    int mXOffset = 0;
    float mMaxNumberOfScreen = 23.0f;
    std::unique_ptr<TQBrushStyle> mBrush;
    int mWaitingTag = -1;
    QSize mCanvasSize{1000, 640};
    bool mTurnPending = false;
    QQuickItem *mColorButton = nullptr;
    QQuickItem *mFillButton = nullptr;
    QQuickItem *mLineTypeButton = nullptr;
    int mCarriedFill = 0;
    int mCarriedColor = 101;
    int mCarriedLineType = 1;
    QBasicTimer mTimer;
    int mPendingTurn[4] = {0, 0, 0, 0};
    bool mTurnPageJob = false;
    bool mShadeJob = false;
    int mShadeTag = 0;
    bool mToolInitJob = false;
    bool mSendImageJob = false;
    QString mSendImageUrl;
    // The paste being uploaded.
    QString mPastePath;
    QRect mPasteRect;
    int mPasteKind = 1;
    int mPasteWaitMs = 3000;
    bool mPasteFromFile = false;
    // Child object, created on the first picture that must be fetched.
    TQBinaryDownloadManager *mDownloadManager = nullptr;
    // Actions waiting for their picture, by url.
    std::map<QString, std::unique_ptr<TQDrawingAction>> mImageWaitingActions;
    bool mPointerJob = false;
    qint64 mLastPointerTime = 0;
    qint64 mLastCoverResizeTime = 0;
    // An action event is posted and not yet delivered.
    bool mActionEventPosted = false;
    TQSavedImageHistory mHistory;
    // Created on the first material detail request.
    std::unique_ptr<MaterialService> mMaterialService;
    std::unique_ptr<CourseService> mCourseService;
    std::unique_ptr<CommonService> mCommonService;
    std::unique_ptr<TQLiveMaterialViewModel> mMaterialViewModel;
    // Where the pen pointer was last asked to be, in visible pixels.
    QPoint mPointerPosition;
};
