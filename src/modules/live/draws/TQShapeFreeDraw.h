#pragma once

#include "modules/live/draws/TQPointWF.h"
#include "modules/live/draws/TQShapeAbstract.h"

#include <QtGlobal>

#include <vector>

// The pen: one two-point line action per pen move and a save on release.
// A press on the small blackboard or a cover board turns the stroke into a
// move, resize, close or erase request for the draw manager instead.
class TQShapeFreeDraw : public TQShapeAbstract
{
public:
    // What the press hit.
    enum Mode {
        Drawing = 0,
        BlackboardBody = 1,
        BlackboardEraseButton = 2,
        CoverBoardBody = 5,
        CoverBoardCloseButton = 6,
        CoverBoardResizeHandle = 7,
    };
    // A button counts as clicked when released this soon after the press.
    static constexpr qint64 kTapMillis = 200;

    explicit TQShapeFreeDraw(const TQShapeParams &params = TQShapeParams());

    TQShapeTouchResult onTouch(const TQPointWF &point, int phase, TQDrawManager *context) override;
    // Queues the segment between the last two samples as one line action.
    void drawLastSegment(TQDrawManager *context);

    std::vector<TQPointWF> points;
    qint64 pressTime = 0;
    int mode = Drawing;
    int hitIndex = -1;

private:
    TQShapeTouchResult press(const TQPointWF &point, TQDrawManager *context);
    TQShapeTouchResult move(const TQPointWF &point, TQDrawManager *context);
    TQShapeTouchResult release(const TQPointWF &point, TQDrawManager *context);
};
