#include "modules/live/draws/TQDrawTemporalView.h"

TQDrawTemporalView::TQDrawTemporalView(QQuickItem *parent)
    : QQuickPaintedItem(parent)
{
}

void TQDrawTemporalView::paint(QPainter *)
{
}
