#include "shapes/TQShapeAnalyticals.h"

#include "modules/live/draws/TQDrawDataSourceInterface.h"
#include "modules/live/draws/TQDrawManager.h"
#include "shapes/TQCoordinateFrame.h"
#include "shapes/TQShapeOutline.h"
#include "shapes/TQVertex.h"

#include <cmath>
#include <limits>

namespace {

constexpr float kPi = 3.1415927f;
constexpr float kE = 2.718f;
// The unit and the share of the board of the frame used when the page has
// no coordinate system in view.
constexpr int kDefaultUnit = 20;
// A curve never takes more samples than this, whatever its frame.
constexpr int kMaxSamples = 1000000;
// A drop of the tangent larger than this between two samples crossed an asymptote.
constexpr float kAsymptoteJump = 10.0f;

int truncInt(double v)
{
    const double t = std::trunc(v);
    return std::isfinite(t) && std::fabs(t) < 1e9 ? int(t) : 0;
}

// x from start while x <= end (plus the float slack of the sweep), step h.
std::vector<float> sweep(float start, float end, float h)
{
    std::vector<float> xs;
    if (!(h > 0) || !std::isfinite(start) || !std::isfinite(end))
        return xs;
    for (int i = 0; i < kMaxSamples; ++i) {
        const float x = start + float(i) * h;
        if (!(x <= end))
            break;
        xs.push_back(x);
    }
    return xs;
}

bool hasMirror(int code)
{
    return code == 2515 || code == 2516 || code == 2517 || code == 2518;
}

bool hasFourBranches(int code)
{
    return code == 2517 || code == 2518;
}

} // namespace

TQShapeAnalyticals::TQShapeAnalyticals()
    : TQShapeGeneric(2500, false, false, false, true)
{
}

TQShapeAnalyticals::~TQShapeAnalyticals() = default;

float TQShapeAnalyticals::valueAt(int code, float x)
{
    switch (code) {
    case 2500:
        return x;
    case 2501:
        return 1 / x;
    case 2502:
        return x * x;
    case 2503:
        return x * x * x;
    case 2504:
    case 2516:
        return std::sqrt(x);
    case 2505:
        return std::cbrt(x);
    case 2506:
        return std::sin(x);
    case 2507:
        return std::cos(x);
    case 2508:
        return std::tan(x);
    case 2509:
        return std::exp(x);
    case 2510:
        return std::log(x) / std::log(kE);
    case 2511:
        return std::exp(std::log(10.0f) / std::log(kE) * x);
    case 2512:
        return std::log(x) / std::log(10.0f);
    case 2513:
        return std::exp(std::log(2.0f) / std::log(kE) * x);
    case 2514:
        return std::log(x) / std::log(2.0f);
    case 2515:
        return std::sqrt(x * x + 1);
    case 2517:
    case 2518:
        return std::sqrt(x * x - 1);
    default:
        return std::numeric_limits<float>::quiet_NaN();
    }
}

TQPointWF TQShapeAnalyticals::referencePoint(int code)
{
    switch (code) {
    case 2506:
        return TQPointWF(1.5707964f, 1);
    case 2507:
        return TQPointWF(1.0471976f, 0.5f);
    case 2508:
        return TQPointWF(0.7853982f, 1);
    case 2509:
        return TQPointWF(1, kE);
    case 2510:
        return TQPointWF(kE, 1);
    case 2511:
        return TQPointWF(0.5f, 3.16f);
    case 2512:
        return TQPointWF(3.16f, 0.5f);
    case 2513:
        return TQPointWF(1, 2);
    case 2514:
        return TQPointWF(2, 1);
    case 2515:
        return TQPointWF(1, 1.41f);
    case 2517:
    case 2518:
        return TQPointWF(1.41f, 1);
    default:
        return TQPointWF(1, 1);
    }
}

int TQShapeAnalyticals::redrawIntervalMs() const
{
    return 1500;
}

bool TQShapeAnalyticals::isFillable() const
{
    return false;
}

TQPointWF TQShapeAnalyticals::anchorPoint() const
{
    return mFrame ? TQPointWF(mFrame->origin.x, mFrame->origin.y) : TQPointWF(0, 0);
}

void TQShapeAnalyticals::updateBounds()
{
    if (!mFrame) {
        bounds = QRect(0, 0, 0, 0);
        return;
    }
    const TQCoordinateFrame &f = *mFrame;
    const float unit = float(f.unit);
    bounds = QRect(QPoint(truncInt(f.origin.x - unit * f.unitsLeft), truncInt(f.origin.y - unit * f.unitsUp)),
                   QPoint(truncInt(f.origin.x + unit * f.unitsRight), truncInt(f.origin.y + unit * f.unitsDown)));
}

void TQShapeAnalyticals::moveBy(float dx, float dy)
{
    if (!vertices.empty() && mFrame) {
        // The frame follows the step since the last move.
        const TQVertex &v = *vertices.front();
        mFrame->origin = TQPointWF(mFrame->origin.x - (v.position.x - v.pressPosition.x) + dx,
                                   mFrame->origin.y - (v.position.y - v.pressPosition.y) + dy);
    }
    TQShapeGeneric::moveBy(dx, dy);
}

void TQShapeAnalyticals::adjustVertex(float dx, float dy)
{
    if (selectedVertex < 0 || selectedVertex >= int(vertices.size()) || !mFrame)
        return;
    const TQVertex &v = *vertices[size_t(selectedVertex)];
    const TQPointWF c(v.pressPosition.x + dx, v.pressPosition.y + dy);
    const TQCoordinateFrame &f = *mFrame;
    // A frame without a left or lower half keeps the point out of it.
    if ((c.x < f.origin.x && f.unitsLeft <= 0) || (c.y > f.origin.y && f.unitsDown <= 0))
        return;
    stretchX = (c.x - f.origin.x) / (float(f.unit) * xRef);
    stretchY = (f.origin.y - c.y) / (float(f.unit) * yRef);
    TQShapeGeneric::adjustVertex(dx, dy);
}

float TQShapeAnalyticals::viewLength(float canvasLength) const
{
    return visibleWidth * canvasLength / canvasWidth;
}

std::unique_ptr<TQCoordinateFrame> TQShapeAnalyticals::adoptPageFrame(const TQDrawManager &context) const
{
    TQDrawDataSourceInterface *source = context.dataSource();
    FileBean::PageState *state = source ? source->getPageExtraState() : nullptr;
    // Without a canvas width no length can be brought into view.
    if (!state || canvasWidth < 1)
        return nullptr;
    const float top = float(context.topOffset());
    const float bottom = top + float(context.canvasSize().height());
    const float zoom = context.zoom();
    for (auto record = state->records.rbegin(); record != state->records.rend(); ++record) {
        const auto *page = dynamic_cast<const TQCoordinateFrame *>(record->get());
        if (!page || !page->isOnPage() || !(page->origin.y > top + 10 && page->origin.y < bottom - 10))
            continue;
        auto view = std::make_unique<TQCoordinateFrame>();
        view->origin = TQPointWF(viewLength(page->origin.x * zoom - float(context.xOffset())),
                                 viewLength((page->origin.y - top) * zoom));
        view->unit = truncInt(viewLength(float(page->unit)));
        view->unitsLeft = truncInt(page->unitsLeft * zoom);
        view->unitsRight = truncInt(page->unitsRight * zoom);
        view->unitsUp = truncInt(page->unitsUp * zoom);
        view->unitsDown = truncInt(page->unitsDown * zoom);
        view->marked = page->marked;
        view->meshed = page->meshed;
        // A unit below one view pixel has no curve to sample.
        if (view->unit < 1)
            continue;
        return view;
    }
    return nullptr;
}

void TQShapeAnalyticals::placeVertices(TQDrawManager *context)
{
    const QSize visible = context->visibleSize();
    visibleWidth = float(visible.width());
    canvasWidth = float(context->canvasSize().width());
    if (!mFrame)
        mFrame = adoptPageFrame(*context);
    if (!mFrame) {
        mFrame = std::make_unique<TQCoordinateFrame>();
        mFrame->origin = TQPointWF(float(visible.width()) / 2, float(visible.height()) / 2);
        mFrame->unit = kDefaultUnit;
        mFrame->unitsLeft = mFrame->unitsRight = truncInt(float(visible.width()) / 4 / kDefaultUnit);
        mFrame->unitsUp = mFrame->unitsDown = truncInt(float(visible.height()) / 4 / kDefaultUnit);
    }
    const TQPointWF ref = referencePoint(type);
    xRef = ref.x;
    yRef = ref.y;
    const float unit = float(mFrame->unit);
    addVertex(TQPointWF(mFrame->origin.x + unit * xRef, mFrame->origin.y - unit * yRef));
}

std::optional<TQPointWF> TQShapeAnalyticals::curvePoint(const TQDrawManager &context, float x, float y) const
{
    const float unit = float(mFrame->unit);
    const TQPointWF view(mFrame->origin.x + unit * stretchX * x, mFrame->origin.y - unit * stretchY * y);
    // Not a number (a root of a negative value) fails every comparison.
    const bool within = view.x >= float(bounds.left()) - 0.1f && view.x <= float(bounds.right()) + 0.2f
        && view.y >= float(bounds.top()) - 0.1f && view.y <= float(bounds.bottom()) + 0.2f;
    if (!within)
        return std::nullopt;
    return TQShapeOutline::canvasPoint(context, view);
}

void TQShapeAnalyticals::addHyperbolaBranches(TQShapeOutline &outline, const TQDrawManager &context) const
{
    const TQCoordinateFrame &f = *mFrame;
    const float h = 0.5f / float(f.unit);
    std::vector<TQPointWF> negative;
    if (f.unitsLeft > 0 && f.unitsUp > 0) {
        for (float x : sweep(float(-f.unitsLeft), -h + 0.01f, h)) {
            if (auto p = curvePoint(context, x, 1 / x))
                negative.push_back(*p);
        }
    }
    std::vector<TQPointWF> positive;
    if (f.unitsRight > 0 && f.unitsUp > 0) {
        for (float x : sweep(h, float(f.unitsRight) + 0.01f, h)) {
            if (auto p = curvePoint(context, x, 1 / x))
                positive.push_back(*p);
        }
    }
    for (const auto *branch : {&negative, &positive}) {
        if (!branch->empty())
            outline.addLine(*branch);
    }
}

void TQShapeAnalyticals::addTangentBranches(TQShapeOutline &outline, const TQDrawManager &context) const
{
    const TQCoordinateFrame &f = *mFrame;
    const float halfPi = kPi / 2;
    const float start = f.unitsLeft == 0 ? 0.0f : -(float(truncInt((f.unitsLeft - halfPi) / kPi)) * kPi + halfPi);
    const float end = float(truncInt((f.unitsRight - halfPi) / kPi)) * kPi + halfPi;
    std::vector<TQPointWF> branch;
    float previous = std::tan(start);
    for (float x : sweep(start, end, 0.2f / float(f.unit))) {
        const float y = std::tan(x);
        if (previous - y > kAsymptoteJump) {
            if (!branch.empty())
                outline.addLine(branch);
            branch.clear();
        } else if (auto p = curvePoint(context, x, y)) {
            branch.push_back(*p);
        }
        previous = y;
    }
    if (!branch.empty())
        outline.addLine(branch);
}

void TQShapeAnalyticals::addGuide(TQShapeOutline &outline, const TQDrawManager &context,
                                  const std::vector<TQPointWF> &from, const std::vector<TQPointWF> &to) const
{
    const bool fromShown = from.size() >= 2;
    const bool toShown = to.size() >= 2;
    if (!fromShown && !toShown)
        return;
    const std::optional<TQPointWF> origin = curvePoint(context, 0, 0);
    // A branch too short to show stands in with the origin, and is not moved.
    TQPointWF a = fromShown ? from.back() : origin.value_or(to.back());
    TQPointWF b = toShown ? to.back() : origin.value_or(from.back());
    // Each shown end moves one unit away from the other, so the asymptote
    // reaches a little past both branches.
    const bool aAbove = a.y < b.y;
    if (fromShown)
        a.y += aAbove ? -1.0f : 1.0f;
    if (toShown)
        b.y += aAbove ? 1.0f : -1.0f;
    outline.brush = guideBrush;
    outline.addLine({a, b});
    outline.brush = brush;
}

void TQShapeAnalyticals::buildOutline(TQShapeOutline &outline, TQDrawManager *context)
{
    if (!mFrame || vertices.empty() || mFrame->unit < 1)
        return;
    outline.space = TQShapeOutline::Canvas;
    if (type == 2501) {
        addHyperbolaBranches(outline, *context);
        return;
    }
    if (type == 2508) {
        addTangentBranches(outline, *context);
        return;
    }
    const TQCoordinateFrame &f = *mFrame;
    const float h = 0.5f / float(f.unit);
    float start = float(-f.unitsLeft);
    if (type == 2504 || type == 2516)
        start = 0;
    else if (type == 2510 || type == 2512 || type == 2514)
        start = h;
    else if (hasFourBranches(type))
        start = 1;

    // Main branch, (x, -y), (-x, -y), (-x, y).
    std::vector<TQPointWF> branches[4];
    for (float x : sweep(start, float(f.unitsRight) + 0.01f, h)) {
        const float y = valueAt(type, x);
        if (auto p = curvePoint(*context, x, y))
            branches[0].push_back(*p);
        if (hasMirror(type)) {
            if (auto p = curvePoint(*context, x, -y))
                branches[1].push_back(*p);
        }
        if (hasFourBranches(type)) {
            if (auto p = curvePoint(*context, -x, -y))
                branches[2].push_back(*p);
            if (auto p = curvePoint(*context, -x, y))
                branches[3].push_back(*p);
        }
    }
    for (const std::vector<TQPointWF> &branch : branches) {
        if (!branch.empty())
            outline.addLine(branch);
    }
    if (type == 2517) {
        addGuide(outline, *context, branches[0], branches[2]);
        addGuide(outline, *context, branches[3], branches[1]);
    }
}
