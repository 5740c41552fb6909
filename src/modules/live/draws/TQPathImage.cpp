#include "modules/live/draws/TQPathImage.h"

TQPathImage::TQPathImage(const TQBrushStyle &brush, int strokeId, const QRectF &rect, int sourceKind, float rotation,
                         const QByteArray &url)
    : TQPathRect(brush, strokeId, rect)
    , sourceKind(sourceKind)
    , rotation(rotation)
    , url(url)
{
}

TQPathRect *TQPathImage::clone() const
{
    return new TQPathImage(*this);
}
