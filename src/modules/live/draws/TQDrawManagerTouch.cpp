// The pen's way in: touch samples through the current tool, the tool switch,
// hit tests and the shape style box.
#include "modules/live/draws/TQDrawManager.h"

#include "actions/TQActionHelpers.h"
#include "actions/drawing/TQDrawActionDrawImage.h"
#include "actions/drawing/TQDrawActionEraseBlackBoard.h"
#include "actions/drawing/TQDrawingActionLine.h"
#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/MaterialDetailBean.h"
#include "modules/live/bean/TQDataModelBean.h"
#include "modules/live/draws/TQBlackboardView.h"
#include "modules/live/draws/TQDrawDataSourceInterface.h"
#include "modules/live/draws/TQDrawForegroundLayout.h"
#include "modules/live/draws/TQDrawShadeView.h"
#include "modules/live/draws/TQDrawSketchView.h"
#include "modules/live/draws/TQDrawTemporalLayout.h"
#include "modules/live/draws/TQDrawingElement.h"
#include "modules/live/draws/TQEditHandleInfo.h"
#include "modules/live/draws/TQShapeFreeDraw.h"
#include "shapes/TQShapeFactory.h"
#include "shapes/TQShapeGeneric.h"
#include "shapes/TQVertex.h"
#include "utils/CLog.h"
#include "utils/TimeUtils.h"

#include <QQuickItem>

namespace {

// The pen brushes a geometric shape cannot draw with.
bool unfitForShapes(const TQBrushStyle &brush)
{
    return brush.isType7() || brush.width == 41 || brush.width == 82 || brush.width == 123 ||
           brush.isEraserColour() || brush.isCalligraphy();
}

} // namespace

void TQDrawManager::drawLineAddPoint(float x, float y, int phase, qint64 time)
{
    CourseDetailBean *course = TQDataModelBean::m_pOngoingCourse;
    if (!course || !course->m_pOngoingMaterial || !course->m_pOngoingMaterial->m_pOngoingPage) {
        CLog::error(QStringLiteral("TQDataModelBean::m_pOngoingCourse not prepared"),
                    QStringLiteral("TQDrawManager::drawLineAddPoint "));
        return;
    }
    const TQPointWF point(x * 4.0f / 4.0f, y * 4.0f / 4.0f, 0, time, 0, 0, phase);
    const TQShapeTouchResult result = mCurrentTool->onTouch(point, phase, this);
    switch (result.code) {
    case TQShapeTouchResult::MoveBlackboard:
        if (TQBlackboardView *blackboard = getBlackboardView()) {
            mTemporalLayout->moveBlackboard(result.dx);
            course->mSmallBlackBoardValue = blackboard->x();
            ++course->mClassroomChangeCount;
        }
        break;
    case TQShapeTouchResult::EraseBlackboard: {
        auto *erase = new TQDrawActionEraseBlackBoard;
        erase->eraseTime = secondsSinceReferenceDate();
        queueAction(erase);
        break;
    }
    case TQShapeTouchResult::MoveCoverBoard:
    case TQShapeTouchResult::ResizeCoverBoard:
    case TQShapeTouchResult::CloseCoverBoard: {
        if (result.index == -1)
            break;
        const TQDrawingElement *e = findCoverBoard(result.index);
        if (!e)
            break;
        const int w = mCanvasSize.width();
        const int h = mCanvasSize.height();
        const float dx = result.dx / mZoom;
        const float dy = result.dy / mZoom;
        if (result.code == TQShapeTouchResult::MoveCoverBoard) {
            queueCoverBoardImage(int(e->x + dx), int(e->y - mTopOffset + dy), mTopOffset, e->width, e->height, w, h,
                                 e->sourceValue, e->tag, false);
        } else if (result.code == TQShapeTouchResult::ResizeCoverBoard) {
            if (e->width + dx > w / 10 && e->height + dy > h / 10) {
                mLastCoverResizeTime = currentTimeMillis();
                queueCoverBoardImage(e->x, e->y - mTopOffset, mTopOffset, int(e->width + dx), int(e->height + dy), w,
                                     h, e->sourceValue, e->tag, false);
            }
        } else {
            // Moved off the page.
            queueCoverBoardImage(3 * w, int(e->y - mTopOffset + dy), mTopOffset, e->width, e->height, w, h,
                                 e->sourceValue, e->tag, true);
        }
        break;
    }
    default:
        break;
    }
}

void TQDrawManager::queueCoverBoardImage(int x, int y, int top, int width, int height, int canvasWidth,
                                         int canvasHeight, int toStudentCode, int elementId, bool noClamp)
{
    if (!noClamp) {
        y = qBound(0, y, std::max(0, canvasHeight - height));
        x = qBound(0, x, std::max(0, canvasWidth - width));
    }
    auto *image = new TQDrawActionDrawImage;
    image->materialId = mMaterialId;
    image->pageIndex = mPageIndex;
    image->url = "NoURL";
    image->canvasWidth = canvasWidth;
    image->canvasHeight = canvasHeight;
    image->width = width;
    image->height = height;
    image->captionHeight = 0;
    image->topOffset = top;
    image->sourceB = 0;
    image->ownerUserId = signedInUserId();
    image->sourceD = signedInUserId();
    image->placement = 2;
    image->toStudentCode = toStudentCode;
    image->rotation = 0;
    image->x = x;
    image->y = y;
    image->elementId = elementId;
    image->scrollTo = true;
    queueAction(image);
}

int TQDrawManager::updateStrokeMark(bool consumed)
{
    mStrokeMark = consumed ? 0 : nextSequenceNumber(true);
    return mStrokeMark;
}

void TQDrawManager::selectShapeTool(int code, const TQShapeParams &params)
{
    if (auto *shape = dynamic_cast<TQShapeGeneric *>(mCurrentTool)) {
        // A shape is drawn at least once before the tool may change.
        if (!shape->wasDrawn())
            return;
        if (shape->isFillable())
            mCarriedFill = shape->fill;
        if (shape->hasLineType())
            mCarriedLineType = shape->brush.type;
        mCarriedColor = shape->brush.colour;
    }
    TQShapeAbstract *tool = createShape(code, params);
    if (!tool)
        tool = new TQShapeFreeDraw(params);
    installShapeTool(tool);
}

void TQDrawManager::installShapeTool(TQShapeAbstract *tool)
{
    if (!tool)
        return;
    mCurrentTool->finish(this);
    delete mCurrentTool;
    mCurrentTool = tool;
    if (auto *shape = dynamic_cast<TQShapeGeneric *>(tool)) {
        if (shape->isFillable())
            shape->fill = mCarriedFill;
        if (shape->hasLineType())
            shape->brush.type = mCarriedLineType;
        shape->brush.colour = mCarriedColor;
    }
    if (dynamic_cast<TQShapeFreeDraw *>(tool) && mDataSource)
        mDataSource->restoreStudentWriting();

    const int code = tool->type;
    if (code >= 2000 && code <= 2518) {
        if (unfitForShapes(*mBrush))
            *mBrush = TQBrushStyle(1, kBrushColorDefault, 3, 0);
        if (mDataSource && mDataSource->suspendStudentWriting(2)) {
            showWaitingShade(true, 3, "暂时收回学生写板书的权限", 2000);
            startJob(mToolInitJob, 2000);
        } else {
            tool->initGraph(this);
        }
        return;
    }
    if (code >= 100 && code <= 102) {
        if (mDataSource && mDataSource->suspendStudentWriting(code == 100 ? 3 : 10))
            showWaitingShade(true, 3, "暂时收回学生写板书的权限", 2000);
    }
    tool->initGraph(this);
}

void TQDrawManager::reinitCurrentTool()
{
    mCurrentTool->initGraph(this);
}

void TQDrawManager::setStyleBoxItems(QQuickItem *colorButton, QQuickItem *fillButton, QQuickItem *lineTypeButton)
{
    mColorButton = colorButton;
    mFillButton = fillButton;
    mLineTypeButton = lineTypeButton;
}

void TQDrawManager::showShapeEditHandles(const std::vector<TQVertex *> &vertices, QRect bounds,
                                         const TQPointWF &rotationHandle, const TQPointWF &rotationHandleAtPress,
                                         bool rotatable, bool resizable, bool copyable,
                                         bool showStyleBox, bool fillButton, bool lineTypeButton, bool hide)
{
    if (hide) {
        if (mShadeView)
            mShadeView->setVisible(false);
        if (mColorButton)
            mColorButton->setVisible(false);
    } else {
        if (mShadeView) {
            mShadeView->show(bounds, std::string(), 0);
            mShadeView->setVisible(true);
        }
        if (showStyleBox && mColorButton) {
            mColorButton->setX(bounds.right() - 40);
            mColorButton->setY(bounds.top() - mColorButton->height() - 5);
            mColorButton->setVisible(true);
            if (mFillButton)
                mFillButton->setVisible(fillButton);
            if (mLineTypeButton)
                mLineTypeButton->setVisible(lineTypeButton);
        }
    }
    if (!mTemporalLayout)
        return;
    TQEditHandleInfo info;
    info.vertices.reserve(vertices.size());
    for (const TQVertex *v : vertices)
        info.vertices.push_back({int(v->position.x), int(v->position.y), v->enabled});
    info.bounds = bounds;
    info.rotationAnchor = QPoint(int(rotationHandle.x), int(rotationHandle.y));
    info.rotationBaseCentre = QPoint(int(rotationHandleAtPress.x), int(rotationHandleAtPress.y));
    info.rotatable = rotatable;
    info.resizable = resizable;
    info.copyable = copyable;
    info.hide = hide;
    mTemporalLayout->showEditHandles(info);
}

void TQDrawManager::showPointer(bool show, int eraserWidth, int brushColour, int chalkWidth, int chalkColour,
                                QPoint position)
{
    mPointerPosition = position;
    if (!mTemporalLayout)
        return;
    // A zero code means the caller has no such pointer; the first given one wins.
    const TQPointW at(position.x(), position.y());
    mTemporalLayout->updatePointer(show, eraserWidth ? &eraserWidth : nullptr, brushColour ? &brushColour : nullptr,
                                   chalkWidth ? &chalkWidth : nullptr, &chalkColour, show ? &at : nullptr);
}

TQBlackboardView *TQDrawManager::getBlackboardView() const
{
    return mTemporalLayout ? mTemporalLayout->blackboardView() : nullptr;
}

int TQDrawManager::coverBoardTopOffset() const
{
    // Received sizes are untrusted; a canvas narrower than 2 px gives no offset.
    if (mCanvasSize.width() <= 1)
        return 0;
    return int(mTopOffset * float(mVisibleSize.width()) / mCanvasSize.width() * mZoom);
}

int TQDrawManager::hitCoverBoardCloseButton(int x, int y) const
{
    return mForegroundLayout ? mForegroundLayout->hitCloseButton(x, y, mXOffset, coverBoardTopOffset()) : -1;
}

int TQDrawManager::hitCoverBoardResizeHandle(int x, int y) const
{
    return mForegroundLayout ? mForegroundLayout->hitExpandButton(x, y, mXOffset, coverBoardTopOffset()) : -1;
}

int TQDrawManager::hitCoverBoard(int x, int y) const
{
    return mForegroundLayout ? mForegroundLayout->hitCoverBoard(x, y, mXOffset, coverBoardTopOffset()) : -1;
}

TQDrawingElement *TQDrawManager::findCoverBoard(int tag) const
{
    if (!mDataSource)
        return nullptr;
    for (TQDrawingElement *e : *mDataSource->reservoirForegroundElements()) {
        if (e && e->tag == tag)
            return e;
    }
    return nullptr;
}

void TQDrawManager::setSketchVisibleSize()
{
    if (mSketchView)
        mSketchView->setVisibleSize(mCanvasSize, mZoom, mXOffset);
}

bool TQDrawManager::isLineInsideVisibleArea(const TQDrawingAction *action) const
{
    const auto *line = dynamic_cast<const TQDrawingActionLine *>(action);
    if (!line)
        return true;
    const float scale = line->canvasWidth > 1 ? float(mVisibleSize.width()) / line->canvasWidth : 1.0f;
    for (const TQPointW &p : line->points) {
        const float x = p.x * scale * mZoom - mXOffset;
        const float y = p.y * scale * mZoom;
        if (x < 0 || x > mVisibleSize.width() || y > mVisibleSize.height())
            return false;
    }
    return true;
}

void TQDrawManager::saveSketchPages()
{
    if (mSketchView)
        mSketchView->test();
}
