#include "modules/live/draws/TQPointWF.h"

TQPointWF::TQPointWF(float x, float y)
    : x(x)
    , y(y)
{
}

TQPointWF::TQPointWF(float x, float y, int cid, qint64 time, float pressure, float speed, int phase)
    : x(x)
    , y(y)
    , cid(cid)
    , pressure(pressure)
    , speed(speed)
    , time(time)
    , phase(phase)
{
}

TQPointWF TQPointWF::offsetAndScale(float dx, float dy, float scale) const
{
    TQPointWF moved(*this);
    if (scale < 0.01f)
        return moved;
    moved.x = (x + dx) * scale;
    moved.y = (y + dy) * scale;
    return moved;
}

TQPointWF TQPointWF::rescale(float fromWidth, float toWidth) const
{
    TQPointWF scaled(*this);
    if (fromWidth < 0.01f)
        return scaled;
    const float factor = toWidth / fromWidth;
    scaled.x = x * factor;
    scaled.y = y * factor;
    return scaled;
}

TQPointWF TQPointWF::toCanvas(float dx, float dy, float scale, float fromWidth, float toWidth) const
{
    return offsetAndScale(dx, dy, scale).rescale(fromWidth, toWidth);
}
