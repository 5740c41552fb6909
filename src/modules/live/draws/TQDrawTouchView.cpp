#include "modules/live/draws/TQDrawTouchView.h"

TQDrawTouchView::TQDrawTouchView(QQuickItem *parent)
    : QQuickPaintedItem(parent)
{
    setAcceptedMouseButtons(Qt::LeftButton | Qt::RightButton | Qt::MiddleButton);
    setFillColor(Qt::transparent);
}

void TQDrawTouchView::paint(QPainter *)
{
}
