#include "modules/live/userlist/TQAgoraVideoWidget.h"

TQAgoraVideoWidget::TQAgoraVideoWidget(QQuickItem *parent)
    : QQuickPaintedItem(parent)
{
}

void TQAgoraVideoWidget::paint(QPainter *)
{
}
