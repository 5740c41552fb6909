#include "shapes/TQShapeGeneric.h"

#include "actions/TQActionHelpers.h"
#include "modules/live/draws/TQBoardSize.h"
#include "modules/live/draws/TQDrawDataSourceInterface.h"
#include "modules/live/draws/TQDrawManager.h"
#include "modules/live/draws/TQPointGeometry.h"
#include "modules/login/LoginManager.h"
#include "shapes/TQShapeOutline.h"
#include "shapes/TQVertex.h"
#include "utils/CLog.h"
#include "utils/TimeUtils.h"

#include <algorithm>
#include <cmath>

namespace {

// How near a touch must come to the rotation handle or the expand icon.
constexpr float kHandleReach = 60.0f;

int signedInUserId()
{
    return LoginManager::getUserID().toInt();
}

} // namespace

TQShapeGeneric::TQShapeGeneric(int, bool rotatable, bool resizable, bool copyable, bool showStyleButtons)
    : TQShapeAbstract(0)
    , rotatable(rotatable)
    , resizable(resizable)
    , copyable(copyable)
    , showStyleButtons(showStyleButtons)
{
}

TQShapeGeneric::~TQShapeGeneric()
{
    for (TQVertex *v : vertices)
        delete v;
}

TQShapeTouchResult TQShapeGeneric::onTouch(const TQPointWF &point, int phase, TQDrawManager *context)
{
    switch (phase) {
    case 0:
        press(point);
        break;
    case 1:
        move(point, context);
        break;
    case 2:
        // This shape may be gone after a release: nothing of it is touched here.
        release(point, context);
        break;
    default:
        break;
    }
    return TQShapeTouchResult();
}

void TQShapeGeneric::press(const TQPointWF &touch)
{
    updateBounds();
    pressPoint = TQPointWF(touch.x, touch.y);
    for (TQVertex *v : vertices)
        v->pressPosition = v->position;
    pressMs = currentTimeMillis();
    anchor = anchorPoint();
    angleAtPress = angle;
    placeRotationHandle();
    pointSizeAtPress = pointSize;
    mode = Nothing;

    for (size_t i = 0; i < vertices.size(); ++i) {
        if (vertices[i]->hitTest(touch)) {
            selectedVertex = int(i);
            mode = ControlPoint;
            return;
        }
    }
    if (hitRotationHandle(touch))
        mode = RotationHandle;
    else if (hitExpandIcon(touch))
        mode = ExpandIcon;
    else if (hitCopyToBoardButton(touch))
        mode = CopyToBoardButton;
    else if (hitCopyPasteButton(touch))
        mode = CopyPasteButton;
    else if (containsPoint(touch))
        mode = Figure;
}

void TQShapeGeneric::move(const TQPointWF &touch, TQDrawManager *context)
{
    const float dx = touch.x - pressPoint.x;
    const float dy = touch.y - pressPoint.y;
    switch (mode) {
    case RotationHandle: {
        // The finger's direction seen from the anchor, measured from straight
        // up (y grows downwards).
        const double angleDelta =
            std::atan2(double(touch.y) - anchor.y, double(touch.x) - anchor.x) - std::atan2(-1.0, 0.0);
        rotateBy(float(angleDelta), dx, dy);
        break;
    }
    case Figure:
        moveBy(dx, dy);
        break;
    case ControlPoint:
        adjustVertex(dx, dy);
        break;
    case ExpandIcon:
        resizeBy(dx, dy);
        break;
    default:
        break;
    }
    updateBounds();
    draw(context, isRedrawDue(), false);
}

void TQShapeGeneric::release(const TQPointWF &touch, TQDrawManager *context)
{
    switch (mode) {
    case Nothing:
        if (containsPoint(touch))
            return;
        draw(context, true, true);
        returnToPen(context);
        return;
    case RotationHandle:
        updateBounds();
        placeRotationHandle();
        draw(context, true, false);
        return;
    case Figure:
    case ExpandIcon:
        draw(context, true, false);
        return;
    case ControlPoint:
        afterVertexAdjust();
        draw(context, true, false);
        return;
    case CopyToBoardButton:
    case CopyPasteButton: {
        const bool onButton =
            mode == CopyToBoardButton ? hitCopyToBoardButton(touch) : hitCopyPasteButton(touch);
        if (!onButton || currentTimeMillis() - pressMs >= kCopyTapMillis)
            return;
        updateBounds();
        draw(context, true, true);
        type = mode == CopyToBoardButton ? kCopyToBoardCode : kCopyPasteCode;
        return;
    }
    default:
        return;
    }
}

void TQShapeGeneric::initGraph(TQDrawManager *context)
{
    if (TQDrawDataSourceInterface *source = context->dataSource())
        source->onBoardTouched();
    // A second initialisation (the board was set up again) keeps the figure
    // where it is and draws it again.
    if (vertices.empty())
        placeVertices(context);
    refreshHandles();
    draw(context, true, false);
}

void TQShapeGeneric::finish(TQDrawManager *context)
{
    draw(context, false, true);
    context->queueSave(context->materialId(), context->pageIndex(), 0, signedInUserId());
}

void TQShapeGeneric::cancel(TQDrawManager *context)
{
    returnToPen(context);
}

void TQShapeGeneric::returnToPen(TQDrawManager *context)
{
    TQShapeParams params;
    params.id = nextSequenceNumber(true);
    context->selectShapeTool(-1, params);
}

void TQShapeGeneric::draw(TQDrawManager *context, bool markTime, bool final)
{
    updateBounds();
    context->showShapeEditHandles(vertices, bounds, rotationHandle, rotationHandleAtPress, rotatable, resizable,
                                  copyable, showStyleButtons, isFillable(), hasLineType(), final);
    TQShapeOutline outline(brush, fill);
    buildOutline(outline, context);
    const bool defined = outline.convert(*context);
    if (!defined) {
        // Coincident points leave a length or an angle undefined: the last
        // outline stays, on the board and with the students.
        CLog::log(QStringLiteral("outline undefined, last outline kept"), QStringLiteral("TQShapeGeneric::draw "));
        drawn = true;
        return;
    }
    if (markTime)
        lastSentMs = currentTimeMillis();
    if (drawn)
        context->queueRestoreCurrent(markTime);
    drawn = true;
    outlineIds = outline.queue(context, markTime, signedInUserId());
}

void TQShapeGeneric::updateBounds()
{
    bounds = boundsOfPoints(vertexPositions());
}

TQPointWF TQShapeGeneric::anchorPoint() const
{
    return TQPointWF(0, 0);
}

int TQShapeGeneric::redrawIntervalMs() const
{
    return 100;
}

bool TQShapeGeneric::isRedrawDue() const
{
    return currentTimeMillis() - lastSentMs > qint64(redrawIntervalMs());
}

void TQShapeGeneric::moveBy(float dx, float dy)
{
    for (TQVertex *v : vertices)
        v->position = TQPointWF(v->pressPosition.x + dx, v->pressPosition.y + dy);
    refreshHandles();
}

void TQShapeGeneric::adjustVertex(float dx, float dy)
{
    if (selectedVertex < 0 || selectedVertex >= int(vertices.size()))
        return;
    TQVertex *v = vertices[size_t(selectedVertex)];
    v->position = TQPointWF(v->pressPosition.x + dx, v->pressPosition.y + dy);
    refreshHandles();
}

bool TQShapeGeneric::isFillable() const
{
    return true;
}

bool TQShapeGeneric::hasLineType() const
{
    return true;
}

void TQShapeGeneric::rotateBy(float angleDelta, float dx, float dy)
{
    for (TQVertex *v : vertices)
        v->rotateFromPress(angleDelta, anchor);
    angle = angleAtPress + angleDelta;
    rotationHandle = TQPointWF(rotationHandleAtPress.x + dx, rotationHandleAtPress.y + dy);
}

void TQShapeGeneric::afterVertexAdjust()
{
}

void TQShapeGeneric::resizeBy(float, float)
{
}

void TQShapeGeneric::refreshHandles()
{
    updateBounds();
    anchor = anchorPoint();
    placeRotationHandle();
}

void TQShapeGeneric::placeRotationHandle()
{
    // Never above y = 30, where it could not be reached.
    rotationHandle = TQPointWF(anchor.x, float(std::max(double(bounds.top()) - 30, 30.0)));
    rotationHandleAtPress = rotationHandle;
}

QRect TQShapeGeneric::boundsOfPoints(const std::vector<TQPointWF> &points) const
{
    if (points.empty())
        return QRect(0, 0, 0, 0);
    float minX = 3.3e37f;
    float minY = 3.3e37f;
    float maxX = -3.3e37f;
    float maxY = -3.3e37f;
    for (const TQPointWF &p : points) {
        minX = std::min(minX, p.x);
        minY = std::min(minY, p.y);
        maxX = std::max(maxX, p.x);
        maxY = std::max(maxY, p.y);
    }
    const float w = float(boardWidth());
    const float h = float(boardHeight());
    const float left = std::min(minX - margin, w - margin);
    const float top = std::min(minY - margin, h - margin);
    const float right = std::min(maxX + margin, w);
    const float bottom = std::min(maxY + margin, h);
    const auto toInt = [](float v) {
        // A point far off the board must not overflow the conversion.
        return std::isfinite(v) ? int(std::clamp(std::trunc(double(v)), -1.0e9, 1.0e9)) : 0;
    };
    return QRect(toInt(left), toInt(top), toInt(right) - toInt(left), toInt(bottom) - toInt(top));
}

std::vector<TQPointWF> TQShapeGeneric::halfEllipsePoints(const TQPointWF &a, const TQPointWF &b, bool upper) const
{
    const float rx = (b.x - a.x) / 2;
    const float ry = (b.y - a.y) / 2;
    const float cx = (a.x + b.x) / 2;
    const float cy = (a.y + b.y) / 2;
    std::vector<TQPointWF> samples;
    samples.reserve(151);
    for (int i = 0; i <= 150; ++i) {
        const float t = -1.0f + 2.0f * float(i) / 150.0f;
        if (t * t > 1.0f)
            continue;
        const float s = std::sqrt(1.0f - t * t);
        samples.emplace_back(cx + t * rx, upper ? cy - s * ry : cy + s * ry);
    }
    return samples;
}

TQPointWF TQShapeGeneric::midpointOf(const TQPointWF &a, const TQPointWF &b)
{
    return TQPointWF((a.x + b.x) / 2, (a.y + b.y) / 2);
}

bool TQShapeGeneric::containsPoint(const TQPointWF &touch) const
{
    if (bounds.isNull())
        return false;
    return bounds.left() < touch.x && touch.x < bounds.right() && bounds.top() < touch.y && touch.y < bounds.bottom();
}

bool TQShapeGeneric::hitRotationHandle(const TQPointWF &touch) const
{
    return !bounds.isNull() && rotatable && pointDistance(touch, rotationHandleAtPress) < kHandleReach;
}

bool TQShapeGeneric::hitExpandIcon(const TQPointWF &touch) const
{
    const TQPointWF icon(float(bounds.right() - 30), float(bounds.bottom() - 30));
    return !bounds.isNull() && resizable && pointDistance(touch, icon) < kHandleReach;
}

namespace {

// The touch, truncated to whole pixels, within the rectangle, edges included.
bool truncatedWithin(const TQPointWF &touch, int left, int top, int right, int bottom)
{
    if (!std::isfinite(touch.x) || !std::isfinite(touch.y) || std::fabs(touch.x) > 1e9f || std::fabs(touch.y) > 1e9f)
        return false;
    const int x = int(touch.x);
    const int y = int(touch.y);
    return x >= left && x <= right && y >= top && y <= bottom;
}

} // namespace

bool TQShapeGeneric::hitCopyToBoardButton(const TQPointWF &touch) const
{
    return !bounds.isNull() && copyable
        && truncatedWithin(touch, bounds.left() + 36, bounds.top() - 70, bounds.left() + 255, bounds.top());
}

bool TQShapeGeneric::hitCopyPasteButton(const TQPointWF &touch) const
{
    return !bounds.isNull() && copyable
        && truncatedWithin(touch, bounds.left() + 255, bounds.top() - 70, bounds.left() + 510, bounds.top());
}

void TQShapeGeneric::placeVertices(TQDrawManager *)
{
}

void TQShapeGeneric::buildOutline(TQShapeOutline &, TQDrawManager *)
{
}

void TQShapeGeneric::addVertex(const TQPointWF &position, bool enabled)
{
    vertices.push_back(new TQVertex(position, enabled));
}

std::vector<TQPointWF> TQShapeGeneric::vertexPositions() const
{
    std::vector<TQPointWF> positions;
    positions.reserve(vertices.size());
    for (const TQVertex *v : vertices)
        positions.emplace_back(v->position.x, v->position.y);
    return positions;
}

TQPointWF TQShapeGeneric::meanOfVertices(size_t count) const
{
    if (count == 0 || vertices.size() < count)
        return TQPointWF(0, 0);
    float x = 0;
    float y = 0;
    for (size_t i = 0; i < count; ++i) {
        x += vertices[i]->position.x;
        y += vertices[i]->position.y;
    }
    return TQPointWF(x / float(count), y / float(count));
}
