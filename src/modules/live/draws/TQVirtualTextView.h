#pragma once

#include "modules/live/draws/TQVirtualView.h"

#include <QString>

// Text drawn into the view's rectangle with the painter's current font and
// pen; owners that want their own colour or alignment draw the text themselves.
class TQVirtualTextView : public TQVirtualView
{
public:
    explicit TQVirtualTextView(TQVirtualView *parent = nullptr);

    void paint(QPainter *painter, int yOffset) override;

    void setText(const QString &text) { mText = text; }
    QString text() const { return mText; }

private:
    QString mText;
};
