#include "modules/live/videoprocess/TQPreviewView.h"

TQPreviewView::TQPreviewView(QQuickItem *parent)
    : QQuickPaintedItem(parent)
{
}

void TQPreviewView::paint(QPainter *)
{
}
