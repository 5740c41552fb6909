#pragma once

#include <QtGlobal>

// A stroke point in floats, as tools and paths work with it. The coordinates
// refer to the canvas named by refWidth x refHeight (820 x 520 unless set).
class TQPointWF
{
public:
    static constexpr int kReferenceWidth = 820;
    static constexpr int kReferenceHeight = 520;

    TQPointWF(float x, float y);
    TQPointWF(float x, float y, int cid, qint64 time, float pressure, float speed, int phase);

    // Moved by (dx, dy), then x and y multiplied by scale; unchanged below 0.01.
    TQPointWF offsetAndScale(float dx, float dy, float scale) const;
    // x and y multiplied by toWidth / fromWidth; unchanged when fromWidth is below 0.01.
    TQPointWF rescale(float fromWidth, float toWidth) const;
    // A board view point in the canvas drawing actions carry: offsetAndScale
    // then rescale.
    TQPointWF toCanvas(float dx, float dy, float scale, float fromWidth, float toWidth) const;

    float x;
    float y;
    // Outline side of a computed edge point: 0/1 left/right of the outline,
    // 2/3 the same for the inner outline of chalk.
    int cid = 0;
    float pressure = 0;
    // Drawing speed, filled by smoothSpeeds.
    float speed = 0;
    // Sample time, ms since 1970.
    qint64 time = 0;
    // Touch phase: 0 press, 1 move, 2 release, -1 unset.
    int phase = -1;
    int refWidth = kReferenceWidth;
    int refHeight = kReferenceHeight;
};
