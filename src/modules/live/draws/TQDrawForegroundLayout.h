#pragma once

#include "modules/live/draws/TQLayerContent.h"

#include <QImage>
#include <QQuickPaintedItem>
#include <QRect>
#include <QSize>

#include <vector>

class TQDrawDataSourceInterface;
class TQDrawForegroundElementLayout;
class TQDrawingElement;

// The board's top painted layer: the cover boards of the current page,
// painted into one content pixmap, and the hit tests the draw manager uses
// to move, resize and close them. The video-card player is parented here by
// the board's QML. GUI thread only.
class TQDrawForegroundLayout : public QQuickPaintedItem
{
    Q_OBJECT

public:
    explicit TQDrawForegroundLayout(QQuickItem *parent = nullptr);
    ~TQDrawForegroundLayout() override;

    void init(const QSize &size);
    void createContent(int width, int height);
    void rebuild(bool clearFirst, int topOffset, float zoom, TQDrawDataSourceInterface *dataSource,
                 const QSize &visibleSize);
    void reposition(int topOffset, float zoom, TQDrawDataSourceInterface *dataSource, const QSize &visibleSize);
    void updateInContent();
    void paint(QPainter *painter) override;

    TQDrawForegroundElementLayout *findElement(int tag) const;
    // Takes ownership.
    void addElement(TQDrawForegroundElementLayout *element);
    // Deletes every cover board.
    void clearElements();
    int elementCount() const { return int(elements.size()); }

    // The tag of the first cover board, in the order they were added, under
    // (x + dx, y + dy); -1 when none.
    int hitCloseButton(int x, int y, int dx, int dy) const;
    int hitExpandButton(int x, int y, int dx, int dy) const;
    int hitCoverBoard(int x, int y, int dx, int dy) const;

    bool isChanged() const { return changed; }
    void setChanged(bool value) { changed = value; }
    // A copy of the rendered layer; null before init.
    QImage contentImage() const;

private:
    // The element's rectangle on a board `visibleWidth` wide; false when the
    // element names no width to scale from.
    static bool boardRectFor(const TQDrawingElement &e, int visibleWidth, float zoom, QRect *rect);
    using HitTest = bool (TQDrawForegroundElementLayout::*)(int, int) const;
    int firstHit(HitTest hit, int x, int y) const;

    bool changed = false;
    std::vector<TQDrawForegroundElementLayout *> elements; // owned
    int topOffset = 0;
    QSize visibleSize;
    QSize initialSize;
    TQLayerContent content;
};
