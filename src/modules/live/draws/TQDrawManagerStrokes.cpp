// Strokes, calligraphy outlines, circles and texts: each becomes a pending
// path that replaces the pending path of the same stroke or element.
#include "modules/live/draws/TQDrawManager.h"

#include "actions/drawing/TQDrawActionDrawCircle.h"
#include "actions/drawing/TQDrawingActionDrawText.h"
#include "actions/drawing/TQDrawingActionLine.h"
#include "actions/drawing/TQDrawingActionMoveUpDown.h"
#include "modules/live/draws/CInplaceCalligraphyBackProcessor.h"
#include "modules/live/draws/TQDrawDataSourceInterface.h"
#include "modules/live/draws/TQDrawSketchView.h"
#include "modules/live/draws/TQPathCircle.h"
#include "modules/live/draws/TQPathLine.h"
#include "modules/live/draws/TQPathLineBrushContent.h"
#include "modules/live/draws/TQPathLineChalkContent.h"
#include "modules/live/draws/TQPathLinePenContent.h"
#include "modules/live/draws/TQPathText.h"
#include "utils/CLog.h"

#include <QList>

#include <cmath>

namespace {

constexpr double kFullTurn = 62831.853071795864;
constexpr double kPi = 3.141592653589793;

bool isChalkWidth(const TQBrushStyle &brush)
{
    return !brush.isEraserColour() && (brush.width == 41 || brush.width == 82 || brush.width == 123);
}

// Received canvases are untrusted: a width of 1 or less would blow the
// scale up (or divide by zero).
bool usableCanvasWidth(double width, const char *tag)
{
    if (width > 1.0)
        return true;
    CLog::error(QStringLiteral("refused action with canvas width %1").arg(width), QString::fromLatin1(tag) + ' ');
    return false;
}

template <class PathType>
PathType *findFromBack(std::vector<TQPath *> &list, int pathId)
{
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
        auto *typed = dynamic_cast<PathType *>(*it);
        if (typed && typed->strokeId == pathId)
            return typed;
    }
    return nullptr;
}

template <class PathType>
PathType *findFromFront(std::vector<TQPath *> &list, int pathId)
{
    for (TQPath *path : list) {
        auto *typed = dynamic_cast<PathType *>(path);
        if (typed && typed->strokeId == pathId)
            return typed;
    }
    return nullptr;
}

TQPointWF pagePoint(const TQPointW &p, int topOffset, float scale, const QSize &canvas)
{
    // In double: a received offset plus a coordinate may leave the int range.
    TQPointWF point(float(p.x * double(scale)), float((double(p.y) + topOffset) * scale), p.cid, p.time, p.pressure, p.speed, p.phase);
    point.refWidth = canvas.width();
    point.refHeight = canvas.height();
    return point;
}

void raiseNegativesToZero(std::vector<TQPointW> &points)
{
    for (TQPointW &p : points) {
        p.x = std::max(p.x, 0);
        p.y = std::max(p.y, 0);
    }
}

} // namespace

void TQDrawManager::internalDrawLine(TQDrawingActionLine *action)
{
    if (action->noAdjust == 0)
        adjustMaterialOrPage(*action);
    if (!usableCanvasWidth(action->canvasWidth, "TQDrawManager::internalDrawLine")) {
        delete action;
        return;
    }
    const float scale = float(mCanvasSize.width() * 1.0 / action->canvasWidth);
    followAuthorScroll(*action, action->topOffset, action->canvasWidth, action->canvasHeight, action->noAdjust,
                       scale);
    if (action->brush.isCalligraphy())
        internalDrawCalligraphyLine(action, scale);
    else
        internalDrawPenLine(action, scale);
}

void TQDrawManager::followAuthorScroll(const TQDrawingAction &action, int topOffset, int canvasWidth,
                                       int canvasHeight, int noAdjust, float scale)
{
    if (std::fabs(double(topOffset) * scale - mTopOffset) <= 1.0)
        return;
    auto *move = new TQDrawingActionMoveUpDown;
    move->materialId = action.materialId;
    move->pageIndex = action.pageIndex;
    move->senderId = action.senderId;
    move->topOffset = topOffset;
    move->secondOffset = topOffset;
    move->canvasWidth = canvasWidth;
    move->canvasHeight = canvasHeight;
    move->noAdjust = noAdjust;
    move->publish = action.publish;
    move->standalone = false;
    internalDrawUpDown(move);
}

void TQDrawManager::internalDrawPenLine(TQDrawingActionLine *action, float scale)
{
    const TQBrushStyle &brush = action->brush;
    if ((brush.isType7() || isChalkWidth(brush)) && !brush.isEraserColour())
        raiseNegativesToZero(action->points);
    publishClone(action);
    if (!brush.isType7()) {
        std::vector<TQPath *> &pending = brush.isEraserColour() ? mTemporalErasePaths : mTemporalPaths;
        std::vector<TQPointWF> points;
        TQPathLine *previous = findFromBack<TQPathLine>(pending, action->strokeId);
        if (previous) {
            for (const TQPointWF &p : previous->points) {
                TQPointWF kept(p.x, p.y);
                kept.refWidth = p.refWidth;
                kept.refHeight = p.refHeight;
                points.push_back(kept);
            }
            removePending(pending, previous);
        }
        for (size_t i = previous ? 1 : 0; i < action->points.size(); ++i)
            points.push_back(pagePoint(action->points[i], action->topOffset, scale, mCanvasSize));
        addLinePath(action, points);
        // Only now: the views were handed the longer path and no longer
        // point at the shorter one.
        delete previous;
    }
    if (action->refresh)
        updatePointerAfterLine(*action, scale);
    // Freed whether or not the layers were refreshed: nothing else holds it.
    delete action;
}

void TQDrawManager::updatePointerAfterLine(const TQDrawingActionLine &action, float scale)
{
    if (action.points.empty())
        return;
    const TQBrushStyle &brush = action.brush;
    const TQPointW &last = action.points.back();
    const TQPointWF visible = TQPointWF(last.x * scale, last.y * scale)
                                  .offsetAndScale(float(-mXOffset), 0, 1.0f)
                                  .rescale(float(mCanvasSize.width()), float(mVisibleSize.width()));
    QPoint at(int(visible.x), int(visible.y));
    const QPoint atLeastZero(std::max(at.x(), 0), std::max(at.y(), 0));
    if (brush.isType7())
        showPointer(true, 0, brush.colour, 0, 0, atLeastZero);
    else if (brush.isEraserColour())
        showPointer(true, mBrush->width, 0, 0, 0, at);
    else if (isChalkWidth(brush))
        showPointer(true, 0, 0, mBrush->width, mBrush->colour, atLeastZero);
}

void TQDrawManager::addLinePath(TQDrawingActionLine *action, const std::vector<TQPointWF> &points)
{
    auto *path = new TQPathLine(action->brush, action->strokeId, action->alphaFlag, 0, 0, action->straight, 0, 0, 0);
    path->setPoints(points);
    if (action->brush.isEraserColour()) {
        // An eraser stroke must be painted over the committed strokes, which
        // only the sketch view holds.
        path->dirty = true;
        mTemporalErasePaths.push_back(path);
        if (mSketchView && mDataSource) {
            std::vector<TQPath *> shown;
            for (TQPath *p : *mDataSource->getPagePaths())
                shown.push_back(p);
            shown.push_back(path);
            mSketchView->redrawPaths(shown, mTopOffset, false, true, mXOffset, mZoom);
        }
        return;
    }
    mTemporalPaths.push_back(path);
    // The view still points at a replaced path until it gets the new list.
    repaintTemporal();
}

void TQDrawManager::internalDrawCalligraphyLine(TQDrawingActionLine *action, float scale)
{
    if (action->brush.isEraserColour()) {
        delete action;
        return;
    }
    std::vector<TQPointWF> points;
    bool continued = false;
    if (TQPathCalligraphy *previous = findFromBack<TQPathCalligraphy>(mTemporalPaths, action->strokeId)) {
        points = previous->rawPoints;
        // Taking the stroke out takes its inner chalk layer with it.
        deletePending(mTemporalPaths, previous);
        continued = true;
    }
    for (size_t i = continued ? 1 : 0; i < action->points.size(); ++i)
        points.push_back(pagePoint(action->points[i], action->topOffset, scale, mCanvasSize));
    addCalligraphyPath(action, points);
}

void TQDrawManager::addCalligraphyPath(TQDrawingActionLine *action, const std::vector<TQPointWF> &points)
{
    TQPathCalligraphy *path = nullptr;
    TQPathLineChalkContent *chalk = nullptr;
    switch (action->brush.type) {
    case 2:
    case 4:
        path = new TQPathLinePenContent(action->brush, action->strokeId);
        break;
    case 3:
        path = new TQPathLineBrushContent(action->brush, action->strokeId);
        break;
    case 5:
        path = chalk = new TQPathLineChalkContent(action->brush, action->strokeId);
        break;
    default:
        path = new TQPathCalligraphy(action->brush, action->strokeId);
        break;
    }
    path->set(new CInplaceCalligraphyBackProcessor(
        [this](TQDrawingActionLine *line, const std::vector<TQPointW> &outline) { sendCalligraphyLine(line, outline); },
        action));
    path->setPoints(points);
    // The action goes below; the processor must never reach it again.
    path->set(nullptr);
    mTemporalPaths.push_back(path);
    if (chalk)
        mTemporalPaths.push_back(chalk->inner());
    repaintTemporal();
    delete action;
}

void TQDrawManager::sendCalligraphyLine(TQDrawingActionLine *action, const std::vector<TQPointW> &outline)
{
    if (!action->publish || !mDataSource)
        return;
    auto *copy = static_cast<TQDrawingActionLine *>(action->clone());
    copy->points = outline;
    copy->translate(0, -action->topOffset);
    mDataSource->sendDrawingAction(copy);
}

void TQDrawManager::internalDrawCircle(TQDrawActionDrawCircle *action)
{
    adjustMaterialOrPage(*action);
    if (!usableCanvasWidth(action->canvasWidth, "TQDrawManager::internalDrawCircle")) {
        delete action;
        return;
    }
    const float scale = float(mCanvasSize.width() * 1.0 / action->canvasWidth);
    followAuthorScroll(*action, action->topOffset, action->canvasWidth, action->canvasHeight, 0, scale);
    publishClone(action);
    if (TQPathCircle *previous = findFromFront<TQPathCircle>(mTemporalPaths, action->elementId))
        deletePending(mTemporalPaths, previous);

    const QRectF rect((double(action->centreX) - action->radius) * scale,
                      (double(action->centreY) - action->radius + action->topOffset) * scale, 2.0 * action->radius * scale,
                      2.0 * action->radius * scale);
    double end = action->endAngle;
    if (action->endAngle == 62831)
        end = -62831;
    else if (action->endAngle > 0)
        end = action->endAngle - kFullTurn;
    const double start = action->startAngle > 0 ? action->startAngle - kFullTurn : action->startAngle;
    const double sweep = end > start ? end - start - kFullTurn : end - start;
    const auto degrees = [](double value) { return float(value / 10000 * 180 / kPi); };

    auto *path = new TQPathCircle(action->brush, action->elementId, rect, degrees(start), degrees(sweep), false,
                                  action->filled);
    path->setCanvasSize(mCanvasSize.width(), mCanvasSize.height());
    mTemporalPaths.push_back(path);
    repaintTemporal();
    delete action;
}

void TQDrawManager::internalDrawText(TQDrawingActionDrawText *action)
{
    adjustMaterialOrPage(*action);
    publishClone(action);
    // The teacher's own text is on the board already, as the text editor.
    if (action->senderId == signedInUserId()) {
        delete action;
        return;
    }
    if (TQPathText *previous = findFromFront<TQPathText>(mTemporalPaths, action->elementId))
        deletePending(mTemporalPaths, previous);
    if (action->refresh && usableCanvasWidth(action->canvasWidth, "TQDrawManager::internalDrawText")) {
        const float scale = float(mCanvasSize.width() * 1.0 / action->canvasWidth);
        const QRectF rect(action->x * scale, (double(action->y) + action->topOffset) * scale, action->width * scale,
                          action->height * scale);
        auto *path = new TQPathText(TQBrushStyle(1, kBrushColorDefault, 3, 0), action->elementId,
                                    QString::fromStdString(action->text), QString::fromStdString(action->colour),
                                    QString::fromStdString(action->fontFamily), rect, action->fontSize * scale);
        path->setCanvasSize(mCanvasSize.width(), mCanvasSize.height());
        path->dirty = true;
        CLog::log(QStringLiteral("before push draw text, not committed path size %1").arg(mTemporalPaths.size()),
                  QStringLiteral("TQDrawManager::internalDrawText "));
        mTemporalPaths.push_back(path);
    }
    repaintTemporal();
    delete action;
}
