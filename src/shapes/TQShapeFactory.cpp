#include "shapes/TQShapeFactory.h"

#include "shapes/TQShapeAngle.h"
#include "shapes/TQShapeAnalyticals.h"
#include "shapes/TQShapeArrow.h"
#include "shapes/TQShapeAxisLine.h"
#include "shapes/TQShapeBigParantheses.h"
#include "shapes/TQShapeBrackets.h"
#include "shapes/TQShapeCircle.h"
#include "shapes/TQShapeCone.h"
#include "shapes/TQShapeCoordinates.h"
#include "shapes/TQShapeCube.h"
#include "shapes/TQShapeCuboid.h"
#include "shapes/TQShapeCuttingBox.h"
#include "shapes/TQShapeCurve.h"
#include "shapes/TQShapeCylinder.h"
#include "shapes/TQShapeEllipse.h"
#include "shapes/TQShapeFillArrow.h"
#include "shapes/TQShapeFloatingImage.h"
#include "shapes/TQShapeFourEdged.h"
#include "shapes/TQShapeGeneric.h"
#include "shapes/TQShapeGlobe.h"
#include "shapes/TQShapeLine.h"
#include "shapes/TQShapeParalleogram.h"
#include "shapes/TQShapePartialCircle.h"
#include "shapes/TQShapePoint.h"
#include "shapes/TQShapePolygon.h"
#include "shapes/TQShapePrismTriangle.h"
#include "shapes/TQShapeRectangle.h"
#include "shapes/TQShapeRhombus.h"
#include "shapes/TQShapeRightCoordinate.h"
#include "shapes/TQShapeSquare.h"
#include "shapes/TQShapeSquareParamid.h"
#include "shapes/TQShapeTabular.h"
#include "shapes/TQShapeTrapezoid.h"
#include "shapes/TQShapeTrapezoidIsosceles.h"
#include "shapes/TQShapeTrapezoidRight.h"
#include "shapes/TQShapeTriangle.h"
#include "shapes/TQShapeTriangleEqualLateral.h"
#include "shapes/TQShapeTriangleFixedAngle.h"
#include "shapes/TQShapeTriangleIsosceles.h"
#include "shapes/TQShapeTriangleIsoscelesRight.h"
#include "shapes/TQShapeTrianglePyramid.h"
#include "shapes/TQShapeTriangleRight.h"

namespace {

template <class Figure>
TQShapeGeneric *makeShape()
{
    return new Figure;
}

// Codes first..last are made by one class. A figure class still to be built
// has a null maker; adding a class is adding its maker to its row.
struct ShapeKind
{
    int first;
    int last;
    const char *className;
    TQShapeMaker make;
};

constexpr ShapeKind kShapeKinds[] = {
    {100, 101, "TQShapeCuttingBox", &makeShape<TQShapeCuttingBox>},
    {102, 102, "TQShapeFloatingImage", &makeShape<TQShapeFloatingImage>},
    {1000, 1004, "TQShapeArrow", &makeShape<TQShapeArrow>},
    {1005, 1006, "TQShapeBigParantheses", &makeShape<TQShapeBigParantheses>},
    {1007, 1008, "TQShapeBrackets", &makeShape<TQShapeBrackets>},
    {1009, 1009, "TQShapeCurve", &makeShape<TQShapeCurve>},
    {1010, 1016, "TQShapeFillArrow", &makeShape<TQShapeFillArrow>},
    {2000, 2001, "TQShapeAxisLine", &makeShape<TQShapeAxisLine>},
    {2002, 2005, "TQShapeCoordinates", &makeShape<TQShapeCoordinates>},
    {2006, 2009, "TQShapeRightCoordinate", &makeShape<TQShapeRightCoordinate>},
    {2100, 2100, "TQShapeFloatingImage", &makeShape<TQShapeFloatingImage>},
    {2101, 2101, "TQShapeTabular", &makeShape<TQShapeTabular>},
    {2200, 2200, "TQShapePoint", &makeShape<TQShapePoint>},
    {2201, 2204, "TQShapeLine", &makeShape<TQShapeLine>},
    {2205, 2205, "TQShapeAngle", &makeShape<TQShapeAngle>},
    {2300, 2300, "TQShapeTriangle", &makeShape<TQShapeTriangle>},
    {2301, 2301, "TQShapeTriangleRight", &makeShape<TQShapeTriangleRight>},
    {2302, 2302, "TQShapeTriangleIsosceles", &makeShape<TQShapeTriangleIsosceles>},
    {2303, 2303, "TQShapeTriangleIsoscelesRight", &makeShape<TQShapeTriangleIsoscelesRight>},
    {2304, 2304, "TQShapeTriangleEqualLateral", &makeShape<TQShapeTriangleEqualLateral>},
    {2305, 2305, "TQShapeTriangleFixedAngle", &makeShape<TQShapeTriangleFixedAngle>},
    {2306, 2306, "TQShapeFourEdged", &makeShape<TQShapeFourEdged>},
    {2307, 2307, "TQShapeRectangle", &makeShape<TQShapeRectangle>},
    {2308, 2308, "TQShapeSquare", &makeShape<TQShapeSquare>},
    {2309, 2309, "TQShapeRhombus", &makeShape<TQShapeRhombus>},
    {2310, 2310, "TQShapeParalleogram", &makeShape<TQShapeParalleogram>},
    {2311, 2311, "TQShapeTrapezoid", &makeShape<TQShapeTrapezoid>},
    {2312, 2312, "TQShapeTrapezoidRight", &makeShape<TQShapeTrapezoidRight>},
    {2313, 2313, "TQShapeTrapezoidIsosceles", &makeShape<TQShapeTrapezoidIsosceles>},
    {2314, 2314, "TQShapePolygon", &makeShape<TQShapePolygon>},
    {2315, 2315, "TQShapeCircle", &makeShape<TQShapeCircle>},
    {2316, 2316, "TQShapePartialCircle", &makeShape<TQShapePartialCircle>},
    {2317, 2317, "TQShapeEllipse", &makeShape<TQShapeEllipse>},
    {2400, 2400, "TQShapeCuboid", &makeShape<TQShapeCuboid>},
    {2401, 2401, "TQShapeCube", &makeShape<TQShapeCube>},
    {2402, 2402, "TQShapeGlobe", &makeShape<TQShapeGlobe>},
    {2403, 2403, "TQShapeCylinder", &makeShape<TQShapeCylinder>},
    {2404, 2404, "TQShapeCone", &makeShape<TQShapeCone>},
    {2405, 2405, "TQShapeTrianglePyramid", &makeShape<TQShapeTrianglePyramid>},
    {2406, 2406, "TQShapePrismTriangle", &makeShape<TQShapePrismTriangle>},
    {2407, 2407, "TQShapeSquareParamid", &makeShape<TQShapeSquareParamid>},
    // Function graphs and the physics and chemistry pictures.
    {2500, 2518, "TQShapeAnalyticals", &makeShape<TQShapeAnalyticals>},
    {3000, 4062, "TQShapeFloatingImage", &makeShape<TQShapeFloatingImage>},
};

const ShapeKind *kindForCode(int code)
{
    for (const ShapeKind &kind : kShapeKinds) {
        if (code >= kind.first && code <= kind.last)
            return &kind;
    }
    return nullptr;
}

} // namespace

TQShapeAbstract *createShape(int code, const TQShapeParams &params)
{
    const ShapeKind *kind = kindForCode(code);
    return createShapeWith(kind ? kind->make : nullptr, code, params);
}

TQShapeAbstract *createShapeWith(TQShapeMaker make, int code, const TQShapeParams &params)
{
    if (!make)
        return nullptr;
    TQShapeGeneric *shape = make();
    if (!shape)
        return nullptr;
    // The board-region tools are copied or pasted; the floating image pasted
    // from a region is resized. Whatever a class's own constructor set, the
    // code decides.
    if (code == 100 || code == 101)
        shape->copyable = true;
    if (code == 102)
        shape->resizable = true;
    shape->type = code;
    shape->params = params;
    return shape;
}

const char *shapeClassForCode(int code)
{
    const ShapeKind *kind = kindForCode(code);
    return kind ? kind->className : "";
}
