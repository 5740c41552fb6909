#pragma once

#include <QQuickPaintedItem>

// The board layer that shows the committed paths of the current page.
class TQDrawSketchView : public QQuickPaintedItem
{
    Q_OBJECT

public:
    explicit TQDrawSketchView(QQuickItem *parent = nullptr);

    void paint(QPainter *painter) override;
};
