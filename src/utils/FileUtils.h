#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

class QPixmap;

// Layout of the per-user data folder and the small whole-file operations the
// rest of the system uses. Every folder operation creates its folder on first
// use and returns its path (with forward slashes) even when creation failed.
class FileUtils
{
public:
    static QString getAppDataDir();
    static QString getResourceDir();
    static QString getLogDir();
    static QString getTempUploadDir();
    static QString getDmpDir();
    static QString getDbDir();
    static QString getTmpDir();
    static QString getRecordDir();
    static QString getUpgradeDir();
    static QString getRecordCacheDir();
    static QString getQmlCacheDir();
    static QString getConfigDir();
    static QString getRecordingDir();
    static QString getRecordTempDir();

    // The upgrade installer: "/upgrade/veltro_lecturer-setup.run".
    static QString getInstallerPath();
    static QStringList getCacheDirs();
    static QString getResourceFileFromUrl(const QString &url);

    static bool copyFileToResource(const QString &source, const QString &url);
    static QString saveBitmapToLocal(const QPixmap &picture, const QString &suffix);
    static void removeFile(const QString &path);
    static bool deleteFile(const QString &path);
    static qint64 getFileSize(const QString &path);
    static QByteArray getFileContent(const QString &path);
    static bool putFileContent(const QString &path, const QByteArray &data);

    static QString getConfigFilePath();
    static QJsonObject readConfigData();
    static bool saveConfigData(const QJsonObject &object);

    // Log and dump upload pack. Callable from any thread; packs run one at a time.
    static QStringList getCompressedLogFile();
    static QStringList getFileListNeedUpload();
    static bool compressFiles(const QStringList &files, const QString &archive);
    static QString getFileName(const QString &path);
    static QString makeUniqueName(const QString &name, const QStringList &used);
    static bool isNameInList(const QString &name, const QStringList &list);

private:
    FileUtils() = delete;
    static QString subDir(const char *name);
};
