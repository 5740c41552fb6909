#pragma once

#include <vector>

class TQDrawingElement;
class TQPath;

// One undo snapshot of a page: what it showed and where it was scrolled when
// a save was applied. The paths and elements belong to the page; a snapshot
// only points at them.
class TQSavedImage
{
public:
    std::vector<TQPath *> paths;
    std::vector<TQDrawingElement *> backgroundElements;
    int materialId = 0;
    int pageIndex = 0;
    int topOffset = 0;
    // The snapshot that was current when this one was added (-1: none).
    int previousId = 0;
    // The drawing index of the save that took it.
    int id = 0;
    // Oldest, respectively newest, snapshot of its history.
    bool first = false;
    bool last = false;
};
