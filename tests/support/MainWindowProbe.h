#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <QVariant>

class QQuickItem;
class mainWindow;

// Looks into and drives the QML pages of a main window as a teacher would:
// items by object name, clicks, key presses, the texts on the screen and the
// toasts that are up. Works on the offscreen platform and on a real X screen.
namespace MainWindowProbe {

// The item of that object name in the page tree (the root and the delegates
// of views and repeaters included), or null.
QQuickItem *item(mainWindow *window, const QString &name);
// The first item of that name at or below `under`, or null (also when
// `under` is null).
QQuickItem *item(QQuickItem *under, const QString &name);
// A property of the named item; invalid when there is no such item. Not
// called "property" so that QObject::property of a test class does not hide it.
QVariant itemProperty(mainWindow *window, const QString &name, const char *property);
// Evaluates a QML expression in the context of main.qml (its ids and
// "theMainWindow"); a script error is a warning and an invalid result.
QVariant evaluate(mainWindow *window, const QString &script);
// Waits until the view has drawn its next frame: positioners place their
// items then, so positions and pictures taken afterwards are current.
void waitForFrame(mainWindow *window);
// Makes the view the window with keyboard focus, as a click into it does on
// X11 (the offscreen platform does not do that by itself).
bool activate(mainWindow *window);
// A left click in the middle of the item, after activating the view and
// waiting for its last change to be drawn. False, and no click, when the
// item is missing or hidden.
bool click(mainWindow *window, QQuickItem *target);
bool click(mainWindow *window, const QString &name);
// A key press and release sent to the view (to its item with active focus).
void keyClick(mainWindow *window, Qt::Key key);
// The "text" property of the named item, or "<no NAME>" when it is missing.
QString text(mainWindow *window, const QString &name);
// True when the named item exists and is visible (with all its parents).
bool visible(mainWindow *window, const QString &name);
// The texts of every toast that is up.
QStringList toastTexts();
// The view as it is on the screen, after the next frame; null when no
// picture could be taken.
QImage grab(mainWindow *window);

} // namespace MainWindowProbe
