#include "modules/live/draws/TQDrawBackgroundLayout.h"

TQDrawBackgroundLayout::TQDrawBackgroundLayout(QQuickItem *parent)
    : QQuickPaintedItem(parent)
{
}

void TQDrawBackgroundLayout::paint(QPainter *)
{
}
