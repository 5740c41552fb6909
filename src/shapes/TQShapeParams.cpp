#include "shapes/TQShapeParams.h"

TQShapeParams::~TQShapeParams() = default;
