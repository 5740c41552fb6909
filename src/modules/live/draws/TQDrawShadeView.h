#pragma once

#include <QQuickPaintedItem>

// The translucent cover that dims the board while it waits for something.
class TQDrawShadeView : public QQuickPaintedItem
{
    Q_OBJECT

public:
    explicit TQDrawShadeView(QQuickItem *parent = nullptr);

    void paint(QPainter *painter) override;
};
