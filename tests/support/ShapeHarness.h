#pragma once

#include "../modules/live/draws/DrawManagerFixture.h"
#include "TestClock.h"

#include <QPointF>

#include <vector>

class TQPath;
class TQShapeAbstract;
class TQShapeGeneric;

// A teaching shape on the real draw manager of a headless board 1000 x 640
// (zoom 1, offset 0, material 501 page 0, teacher 10001) with the product's
// clock fixed: touches go in through drawLineAddPoint, and after each one the
// manager applies everything queued. What was handed over for sending is
// board.services.sentActions; what was drawn locally is localPaths().
class ShapeHarness
{
public:
    static constexpr qint64 kStartMs = 1700000000000;

    ShapeHarness();
    ShapeHarness(const ShapeHarness &) = delete;
    ShapeHarness &operator=(const ShapeHarness &) = delete;

    // Makes the tool the manager's current tool (it initialises itself).
    void install(TQShapeAbstract *tool);
    // The current tool when it is a teaching shape, else null.
    TQShapeGeneric *shape() const;
    // Positions of the current shape's control points.
    std::vector<QPointF> controlPoints() const;

    // One touch sample (phase 0 press, 1 move, 2 release) at the clock's time.
    void touch(QPointF at, int phase);
    // Press at the first point, move through the others and release at the
    // last, the clock advancing by stepMs before every sample after the press.
    void drag(const std::vector<QPointF> &path, qint64 stepMs);

    std::vector<int> sentCodes() const { return board.sentCodes(); }
    // Forgets what was sent so far.
    void clearSent();
    const std::vector<TQPath *> &localPaths() const { return board.manager.pendingPaths(); }

    TestClock clock{kStartMs};
    DrawManagerFixture board;
};
