#include "shapes/TQCoordinateFrame.h"

#include "modules/live/draws/TQPath.h"

#include <algorithm>

void TQCoordinateFrame::followPagePaths(const QList<TQPath *> &paths)
{
    const bool shown = std::any_of(paths.begin(), paths.end(), [this](const TQPath *path) {
        return path && std::find(strokeIds.begin(), strokeIds.end(), path->strokeId) != strokeIds.end();
    });
    if (shown)
        committed = true;
    // Until its own save is applied the lines are still queued: a restore
    // before it (the system's last redraw) does not take the frame away.
    onPage = shown || !committed;
}
