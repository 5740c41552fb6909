#pragma once

#include "modules/live/draws/TQVirtualView.h"

#include <QColor>

// A solid rectangle of one colour; a "line" is a rectangle as thin as the line.
class TQVirtualLineView : public TQVirtualView
{
public:
    explicit TQVirtualLineView(TQVirtualView *parent = nullptr);

    void paint(QPainter *painter, int yOffset) override;

    void setColor(const QColor &color) { mColor = color; }
    QColor color() const { return mColor; }

private:
    QColor mColor;
};
