#pragma once

#include <QQuickPaintedItem>

// The overlay of momentary things: shape handles, the pen pointer, the small blackboard.
class TQDrawTemporalLayout : public QQuickPaintedItem
{
    Q_OBJECT

public:
    explicit TQDrawTemporalLayout(QQuickItem *parent = nullptr);

    void paint(QPainter *painter) override;
};
