#include "modules/live/draws/TQVirtualTextView.h"

#include <QPainter>
#include <QTextOption>

TQVirtualTextView::TQVirtualTextView(TQVirtualView *parent)
    : TQVirtualView(parent)
{
}

void TQVirtualTextView::paint(QPainter *painter, int yOffset)
{
    painter->drawText(QRectF(paintRect(yOffset)), mText, QTextOption());
}
