// The log and dump upload pack: collecting, naming, the LZMA zip archive (read
// back by Python's zipfile) and the clean-up around it.
#include "utils/CLog.h"
#include "utils/FileUtils.h"
#include "TestClock.h"
#include "TestLogCapture.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <thread>

namespace {

constexpr qint64 kLimit = 52428800;

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// A sparse file: sizes around the 50 MiB limit without writing them.
bool writeSparse(const QString &path, qint64 size)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.resize(size);
}

QByteArray randomBytes(quint32 seed, int size)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &c : bytes)
        c = char(random.bounded(256));
    return bytes;
}

// Text shaped like the program's log, varied enough that LZMA has work to do.
QByteArray logText(qint64 size)
{
    QRandomGenerator random(7);
    QByteArray text;
    text.reserve(int(size) + 200);
    while (text.size() < size) {
        text += "[2019-10-12 09:41:";
        text += QByteArray::number(random.bounded(10, 60));
        text += ".";
        text += QByteArray::number(random.bounded(100, 1000));
        text += "] TQRealTimeManager::onMessage [LOG] uid=";
        text += QByteArray::number(random.bounded(100000, 999999));
        text += " x=";
        text += QByteArray::number(random.bounded(1920));
        text += " y=";
        text += QByteArray::number(random.bounded(1080));
        text += random.bounded(4) == 0 ? " 课堂消息 ok\r\n" : " seq\r\n";
    }
    text.truncate(int(size));
    return text;
}

void emptyFolder(const QString &path)
{
    QFileInfo info(path);
    if (info.isFile() || info.isSymLink())
        QFile::remove(path);
    QDir dir(path);
    dir.removeRecursively();
    dir.mkpath(QStringLiteral("."));
}

struct ZipCheck
{
    QStringList names;
    QString error; // empty when the archive passed
};

// Reads the archive with Python's zipfile: exact entry names (or at least them
// with `subset`), method 14, CRCs, and every named entry byte for byte.
ZipCheck pythonCheck(const QString &archive, const QMap<QString, QString> &manifest, bool subset = false)
{
    ZipCheck result;
    QTemporaryDir dir;
    QJsonObject object;
    for (auto it = manifest.cbegin(); it != manifest.cend(); ++it)
        object.insert(it.key(), it.value());
    const QString manifestPath = dir.filePath(QStringLiteral("manifest.json"));
    writeFile(manifestPath, QJsonDocument(object).toJson());

    QStringList arguments{QStringLiteral(CHECK_ZIP_SCRIPT), archive, manifestPath};
    if (subset)
        arguments << QStringLiteral("--subset");
    QProcess python;
    python.start(QStringLiteral("python3"), arguments);
    if (!python.waitForFinished(60000)) {
        python.kill();
        python.waitForFinished();
        result.error = QStringLiteral("python3 did not finish");
        return result;
    }
    const QJsonObject answer = QJsonDocument::fromJson(python.readAllStandardOutput()).object();
    for (const QJsonValue &name : answer.value(QStringLiteral("names")).toArray())
        result.names << name.toString();
    QStringList errors;
    for (const QJsonValue &error : answer.value(QStringLiteral("errors")).toArray())
        errors << error.toString();
    if (python.exitCode() != 0 || !errors.isEmpty())
        result.error = QStringLiteral("exit %1: %2 %3")
                           .arg(python.exitCode())
                           .arg(errors.join(QStringLiteral("; ")), QString::fromUtf8(python.readAllStandardError()));
    return result;
}

// Python's own command-line test of an archive.
QString zipfileTool(const QString &archive)
{
    QProcess python;
    python.start(QStringLiteral("python3"), {QStringLiteral("-m"), QStringLiteral("zipfile"), QStringLiteral("-t"), archive});
    if (!python.waitForFinished(60000)) {
        python.kill();
        python.waitForFinished();
        return QStringLiteral("python3 -m zipfile did not finish");
    }
    const QString output = QString::fromUtf8(python.readAllStandardOutput() + python.readAllStandardError());
    if (python.exitCode() != 0 || !output.contains(QStringLiteral("Done testing")))
        return QStringLiteral("exit %1: %2").arg(python.exitCode()).arg(output);
    return QString();
}

QStringList filesUnder(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    return files;
}

qint64 packClock()
{
    return QDateTime(QDate(2019, 10, 12), QTime(9, 41, 30)).toMSecsSinceEpoch();
}

} // namespace

class TestLogPack : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void fileName_data();
    void fileName();
    void uniqueName_data();
    void uniqueName();

    void compressFiles_data();
    void compressFiles();
    void compressFilesFailure_data();
    void compressFilesFailure();
    void compressFilesReplacesOldArchive();

    void collectBySize_data();
    void collectBySize();
    void collectSkipsAndKeepsWaitingDumps();

    void packNothing();
    void packLogAndDump();
    void packBigLog();
    void packFailureKeepsFiles();
    void packSameMinuteKeepsEarlierPack();
    void concurrentPacksLoseNothing();

private:
    QTemporaryDir m_work; // sources for compressFiles and reference copies
};

void TestLogPack::initTestCase()
{
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("python3")).isEmpty(), "python3 is needed");
    QVERIFY(m_work.isValid());
}

void TestLogPack::init()
{
    const QString root = FileUtils::getAppDataDir();
    for (const char *name : {"/xlog", "/dmp", "/tempUpload", "/tmp"})
        emptyFolder(root + QLatin1String(name));
    QDir(m_work.path()).removeRecursively();
    QDir().mkpath(m_work.path());
}

void TestLogPack::fileName_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << "/a/b/c.log" << "c.log";
    QTest::newRow("backslashes") << "C:\\data\\dmp\\x.dmp" << "x.dmp";
    QTest::newRow("trailing slash gives the folder") << "/a/b/" << "b";
    QTest::newRow("blank parts skipped, result trimmed") << "/a/ b c /  /" << "b c";
    QTest::newRow("bare name") << "name.txt" << "name.txt";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("only separators") << "//\\ /" << "";
}

void TestLogPack::fileName()
{
    QFETCH(QString, path);
    QFETCH(QString, name);
    QCOMPARE(FileUtils::getFileName(path), name);
}

void TestLogPack::uniqueName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("used");
    QTest::addColumn<QString>("unique");
    QTest::newRow("free") << "a.log" << QStringList{"b.log"} << "a.log";
    QTest::newRow("first clash") << "a.log" << QStringList{"a.log"} << "a(1).log";
    QTest::newRow("second clash") << "a.log" << QStringList{"a.log", "a(1).log"} << "a(2).log";
    QTest::newRow("smallest free number") << "a.log" << QStringList{"a.log", "a(2).log"} << "a(1).log";
    QTest::newRow("letter case differs") << "A.log" << QStringList{"a.log"} << "A.log";
    QTest::newRow("last dot splits") << "x.tar.gz" << QStringList{"x.tar.gz"} << "x.tar(1).gz";
    QTest::newRow("leading dot is no extension") << ".profile" << QStringList{".profile"} << ".profile(1)";
    QTest::newRow("no extension") << "core" << QStringList{"core"} << "core(1)";
}

void TestLogPack::uniqueName()
{
    QFETCH(QString, name);
    QFETCH(QStringList, used);
    QFETCH(QString, unique);
    QCOMPARE(FileUtils::makeUniqueName(name, used), unique);
    QCOMPARE(FileUtils::isNameInList(name, used), used.contains(name));
}

void TestLogPack::compressFiles_data()
{
    // Sources are paths below the work folder with their size; a size of -1
    // names a file that does not exist.
    QTest::addColumn<QStringList>("sources");
    QTest::addColumn<QList<int>>("sizes");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("empty set") << QStringList() << QList<int>() << QStringList();
    QTest::newRow("colliding names")
        << QStringList{"a/a.log", "b/a.log", "c/a.log", "d/core", "e/core", "f/b.dmp"}
        << QList<int>{1000, 5000, 0, 10, 10, 300000}
        << QStringList{"a.log", "a(1).log", "a(2).log", "core", "core(1)", "b.dmp"};
    QTest::newRow("missing file skipped") << QStringList{"a.log", "gone.log", "b.log"} << QList<int>{100, -1, 200}
                                          << QStringList{"a.log", "b.log"};
    QTest::newRow("chinese name, incompressible dump")
        << QStringList{"课堂日志.log", "crash.DMP"} << QList<int>{70000, 2 * 1024 * 1024}
        << QStringList{"课堂日志.log", "crash.DMP"};
}

void TestLogPack::compressFiles()
{
    QFETCH(QStringList, sources);
    QFETCH(QList<int>, sizes);
    QFETCH(QStringList, entries);
    QStringList paths;
    QStringList existing;
    for (int i = 0; i < sources.size(); ++i) {
        const QString path = m_work.filePath(sources.at(i));
        paths << path;
        if (sizes.at(i) >= 0) {
            QVERIFY(writeFile(path, randomBytes(quint32(i + 1), sizes.at(i))));
            existing << path;
        }
    }
    const QString archive = m_work.filePath(QStringLiteral("out.zip"));
    QVERIFY(FileUtils::compressFiles(paths, archive));
    QVERIFY(!QFile::exists(archive + QStringLiteral(".part")));

    QMap<QString, QString> manifest;
    for (int i = 0; i < entries.size(); ++i)
        manifest.insert(entries.at(i), existing.at(i));
    const ZipCheck check = pythonCheck(archive, manifest);
    QVERIFY2(check.error.isEmpty(), qPrintable(check.error));
    QCOMPARE(check.names, entries); // in list order
    const QString tool = zipfileTool(archive);
    QVERIFY2(tool.isEmpty(), qPrintable(tool));
    for (const QString &path : existing)
        QVERIFY(QFile::exists(path)); // compressFiles itself never removes sources
}

void TestLogPack::compressFilesFailure_data()
{
    QTest::addColumn<QString>("archiveName");
    QTest::addColumn<bool>("directoryInList");
    QTest::addColumn<QString>("logged");
    QTest::newRow("unreadable source mid-way") << "out.zip" << true << "add file sub to zip get error";
    QTest::newRow("archive folder missing") << "no/such/folder/out.zip" << false << "add file a.log to zip get error";
    QTest::newRow("old archive cannot be removed") << "busy.zip" << false << "error for exist zip file path";
}

void TestLogPack::compressFilesFailure()
{
    QFETCH(QString, archiveName);
    QFETCH(bool, directoryInList);
    QFETCH(QString, logged);
    const QString a = m_work.filePath(QStringLiteral("a.log"));
    const QString b = m_work.filePath(QStringLiteral("b.log"));
    QVERIFY(writeFile(a, logText(50000)));
    QVERIFY(writeFile(b, logText(1000)));
    QStringList files{a, b};
    if (directoryInList) {
        QVERIFY(QDir().mkpath(m_work.filePath(QStringLiteral("sub"))));
        files.insert(1, m_work.filePath(QStringLiteral("sub")));
    }
    const QString archive = m_work.filePath(archiveName);
    if (archiveName == QLatin1String("busy.zip"))
        QVERIFY(writeFile(archive + QStringLiteral("/inside"), "x")); // a folder in the archive's place

    TestLogCapture capture;
    QVERIFY(!FileUtils::compressFiles(files, archive));
    QVERIFY2(capture.messages().join(QLatin1Char('\n')).contains(logged), qPrintable(logged));
    // No half archive: neither the archive nor its partial file is left.
    QVERIFY(!QFileInfo(archive).isFile());
    QVERIFY(!QFile::exists(archive + QStringLiteral(".part")));
    QVERIFY(QFile::exists(a));
    QVERIFY(QFile::exists(b));
}

void TestLogPack::compressFilesReplacesOldArchive()
{
    const QString a = m_work.filePath(QStringLiteral("a.log"));
    QVERIFY(writeFile(a, logText(4000)));
    const QString archive = m_work.filePath(QStringLiteral("out.zip"));
    QVERIFY(writeFile(archive, QByteArray(100000, 'z')));
    QVERIFY(FileUtils::compressFiles({a}, archive));
    const ZipCheck check = pythonCheck(archive, {{QStringLiteral("a.log"), a}});
    QVERIFY2(check.error.isEmpty(), qPrintable(check.error));
}

void TestLogPack::collectBySize_data()
{
    QTest::addColumn<bool>("dump");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QString>("outcome");
    QTest::newRow("log empty") << false << qint64(0) << "deleted";
    QTest::newRow("log 1 byte") << false << qint64(1) << "collected";
    QTest::newRow("log just below the limit") << false << kLimit - 1 << "collected";
    QTest::newRow("log at the limit") << false << kLimit << "kept";
    QTest::newRow("log 60 MiB") << false << qint64(60) * 1024 * 1024 << "kept";
    QTest::newRow("dump empty") << true << qint64(0) << "deleted";
    QTest::newRow("dump just below the limit") << true << kLimit - 1 << "collected";
    QTest::newRow("dump at the limit") << true << kLimit << "kept";
}

void TestLogPack::collectBySize()
{
    QFETCH(bool, dump);
    QFETCH(qint64, size);
    QFETCH(QString, outcome);
    const QString name = dump ? QStringLiteral("x.dmp") : QStringLiteral("x.log");
    const QString source = (dump ? FileUtils::getDmpDir() : FileUtils::getLogDir()) + QLatin1Char('/') + name;
    const QString target = FileUtils::getTempUploadDir() + QLatin1Char('/') + name;
    QVERIFY(writeSparse(source, size));

    TestLogCapture capture;
    const QStringList collected = FileUtils::getFileListNeedUpload();
    QCOMPARE(collected.contains(target), outcome == QLatin1String("collected"));
    QCOMPARE(QFile::exists(target), outcome == QLatin1String("collected"));
    QCOMPARE(QFile::exists(source), outcome == QLatin1String("kept"));
    if (outcome == QLatin1String("collected"))
        QCOMPARE(QFileInfo(target).size(), size);
    const QString tooLarge = QStringLiteral("get %1 file need compress file %2 size error %3")
                                 .arg(dump ? QStringLiteral("dmp") : QStringLiteral("log"), source)
                                 .arg(size);
    QCOMPARE(capture.messages().join(QLatin1Char('\n')).contains(tooLarge), outcome == QLatin1String("kept"));
}

void TestLogPack::collectSkipsAndKeepsWaitingDumps()
{
    const QString logs = FileUtils::getLogDir();
    const QString dumps = FileUtils::getDmpDir();
    const QString staging = FileUtils::getTempUploadDir();
    QVERIFY(writeFile(logs + "/b.log", "b"));
    QVERIFY(writeFile(logs + "/a.log", "new a"));
    QVERIFY(writeFile(logs + "/.hidden.log", "h"));
    QVERIFY(writeFile(logs + "/sub/inner.log", "i"));
    QVERIFY(writeFile(m_work.filePath("outside.log"), "o"));
    QVERIFY(QFile::link(m_work.filePath("outside.log"), logs + "/link.log"));
    QVERIFY(writeFile(dumps + "/deep/er/y.dmp", "y"));
    QVERIFY(writeFile(dumps + "/z.dmp", "new z"));
    QVERIFY(writeFile(dumps + "/.h.dmp", "h"));
    QVERIFY(QFile::link(m_work.filePath("outside.log"), dumps + "/l.dmp"));
    // Left over from a failed pack: a log of the same name is replaced, a dump is not.
    QVERIFY(writeFile(staging + "/a.log", "old a"));
    QVERIFY(writeFile(staging + "/z.dmp", "old z"));

    TestLogCapture capture;
    const QStringList collected = FileUtils::getFileListNeedUpload();
    const int a = collected.indexOf(staging + "/a.log");
    const int b = collected.indexOf(staging + "/b.log");
    const int y = collected.indexOf(staging + "/y.dmp");
    QVERIFY(a >= 0 && b > a && y > b); // logs first, then dumps
    QVERIFY(!collected.contains(staging + "/z.dmp"));
    QCOMPARE(FileUtils::getFileContent(staging + "/a.log"), QByteArray("new a"));
    QCOMPARE(FileUtils::getFileContent(staging + "/z.dmp"), QByteArray("old z"));
    QVERIFY(capture.messages().join('\n').contains(QStringLiteral("check exist %1/a.log, remove %2/a.log").arg(logs, staging)));
    QVERIFY(capture.messages().join('\n').contains(QStringLiteral("rename %1/b.log=>%2/b.log").arg(logs, staging)));
    for (const QString &stays : {logs + "/.hidden.log", logs + "/sub/inner.log", logs + "/link.log", dumps + "/z.dmp",
                                 dumps + "/.h.dmp", dumps + "/l.dmp"})
        QVERIFY2(QFileInfo(stays).exists(), qPrintable(stays));
    QVERIFY(!QFile::exists(dumps + "/deep/er/y.dmp"));
    QVERIFY(QFileInfo(staging + "/link.log").symLinkTarget().isEmpty());
    QVERIFY(!QFile::exists(staging + "/inner.log"));
}

void TestLogPack::packNothing()
{
    TestClock clock(packClock());
    const QString before = CLog::currentLogPath();
    QCOMPARE(FileUtils::getCompressedLogFile(), QStringList());
    QVERIFY(CLog::currentLogPath() != before); // a new log file all the same
    QVERIFY(TestLogCapture::currentLogFileText().contains(QStringLiteral("begin compress logFile ")));
    QCOMPARE(filesUnder(FileUtils::getTmpDir()), QStringList());
}

void TestLogPack::packLogAndDump()
{
    TestClock clock(packClock());
    const QString log = FileUtils::getLogDir() + "/VeltroLecture_1.log";
    const QString dump = FileUtils::getDmpDir() + "/sub/2019_10_12_09_40_00.dmp";
    QVERIFY(writeFile(log, logText(1024)));
    QVERIFY(writeFile(dump, randomBytes(3, 1024)));
    QVERIFY(QFile::copy(log, m_work.filePath("log.ref")));
    QVERIFY(QFile::copy(dump, m_work.filePath("dump.ref")));
    const QString before = CLog::currentLogPath();

    const QStringList result = FileUtils::getCompressedLogFile();
    const QString pack = FileUtils::getTmpDir() + "/ZiraverUroruvo2019_10_12_09_41_12_with_crash.zip";
    QCOMPARE(result, QStringList{pack});
    const ZipCheck check = pythonCheck(pack, {{"VeltroLecture_1.log", m_work.filePath("log.ref")},
                                              {"2019_10_12_09_40_00.dmp", m_work.filePath("dump.ref")}});
    QVERIFY2(check.error.isEmpty(), qPrintable(check.error));
    const QString tool = zipfileTool(pack);
    QVERIFY2(tool.isEmpty(), qPrintable(tool));

    QVERIFY(!QFile::exists(log));
    QVERIFY(!QFile::exists(dump));
    QCOMPARE(filesUnder(FileUtils::getTempUploadDir()), QStringList());
    QCOMPARE(filesUnder(FileUtils::getTmpDir()), QStringList{pack}); // no partial file left
    QVERIFY(CLog::currentLogPath() != before);
    const QString text = TestLogCapture::currentLogFileText();
    QVERIFY(text.contains("FileUtils::getCompressedLogFile begin compress logFile " + pack));
    QVERIFY(text.contains("FileUtils::getCompressedLogFile remove logFile " + FileUtils::getTempUploadDir()
                          + "/2019_10_12_09_40_00.dmp"));
    QVERIFY(text.contains("FileUtils::compressFiles compress all files done"));
}

void TestLogPack::packBigLog()
{
    TestClock clock(packClock());
    const QString log = FileUtils::getLogDir() + "/VeltroLecture_big.log";
    QVERIFY(writeFile(log, logText(20 * 1000 * 1000)));
    QVERIFY(QFile::copy(log, m_work.filePath("big.ref")));

    const QStringList result = FileUtils::getCompressedLogFile();
    const QString pack = FileUtils::getTmpDir() + "/ZiraverUroruvo2019_10_12_09_41_12.zip";
    QCOMPARE(result, QStringList{pack});
    const ZipCheck check = pythonCheck(pack, {{"VeltroLecture_big.log", m_work.filePath("big.ref")}});
    QVERIFY2(check.error.isEmpty(), qPrintable(check.error));
    const QString tool = zipfileTool(pack);
    QVERIFY2(tool.isEmpty(), qPrintable(tool));
    QVERIFY(QFileInfo(pack).size() < 20 * 1000 * 1000 / 3);
}

void TestLogPack::packFailureKeepsFiles()
{
    TestClock clock(packClock());
    // The temporary folder is a plain file, so no pack can be written there.
    const QString tmp = FileUtils::getAppDataDir() + "/tmp";
    QDir(tmp).removeRecursively();
    QVERIFY(writeFile(tmp, "not a folder"));
    QVERIFY(writeFile(FileUtils::getLogDir() + "/a.log", "log a"));
    QVERIFY(writeFile(FileUtils::getDmpDir() + "/b.dmp", "dump b"));

    const QStringList result = FileUtils::getCompressedLogFile();
    const QString staging = FileUtils::getTempUploadDir();
    QCOMPARE(result, (QStringList{staging + "/a.log", staging + "/b.dmp"}));
    QCOMPARE(FileUtils::getFileContent(staging + "/a.log"), QByteArray("log a"));
    QCOMPARE(FileUtils::getFileContent(staging + "/b.dmp"), QByteArray("dump b"));
    QCOMPARE(filesUnder(FileUtils::getAppDataDir()).filter(".zip"), QStringList());
    QFile::remove(tmp);
}

void TestLogPack::packSameMinuteKeepsEarlierPack()
{
    TestClock clock(packClock());
    QVERIFY(writeFile(FileUtils::getLogDir() + "/first.log", "first"));
    QVERIFY(writeFile(m_work.filePath("first.ref"), "first"));
    const QStringList first = FileUtils::getCompressedLogFile();
    clock.advance(20000); // the same minute: the name would be the same
    QVERIFY(writeFile(FileUtils::getLogDir() + "/second.log", "second"));
    QVERIFY(writeFile(m_work.filePath("second.ref"), "second"));
    const QStringList second = FileUtils::getCompressedLogFile();

    const QString name = FileUtils::getTmpDir() + "/ZiraverUroruvo2019_10_12_09_41_12";
    QCOMPARE(first, QStringList{name + ".zip"});
    QCOMPARE(second, QStringList{name + "(1).zip"});
    // The first pack may still wait for its upload: it is intact.
    ZipCheck check = pythonCheck(first.at(0), {{"first.log", m_work.filePath("first.ref")}}, true);
    QVERIFY2(check.error.isEmpty(), qPrintable(check.error));
    check = pythonCheck(second.at(0), {{"second.log", m_work.filePath("second.ref")}}, true);
    QVERIFY2(check.error.isEmpty(), qPrintable(check.error));
}

void TestLogPack::concurrentPacksLoseNothing()
{
    TestClock clock(packClock());
    QStringList names;
    for (int i = 0; i < 40; ++i) {
        names << QStringLiteral("log%1.log").arg(i);
        QVERIFY(writeFile(FileUtils::getLogDir() + '/' + names.last(), logText(20000 + i)));
    }
    QStringList results[2];
    std::thread one([&] { results[0] = FileUtils::getCompressedLogFile(); });
    std::thread two([&] { results[1] = FileUtils::getCompressedLogFile(); });
    one.join();
    two.join();

    QStringList packed;
    for (const QStringList &result : results) {
        for (const QString &pack : result) {
            QVERIFY2(pack.endsWith(".zip"), qPrintable(pack));
            const ZipCheck check = pythonCheck(pack, {}, true);
            QVERIFY2(check.error.isEmpty(), qPrintable(check.error));
            packed += check.names;
        }
    }
    // Each file in exactly one pack; the program's own log files may join them.
    packed = packed.filter(QRegularExpression("^log\\d+\\.log$"));
    packed.sort();
    names.sort();
    QCOMPARE(packed, names);
    QCOMPARE(filesUnder(FileUtils::getTempUploadDir()), QStringList());
}

QTEST_GUILESS_MAIN(TestLogPack)
#include "tst_logpack.moc"
