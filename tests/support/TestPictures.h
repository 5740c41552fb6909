#pragma once

#include <QImage>
#include <QRect>
#include <QString>

// Saves a picture that a test produced as "<test binary folder>/pictures/<name>.png"
// so that a person can look at it after the run. Returns the file path, or ""
// when it could not be written.
QString saveTestPicture(const QImage &image, const QString &name);

// The bounding box of the pixels that are not fully transparent.
QRect paintedBounds(const QImage &image);
