#pragma once

class TQPointWF;

// The two points differ by less than 0.1 pixel in x and in y.
bool isSamePoint(const TQPointWF &a, const TQPointWF &b);
