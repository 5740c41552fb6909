#include "ShapeHarness.h"

#include "modules/live/draws/TQBoardSize.h"
#include "shapes/TQShapeGeneric.h"
#include "shapes/TQVertex.h"

ShapeHarness::ShapeHarness()
{
    setBoardSize(1000, 640);
}

void ShapeHarness::install(TQShapeAbstract *tool)
{
    board.manager.installShapeTool(tool);
    board.drain();
}

TQShapeGeneric *ShapeHarness::shape() const
{
    return dynamic_cast<TQShapeGeneric *>(board.manager.currentTool());
}

std::vector<QPointF> ShapeHarness::controlPoints() const
{
    std::vector<QPointF> points;
    if (const TQShapeGeneric *s = shape()) {
        for (const TQVertex *v : s->vertices)
            points.emplace_back(v->position.x, v->position.y);
    }
    return points;
}

void ShapeHarness::touch(QPointF at, int phase)
{
    board.manager.drawLineAddPoint(float(at.x()), float(at.y()), phase, clock.now());
    board.drain();
}

void ShapeHarness::drag(const std::vector<QPointF> &path, qint64 stepMs)
{
    if (path.empty())
        return;
    touch(path.front(), 0);
    for (size_t i = 1; i < path.size(); ++i) {
        clock.advance(stepMs);
        touch(path[i], 1);
    }
    clock.advance(stepMs);
    touch(path.back(), 2);
}

void ShapeHarness::clearSent()
{
    for (TQDrawingAction *a : board.services.sentActions)
        delete a;
    board.services.sentActions.clear();
}
