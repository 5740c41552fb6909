#pragma once

#include <QImage>
#include <QSize>

#include <vector>

class TQDrawingAction;

// What the students' board shows after the actions, in order: line actions
// as polylines (quarter units of their canvas; filled with alpha when their
// fill flag is set; type 0 dashed, type 100 dotted), circle actions as arcs
// (1/10000 radian, y downwards, run anticlockwise on the screen from start
// to end as the board paints them), colours from the colour table; a restore
// goes back to the last save, a save commits. White background, the page's
// top at the top.
QImage renderActions(const std::vector<TQDrawingAction *> &actions, QSize size);
