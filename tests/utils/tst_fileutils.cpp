#include "utils/FileUtils.h"
#include "utils/TimeUtils.h"
#include "TestClock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QPixmap>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class TestFileUtils : public QObject
{
    Q_OBJECT

private slots:
    void dataRootAndFolders_data();
    void dataRootAndFolders();
    void cachePath_data();
    void cachePath();
    void copyFileToResource();
    void sizeAndDelete_data();
    void sizeAndDelete();
    void putAndGetContent();
    void readOnlyFile();
    void saveBitmapToLocal();
    void configRoundTrip();
};

void TestFileUtils::dataRootAndFolders_data()
{
    QTest::addColumn<QString>("folder");
    const char *names[] = {"/Resource", "/xlog", "/tempUpload", "/dmp", "/db", "/tmp", "/record",
                           "/upgrade", "/record_cache", "/qml_cache", "/config", "/recording", "/record_temp"};
    for (const char *name : names)
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestFileUtils::dataRootAndFolders()
{
    QFETCH(QString, folder);
    const QString root = qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/VeltroTeacher");
    QCOMPARE(FileUtils::getAppDataDir(), root);

    using Getter = QString (*)();
    const QMap<QString, Getter> getters = {
        {"/Resource", &FileUtils::getResourceDir},     {"/xlog", &FileUtils::getLogDir},
        {"/tempUpload", &FileUtils::getTempUploadDir}, {"/dmp", &FileUtils::getDmpDir},
        {"/db", &FileUtils::getDbDir},                 {"/tmp", &FileUtils::getTmpDir},
        {"/record", &FileUtils::getRecordDir},         {"/upgrade", &FileUtils::getUpgradeDir},
        {"/record_cache", &FileUtils::getRecordCacheDir}, {"/qml_cache", &FileUtils::getQmlCacheDir},
        {"/config", &FileUtils::getConfigDir},         {"/recording", &FileUtils::getRecordingDir},
        {"/record_temp", &FileUtils::getRecordTempDir},
    };
    QDir(root + folder).removeRecursively();
    QVERIFY(!QDir(root + folder).exists());
    QCOMPARE(getters.value(folder)(), root + folder);
    QVERIFY(QDir(root + folder).exists()); // created on first use
}

void TestFileUtils::cachePath_data()
{
    QTest::addColumn<QString>("url");
    QTest::newRow("plain") << "https://cdn.example.com/a.png";
    QTest::newRow("one char differs") << "https://cdn.example.com/b.png";
    QTest::newRow("query and chinese") << "http://127.0.0.1:8080/课件/p1.jpg?x=1&y=2";
    QTest::newRow("empty") << "";
}

void TestFileUtils::cachePath()
{
    QFETCH(QString, url);
    const QString digest = md5Hex(url.toUtf8());
    const QString expected = FileUtils::getAppDataDir() + QStringLiteral("/Resource/%1/%2/%3/%4")
                                                              .arg(digest.mid(0, 2), digest.mid(2, 2), digest.mid(4, 2), digest);
    const QString path = FileUtils::getResourceFileFromUrl(url);
    QCOMPARE(path, expected);
    QCOMPARE(FileUtils::getResourceFileFromUrl(url), path);
    QVERIFY(QFileInfo(path).dir().exists());
    QVERIFY(!QFile::exists(path)); // only the folders are made
}

void TestFileUtils::copyFileToResource()
{
    QTemporaryDir dir;
    const QString url = QStringLiteral("https://example.com/copy-%1").arg(QDateTime::currentMSecsSinceEpoch());
    const QString target = FileUtils::getResourceFileFromUrl(url);

    // A missing source fails and creates nothing for a fresh URL.
    const QString freshUrl = url + QStringLiteral("-fresh");
    const QString freshDigest = md5Hex(freshUrl.toUtf8());
    QVERIFY(!FileUtils::copyFileToResource(dir.filePath(QStringLiteral("missing")), freshUrl));
    QVERIFY(!QDir(FileUtils::getResourceDir() + QLatin1Char('/') + freshDigest.left(2) + QLatin1Char('/')
                  + freshDigest.mid(2, 2) + QLatin1Char('/') + freshDigest.mid(4, 2))
                 .exists());

    const QString source = dir.filePath(QStringLiteral("src.bin"));
    QVERIFY(FileUtils::putFileContent(source, "first"));
    QVERIFY(FileUtils::copyFileToResource(source, url));
    QCOMPARE(FileUtils::getFileContent(target), QByteArray("first"));

    // The cache file is never overwritten.
    QVERIFY(FileUtils::putFileContent(source, "second"));
    QVERIFY(!FileUtils::copyFileToResource(source, url));
    QCOMPARE(FileUtils::getFileContent(target), QByteArray("first"));

    // Already in place.
    QVERIFY(FileUtils::copyFileToResource(target, url));
    // Linux paths are case-sensitive: another case is another file.
    QVERIFY(!FileUtils::copyFileToResource(target.toUpper(), url));
}

void TestFileUtils::sizeAndDelete_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("deleted");
    QTest::newRow("existing") << "existing" << qint64(5) << true;
    QTest::newRow("missing") << "missing" << qint64(0) << true;
    QTest::newRow("empty path") << "empty" << qint64(0) << true;
    // A file in a read-only folder cannot be removed (skipped as root).
    QTest::newRow("read-only folder") << "readonly" << qint64(3) << false;
    QTest::newRow("folder in the way") << "busy" << qint64(-1) << false;
}

void TestFileUtils::sizeAndDelete()
{
    QFETCH(QString, kind);
    QFETCH(qint64, size);
    QFETCH(bool, deleted);

    QTemporaryDir dir;
    QString path;
    if (kind == QLatin1String("existing")) {
        path = dir.filePath(QStringLiteral("f"));
        QVERIFY(FileUtils::putFileContent(path, "12345"));
    } else if (kind == QLatin1String("missing")) {
        path = dir.filePath(QStringLiteral("nothing"));
    } else if (kind == QLatin1String("readonly")) {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("ro")));
        path = dir.filePath(QStringLiteral("ro/f"));
        QVERIFY(FileUtils::putFileContent(path, "abc"));
        QFile::setPermissions(dir.filePath(QStringLiteral("ro")), QFile::ReadOwner | QFile::ExeOwner);
    }
    if (kind == QLatin1String("readonly") && QFileInfo(dir.filePath(QStringLiteral("ro"))).isWritable())
        QSKIP("running as root: permissions do not stop removal");
    if (kind == QLatin1String("busy")) {
        // A non-empty folder at the path cannot be removed as a file, even by root.
        path = dir.filePath(QStringLiteral("busy"));
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("busy/inner")));
    }

    if (size >= 0) // -1: a folder's size depends on the file system
        QCOMPARE(FileUtils::getFileSize(path), size);
    QCOMPARE(FileUtils::deleteFile(path), deleted);
    QCOMPARE(QFile::exists(path), !deleted && !path.isEmpty());
    FileUtils::removeFile(path); // never throws or complains
    QFile::setPermissions(dir.filePath(QStringLiteral("ro")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void TestFileUtils::putAndGetContent()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("c.txt"));
    QVERIFY(FileUtils::putFileContent(path, "longer content"));
    QVERIFY(FileUtils::putFileContent(path, "short"));
    QCOMPARE(FileUtils::getFileContent(path), QByteArray("short")); // truncated, not overlaid
    // Writing nothing empties the file and counts as a failure.
    QVERIFY(!FileUtils::putFileContent(path, QByteArray()));
    QCOMPARE(FileUtils::getFileSize(path), qint64(0));
    QCOMPARE(FileUtils::getFileContent(dir.filePath(QStringLiteral("absent"))), QByteArray());
}

void TestFileUtils::readOnlyFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ro.txt"));
    QVERIFY(FileUtils::putFileContent(path, "keep"));
    QFile::setPermissions(path, QFile::ReadOwner);
    if (QFileInfo(path).isWritable())
        QSKIP("running as root: permissions do not stop writing");
    QVERIFY(!FileUtils::putFileContent(path, "replace"));
    QCOMPARE(FileUtils::getFileContent(path), QByteArray("keep"));
}

void TestFileUtils::saveBitmapToLocal()
{
    TestClock clock(1570844465123);
    QPixmap picture(8, 6);
    picture.fill(Qt::red);
    const QString first = FileUtils::saveBitmapToLocal(picture, QStringLiteral("PNG"));
    QCOMPARE(first, FileUtils::getTmpDir() + QStringLiteral("/1570844465123.png"));
    QCOMPARE(QImage(first).size(), QSize(8, 6));

    // Same millisecond, same suffix: the second replaces the first.
    QPixmap other(4, 4);
    other.fill(Qt::blue);
    QCOMPARE(FileUtils::saveBitmapToLocal(other, QStringLiteral("png")), first);
    QCOMPARE(QImage(first).size(), QSize(4, 4));

    QCOMPARE(FileUtils::saveBitmapToLocal(QPixmap(), QStringLiteral("png")), QString());
}

void TestFileUtils::configRoundTrip()
{
    QJsonObject object{{"init", true}, {"org_name", QStringLiteral("机构 \"A\"")}, {"org_id", "1024"},
                       {"list", QJsonArray{1, 2}}};
    QVERIFY(FileUtils::saveConfigData(object));
    QCOMPARE(FileUtils::readConfigData(), object);
    QVERIFY(FileUtils::getFileContent(FileUtils::getConfigFilePath()).contains("    \"init\": true"));

    QVERIFY(FileUtils::putFileContent(FileUtils::getConfigFilePath(), "[1,2]"));
    QCOMPARE(FileUtils::readConfigData(), QJsonObject());
    QFile::remove(FileUtils::getConfigFilePath());
    QCOMPARE(FileUtils::readConfigData(), QJsonObject());
}

QTEST_MAIN(TestFileUtils)
#include "tst_fileutils.moc"
