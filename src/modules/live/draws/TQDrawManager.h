#pragma once

#include "modules/live/draws/TQBrushStyle.h"
#include "modules/live/draws/TQPointW.h"
#include "modules/live/draws/TQPointWF.h"
#include "shapes/TQShapeParams.h"
#include "shapes/TQVertex.h"

#include <QBasicTimer>
#include <QMap>
#include <QObject>
#include <QRect>
#include <QSize>
#include <QString>

#include <map>
#include <memory>
#include <string>
#include <vector>

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
class TQDrawingActionSave;
class TQDrawActionDrawCircle;
class TQDrawActionEraseBlackBoard;
class TQDrawingElement;
class TQPath;
class TQPenFactory;
class TQPreSendingImage;
class TQShapeAbstract;

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
    int queuedActionCount() const { return int(mActionQueue.size()); }

    // Touch entry: phase 0 press, 1 move, 2 release; time in ms.
    void drawLineAddPoint(float x, float y, int phase, qint64 time);
    // Scrolling and resizing, as the touch view and the draw layout ask for them.
    void scrollUp(int step);
    void scrollDown(int step);
    void updateTopOffset(int y, bool standalone);
    void adjustVisibleSize(QSize size);
    TQDrawDataSourceInterface *dataSource() const { return mDataSource; }
    int updateStrokeMark(bool consumed);
    // Leaves the current tool (ignored while a shape was never drawn) and
    // installs the tool for the code (the pen when there is none).
    void selectShapeTool(int code, const TQShapeParams &params);
    // Installs a tool made elsewhere (owned from now on) as the new current tool.
    void installShapeTool(TQShapeAbstract *tool);
    void reinitCurrentTool();
    TQShapeAbstract *currentTool() const { return mCurrentTool; }

    void showShapeEditHandles(const std::vector<TQVertex> &vertices, QRect bounds, QPoint rotationKnob,
                              QPoint rotationCentre, bool rotatable, bool resizable, bool copyable, bool showStyleBox,
                              bool fillButton, bool lineTypeButton, bool hide);
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

protected:
    void customEvent(QEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    void postActionEvent();
    void applyNextAction();
    void publishClone(const TQDrawingAction *action);
    void publishItself(TQDrawingAction *action);
    int signedInUserId() const;
    // The largest top offset of the page at the current zoom.
    int maxTopOffset() const;
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
    void saveNow(bool refresh);
    TQPath *committedCopy(const TQPath *pending) const;

    // Pages, scrolling, undo and images (minimal here).
    void adjustMaterialOrPage(const TQDrawingAction &action);
    void internalDrawUpDown(TQDrawingActionMoveUpDown *action);
    void internalDrawTurnPage(TQDrawingAction *action);
    void internalSelectMaterial(TQDrawingAction *action);
    void internalDrawRestore(TQDrawingAction *action);
    void internalDrawImage(TQDrawingAction *action);
    void internalCutImagePortion(TQDrawingAction *action);
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
    bool mPointerJob = false;
    qint64 mLastPointerTime = 0;
    qint64 mLastCoverResizeTime = 0;
    // An action event is posted and not yet delivered.
    bool mActionEventPosted = false;
    // Id of the last snapshot taken (-1 none) until the undo history holds them.
    int mCurrentSnapshotId = -1;
    // Where the pen pointer was last asked to be, in visible pixels.
    QPoint mPointerPosition;
};
