#include "utils/CFileDownloader.h"
#include "utils/FileUtils.h"
#include "utils/GlobalConfig.h"

#include "StandInService.h"
#include "TestLogCapture.h"

#include <QDirIterator>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(StandInService::Reply)

namespace {

// What one caller of a downloader hears, in order.
class Listener : public QObject
{
public:
    explicit Listener(CFileDownloader *downloader)
    {
        connect(downloader, &CFileDownloader::filedownloader_downlaoded_failed_signal, this,
                [this](const QString &url) { events << QStringLiteral("failed ") + url; });
        connect(downloader, &CFileDownloader::filedownloader_downloaded_signal, this,
                [this](const QString &url) { events << QStringLiteral("downloaded ") + url; });
        connect(downloader, &CFileDownloader::filedownloader_download_progress_signal, this,
                [this](qlonglong received, qlonglong total) { progress << qMakePair(received, total); });
    }

    bool waitForEnd(int timeoutMs = 5000)
    {
        return QTest::qWaitFor([this] { return !events.isEmpty() && events.last().startsWith("downloaded "); },
                               timeoutMs);
    }

    QStringList events;
    QList<QPair<qlonglong, qlonglong>> progress;
};

QStringList succeeded(const QString &url)
{
    return {QStringLiteral("downloaded ") + url};
}

QStringList failed(const QString &url)
{
    return {QStringLiteral("failed ") + url, QStringLiteral("downloaded ") + url};
}

QByteArray pattern(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + i / 251) & 0xff);
    return bytes;
}

StandInService::Reply delayed(const QByteArray &body, int delayMs)
{
    StandInService::Reply reply = StandInService::Reply::raw(body);
    reply.delayMs = delayMs;
    return reply;
}

QByteArray fixture(const QString &name)
{
    QFile file(StandInService::defaultFixtureRoot() + QStringLiteral("/files/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList partFiles()
{
    QStringList found;
    QDirIterator it(FileUtils::getResourceDir(), QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path.endsWith(QLatin1String(".part")))
            found << path;
    }
    return found;
}

} // namespace

class TestFileDownloader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void endsInSignals_data();
    void endsInSignals();
    void oneDownloadPerAddress_data();
    void oneDownloadPerAddress();
    void cachedAddress();
    void shortAddress_data();
    void shortAddress();
    void cacheFileAppearsWhileRunning_data();
    void cacheFileAppearsWhileRunning();
    void unwritableCache_data();
    void unwritableCache();
    void progress_data();
    void progress();
    void fileSize();
    void httpsFallback_data();
    void httpsFallback();
    void httpsGoesOverHttpAfterAFailure();

private:
    QString url(const QString &path) const { return m_service.baseUrl() + path; }

    StandInService m_service;
    QString m_mountPoint;
};

void TestFileDownloader::initTestCase()
{
    QVERIFY(m_service.listen());
    // Short enough for the stalled transfers below, long enough for a loaded machine.
    CFileDownloader::setTransferTimeout(700);
}

void TestFileDownloader::cleanup()
{
    m_service.clearReplies();
    if (!m_mountPoint.isEmpty()) {
        QProcess::execute(QStringLiteral("umount"), {m_mountPoint});
        m_mountPoint.clear();
    }
}

void TestFileDownloader::endsInSignals_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("scripted");
    QTest::addColumn<StandInService::Reply>("reply");
    QTest::addColumn<bool>("fails");
    QTest::addColumn<QByteArray>("stored"); // what the cache holds afterwards; empty: no file

    using Reply = StandInService::Reply;
    const QByteArray big = pattern(3 * 1024 * 1024 + 17);
    Reply gzip = Reply::raw(big, 200, "application/octet-stream");
    gzip.gzip = true;
    Reply dropped = Reply::raw(big);
    dropped.dropAfterBytes = 4096;
    Reply stalled = Reply::raw(big);
    stalled.stallAfterBytes = 4096;
    Reply refused = Reply::raw(big);
    refused.drop = true;
    Reply redirected = Reply::raw("<a href=\"/files/hello.txt\">moved</a>", 302, "text/html");
    redirected.headers.append(qMakePair(QByteArray("Location"), QByteArray("/files/hello.txt")));

    QTest::newRow("fixture text") << "/files/hello.txt" << false << Reply() << false << fixture("hello.txt");
    QTest::newRow("fixture picture") << "/files/board.png" << false << Reply() << false << fixture("board.png");
    QTest::newRow("large body") << "/dl/large" << true << Reply::raw(big) << false << big;
    QTest::newRow("gzip body") << "/dl/gzip" << true << gzip << false << big;
    QTest::newRow("empty body") << "/dl/empty" << true << Reply::raw("") << false << QByteArray();
    QTest::newRow("not found") << "/files/missing.png" << false << Reply() << true << QByteArray();
    QTest::newRow("server error") << "/dl/error" << true << Reply::raw("broken", 500) << true << QByteArray();
    QTest::newRow("redirection") << "/dl/moved" << true << redirected << true << QByteArray();
    QTest::newRow("dropped mid-body") << "/dl/dropped" << true << dropped << true << QByteArray();
    QTest::newRow("slower than the time-out") << "/dl/stalled" << true << stalled << true << QByteArray();
    QTest::newRow("closed before answering") << "/dl/closed" << true << refused << true << QByteArray();
}

void TestFileDownloader::endsInSignals()
{
    QFETCH(QString, path);
    QFETCH(bool, scripted);
    QFETCH(StandInService::Reply, reply);
    QFETCH(bool, fails);
    QFETCH(QByteArray, stored);
    if (scripted)
        m_service.setReply(path, reply);
    const QString address = url(path);

    QPointer<CFileDownloader> downloader = CFileDownloader::getDownloaderWork(address);
    Listener listener(downloader);
    downloader->download(true);
    QVERIFY(listener.events.isEmpty());
    QVERIFY(listener.waitForEnd());

    QCOMPARE(listener.events, fails ? failed(address) : succeeded(address));
    QVERIFY(!m_service.requestsTo(path).isEmpty());
    const QString cachePath = FileUtils::getResourceFileFromUrl(address);
    if (stored.isEmpty()) {
        QCOMPARE(CFileDownloader::getDownloadedFile(address), QString());
        QVERIFY(!QFileInfo::exists(cachePath));
    } else {
        QCOMPARE(CFileDownloader::getDownloadedFile(address), cachePath);
        QVERIFY(FileUtils::getFileContent(cachePath) == stored);
    }
    QCOMPARE(partFiles(), QStringList());
    QTRY_VERIFY(downloader.isNull());
    // The address is free again: the next caller gets a new downloader.
    CFileDownloader *next = CFileDownloader::getDownloaderWork(address);
    Listener nextListener(next);
    next->download(true);
    QVERIFY(nextListener.waitForEnd());
}

void TestFileDownloader::oneDownloadPerAddress_data()
{
    QTest::addColumn<bool>("bothAskFirst");
    QTest::newRow("second asks while the first downloads") << false;
    QTest::newRow("both ask before either starts") << true;
}

void TestFileDownloader::oneDownloadPerAddress()
{
    QFETCH(bool, bothAskFirst);
    const QString path = QStringLiteral("/dl/shared-%1").arg(int(bothAskFirst));
    m_service.setReply(path, delayed(pattern(5000), 300));
    const QString address = url(path);

    QPointer<CFileDownloader> first = CFileDownloader::getDownloaderWork(address);
    QPointer<CFileDownloader> second = bothAskFirst ? CFileDownloader::getDownloaderWork(address) : nullptr;
    Listener firstListener(first);
    first->download(true);
    if (!bothAskFirst) {
        second = CFileDownloader::getDownloaderWork(address);
        QCOMPARE(second.data(), first.data());
    }
    Listener secondListener(second);
    second->download(true);
    QVERIFY(secondListener.events.isEmpty());

    QVERIFY(firstListener.waitForEnd());
    QVERIFY(secondListener.waitForEnd());
    QTest::qWait(100);
    QCOMPARE(firstListener.events, succeeded(address));
    QCOMPARE(secondListener.events, succeeded(address));
    QCOMPARE(m_service.requestsTo(path).size(), 1);
    QVERIFY(FileUtils::getFileContent(CFileDownloader::getDownloadedFile(address)) == pattern(5000));
    QTRY_VERIFY(first.isNull() && second.isNull());
}

void TestFileDownloader::cachedAddress()
{
    const QString path = QStringLiteral("/dl/uploaded.png");
    const QString address = url(path);
    QCOMPARE(CFileDownloader::copyLocalFileToResourceUrl(QStringLiteral("/nonexistent/file.png"), address), false);
    QCOMPARE(CFileDownloader::getDownloadedFile(address), QString());

    QTemporaryDir dir;
    const QString local = dir.filePath(QStringLiteral("local.png"));
    QVERIFY(FileUtils::putFileContent(local, fixture("board.png")));
    QVERIFY(CFileDownloader::copyLocalFileToResourceUrl(local, address));
    const QString cachePath = FileUtils::getResourceFileFromUrl(address);
    QCOMPARE(CFileDownloader::getDownloadedFile(address), cachePath);

    QPointer<CFileDownloader> downloader = CFileDownloader::getDownloaderWork(address);
    Listener listener(downloader);
    downloader->download(true);
    QCOMPARE(listener.events, succeeded(address)); // reported inside the call
    QTRY_VERIFY(downloader.isNull());
    QCOMPARE(m_service.requestsTo(path).size(), 0);
    QVERIFY(FileUtils::getFileContent(cachePath) == fixture("board.png"));
}

void TestFileDownloader::shortAddress_data()
{
    QTest::addColumn<QString>("address");
    QTest::newRow("empty") << QString();
    QTest::newRow("one character") << QStringLiteral("a");
}

void TestFileDownloader::shortAddress()
{
    QFETCH(QString, address);
    const int before = m_service.requests().size();
    QPointer<CFileDownloader> downloader = CFileDownloader::getDownloaderWork(address);
    Listener listener(downloader);
    downloader->download(true);
    QCOMPARE(listener.events, failed(address));
    QTRY_VERIFY(downloader.isNull());
    QCOMPARE(m_service.requests().size(), before);
}

void TestFileDownloader::cacheFileAppearsWhileRunning_data()
{
    QTest::addColumn<QByteArray>("placed");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray body = pattern(6000);
    QTest::newRow("same size is left alone") << QByteArray(body.size(), 'x') << QByteArray(body.size(), 'x');
    QTest::newRow("other size is replaced") << QByteArray(100, 'x') << body;
}

void TestFileDownloader::cacheFileAppearsWhileRunning()
{
    // Someone else fills the cache path while the request runs; a second caller
    // must not make the running downloader report early or delete itself.
    QFETCH(QByteArray, placed);
    QFETCH(QByteArray, expected);
    const QString path = QStringLiteral("/dl/appears-%1").arg(placed.size());
    m_service.setReply(path, delayed(pattern(6000), 400));
    const QString address = url(path);

    QPointer<CFileDownloader> downloader = CFileDownloader::getDownloaderWork(address);
    Listener first(downloader);
    downloader->download(true);
    QTRY_COMPARE(m_service.requestsTo(path).size(), 1);

    QTemporaryDir dir;
    const QString local = dir.filePath(QStringLiteral("placed.bin"));
    QVERIFY(FileUtils::putFileContent(local, placed));
    QVERIFY(CFileDownloader::copyLocalFileToResourceUrl(local, address));
    CFileDownloader *again = CFileDownloader::getDownloaderWork(address);
    QCOMPARE(again, downloader.data());
    Listener second(again);
    again->download(true);
    QCOMPARE(second.events, QStringList());
    QTest::qWait(50);
    QVERIFY(!downloader.isNull());

    QVERIFY(first.waitForEnd());
    QVERIFY(second.waitForEnd());
    QCOMPARE(first.events, succeeded(address));
    QCOMPARE(second.events, succeeded(address));
    QVERIFY(FileUtils::getFileContent(CFileDownloader::getDownloadedFile(address)) == expected);
    QCOMPARE(m_service.requestsTo(path).size(), 1);
    QTRY_VERIFY(downloader.isNull());
}

void TestFileDownloader::unwritableCache_data()
{
    QTest::addColumn<bool>("fullDisk");
    QTest::newRow("directory where the part file goes") << false;
    QTest::newRow("cache folder on a full disk") << true;
}

void TestFileDownloader::unwritableCache()
{
    QFETCH(bool, fullDisk);
    const QString path = QStringLiteral("/dl/unwritable-%1").arg(int(fullDisk));
    const QString address = url(path);
    const QString cachePath = FileUtils::getResourceFileFromUrl(address);
    if (fullDisk) {
        const QString folder = QFileInfo(cachePath).absolutePath();
        if (QProcess::execute(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=64k", "tmpfs", folder}) != 0)
            QSKIP("mounting a tmpfs is not permitted here");
        m_mountPoint = folder;
    } else {
        QVERIFY(QDir().mkpath(cachePath + QStringLiteral(".part")));
    }
    m_service.setReply(path, StandInService::Reply::raw(pattern(256 * 1024)));

    QPointer<CFileDownloader> downloader = CFileDownloader::getDownloaderWork(address);
    Listener listener(downloader);
    downloader->download(true);
    QVERIFY(listener.waitForEnd());
    QCOMPARE(listener.events, failed(address));
    QVERIFY(!QFileInfo::exists(cachePath));
    QCOMPARE(CFileDownloader::getDownloadedFile(address), QString());
    if (fullDisk)
        QVERIFY(!QFileInfo::exists(cachePath + QStringLiteral(".part")));
    else
        QVERIFY(QFileInfo(cachePath + QStringLiteral(".part")).isDir());
    QTRY_VERIFY(downloader.isNull());
}

void TestFileDownloader::progress_data()
{
    QTest::addColumn<bool>("report");
    QTest::newRow("reported") << true;
    QTest::newRow("quiet") << false;
}

void TestFileDownloader::progress()
{
    QFETCH(bool, report);
    const QString path = QStringLiteral("/dl/progress-%1").arg(int(report));
    const int size = 2 * 1024 * 1024;
    m_service.setReply(path, StandInService::Reply::raw(pattern(size)));
    const QString address = url(path);

    CFileDownloader *downloader = CFileDownloader::getDownloaderWork(address);
    Listener listener(downloader);
    downloader->setReportProgress(report);
    downloader->download(true);
    QVERIFY(listener.waitForEnd());
    QCOMPARE(listener.events, succeeded(address));
    if (report) {
        QVERIFY(!listener.progress.isEmpty());
        QCOMPARE(listener.progress.last(), qMakePair(qlonglong(size), qlonglong(size)));
    } else {
        QVERIFY(listener.progress.isEmpty());
    }
}

void TestFileDownloader::fileSize()
{
    QCOMPARE(CFileDownloader::getFileSize(QUrl(url(QStringLiteral("/files/board.png")))),
             qint64(fixture("board.png").size()));
    QCOMPARE(CFileDownloader::getFileSize(QUrl(url(QStringLiteral("/files/missing.png")))), qint64(0));
}

void TestFileDownloader::httpsFallback_data()
{
    QTest::addColumn<bool>("allowed");
    QTest::addColumn<int>("failures");
    QTest::addColumn<QString>("fileUrl");
    QTest::addColumn<QString>("requestUrl");
    QTest::addColumn<int>("error");
    QTest::addColumn<bool>("retry");

    const QString https = QStringLiteral("https://cdn.example/a.png");
    const QString http = QStringLiteral("http://cdn.example/a.png");
    const int unknown = QNetworkReply::UnknownNetworkError;
    QTest::newRow("off by default") << false << 0 << https << https << unknown << false;
    QTest::newRow("allowed, unknown error") << true << 0 << https << https << unknown << true;
    QTest::newRow("upper-case scheme") << true << 0 << "HTTPS://cdn.example/a.png" << "HTTPS://cdn.example/a.png" << unknown << true;
    QTest::newRow("other error") << true << 0 << https << https << int(QNetworkReply::ConnectionRefusedError) << false;
    QTest::newRow("already went over http") << true << 1 << https << http << unknown << false;
    QTest::newRow("plain http address") << true << 0 << http << http << unknown << false;
    QTest::newRow("retries used up") << true << 10 << https << https << unknown << false;
    QTest::newRow("one retry left") << true << 9 << https << https << unknown << true;
}

void TestFileDownloader::httpsFallback()
{
    QFETCH(bool, allowed);
    QFETCH(int, failures);
    QFETCH(QString, fileUrl);
    QFETCH(QString, requestUrl);
    QFETCH(int, error);
    QFETCH(bool, retry);

    GlobalConfig().setValue(QStringLiteral("allow_http_fallback"), allowed ? QStringLiteral("1") : QStringLiteral("0"));
    CFileDownloader::setHttpsFailureCountForTesting(failures);
    QCOMPARE(CFileDownloader::retriesOverHttp(fileUrl, requestUrl, QNetworkReply::NetworkError(error)), retry);
    CFileDownloader::setHttpsFailureCountForTesting(0);
}

void TestFileDownloader::httpsGoesOverHttpAfterAFailure()
{
    GlobalConfig().setValue(QStringLiteral("allow_http_fallback"), QStringLiteral("1"));
    // After one https failure, https addresses go out over http but keep their own name.
    CFileDownloader::setHttpsFailureCountForTesting(1);
    const QString address = QStringLiteral("HTTPS://127.0.0.1:%1/files/hello.txt").arg(m_service.port());
    m_service.clearRequests();
    CFileDownloader *downloader = CFileDownloader::getDownloaderWork(address);
    Listener later(downloader);
    downloader->download(true);
    QVERIFY(later.waitForEnd());
    QCOMPARE(later.events, succeeded(address));
    QCOMPARE(m_service.requestsTo(QStringLiteral("/files/hello.txt")).size(), 1);
    QVERIFY(FileUtils::getFileContent(CFileDownloader::getDownloadedFile(address)) == fixture("hello.txt"));
    QCOMPARE(CFileDownloader::getDownloadedFile(url(QStringLiteral("/files/hello.txt")).replace("http:", "https:")),
             QString());
    CFileDownloader::setHttpsFailureCountForTesting(0);
}

QTEST_MAIN(TestFileDownloader)
#include "tst_filedownloader.moc"
