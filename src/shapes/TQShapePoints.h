#pragma once

#include "modules/live/draws/TQPointW.h"

#include <vector>

class TQPointWF;

// Point geometry the shapes build their outlines with. Points are in the
// board's view coordinates, y downwards.

// The two points differ by less than 0.1 pixel in x and in y.
bool pointsCoincide(const TQPointWF &a, const TQPointWF &b);

// p turned about c by angle (radians; clockwise on screen since y grows
// downwards), computed in double.
TQPointWF rotatePointAround(const TQPointWF &p, const TQPointWF &c, double angle);

// The angle at v between the directions to p and to q, 0 to pi; pi when v
// has no direction to p or to q (it lies on one of them).
double angleAtVertex(const TQPointWF &p, const TQPointWF &v, const TQPointWF &q);

// Whether the corner formed by c and d over the segment ab is open: false
// when one of c, d lies inside the triangle of a, b and the other. Degenerate
// corners (a on b, c on d, c on a or b) count as open.
bool isNotEnclosedCorner(const TQPointWF &a, const TQPointWF &b, const TQPointWF &c, const TQPointWF &d);

// toPointW of each point, in order.
std::vector<TQPointW> toPointWList(const std::vector<TQPointWF> &points);
