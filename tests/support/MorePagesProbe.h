#pragma once

#include <QImage>
#include <QString>
#include <QVariant>

class QQuickItem;
class QQuickView;

// Looks at and clicks the items of a Qt Quick view the way a person does:
// items are found by object name in the visual tree (repeater rows too),
// clicks land in an item's centre once the view has drawn its last change.
class MorePagesProbe
{
public:
    explicit MorePagesProbe(QQuickView *view);

    // The first item of that name below `under` (the root item when null).
    QQuickItem *find(const QString &name, QQuickItem *under = nullptr) const;
    // Whether the item exists and it and every parent are visible.
    bool visible(const QString &name) const;
    // A property of the named item; invalid when there is no such item.
    QVariant property(const QString &name, const char *property) const;
    QString text(const QString &name) const { return property(name, "text").toString(); }
    // Clicks the centre of the item; false when it is missing or hidden.
    bool click(QQuickItem *target) const;
    bool click(const QString &name) const { return click(find(name)); }
    // Waits for the next frame, so that positions and pictures are current.
    void waitForFrame() const;
    // The root item as it is drawn now.
    QImage grab() const;

private:
    QQuickView *m_view;
};
