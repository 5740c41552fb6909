#include "MainWindowProbe.h"

#include "TestPictures.h"

#include "TopLevelWidgets.h"

#include "base/dialog/CToast.h"
#include "modules/main/mainWindow.h"

#include <QLabel>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlExpression>
#include <QQuickItem>
#include <QQuickView>
#include <QScreen>
#include <QPixmap>
#include <QSignalSpy>
#include <QtTest>

namespace {

// Views (GridView, ListView) make their delegates children of their content
// item without being their QObject parent; those are found here.
QQuickItem *findVisualChild(QQuickItem *parent, const QString &name)
{
    const QList<QQuickItem *> children = parent->childItems();
    for (QQuickItem *child : children) {
        if (child->objectName() == name)
            return child;
        if (QQuickItem *found = findVisualChild(child, name))
            return found;
    }
    return nullptr;
}

} // namespace

namespace MainWindowProbe {

QQuickItem *item(mainWindow *window, const QString &name)
{
    return item(window->quickView()->rootObject(), name);
}

QQuickItem *item(QQuickItem *under, const QString &name)
{
    if (!under)
        return nullptr;
    if (under->objectName() == name)
        return under;
    if (QQuickItem *found = under->findChild<QQuickItem *>(name))
        return found;
    return findVisualChild(under, name);
}

QVariant itemProperty(mainWindow *window, const QString &name, const char *property)
{
    QQuickItem *found = item(window, name);
    return found ? found->property(property) : QVariant();
}

QVariant evaluate(mainWindow *window, const QString &script)
{
    // The context of main.qml itself, which knows its ids as well as the
    // view's context properties.
    QObject *root = window->quickView()->rootObject();
    QQmlContext *context = root ? QQmlEngine::contextForObject(root) : nullptr;
    QQmlExpression expression(context ? context : window->quickView()->rootContext(), root, script);
    const QVariant result = expression.evaluate();
    if (expression.hasError())
        qWarning() << expression.error().toString();
    return result;
}

void waitForFrame(mainWindow *window)
{
    QSignalSpy frame(window->quickView(), &QQuickWindow::frameSwapped);
    window->quickView()->update();
    frame.wait(2000);
}

bool activate(mainWindow *window)
{
    QQuickView *view = window->quickView();
    if (QGuiApplication::focusWindow() != view)
        view->requestActivate();
    return QTest::qWaitFor([view] { return QGuiApplication::focusWindow() == view; }, 2000);
}

bool click(mainWindow *window, QQuickItem *target)
{
    if (!target || !target->isVisible()) {
        qWarning("MainWindowProbe::click: the item is missing or hidden");
        return false;
    }
    if (!activate(window))
        qWarning("MainWindowProbe::click: the view does not take the focus");
    waitForFrame(window);
    const QPointF centre = target->mapToScene(QPointF(target->width() / 2, target->height() / 2));
    QTest::mouseClick(window->quickView(), Qt::LeftButton, Qt::NoModifier, centre.toPoint());
    return true;
}

bool click(mainWindow *window, const QString &name)
{
    return click(window, item(window, name));
}

void keyClick(mainWindow *window, Qt::Key key)
{
    QTest::keyClick(window->quickView(), key);
}

QString text(mainWindow *window, const QString &name)
{
    QObject *object = item(window, name);
    return object ? object->property("text").toString() : QStringLiteral("<no %1>").arg(name);
}

bool visible(mainWindow *window, const QString &name)
{
    // isVisible() is false when any parent is hidden.
    QQuickItem *found = item(window, name);
    return found && found->isVisible();
}

QStringList toastTexts()
{
    QStringList texts;
    for (CToast *toast : topLevelWidgetsOf<CToast>()) {
        for (QLabel *label : toast->findChildren<QLabel *>())
            texts << label->text();
    }
    return texts;
}

QImage grab(mainWindow *window)
{
    return grabQuickView(window->quickView());
}

} // namespace MainWindowProbe
