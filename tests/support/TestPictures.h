#pragma once

#include <QImage>
#include <QRect>
#include <QString>

class QQuickView;

// Saves a picture that a test produced as "<test binary folder>/pictures/<name>.png"
// so that a person can look at it after the run. Returns the file path, or ""
// when it could not be written.
QString saveTestPicture(const QImage &image, const QString &name);

// The bounding box of the pixels that are not fully transparent.
QRect paintedBounds(const QImage &image);

// What a shown Qt Quick view displays, after one more frame. With OpenGL (a
// real X screen) the view reads its last frame back; the software renderer on
// the offscreen platform keeps its frames in pixmaps that only the screen
// hands out.
QImage grabQuickView(QQuickView *view);
