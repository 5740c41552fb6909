#pragma once

#include <QtGlobal>

// A stroke point as line actions carry it: x and y in quarter units of the
// canvas the line action names (float coordinate x 4, truncated toward zero).
class TQPointW
{
public:
    TQPointW() = default;
    TQPointW(int x, int y, int cid = 0);

    // Same position on the same outline side (what merging compares).
    bool samePlace(const TQPointW &other) const { return x == other.x && y == other.y && cid == other.cid; }
    bool operator==(const TQPointW &other) const;
    bool operator!=(const TQPointW &other) const { return !(*this == other); }

    int x = 0;
    int y = 0;
    int cid = 0;
    // Not carried in text:
    qint64 time = 0;
    float pressure = 0;
    float speed = 0;
    int phase = -1;
};
