#pragma once

#include "shapes/TQShapeParams.h"

class TQShapeAbstract;

// The board tool for a shape type code, owned by the caller; null for a code
// without a shape tool (and for -1), upon which the caller uses the pen.
TQShapeAbstract *createShape(int code, const TQShapeParams &params);
