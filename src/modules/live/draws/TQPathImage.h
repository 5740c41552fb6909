#pragma once

#include "modules/live/draws/TQPathRect.h"

#include <QByteArray>

// An image placed inside the stroke layer, rotated about its centre.
class TQPathImage : public TQPathRect
{
public:
    TQPathImage(const TQBrushStyle &brush, int strokeId, const QRectF &rect, int sourceKind, float rotation,
                const QByteArray &url);

    // 0: url is a network address looked up in the file cache; otherwise a
    // local file path.
    int sourceKind;
    // Radians, about the rectangle's centre.
    float rotation;
    QByteArray url;

protected:
    TQPathRect *clone() const override;
};
