#include "modules/live/draws/TQShapeFreeDraw.h"

#include "modules/live/draws/TQBlackboardView.h"
#include "modules/live/draws/TQDrawManager.h"
#include "modules/live/draws/TQPointGeometry.h"
#include "modules/login/LoginManager.h"
#include "shapes/TQShapePoints.h"
#include "utils/CLog.h"
#include "utils/TimeUtils.h"

TQShapeFreeDraw::TQShapeFreeDraw(const TQShapeParams &params)
    : TQShapeAbstract(-1, params)
{
}

TQShapeTouchResult TQShapeFreeDraw::onTouch(const TQPointWF &point, int phase, TQDrawManager *context)
{
    switch (phase) {
    case 0:
        return press(point, context);
    case 1:
        return move(point, context);
    case 2:
        return release(point, context);
    default:
        return TQShapeTouchResult();
    }
}

TQShapeTouchResult TQShapeFreeDraw::press(const TQPointWF &point, TQDrawManager *context)
{
    points.clear();
    points.push_back(point);
    pressTime = currentTimeMillis();
    hitIndex = -1;
    mode = Drawing;
    const int x = int(point.x);
    const int y = int(point.y);
    if (const TQBlackboardView *blackboard = context->getBlackboardView()) {
        if (blackboard->isOnEraseButton(x, y))
            mode = BlackboardEraseButton;
        else if (blackboard->isOnBoard(x, y))
            mode = BlackboardBody;
    }
    if (mode == Drawing && (hitIndex = context->hitCoverBoardCloseButton(x, y)) != -1)
        mode = CoverBoardCloseButton;
    if (mode == Drawing && (hitIndex = context->hitCoverBoardResizeHandle(x, y)) != -1)
        mode = CoverBoardResizeHandle;
    if (mode == Drawing && (hitIndex = context->hitCoverBoard(x, y)) != -1)
        mode = CoverBoardBody;
    return TQShapeTouchResult();
}

TQShapeTouchResult TQShapeFreeDraw::move(const TQPointWF &point, TQDrawManager *context)
{
    TQShapeTouchResult result;
    if (points.empty())
        return result;
    if (points.size() == 2)
        points[0].pressure = points[1].pressure;
    if (pointsCoincide(point, points.back()))
        return result;
    points.push_back(point);
    switch (mode) {
    case Drawing:
        drawLastSegment(context);
        break;
    case BlackboardBody:
    case BlackboardEraseButton:
        result.code = TQShapeTouchResult::MoveBlackboard;
        break;
    case CoverBoardBody:
    case CoverBoardCloseButton:
        result.code = TQShapeTouchResult::MoveCoverBoard;
        result.index = hitIndex;
        break;
    case CoverBoardResizeHandle:
        result.code = TQShapeTouchResult::ResizeCoverBoard;
        result.index = hitIndex;
        break;
    default:
        break;
    }
    if (result.code != TQShapeTouchResult::Nothing && points.size() >= 2) {
        const TQPointWF &previous = points[points.size() - 2];
        result.dx = int(point.x - previous.x);
        result.dy = int(point.y - previous.y);
    }
    return result;
}

TQShapeTouchResult TQShapeFreeDraw::release(const TQPointWF &point, TQDrawManager *context)
{
    TQShapeTouchResult result;
    const bool tap = currentTimeMillis() - pressTime < kTapMillis;
    if (mode == BlackboardEraseButton) {
        if (tap) {
            result.code = TQShapeTouchResult::EraseBlackboard;
            CLog::log(QStringLiteral("TQShapeFreeDraw enter is %1").arg(result.code));
        }
        return result;
    }
    if (mode == CoverBoardCloseButton) {
        if (tap) {
            result.code = TQShapeTouchResult::CloseCoverBoard;
            result.index = hitIndex;
        }
        return result;
    }
    if (mode != Drawing || context->brush().isType7())
        return result;
    points.push_back(point);
    if (points.size() >= 2)
        drawLastSegment(context);
    context->queueSave(context->materialId(), context->pageIndex(), context->strokeMark(),
                       LoginManager::getUserID().toInt());
    return result;
}

void TQShapeFreeDraw::drawLastSegment(TQDrawManager *context)
{
    if (points.size() < 2)
        return;
    const float zoom = context->zoom();
    const float visibleWidth = context->visibleSize().width();
    const QSize canvas = context->canvasSize();
    std::vector<TQPointW> segment;
    for (size_t i = points.size() - 2; i < points.size(); ++i) {
        const TQPointWF moved = points[i].offsetAndScale(float(context->xOffset()), 0, 1.0f / zoom);
        segment.push_back(toPointW(moved.rescale(visibleWidth, float(canvas.width()))));
    }
    const int top = context->topOffset() * 4;
    context->queueDrawLine(segment, canvas.width() * 4, canvas.height() * 4, top, top, context->materialId(),
                           context->pageIndex(), context->brush(), false, true, context->strokeMark(), 0, 0);
}
