#include "modules/live/draws/TQBrushStyle.h"

TQBrushStyle::TQBrushStyle(int type, TQBrushColor colour, int width, int extra)
    : type(type)
    , colour(colour)
    , width(width)
    , extra(extra)
{
}

bool TQBrushStyle::operator==(const TQBrushStyle &other) const
{
    return type == other.type && colour == other.colour && width == other.width && extra == other.extra;
}
