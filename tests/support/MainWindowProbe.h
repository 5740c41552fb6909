#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <QVariant>

class QQuickItem;
class mainWindow;

// Looks into and drives the QML pages of a main window on the offscreen
// platform, as a teacher would: items by object name, clicks, key presses,
// the texts on the screen and the toasts that are up.
namespace MainWindowProbe {

// The item of that object name in the page tree (the root and the delegates
// of views included), or null.
QQuickItem *item(mainWindow *window, const QString &name);
// Evaluates a QML expression in the context of main.qml (its ids and
// "theMainWindow"); a script error is a warning and an invalid result.
QVariant evaluate(mainWindow *window, const QString &script);
// Waits until the view has drawn its next frame: positioners place their
// items then, so positions read afterwards are those on the screen.
void waitForFrame(mainWindow *window);
// Makes the view the window with keyboard focus, as a click into it does on
// X11 (the offscreen platform does not do that by itself).
bool activate(mainWindow *window);
// A left click in the middle of the item (activating the view first).
void click(mainWindow *window, QQuickItem *target);
// A key press and release sent to the view (to its item with active focus).
void keyClick(mainWindow *window, Qt::Key key);
// The "text" property of the named item, or "<no NAME>" when it is missing.
QString text(mainWindow *window, const QString &name);
// True when the named item exists and is visible (with all its parents).
bool visible(mainWindow *window, const QString &name);
// The texts of every toast that is up.
QStringList toastTexts();
// The view as it is on the screen, after the next frame.
QImage grab(mainWindow *window);

} // namespace MainWindowProbe
