#pragma once

#include <QQuickPaintedItem>

// The board's top painted layer (cover boards, the video-card player).
class TQDrawForegroundLayout : public QQuickPaintedItem
{
    Q_OBJECT

public:
    explicit TQDrawForegroundLayout(QQuickItem *parent = nullptr);

    void paint(QPainter *painter) override;
};
