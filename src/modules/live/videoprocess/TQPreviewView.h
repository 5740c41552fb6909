#pragma once

#include <QQuickPaintedItem>

// The teacher's camera preview and the students' pictures.
class TQPreviewView : public QQuickPaintedItem
{
    Q_OBJECT

public:
    explicit TQPreviewView(QQuickItem *parent = nullptr);

    void paint(QPainter *painter) override;
};
