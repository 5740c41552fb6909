#pragma once

#include "modules/live/draws/TQPathRect.h"

#include <QString>

// Text on the board. Copies round the width up (W * f + 0.999, truncated) and
// scale the line height with the rectangle.
class TQPathText : public TQPathRect
{
public:
    TQPathText(const TQBrushStyle &brush, int strokeId, const QString &text, const QString &colourText,
               const QString &fontFamily, const QRectF &rect, float lineHeight);

    // The font size whose line of "A" is nearest the line height, from one
    // height -> size table shared by the process (built once, from the family
    // of the first text asked). GUI thread only.
    int getFontSize() const;

    QString text;
    // A colour name the views turn into the pen colour.
    QString colourText;
    QString fontFamily;
    // Height of a line in pixels of the canvas.
    float lineHeight;

protected:
    TQPathRect *clone() const override;
    void scaleExtras(float factor) override;
};
