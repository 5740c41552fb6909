#include "QmlScene.h"

#include <QFile>
#include <QQuickItem>
#include <QQuickView>
#include <QTemporaryDir>

bool loadQmlScene(QQuickView &view, const QByteArray &qml)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("scene.qml")));
    if (!dir.isValid() || !file.open(QIODevice::WriteOnly) || file.write(qml) != qml.size())
        return false;
    file.close();
    // Local files load synchronously, so the folder may go once this returns.
    view.setSource(QUrl::fromLocalFile(file.fileName()));
    return view.rootObject() != nullptr;
}
