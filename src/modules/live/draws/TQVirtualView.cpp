#include "modules/live/draws/TQVirtualView.h"

TQVirtualView::TQVirtualView(TQVirtualView *parent)
    : parent(parent)
{
}

TQVirtualView::~TQVirtualView()
{
    parent = nullptr;
}

void TQVirtualView::paint(QPainter *, int) {}

void TQVirtualView::setEdges(int l, int t, int r, int b)
{
    left = l;
    top = t;
    right = r;
    bottom = b;
}

void TQVirtualView::setRect(const QRect &r)
{
    setEdges(r.left(), r.top(), r.right(), r.bottom());
}

QRect TQVirtualView::absoluteRect() const
{
    if (!parent)
        return rect();
    const QRect p = parent->absoluteRect();
    return QRect(p.left() + left, p.top() + top, width(), height());
}
