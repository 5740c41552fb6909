#include "shapes/TQShapeCoordinateSystem.h"

#include "modules/live/draws/TQDrawDataSourceInterface.h"
#include "modules/live/draws/TQDrawManager.h"
#include "shapes/TQCoordinateFrame.h"
#include "shapes/TQShapeOutline.h"
#include "shapes/TQVertex.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kFirstCode = 2002;
constexpr TQBrushColor kGridColour = 106;
// A runaway box never queues more lines than this per direction.
constexpr int kMaxSteps = 4000;

} // namespace

TQShapeCoordinateSystem::TQShapeCoordinateSystem(int type)
    : TQShapeGeneric(type, false, false, false, true)
    , mFrame(std::make_unique<TQCoordinateFrame>())
{
}

TQShapeCoordinateSystem::~TQShapeCoordinateSystem() = default;

TQShapeCoordinateSystem::Style TQShapeCoordinateSystem::style() const
{
    return type >= kFirstCode ? Style((type - kFirstCode) % 4) : Plain;
}

int TQShapeCoordinateSystem::redrawIntervalMs() const
{
    // Grids are many lines: they go out less often while the box is dragged.
    static constexpr int kIntervals[] = {300, 500, 1000, 2000};
    return kIntervals[style()];
}

bool TQShapeCoordinateSystem::isFillable() const
{
    return false;
}

void TQShapeCoordinateSystem::draw(TQDrawManager *context, bool markTime, bool final)
{
    mFinalDraw = final;
    TQShapeGeneric::draw(context, markTime, final);
}

void TQShapeCoordinateSystem::finish(TQDrawManager *context)
{
    TQShapeGeneric::finish(context);
    TQDrawDataSourceInterface *source = context->dataSource();
    FileBean::PageState *state = source ? source->getPageExtraState() : nullptr;
    if (!state || !mFrame)
        return;
    mFrame->strokeIds = lastOutlineIds();
    state->records.push_back(std::move(mFrame));
}

TQShapeCoordinateSystem::Box TQShapeCoordinateSystem::box() const
{
    if (vertices.size() < 2)
        return Box{0, 0, 0, 0};
    const TQPointWF &p0 = vertices[0]->position;
    const TQPointWF &p1 = vertices[1]->position;
    return Box{std::min(p0.x, p1.x), std::min(p0.y, p1.y), std::max(p0.x, p1.x), std::max(p0.y, p1.y)};
}

void TQShapeCoordinateSystem::updateFrame(const TQDrawManager &context, const TQPointWF &origin, int unit,
                                          int unitsLeft, int unitsRight, int unitsUp, int unitsDown)
{
    if (!mFrame)
        return;
    mFrame->origin = TQPointWF(origin.x, origin.y + float(context.topOffset()));
    mFrame->unit = unit;
    mFrame->unitsLeft = unitsLeft;
    mFrame->unitsRight = unitsRight;
    mFrame->unitsUp = unitsUp;
    mFrame->unitsDown = unitsDown;
    mFrame->marked = style() == Marked;
    mFrame->meshed = style() == Meshed || style() == TightlyMeshed;
}

int TQShapeCoordinateSystem::wholeUnits(float length, int a)
{
    if (a < 1)
        return 0;
    const double units = std::trunc((double(length) - a / 4) / a);
    return std::isfinite(units) && std::fabs(units) < 1e9 ? int(units) : 0;
}

void TQShapeCoordinateSystem::addGridLine(TQShapeOutline &outline, const TQPointWF &from, const TQPointWF &to) const
{
    outline.brush.colour = kGridColour;
    outline.addLine({from, to});
    outline.brush.colour = brush.colour;
}

std::vector<float> TQShapeCoordinateSystem::steps(float from, float to, float step, bool inclusive)
{
    std::vector<float> values;
    if (!std::isfinite(from) || !std::isfinite(to) || !std::isfinite(step) || step == 0)
        return values;
    for (int i = 0; i < kMaxSteps; ++i) {
        const float v = from + float(i) * step;
        const bool within = step > 0 ? (inclusive ? v <= to : v < to) : (inclusive ? v >= to : v > to);
        if (!within)
            break;
        values.push_back(v);
    }
    return values;
}
