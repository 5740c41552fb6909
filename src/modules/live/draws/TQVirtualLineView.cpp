#include "modules/live/draws/TQVirtualLineView.h"

#include <QPainter>

TQVirtualLineView::TQVirtualLineView(TQVirtualView *parent)
    : TQVirtualView(parent)
{
}

void TQVirtualLineView::paint(QPainter *painter, int yOffset)
{
    painter->save();
    painter->setPen(mColor);
    painter->setBrush(QBrush(mColor, Qt::SolidPattern));
    painter->drawRect(paintRect(yOffset));
    painter->restore();
}
