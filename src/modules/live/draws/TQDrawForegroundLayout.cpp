#include "modules/live/draws/TQDrawForegroundLayout.h"

TQDrawForegroundLayout::TQDrawForegroundLayout(QQuickItem *parent)
    : QQuickPaintedItem(parent)
{
}

void TQDrawForegroundLayout::paint(QPainter *)
{
}
