#include "utils/FileUtils.h"

#include "utils/CLog.h"
#include "utils/CZipLzmaWriter.h"
#include "utils/TimeUtils.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QMutex>
#include <QMutexLocker>
#include <QPixmap>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

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
    return getUpgradeDir() + QStringLiteral("/veltro_lecturer-setup.run");
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

namespace {

// Files of this size or more are never packed: they stay where they are.
constexpr qint64 kMaxUploadFileSize = 52428800;

} // namespace

QString FileUtils::getFileName(const QString &path)
{
    QStringList parts = QString(path).replace(QLatin1Char('\\'), QLatin1Char('/')).split(QLatin1Char('/'));
    for (auto it = parts.crbegin(); it != parts.crend(); ++it) {
        const QString part = it->trimmed();
        if (!part.isEmpty())
            return part;
    }
    return QString();
}

bool FileUtils::isNameInList(const QString &name, const QStringList &list)
{
    return list.contains(name, Qt::CaseSensitive);
}

QString FileUtils::makeUniqueName(const QString &name, const QStringList &used)
{
    if (!isNameInList(name, used))
        return name;
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    const QString base = dot > 0 ? name.left(dot) : name;
    const QString extension = dot > 0 ? name.mid(dot) : QString();
    for (int number = 1;; ++number) {
        const QString candidate = QStringLiteral("%1(%2)%3").arg(base).arg(number).arg(extension);
        if (!isNameInList(candidate, used))
            return candidate;
    }
}

QStringList FileUtils::getFileListNeedUpload()
{
    const QString tag = QStringLiteral("%1 ").arg(QStringLiteral("FileUtils::getFileListNeedUpload"));
    const QString staging = getTempUploadDir();
    QStringList collected;

    // Hidden files, symbolic links, FIFOs and the like are never packed.
    const QFileInfoList logs =
        QDir(getLogDir()).entryInfoList(QDir::Files | QDir::NoSymLinks | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &info : logs) {
        CLog::log(QStringLiteral("get file %1").arg(info.fileName()), tag);
        const QString source = info.absoluteFilePath();
        const qint64 size = info.size();
        if (size == 0) {
            QFile::remove(source);
            continue;
        }
        if (size >= kMaxUploadFileSize) {
            CLog::debug(QStringLiteral("get log file need compress file %1 size error %2").arg(source).arg(size), tag);
            continue;
        }
        const QString target = staging + QLatin1Char('/') + info.fileName();
        if (QFile::exists(target)) {
            QFile::remove(target);
            CLog::log(QStringLiteral("check exist %1, remove %2").arg(source, target), tag);
        }
        if (QFile::rename(source, target)) {
            collected.append(target);
            CLog::log(QStringLiteral("rename %1=>%2").arg(source, target), tag);
        }
    }

    QStringList dumps;
    QDirIterator it(getDmpDir(), QDir::Files | QDir::NoSymLinks | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        dumps.append(it.next());
    dumps.sort();
    for (const QString &source : qAsConst(dumps)) {
        const QFileInfo info(source);
        const qint64 size = info.size();
        if (size == 0) {
            QFile::remove(source);
            continue;
        }
        if (size >= kMaxUploadFileSize) {
            CLog::debug(QStringLiteral("get dmp file need compress file %1 size error %2")
                            .arg(info.absoluteFilePath())
                            .arg(size),
                        tag);
            continue;
        }
        // A dump of the same name already waiting is kept: this one stays for a later pack.
        const QString target = staging + QLatin1Char('/') + info.fileName();
        if (QFile::rename(source, target))
            collected.append(target);
    }
    return collected;
}

bool FileUtils::compressFiles(const QStringList &files, const QString &archive)
{
    const QByteArray archiveText = archive.toUtf8();
    CLog::printf("FileUtils::compressFiles begin to process %s", archiveText.constData());
    if (QFileInfo(archive).exists() && !QFile::remove(archive)) {
        CLog::printf("FileUtils::compressFiles error for exist zip file path %s, and remove failed",
                     archiveText.constData());
        return false;
    }

    // The writer builds the archive beside its place and moves it there only
    // when complete, so a failure never leaves half an archive.
    CZipLzmaWriter writer(archive);
    QStringList used;
    for (const QString &path : files) {
        if (!QFile::exists(path)) {
            CLog::printf("FileUtils::compressFiles file %s does not exists", path.toUtf8().constData());
            continue;
        }
        const QString fileName = getFileName(path);
        const QString entryName = makeUniqueName(fileName, used);
        used.append(entryName);
        const QByteArray fileText = fileName.toUtf8();
        CLog::printf("FileUtils::compressFiles add file %s to zip", fileText.constData());
        if (!writer.addFile(path, entryName)) {
            CLog::printf("FileUtils::compressFiles add file %s to zip get error", fileText.constData());
            return false;
        }
        CLog::printf("FileUtils::compressFiles add file %s to zip done", fileText.constData());
    }
    if (!writer.finish()) {
        CLog::printf("FileUtils::compressFiles write zip file %s get error", archiveText.constData());
        return false;
    }
    CLog::printf("FileUtils::compressFiles compress all files done");
    return true;
}

QStringList FileUtils::getCompressedLogFile()
{
    // Two packs at once would take each other's files from the staging folder.
    static QMutex packMutex;
    QMutexLocker lock(&packMutex);

    const QStringList files = getFileListNeedUpload();
    const bool withCrash = std::any_of(files.cbegin(), files.cend(), [](const QString &file) {
        return file.endsWith(QStringLiteral("dmp"), Qt::CaseInsensitive);
    });
    const QString name = QStringLiteral("%1%2%3.zip")
                             .arg(QStringLiteral("ZiraverUroruvo"),
                                  currentDateTime().toString(QStringLiteral("yyyy_MM_dd_hh_mm_dd")),
                                  withCrash ? QStringLiteral("_with_crash") : QString());
    // The name changes only once a minute: a pack of the same minute may still
    // wait for its upload and must not be replaced.
    const QString tmpDir = getTmpDir();
    const QStringList present = QDir(tmpDir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    const QString pack = tmpDir + QLatin1Char('/') + makeUniqueName(name, present);

    CLog::resetLogFile();
    CLog::printf("FileUtils::getCompressedLogFile begin compress logFile %s", pack.toUtf8().constData());
    if (files.isEmpty())
        return QStringList();
    if (!compressFiles(files, pack))
        return files;
    for (const QString &file : files) {
        QFile::remove(file);
        CLog::printf("FileUtils::getCompressedLogFile remove logFile %s", file.toUtf8().constData());
    }
    return QStringList{pack};
}
