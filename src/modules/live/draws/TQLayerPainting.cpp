#include "modules/live/draws/TQLayerPainting.h"

#include "utils/CLog.h"

#include <QPainter>
#include <QPixmap>

void logPaintProblem(int &count, const QString &message, const QString &tag)
{
    ++count;
    if (count < 40 || count % 40 == 0)
        CLog::log(message.arg(count), tag);
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
