#include "modules/live/draws/TQDrawTemporalLayout.h"

TQDrawTemporalLayout::TQDrawTemporalLayout(QQuickItem *parent)
    : QQuickPaintedItem(parent)
{
}

void TQDrawTemporalLayout::paint(QPainter *)
{
}
