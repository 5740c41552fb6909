#include "shapes/TQShapeTabular.h"

#include "modules/live/draws/TQDrawManager.h"
#include "shapes/TQShapeOutline.h"
#include "shapes/TQVertex.h"
#include "utils/CLog.h"

#include <algorithm>

namespace {

constexpr int kRowHeight = 80;
constexpr int kColumnWidth = 120;

} // namespace

TQShapeTabular::TQShapeTabular()
    : TQShapeGeneric(2101, false, false, false, true)
{
}

void TQShapeTabular::placeVertices(TQDrawManager *context)
{
    const int w = context->visibleSize().width();
    const int h = context->visibleSize().height();
    if (params.rows < 1 || params.rows > kMaxRows)
        params.rows = kDefaultRows;
    if (params.columns < 1 || params.columns > kMaxColumns)
        params.columns = kDefaultColumns;
    const int rows = params.rows;
    const int columns = params.columns;
    const int height = std::min(kRowHeight * rows, 2 * h / 3 - 20);
    const int width = std::min(kColumnWidth * columns, w / 2);
    const float left = w / 4.0f;
    const float top = h / 3.0f;

    addVertex(TQPointWF(float(w / 4), float(h / 3)), false);
    const int rowStep = height / rows;
    for (int k = 1; k <= rows; ++k)
        addVertex(TQPointWF(left, top + float(k * rowStep)), k != rows);
    const int columnStep = width / columns;
    for (int j = 1; j <= columns; ++j)
        addVertex(TQPointWF(left + float(j * columnStep), top), j != columns);
    addVertex(TQPointWF(left + float(width), top + float(height)));
}

bool TQShapeTabular::hasGrid() const
{
    return params.rows >= 1 && params.columns >= 1
        && vertices.size() == size_t(params.rows) + size_t(params.columns) + 2;
}

TQPointWF &TQShapeTabular::at(int index)
{
    return vertices[size_t(index)]->position;
}

const TQPointWF &TQShapeTabular::at(int index) const
{
    return vertices[size_t(index)]->position;
}

const TQPointWF &TQShapeTabular::pressAt(int index) const
{
    return vertices[size_t(index)]->pressPosition;
}

TQPointWF TQShapeTabular::anchorPoint() const
{
    if (vertices.size() < 2)
        return TQPointWF(0, 0);
    return midpointOf(vertices.front()->position, vertices.back()->position);
}

int TQShapeTabular::redrawIntervalMs() const
{
    return 800;
}

bool TQShapeTabular::isFillable() const
{
    return false;
}

void TQShapeTabular::spreadRows(float step)
{
    for (int i = 1; i <= params.rows; ++i)
        at(i) = TQPointWF(pressAt(i).x, pressAt(i).y + float(i) * step);
}

void TQShapeTabular::adjustVertex(float dx, float dy)
{
    CLog::print(QStringLiteral("adjustVertex xOffset:%1 yOffset:%2").arg(double(dx)).arg(double(dy)));
    if (!hasGrid() || selectedVertex < 0 || selectedVertex >= int(vertices.size()))
        return;
    const int rows = params.rows;
    const int columns = params.columns;
    const int k = selectedVertex;
    const int last = rows + columns + 1;
    const TQPointWF topLeft = at(0);

    if (k > 0 && k < rows) {
        // The line follows the finger, never above the top edge, and every
        // row takes the same share of the change.
        const float down = std::max(dy, topLeft.y - pressAt(k).y);
        const float step = down / float(k);
        const float across = std::min(std::max(dx, topLeft.x - pressAt(k).x), at(rows + 1).x - pressAt(k).x);
        spreadRows(step);
        at(k).x += across;
        at(last) = TQPointWF(pressAt(last).x, pressAt(last).y + float(rows) * step);
        snapColumnHandles();
    } else if (k > rows && k < rows + columns) {
        // Between its neighbours (the left edge for the first), not above the top.
        const float across = std::min(std::max(dx, at(k - 1).x - pressAt(k).x), at(k + 1).x - pressAt(k).x);
        const float down = std::max(dy, topLeft.y - pressAt(k).y);
        at(k) = TQPointWF(pressAt(k).x + across, pressAt(k).y + down);
        snapRowHandles();
    } else if (k == last) {
        // Only the last column widens; all rows grow evenly.
        const float across =
            std::max({dx, topLeft.x - pressAt(last).x, at(rows + columns - 1).x - pressAt(last).x});
        const float down = std::max(dy, topLeft.y - pressAt(last).y);
        spreadRows(down / float(rows));
        at(rows + columns) = TQPointWF(pressAt(rows + columns).x + across, pressAt(rows + columns).y);
        at(last) = TQPointWF(pressAt(last).x + across, pressAt(last).y + down);
        snapColumnHandles();
    } else {
        return;
    }
    refreshHandles();
}

void TQShapeTabular::afterVertexAdjust()
{
    if (!hasGrid())
        return;
    snapColumnHandles();
    snapRowHandles();
}

void TQShapeTabular::snapColumnHandles()
{
    if (!hasGrid())
        return;
    const float top = at(0).y;
    const float firstRow = at(1).y;
    for (int q = params.rows + 1; q <= params.rows + params.columns; ++q) {
        float &y = at(q).y;
        y = (firstRow - y) > (y - top) ? top : firstRow;
    }
}

void TQShapeTabular::snapRowHandles()
{
    if (!hasGrid())
        return;
    const float left = at(0).x;
    const float firstColumn = at(params.rows + 1).x;
    for (int q = 1; q <= params.rows; ++q) {
        float &x = at(q).x;
        x = (firstColumn - x) > (x - left) ? left : firstColumn;
    }
}

void TQShapeTabular::buildOutline(TQShapeOutline &outline, TQDrawManager *)
{
    if (!hasGrid())
        return;
    const TQPointWF topLeft = at(0);
    const TQPointWF bottomRight = vertices.back()->position;
    // The top edge from the right, then the left edge downwards.
    outline.addLine({TQPointWF(bottomRight.x, topLeft.y), topLeft, TQPointWF(topLeft.x, bottomRight.y)});
    for (int k = 1; k <= params.rows; ++k)
        outline.addLine({at(k), TQPointWF(bottomRight.x, at(k).y)});
    CLog::print(QStringLiteral("tabular horizontal count %1").arg(params.rows));
    for (int j = params.rows + 1; j <= params.rows + params.columns; ++j)
        outline.addLine({at(j), TQPointWF(at(j).x, bottomRight.y)});
}
