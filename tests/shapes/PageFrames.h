#pragma once

#include "ShapeHarness.h"

#include "shapes/TQCoordinateFrame.h"

#include <QPointF>

#include <vector>

// The coordinate frames the harness's current page holds, oldest first.
inline std::vector<const TQCoordinateFrame *> pageFrames(const ShapeHarness &h)
{
    std::vector<const TQCoordinateFrame *> frames;
    const FileBean::PageState *state = const_cast<ShapeHarness &>(h).board.source.getPageExtraState();
    if (!state)
        return frames;
    for (const auto &record : state->records) {
        if (const auto *frame = dynamic_cast<const TQCoordinateFrame *>(record.get()))
            frames.push_back(frame);
    }
    return frames;
}

// Ends the current shape's editing with a tap on the board away from it (the
// bottom-left corner), which commits it and brings back the pen.
inline void tapBeside(ShapeHarness &h, QPointF at = QPointF(20, 620))
{
    h.touch(at, 0);
    h.touch(at, 2);
}
