#pragma once

#include "shapes/TQShapeParams.h"

class TQShapeAbstract;
class TQShapeGeneric;

// Makes one figure class with its default constructor.
using TQShapeMaker = TQShapeGeneric *(*)();

// The board tool for a shape type code, owned by the caller; null for a code
// without a shape tool (and for -1), upon which the caller uses the pen.
TQShapeAbstract *createShape(int code, const TQShapeParams &params);

// createShape with the figure made by make (null gives null): sets the flags
// that the code implies, stores the code and a copy of params.
TQShapeAbstract *createShapeWith(TQShapeMaker make, int code, const TQShapeParams &params);

// The figure class that a code names, "" for a code without one. A class that
// is not built yet is named here while createShape still gives null for it.
const char *shapeClassForCode(int code);
