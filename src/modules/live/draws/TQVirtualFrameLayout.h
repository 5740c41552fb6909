#pragma once

#include "modules/live/draws/TQVirtualView.h"

#include <QList>

// A virtual view holding an ordered list of child views, painted in order
// (later children over earlier ones). It owns its children.
class TQVirtualFrameLayout : public TQVirtualView
{
public:
    explicit TQVirtualFrameLayout(TQVirtualView *parent = nullptr);
    ~TQVirtualFrameLayout() override;

    void paint(QPainter *painter, int yOffset) override;

    // Takes ownership; a view already in the list is logged and left alone.
    void addView(TQVirtualView *view);
    // Removes every occurrence of `view` and deletes it. A view that was not
    // in the list is logged and left to whoever holds it: deleting it here
    // would free an object this layout never owned.
    void removeView(TQVirtualView *view);
    int viewCount() const { return views.size(); }
    // `i` must be in range.
    TQVirtualView *viewAt(int i) const { return views.at(i); }

private:
    QList<TQVirtualView *> views;
};
