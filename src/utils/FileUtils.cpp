#include "utils/FileUtils.h"

#include "utils/CLog.h"
#include "utils/TimeUtils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QPixmap>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// Fixed once, before main(): the application name does not exist yet, so the
// generic location is used and the folder name appended by hand.
const QString &dataRoot()
{
    static const QString root =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/VeltroTeacher");
    return root;
}

[[maybe_unused]] const bool kDataRootFixedAtLoad = (dataRoot(), true);

void makeDir(const QString &path)
{
    QDir dir(path);
    if (!dir.exists())
        dir.mkpath(QStringLiteral("."));
}

} // namespace

QString FileUtils::getAppDataDir()
{
    makeDir(dataRoot());
    return dataRoot();
}

QString FileUtils::subDir(const char *name)
{
    const QString path = getAppDataDir() + QLatin1String(name);
    makeDir(path);
    return path;
}

QString FileUtils::getResourceDir() { return subDir("/Resource"); }
QString FileUtils::getLogDir() { return subDir("/xlog"); }
QString FileUtils::getTempUploadDir() { return subDir("/tempUpload"); }
QString FileUtils::getDmpDir() { return subDir("/dmp"); }
QString FileUtils::getDbDir() { return subDir("/db"); }
QString FileUtils::getTmpDir() { return subDir("/tmp"); }
QString FileUtils::getRecordDir() { return subDir("/record"); }
QString FileUtils::getUpgradeDir() { return subDir("/upgrade"); }
QString FileUtils::getRecordCacheDir() { return subDir("/record_cache"); }
QString FileUtils::getQmlCacheDir() { return subDir("/qml_cache"); }
QString FileUtils::getConfigDir() { return subDir("/config"); }
QString FileUtils::getRecordingDir() { return subDir("/recording"); }
QString FileUtils::getRecordTempDir() { return subDir("/record_temp"); }

QString FileUtils::getInstallerPath()
{
    return getUpgradeDir() + QStringLiteral("/veltro_lecturer-Setup.exe");
}

QStringList FileUtils::getCacheDirs()
{
    return {getResourceDir(), getRecordCacheDir(), getRecordTempDir(), getRecordDir(), getRecordingDir()};
}

QString FileUtils::getResourceFileFromUrl(const QString &url)
{
    const QString digest = md5Hex(url.toUtf8());
    const QString folder = getResourceDir() + QLatin1Char('/') + digest.mid(0, 2) + QLatin1Char('/')
                           + digest.mid(2, 2) + QLatin1Char('/') + digest.mid(4, 2);
    makeDir(folder);
    return folder + QLatin1Char('/') + digest;
}

bool FileUtils::copyFileToResource(const QString &source, const QString &url)
{
    if (!QFileInfo::exists(source))
        return false;
    const QString target = getResourceFileFromUrl(url);
    // Linux file names are case-sensitive: only the very same path is "in place".
    if (QFileInfo(target).absoluteFilePath() == QFileInfo(source).absoluteFilePath())
        return true;
    return QFile::copy(source, target); // never overwrites an existing file
}

QString FileUtils::saveBitmapToLocal(const QPixmap &picture, const QString &suffix)
{
    const QString tag = QStringLiteral("%1 ").arg(QStringLiteral("FileUtils::saveBitmapToLocal"));
    const QString path = getTmpDir() + QLatin1Char('/') + QString::number(currentTimeMillis()) + QLatin1Char('.')
                         + suffix.toLower();
    removeFile(path);
    if (picture.isNull())
        CLog::error(QStringLiteral("pixmap isNull()"), tag);
    CLog::printf("FileUtils::saveBitmapToLocal localFilePath=%s", path.toUtf8().constData());
    if (!picture.save(path, suffix.toUtf8().constData())) {
        CLog::error(QStringLiteral("save %1 failed, pixmap[%2x%3]").arg(path).arg(picture.width()).arg(picture.height()),
                    tag);
        return QString();
    }
    return path;
}

void FileUtils::removeFile(const QString &path)
{
    if (QFile::exists(path))
        QFile::remove(path);
}

bool FileUtils::deleteFile(const QString &path)
{
    if (!QFile::exists(path))
        return true;
    return QFile::remove(path);
}

qint64 FileUtils::getFileSize(const QString &path)
{
    if (path.isEmpty())
        return 0;
    const QFileInfo info(path);
    return info.exists() ? info.size() : 0;
}

QByteArray FileUtils::getFileContent(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        CLog::error(QStringLiteral("open file %1 failed").arg(path),
                    QStringLiteral("%1 ").arg(QStringLiteral("FileUtils::getFileContent")));
        return QByteArray();
    }
    return file.readAll();
}

bool FileUtils::putFileContent(const QString &path, const QByteArray &data)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) > 0) {
        file.close();
        return true;
    }
    CLog::error(QStringLiteral("write file data file %1=>%2").arg(QString::fromUtf8(data), path),
                QStringLiteral("%1 ").arg(QStringLiteral("FileUtils::putFileContent")));
    file.close();
    return false;
}

QString FileUtils::getConfigFilePath()
{
    return getConfigDir() + QStringLiteral("/v.json");
}

QJsonObject FileUtils::readConfigData()
{
    return QJsonDocument::fromJson(getFileContent(getConfigFilePath())).object();
}

bool FileUtils::saveConfigData(const QJsonObject &object)
{
    const QByteArray text = QJsonDocument(object).toJson(QJsonDocument::Indented);
    const QString tag = QStringLiteral("%1 ").arg(QStringLiteral("FileUtils::saveConfigData"));
    CLog::log(QStringLiteral("save config %1").arg(QString::fromUtf8(text)), tag);
    // Written to a temporary file and renamed into place, so a crash or a full
    // disk mid-write never leaves a truncated settings file behind.
    QSaveFile file(getConfigFilePath());
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        CLog::error(QStringLiteral("write file data file %1=>%2").arg(QString::fromUtf8(text), getConfigFilePath()),
                    tag);
        return false;
    }
    return true;
}
