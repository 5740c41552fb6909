#include "modules/live/draws/TQLayerPainting.h"

#include <QPainter>
#include <QPixmap>

bool shouldLogPaintProblem(int count)
{
    return count < 40 || count % 40 == 0;
}

void fillTransparent(QPainter *painter, QPixmap *pixmap)
{
    if (!pixmap)
        return;
    if (!painter || !painter->isActive()) {
        pixmap->fill(Qt::transparent);
        return;
    }
    const QPainter::CompositionMode mode = painter->compositionMode();
    painter->setCompositionMode(QPainter::CompositionMode_Source);
    painter->fillRect(pixmap->rect(), Qt::transparent);
    painter->setCompositionMode(mode);
}
