#include "modules/live/draws/TQDrawSketchView.h"

TQDrawSketchView::TQDrawSketchView(QQuickItem *parent)
    : QQuickPaintedItem(parent)
{
    setMipmap(true);
}

void TQDrawSketchView::paint(QPainter *)
{
}
