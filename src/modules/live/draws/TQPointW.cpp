#include "modules/live/draws/TQPointW.h"

TQPointW::TQPointW(int x, int y, int cid)
    : x(x)
    , y(y)
    , cid(cid)
{
}

bool TQPointW::operator==(const TQPointW &other) const
{
    return samePlace(other) && time == other.time && pressure == other.pressure && speed == other.speed
        && phase == other.phase;
}
