#pragma once

#include <QQuickPaintedItem>

// The board's bottom layer: the page image and the pictures placed on it.
class TQDrawBackgroundLayout : public QQuickPaintedItem
{
    Q_OBJECT

public:
    explicit TQDrawBackgroundLayout(QQuickItem *parent = nullptr);

    void paint(QPainter *painter) override;
};
