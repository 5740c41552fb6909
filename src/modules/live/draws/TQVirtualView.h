#pragma once

#include <QRect>

class QPainter;

// A lightweight view painted by its owning board item in one pass: a
// rectangle relative to its parent view, painted at its absolute position
// moved up by the board's vertical scroll offset. Not a scene item.
class TQVirtualView
{
public:
    // `parent` is not owned and may be null.
    explicit TQVirtualView(TQVirtualView *parent = nullptr);
    virtual ~TQVirtualView();
    TQVirtualView(const TQVirtualView &) = delete;
    TQVirtualView &operator=(const TQVirtualView &) = delete;

    virtual void paint(QPainter *painter, int yOffset);

    // Right and bottom are exclusive: (0, 0, 100, 20) is 100 wide, 20 high.
    void setEdges(int left, int top, int right, int bottom);
    // Takes the rectangle's edges as QRect reports them (right = left + width - 1).
    void setRect(const QRect &r);
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    // Relative to the parent.
    QRect rect() const { return QRect(left, top, width(), height()); }
    // Walks the parent chain on every call, so moving a parent moves its children.
    QRect absoluteRect() const;
    TQVirtualView *parentView() const { return parent; }

    // Chosen by the owner, which sets it on every view it looks up by tag.
    int tag = 0;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

protected:
    QRect paintRect(int yOffset) const { return absoluteRect().translated(0, -yOffset); }

private:
    TQVirtualView *parent;
};
