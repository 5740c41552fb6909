#pragma once

#include <QQuickPaintedItem>

// The board layer that shows what is being drawn and not yet committed to the page.
class TQDrawTemporalView : public QQuickPaintedItem
{
    Q_OBJECT

public:
    explicit TQDrawTemporalView(QQuickItem *parent = nullptr);

    void paint(QPainter *painter) override;
};
