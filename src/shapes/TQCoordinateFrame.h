#pragma once

#include "modules/live/bean/FileBean.h"
#include "modules/live/draws/TQPointWF.h"

#include <vector>

// Where a committed coordinate system lies on its page, so that a function
// graph drawn later can sit on the same axes: its origin (canvas x, canvas y
// below the page top), the canvas length of one unit and how many whole
// units each axis shows. The page keeps one per committed system.
//
// A system that leaves the page (the page is cleared, or an undo takes its
// lines away) no longer counts until its lines come back (redo).
class TQCoordinateFrame : public FileBean::PageStateRecord
{
public:
    TQCoordinateFrame() = default;

    // Whether the system's lines are on the page as far as the board has
    // applied its actions; a frame whose lines are still on their way counts.
    bool isOnPage() const { return onPage; }
    void followPagePaths(const QList<TQPath *> &paths) override;

    TQPointWF origin{0, 0};
    int unit = 0;
    int unitsLeft = 0;
    int unitsRight = 0;
    int unitsUp = 0;
    int unitsDown = 0;
    bool marked = false;
    bool meshed = false;
    // The ids of the lines the system was committed with.
    std::vector<int> strokeIds;

private:
    bool onPage = true;
    // Its lines have been on the page once.
    bool committed = false;
};
