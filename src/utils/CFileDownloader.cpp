#include "utils/CFileDownloader.h"

#include "utils/FileUtils.h"
#include "utils/TimeUtils.h"

#include <QFileInfo>

QString CFileDownloader::getTempFilePath(const QString &suffix, qint64 name)
{
    if (name == 0)
        name = currentTimeMillis();
    const QString ending = suffix.startsWith(QLatin1Char('.')) ? suffix : QLatin1Char('.') + suffix;
    return FileUtils::getTmpDir() + QLatin1Char('/') + QString::number(name) + ending;
}

QString CFileDownloader::getDownloadedFile(const QString &url)
{
    if (url.isEmpty())
        return QString();
    const QString path = FileUtils::getResourceFileFromUrl(url);
    return QFileInfo(path).isFile() ? path : QString();
}
