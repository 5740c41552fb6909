#include "shapes/TQShapeFloatingImage.h"

#include "actions/TQActionHelpers.h"
#include "modules/live/draws/TQBoardSize.h"
#include "modules/live/draws/TQDrawManager.h"
#include "modules/login/LoginManager.h"
#include "shapes/TQShapeOutline.h"
#include "shapes/TQVertex.h"
#include "utils/CLog.h"

#include <cmath>

namespace {

// A picture is never made narrower (a region never lower) than this.
constexpr float kMinimumSize = 20.0f;
const TQBrushStyle kRegionFrameBrush(0, 1, 3, 0);

// Fixed when the program starts, from the board height it starts with.
const float kDefaultPictureSize = float(boardHeight() / 2);

int quarter(float v)
{
    const double q = std::trunc(double(v) * 4);
    return std::isfinite(q) && std::fabs(q) < 1e9 ? int(q) : 0;
}

int signedInUserId()
{
    return LoginManager::getUserID().toInt();
}

} // namespace

TQShapeFloatingImage::TQShapeFloatingImage()
    : TQShapeGeneric(2100, true, true, false, false)
{
}

float TQShapeFloatingImage::defaultPictureSize()
{
    return kDefaultPictureSize;
}

void TQShapeFloatingImage::placeVertices(TQDrawManager *context)
{
    const QSize visible = context->visibleSize();
    if (!isPastedRegion()) {
        const TQPointWF topLeft(float(visible.width()) / 3, float(visible.height()) / 3);
        addVertex(topLeft, false);
        addVertex(TQPointWF(topLeft.x + kDefaultPictureSize, topLeft.y + kDefaultPictureSize), false);
        return;
    }
    if (params.rect.isNull()) {
        CLog::printf("TQShapeFloatingImage::initGraph kShapeFloatingImage does not have rect");
        return;
    }
    rotatable = false;
    // The region comes in canvas coordinates.
    const int canvasWidth = context->canvasSize().width();
    const float k = canvasWidth > 0 ? float(visible.width()) / float(canvasWidth) : 1.0f;
    const auto toView = [k](int v) { return int(std::trunc(double(float(v) * k))); };
    const QRect &r = params.rect;
    params.rect = QRect(QPoint(toView(r.left()), toView(r.top())), QPoint(toView(r.right()), toView(r.bottom())));
    addVertex(TQPointWF(float(params.rect.left()), float(params.rect.top())), false);
    addVertex(TQPointWF(float(params.rect.right()), float(params.rect.bottom())), false);
    params.toStudentCode = 0;
}

void TQShapeFloatingImage::initGraph(TQDrawManager *context)
{
    TQShapeGeneric::initGraph(context);
    if (!isPastedRegion() || vertices.size() < 2)
        return;
    // Exactly on the region: shown with the draw's frame a unit outside it
    // until the next draw replaces both.
    frameAround(TQShapeOutline::canvasPoint(*context, vertices[0]->position),
                TQShapeOutline::canvasPoint(*context, vertices[1]->position), 0);
    queueRegionFrame(false, context);
}

void TQShapeFloatingImage::frameAround(const TQPointWF &c0, const TQPointWF &c1, float margin)
{
    frameCorners = {{TQPointWF(c0.x - margin, c0.y - margin), TQPointWF(c1.x + margin, c0.y - margin),
                     TQPointWF(c1.x + margin, c1.y + margin), TQPointWF(c0.x - margin, c1.y + margin)}};
}

void TQShapeFloatingImage::addRegionFrame(TQShapeOutline &outline, bool send) const
{
    outline.space = TQShapeOutline::Canvas;
    outline.brush = kRegionFrameBrush;
    const std::vector<TQPointWF> corners{frameCorners[0], frameCorners[1], frameCorners[2], frameCorners[3],
                                         frameCorners[0]};
    if (send)
        outline.addLine(corners);
    else
        outline.addGuideLine(corners);
    outline.brush = brush;
}

void TQShapeFloatingImage::queueRegionFrame(bool send, TQDrawManager *context)
{
    if (vertices.size() < 2)
        return;
    TQShapeOutline outline(brush, 0);
    addRegionFrame(outline, send);
    if (outline.convert(*context))
        outline.queue(context, send, signedInUserId());
}

void TQShapeFloatingImage::buildOutline(TQShapeOutline &outline, TQDrawManager *context)
{
    if (vertices.size() < 2)
        return;
    frameAround(TQShapeOutline::canvasPoint(*context, vertices[0]->position),
                TQShapeOutline::canvasPoint(*context, vertices[1]->position), 1);
    if (isPastedRegion() && !mFinalDraw)
        addRegionFrame(outline, false);
}

void TQShapeFloatingImage::draw(TQDrawManager *context, bool markTime, bool final)
{
    mFinalDraw = final;
    TQShapeGeneric::draw(context, markTime, final);
    if (vertices.size() < 2)
        return;
    const TQPointWF c0 = TQShapeOutline::canvasPoint(*context, vertices[0]->position);
    const TQPointWF c1 = TQShapeOutline::canvasPoint(*context, vertices[1]->position);
    if (elementId == -1)
        elementId = nextSequenceNumber(true);
    const std::string url = params.imageUrl.empty() ? std::string("ImageURL") : params.imageUrl;
    const int canvasWidth = context->canvasSize().width() * 4;
    const int canvasHeight = context->canvasSize().height() * 4;
    const int top = context->topOffset() * 4;
    const int user = signedInUserId();
    // The picture travels at every draw, whatever the pace of the outline.
    if (isPastedRegion() && final) {
        context->queueCutImagePortion(context->materialId(), context->pageIndex(), quarter(c0.x), quarter(c0.y),
                                      quarter(c1.x - c0.x), quarter(c1.y - c0.y), quarter(c0.x), quarter(c0.y),
                                      canvasWidth, canvasHeight, top, false, 0, user, elementId, url);
        return;
    }
    context->queueDrawImage(context->materialId(), context->pageIndex(), url, canvasWidth, canvasHeight,
                            quarter(c1.x - c0.x), quarter(c1.y - c0.y), 0, top, nextSequenceNumber(true), user, user, 1,
                            params.toStudentCode, int(std::trunc(double(angle) * 10000)), quarter(c0.x), quarter(c0.y),
                            elementId, true, std::string());
}

TQPointWF TQShapeFloatingImage::anchorPoint() const
{
    return meanOfVertices(2);
}

bool TQShapeFloatingImage::isFillable() const
{
    return false;
}

bool TQShapeFloatingImage::hasLineType() const
{
    return false;
}

void TQShapeFloatingImage::rotateBy(float angleDelta, float dx, float dy)
{
    angle = angleAtPress + angleDelta;
    rotationHandle = TQPointWF(rotationHandleAtPress.x + dx, rotationHandleAtPress.y + dy);
}

void TQShapeFloatingImage::resizeBy(float dx, float)
{
    if (vertices.size() < 2)
        return;
    const TQPointWF p0 = vertices[0]->position;
    const TQPointWF q = vertices[1]->pressPosition;
    if (p0.x + kMinimumSize > q.x + dx)
        return;
    // The region's height grows with the same horizontal part of the drag.
    if (isPastedRegion() && p0.y + kMinimumSize > q.y + dx)
        return;
    vertices[1]->position = TQPointWF(q.x + dx, q.y + dx);
    refreshHandles();
}
