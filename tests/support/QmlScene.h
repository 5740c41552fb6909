#pragma once

#include <QByteArray>

class QQuickView;

// Loads a QML scene given as text into view, through a temporary file (a
// view only loads from a URL); true when the view has its root object.
bool loadQmlScene(QQuickView &view, const QByteArray &qml);
