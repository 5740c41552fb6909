#include "MorePagesProbe.h"

#include <QQuickItem>
#include <QQuickItemGrabResult>
#include <QQuickView>
#include <QSignalSpy>
#include <QtTest>

namespace {

QQuickItem *findIn(QQuickItem *parent, const QString &name)
{
    for (QQuickItem *child : parent->childItems()) {
        if (child->objectName() == name)
            return child;
        if (QQuickItem *found = findIn(child, name))
            return found;
    }
    return nullptr;
}

} // namespace

MorePagesProbe::MorePagesProbe(QQuickView *view)
    : m_view(view)
{
}

QQuickItem *MorePagesProbe::find(const QString &name, QQuickItem *under) const
{
    QQuickItem *root = under ? under : m_view->rootObject();
    if (!root)
        return nullptr;
    return root->objectName() == name ? root : findIn(root, name);
}

bool MorePagesProbe::visible(const QString &name) const
{
    // isVisible() is false when any parent is hidden.
    QQuickItem *found = find(name);
    return found && found->isVisible();
}

QVariant MorePagesProbe::property(const QString &name, const char *property) const
{
    QQuickItem *found = find(name);
    return found ? found->property(property) : QVariant();
}

bool MorePagesProbe::click(QQuickItem *target) const
{
    if (!target || !target->isVisible())
        return false;
    waitForFrame();
    const QPointF centre = target->mapToScene(QPointF(target->width() / 2, target->height() / 2));
    QTest::mouseClick(m_view, Qt::LeftButton, Qt::NoModifier, centre.toPoint());
    return true;
}

void MorePagesProbe::waitForFrame() const
{
    QSignalSpy frame(m_view, &QQuickWindow::frameSwapped);
    m_view->update();
    frame.wait(2000);
}

QImage MorePagesProbe::grab() const
{
    // A view inside a widget's window container gives no picture through
    // grabWindow() on the software scene graph; the root item's own grab does.
    QQuickItem *root = m_view->rootObject();
    if (!root)
        return QImage();
    const QSharedPointer<QQuickItemGrabResult> result = root->grabToImage();
    if (!result)
        return QImage();
    QSignalSpy ready(result.data(), &QQuickItemGrabResult::ready);
    if (!ready.wait(2000))
        return QImage();
    return result->image();
}
