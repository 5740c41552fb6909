#include "modules/live/draws/TQDrawingElement.h"

TQDrawingElement::TQDrawingElement(int tag)
    : tag(tag)
{
}

bool TQDrawingElement::operator==(const TQDrawingElement &other) const
{
    return kind == other.kind && url == other.url && caption == other.caption
        && captionHeight == other.captionHeight && x == other.x && y == other.y && width == other.width
        && height == other.height && sourceValue == other.sourceValue && flag1 == other.flag1
        && flag2 == other.flag2 && canvasWidth == other.canvasWidth && canvasHeight == other.canvasHeight
        && tag == other.tag;
}
