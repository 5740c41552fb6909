#pragma once

#include <QQuickPaintedItem>

// The transparent item on top of the board that takes the teacher's pointer and pen input.
class TQDrawTouchView : public QQuickPaintedItem
{
    Q_OBJECT

public:
    explicit TQDrawTouchView(QQuickItem *parent = nullptr);

    void paint(QPainter *painter) override;
};
