#include "modules/live/draws/TQDrawManager.h"

#include "actions/drawing/TQDrawActionDrawCircle.h"
#include "actions/drawing/TQDrawActionEraseBlackBoard.h"
#include "actions/drawing/TQDrawingActionCleanPage.h"
#include "actions/drawing/TQDrawingActionDrawText.h"
#include "actions/drawing/TQDrawingActionLine.h"
#include "actions/drawing/TQDrawingActionMoveUpDown.h"
#include "actions/drawing/TQDrawingActionSave.h"
#include "common/CommonService.h"
#include "modules/coach/course/CourseService.h"
#include "modules/coach/material/MaterialService.h"
#include "modules/coach/material/TQLiveMaterialViewModel.h"
#include "modules/live/draws/TQDrawBackgroundLayout.h"
#include "modules/live/draws/TQDrawDataSourceInterface.h"
#include "modules/live/draws/TQDrawForegroundLayout.h"
#include "modules/live/draws/TQDrawShadeView.h"
#include "modules/live/draws/TQDrawSketchView.h"
#include "modules/live/draws/TQDrawTemporalView.h"
#include "modules/live/draws/TQInnerChalkContent.h"
#include "modules/live/draws/TQPath.h"
#include "modules/live/draws/TQPathLineChalkContent.h"
#include "modules/live/draws/TQPenFactory.h"
#include "modules/live/draws/TQPreSendingImage.h"
#include "modules/live/draws/TQQTActionEvent.h"
#include "modules/live/draws/TQShapeFreeDraw.h"
#include "modules/login/LoginManager.h"
#include "utils/CLog.h"

#include <QCoreApplication>

#include <algorithm>

TQDrawManager::TQDrawManager()
    : mPenFactory(new TQPenFactory)
    , mCurrentTool(new TQShapeFreeDraw)
    , mBrush(new TQBrushStyle(1, kBrushColorDefault, 3, 0))
{
}

TQDrawManager::~TQDrawManager()
{
    CLog::printf("TQDrawManager::~TQDrawManager");
    mTimer.stop();
    for (TQDrawingAction *action : mActionQueue)
        delete action;
    mActionQueue.clear();
    // The views only point at the pending paths: let them forget first.
    if (mTemporalView)
        mTemporalView->setPaths({}, mTopOffset, mXOffset, mZoom);
    clearPending(mTemporalPaths);
    clearPending(mTemporalErasePaths);
    for (auto &entry : mPreSendingImages)
        delete entry.second;
    delete mCurrentTool;
}

void TQDrawManager::init(TQDrawDataSourceInterface *dataSource, TQDrawTemporalLayout *temporalLayout,
                         TQDrawShadeView *shadeView, TQDrawTemporalView *temporalView, TQDrawSketchView *sketchView,
                         TQDrawBackgroundLayout *backgroundLayout, TQDrawForegroundLayout *foregroundLayout,
                         QQuickItem *contentItem, QQuickItem *scrollItem, QSize visibleSize, float screensPerPage)
{
    mHistory.clear();
    mPenFactory.reset(new TQPenFactory);
    for (auto &entry : mPreSendingImages)
        delete entry.second;
    mPreSendingImages.clear();
    mPageVisitCount = 0;
    mDataSource = dataSource;
    mTemporalLayout = temporalLayout;
    mShadeView = shadeView;
    mTemporalView = temporalView;
    mSketchView = sketchView;
    mBackgroundLayout = backgroundLayout;
    mForegroundLayout = foregroundLayout;
    mContentItem = contentItem;
    mScrollItem = scrollItem;
    // The waiting shade shows only while the board waits.
    if (mShadeView)
        mShadeView->setVisible(false);
    if (mTemporalView)
        mTemporalView->init(mPenFactory.get(), visibleSize);
    if (mSketchView)
        mSketchView->init(mPenFactory.get(), visibleSize);
    if (mBackgroundLayout)
        mBackgroundLayout->setContentSize(visibleSize);
    if (mForegroundLayout)
        mForegroundLayout->init(visibleSize);
    mVisibleSize = visibleSize;
    mCanvasSize = visibleSize;
    mMaxNumberOfScreen = std::max(screensPerPage, 1.0f);
}

void TQDrawManager::queueDrawLine(const std::vector<TQPointW> &points, int canvasWidth, int canvasHeight,
                                  int topOffset, int secondOffset, int materialId, int pageIndex,
                                  const TQBrushStyle &brush, bool straight, bool publish, int strokeId, int senderId,
                                  int alphaFlag)
{
    auto *line = new TQDrawingActionLine;
    line->points = points;
    line->canvasWidth = canvasWidth;
    line->canvasHeight = canvasHeight;
    line->topOffset = topOffset;
    line->secondOffset = secondOffset;
    line->materialId = materialId;
    line->pageIndex = pageIndex;
    line->brush = brush;
    line->straight = straight;
    line->publish = publish;
    line->strokeId = strokeId;
    line->senderId = senderId;
    line->alphaFlag = alphaFlag;
    queueAction(line);
}

void TQDrawManager::queueDrawCircle(int centreX, int centreY, const QRectF &, int radius, bool filled,
                                    int startAngle, int endAngle, int topOffset, int secondOffset, int materialId,
                                    int pageIndex, int canvasWidth, int canvasHeight, const TQBrushStyle &brush,
                                    bool publish, int elementId, int senderId)
{
    auto *circle = new TQDrawActionDrawCircle;
    circle->centreX = centreX;
    circle->centreY = centreY;
    circle->radius = radius;
    circle->filled = filled;
    circle->startAngle = startAngle;
    circle->endAngle = endAngle;
    circle->topOffset = topOffset;
    circle->secondOffset = secondOffset;
    circle->materialId = materialId;
    circle->pageIndex = pageIndex;
    circle->canvasWidth = canvasWidth;
    circle->canvasHeight = canvasHeight;
    circle->brush = brush;
    circle->publish = publish;
    circle->elementId = elementId;
    circle->senderId = senderId;
    queueAction(circle);
}

void TQDrawManager::queueDrawText(const TextRecord &record)
{
    auto *text = new TQDrawingActionDrawText;
    text->materialId = record.materialId;
    text->pageIndex = record.pageIndex;
    text->x = record.x;
    text->y = record.y;
    text->topOffset = record.topOffset;
    text->width = record.width;
    text->height = record.height;
    text->canvasWidth = record.canvasWidth;
    text->canvasHeight = record.canvasHeight;
    text->fontSize = record.fontSize;
    text->elementId = record.elementId;
    text->publish = record.publish;
    text->senderId = record.senderId;
    text->text = record.text.toStdString();
    text->colour = record.colour.toStdString();
    text->fontFamily = record.fontFamily.toStdString();
    queueAction(text);
}

void TQDrawManager::queueSave(int materialId, int pageIndex, int strokeId, int senderId)
{
    auto *save = new TQDrawingActionSave;
    save->materialId = materialId;
    save->pageIndex = pageIndex;
    save->strokeId = strokeId;
    save->senderId = senderId;
    queueAction(save);
}

void TQDrawManager::queueMoveUpDown(int materialId, int pageIndex, int canvasWidth, int canvasHeight, int topOffset,
                                    int secondOffset, int valueA, int valueB, bool standalone, int senderId)
{
    auto *move = new TQDrawingActionMoveUpDown;
    move->materialId = materialId;
    move->pageIndex = pageIndex;
    move->canvasWidth = canvasWidth;
    move->canvasHeight = canvasHeight;
    move->topOffset = topOffset;
    move->secondOffset = secondOffset;
    move->valueA = valueA;
    move->valueB = valueB;
    move->standalone = standalone;
    move->senderId = senderId;
    queueAction(move);
}

void TQDrawManager::queueCleanPage(qint64 materialId, int pageIndex)
{
    auto *clean = new TQDrawingActionCleanPage;
    clean->materialId = int(materialId);
    clean->pageIndex = pageIndex;
    queueAction(clean);
}

void TQDrawManager::queueAction(TQDrawingAction *action)
{
    if (!action)
        return;
    mActionQueue.push_back(action);
    postActionEvent();
}

void TQDrawManager::postActionEvent()
{
    // One event is out at a time and the next is posted after it was
    // delivered: events posted together are delivered in one batch, with no
    // input, paint or timer between them, however long the queue.
    if (mActionEventPosted)
        return;
    mActionEventPosted = true;
    QCoreApplication::postEvent(this, new TQQTActionEvent);
}

void TQDrawManager::customEvent(QEvent *event)
{
    if (event->type() != TQQTActionEvent::eventType()) {
        event->ignore();
        return;
    }
    mActionEventPosted = false;
    applyNextAction();
    if (!mActionQueue.empty())
        postActionEvent();
    event->accept();
}

void TQDrawManager::applyNextAction()
{
    if (mActionQueue.empty())
        return;
    TQDrawingAction *action = mActionQueue.front();
    mActionQueue.erase(mActionQueue.begin());
    // From here the handler owns the action: it either hands it on or frees it.
    switch (action->type) {
    case 0:
        internalDrawLine(static_cast<TQDrawingActionLine *>(action));
        break;
    case 1:
        internalDrawCircle(static_cast<TQDrawActionDrawCircle *>(action));
        break;
    case 2:
        internalDrawSave(static_cast<TQDrawingActionSave *>(action), false);
        break;
    case 3:
        internalDrawRestore(action);
        break;
    case 4:
        internalDrawTurnPage(action);
        break;
    case 5:
        internalDrawUpDown(static_cast<TQDrawingActionMoveUpDown *>(action));
        break;
    case 6:
        internalSelectMaterial(action);
        break;
    case 8:
        internalCleanPage(static_cast<TQDrawingActionCleanPage *>(action));
        break;
    case 10:
        internalDrawImage(action);
        break;
    case 11:
        internalCutImagePortion(action);
        break;
    case 12:
        internalEraseBlackBoard(static_cast<TQDrawActionEraseBlackBoard *>(action));
        break;
    case 14:
        internalDrawText(static_cast<TQDrawingActionDrawText *>(action));
        break;
    default:
        // No handler: nothing on the board depends on it.
        delete action;
        break;
    }
}

void TQDrawManager::publishClone(const TQDrawingAction *action)
{
    if (action->publish && mDataSource)
        mDataSource->sendDrawingAction(action->clone());
}

void TQDrawManager::publishItself(TQDrawingAction *action)
{
    if (action->publish && mDataSource)
        mDataSource->sendDrawingAction(action);
    else
        delete action;
}

int TQDrawManager::signedInUserId() const
{
    return LoginManager::getUserID().toInt();
}

void TQDrawManager::repaintTemporal()
{
    if (mTemporalView)
        mTemporalView->setPaths(mTemporalPaths, mTopOffset, mXOffset, mZoom);
}

void TQDrawManager::removePending(std::vector<TQPath *> &list, TQPath *path)
{
    list.erase(std::remove(list.begin(), list.end(), path), list.end());
    // The inner layer of a chalk stroke leaves the list with its stroke.
    if (auto *chalk = dynamic_cast<TQPathLineChalkContent *>(path))
        list.erase(std::remove(list.begin(), list.end(), static_cast<TQPath *>(chalk->inner())), list.end());
}

void TQDrawManager::deletePending(std::vector<TQPath *> &list, TQPath *path)
{
    removePending(list, path);
    if (!dynamic_cast<TQInnerChalkContent *>(path))
        delete path;
}

void TQDrawManager::clearPending(std::vector<TQPath *> &list)
{
    // Sort out the owners while every entry is alive: deleting a chalk
    // stroke deletes its inner layer, which may come later in the list.
    std::vector<TQPath *> owned;
    for (TQPath *path : list) {
        if (!dynamic_cast<TQInnerChalkContent *>(path))
            owned.push_back(path);
    }
    list.clear();
    for (TQPath *path : owned)
        delete path;
}
