#pragma once

#include <QImage>
#include <QSize>

class QPainter;
class QPixmap;

// The off-screen picture of a painted board layer and the painter kept open
// on it. A size of zero (or below) leaves no painter, so that the layer's
// updates see none and say so.
class TQLayerContent
{
public:
    TQLayerContent() = default;
    ~TQLayerContent();
    TQLayerContent(const TQLayerContent &) = delete;
    TQLayerContent &operator=(const TQLayerContent &) = delete;

    // Deletes the old painter and pixmap and makes a transparent one.
    void recreate(QSize size, bool smoothPixmaps = false);
    void release();
    // Null until the first recreate.
    QPixmap *pixmap() const { return mPixmap; }
    QPainter *painter() const { return mPainter; }
    // Draws the whole picture at (0, 0) when there is one.
    void drawInto(QPainter *target) const;
    QImage image() const;

private:
    QPixmap *mPixmap = nullptr;
    QPainter *mPainter = nullptr;
};
