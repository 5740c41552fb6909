#include "TestPictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QQuickView>
#include <QScreen>
#include <QSignalSpy>

QString saveTestPicture(const QImage &image, const QString &name)
{
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/pictures");
    if (!QDir().mkpath(folder))
        return QString();
    const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
    return image.save(path, "PNG") ? path : QString();
}

QRect paintedBounds(const QImage &image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

QImage grabQuickView(QQuickView *view)
{
    QSignalSpy frame(view, &QQuickWindow::frameSwapped);
    view->update();
    frame.wait(2000);
    const QImage image = view->grabWindow();
    if (!image.isNull())
        return image;
    return view->screen()->grabWindow(view->winId()).toImage();
}
