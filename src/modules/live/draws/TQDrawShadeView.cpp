#include "modules/live/draws/TQDrawShadeView.h"

TQDrawShadeView::TQDrawShadeView(QQuickItem *parent)
    : QQuickPaintedItem(parent)
{
}

void TQDrawShadeView::paint(QPainter *)
{
}
