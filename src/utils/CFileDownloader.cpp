#include "utils/CFileDownloader.h"

#include "utils/CLog.h"
#include "utils/FileUtils.h"
#include "utils/GlobalConfig.h"
#include "utils/TimeUtils.h"

#include <QDebug>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

#include <cerrno>
#include <cstdio>
#include <cstring>

QMap<QString, CFileDownloader *> CFileDownloader::s_works;
int CFileDownloader::s_httpsFailures = 0;
int CFileDownloader::s_transferTimeoutMs = CFileDownloader::kDefaultTransferTimeoutMs;

namespace {

constexpr int kMaxHttpsFallbacks = 10;

QString tag(const char *function)
{
    return QStringLiteral("%1 ").arg(QLatin1String(function));
}

bool isHttps(const QString &url)
{
    return url.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
}

QByteArray utf8(const QString &text)
{
    return text.toUtf8();
}

// Writes all of `bytes` to a new file at `path` and checks what landed on disk.
bool writeWholeFile(const QString &path, const QByteArray &bytes, QString *problem)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        *problem = file.errorString();
        return false;
    }
    // A full disk often shows only when the buffer is flushed.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        *problem = file.errorString();
        file.close();
        return false;
    }
    file.close();
    if (file.error() != QFileDevice::NoError) {
        *problem = file.errorString();
        return false;
    }
    const qint64 size = QFileInfo(path).size();
    if (size != bytes.size()) {
        *problem = QStringLiteral("%1 bytes on disk, %2 expected").arg(size).arg(bytes.size());
        return false;
    }
    return true;
}

} // namespace

bool CFileDownloader::retriesOverHttp(const QString &fileUrl, const QString &requestUrl,
                                      QNetworkReply::NetworkError error)
{
    // Only a request that really went over https is worth retrying over http.
    return error == QNetworkReply::UnknownNetworkError && s_httpsFailures < kMaxHttpsFallbacks
           && isHttps(fileUrl) && isHttps(requestUrl) && GlobalConfig::allowHttpFallback();
}

void CFileDownloader::setHttpsFailureCountForTesting(int count)
{
    s_httpsFailures = count;
}

CFileDownloader::CFileDownloader() : m_pManager(new QNetworkAccessManager(this))
{
    connect(m_pManager, &QNetworkAccessManager::finished, this, &CFileDownloader::filedownloader_fileDownloaded_slot);
}

CFileDownloader::~CFileDownloader()
{
    if (s_works.value(m_fileUrl) == this)
        s_works.remove(m_fileUrl);
    CLog::printf("CFileDownloader::~CFileDownloader %s deleted", utf8(m_fileUrl).constData());
}

CFileDownloader *CFileDownloader::getDownloaderWork(const QString &fileUrl)
{
    if (CFileDownloader *running = s_works.value(fileUrl)) {
        CLog::printf("CFileDownloader::getDownloaderWork %s get old work", utf8(fileUrl).constData());
        return running;
    }
    CLog::printf("CFileDownloader::getDownloaderWork %s no old work", utf8(fileUrl).constData());
    auto *downloader = new CFileDownloader;
    downloader->m_fileUrl = fileUrl;
    return downloader;
}

void CFileDownloader::download(bool joinRunning)
{
    if (m_state == State::Done)
        return; // it has reported already and is going away
    // This downloader is fetching already; its end reports to every listener.
    // (The retry from the finishing slot passes false and goes on.)
    if (m_state == State::Running && joinRunning)
        return;

    const QString cached = getDownloadedFile(m_fileUrl);
    if (!cached.isEmpty()) {
        CLog::printf("CFileDownloader::download local file(%s) exists. url=%s. emit downloaded",
                     utf8(cached).constData(), utf8(m_fileUrl).constData());
        finish(false);
        return;
    }
    if (m_fileUrl.size() < 2) {
        // Nothing to fetch; the listeners still hear the end of it.
        CLog::error(QStringLiteral("invalid url %1").arg(m_fileUrl), tag("CFileDownloader::download"));
        finish(true);
        return;
    }
    // This one was handed out before another downloader of the same address
    // started: one GET serves both.
    CFileDownloader *running = s_works.value(m_fileUrl);
    if (running && running != this && joinRunning) {
        follow(running);
        return;
    }

    CLog::log(QStringLiteral("add %1 to map").arg(m_fileUrl), tag("CFileDownloader::download"));
    s_works.insert(m_fileUrl, this);
    m_state = State::Running;

    m_requestUrl = m_fileUrl;
    if (s_httpsFailures > 0 && isHttps(m_requestUrl) && GlobalConfig::allowHttpFallback())
        m_requestUrl.replace(QLatin1String("https://"), QLatin1String("http://"), Qt::CaseInsensitive);

    QNetworkRequest request(QUrl(m_requestUrl, QUrl::TolerantMode));
    request.setTransferTimeout(s_transferTimeoutMs);
    m_pReply = m_pManager->get(request);
    connect(m_pReply, &QNetworkReply::downloadProgress, this, &CFileDownloader::filedownloader_progress_slot);
}

void CFileDownloader::follow(CFileDownloader *running)
{
    m_state = State::Running;
    connect(running, &CFileDownloader::filedownloader_downlaoded_failed_signal, this,
            &CFileDownloader::filedownloader_downlaoded_failed_signal);
    connect(running, &CFileDownloader::filedownloader_download_progress_signal, this,
            &CFileDownloader::filedownloader_progress_slot);
    connect(running, &CFileDownloader::filedownloader_downloaded_signal, this, [this](const QString &fileUrl) {
        m_state = State::Done;
        emit filedownloader_downloaded_signal(fileUrl);
        deleteLater();
    });
    // The one it follows reports progress only when asked to.
    running->setReportProgress(running->m_reportProgress || m_reportProgress);
}

void CFileDownloader::setReportProgress(bool reportProgress)
{
    m_reportProgress = reportProgress;
}

QString CFileDownloader::getDownloadedFile(const QString &fileUrl)
{
    const QString path = FileUtils::getResourceFileFromUrl(fileUrl);
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return QString();
    return path;
}

bool CFileDownloader::copyLocalFileToResourceUrl(const QString &localFile, const QString &fileUrl)
{
    const QString target = FileUtils::getResourceFileFromUrl(fileUrl);
    if (FileUtils::copyFileToResource(localFile, fileUrl)) {
        CLog::debug(QStringLiteral("CFileDownloader::copyLocalFileToResourceUrl url %1, file %2=>%3")
                        .arg(fileUrl, localFile, target));
        return true;
    }
    CLog::error(QStringLiteral("CFileDownloader::copyLocalFileToResourceUrl copy file to resource failed,url %1, file %2=>%3")
                    .arg(fileUrl, localFile, target));
    return false;
}

QString CFileDownloader::getTempFilePath(const QString &suffix, qint64 name)
{
    if (name == 0)
        name = currentTimeMillis();
    const QString ending = suffix.startsWith(QLatin1Char('.')) ? suffix : QLatin1Char('.') + suffix;
    return FileUtils::getTmpDir() + QLatin1Char('/') + QString::number(name) + ending;
}

qint64 CFileDownloader::getFileSize(const QUrl &url)
{
    QNetworkAccessManager manager;
    QEventLoop loop;
    qDebug().noquote() << "Getting the file size..." << url.toString();
    QNetworkRequest request(url);
    request.setTransferTimeout(s_transferTimeoutMs);
    QNetworkReply *reply = manager.head(request);
    connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec();
    // The length of an error page is not the size of the file.
    const qint64 size = reply->error() == QNetworkReply::NoError
                            ? qMax<qint64>(0, reply->header(QNetworkRequest::ContentLengthHeader).toLongLong())
                            : 0;
    delete reply;
    qDebug().noquote() << url.toString() << "file size is:" << size;
    return size;
}

void CFileDownloader::setTransferTimeout(int msecs)
{
    s_transferTimeoutMs = qMax(1, msecs);
}

int CFileDownloader::transferTimeout()
{
    return s_transferTimeoutMs;
}

void CFileDownloader::filedownloader_fileDownloaded_slot(QNetworkReply *pReply)
{
    const int statusCode = pReply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    // An aborted reply (time-out) is closed and has nothing to read.
    const QByteArray bytes = pReply->isOpen() ? pReply->readAll() : QByteArray();
    const QNetworkReply::NetworkError error = pReply->error();
    CLog::printf("CFileDownloader::filedownloader_fileDownloaded_slot url=%s, length=%d, statusCode=%d, errorCode=%d",
                 utf8(m_requestUrl).constData(), int(bytes.size()), statusCode, int(error));
    pReply->deleteLater();
    if (pReply == m_pReply)
        m_pReply = nullptr;

    if (retriesOverHttp(m_fileUrl, m_requestUrl, error)) {
        ++s_httpsFailures;
        CLog::log(QStringLiteral("%1 download again").arg(m_fileUrl),
                  tag("CFileDownloader::filedownloader_fileDownloaded_slot"));
        download(false);
        return;
    }

    if (error != QNetworkReply::NoError) {
        CLog::error(QStringLiteral("downlaod %1 fialed error %2").arg(m_requestUrl, pReply->errorString()),
                    tag("CFileDownloader::filedownloader_fileDownloaded_slot"));
        finish(true);
        return;
    }
    // Qt leaves redirections and other non-2xx answers without an error; their
    // body is not the file.
    if (statusCode != 0 && (statusCode < 200 || statusCode > 299)) {
        CLog::error(QStringLiteral("downlaod %1 fialed status %2").arg(m_requestUrl).arg(statusCode),
                    tag("CFileDownloader::filedownloader_fileDownloaded_slot"));
        finish(true);
        return;
    }
    // A connection closed mid-body can end without an error; the announced
    // length tells (Qt drops it for bodies it decompressed).
    const QVariant announced = pReply->header(QNetworkRequest::ContentLengthHeader);
    if (announced.isValid() && announced.toLongLong() != bytes.size()) {
        CLog::error(QStringLiteral("downlaod %1 fialed, %2 of %3 bytes")
                        .arg(m_requestUrl)
                        .arg(bytes.size())
                        .arg(announced.toLongLong()),
                    tag("CFileDownloader::filedownloader_fileDownloaded_slot"));
        finish(true);
        return;
    }

    CLog::log(QStringLiteral("remove %1 from map").arg(m_fileUrl),
              tag("CFileDownloader::filedownloader_fileDownloaded_slot"));
    // An empty body writes nothing and is no failure; listeners find no file.
    const bool stored = bytes.isEmpty() || !writeFileForUrl(m_fileUrl, bytes).isEmpty();
    finish(!stored);
}

void CFileDownloader::filedownloader_progress_slot(qlonglong bytesReceived, qlonglong bytesTotal)
{
    if (m_reportProgress && m_state == State::Running)
        emit filedownloader_download_progress_signal(bytesReceived, bytesTotal);
}

void CFileDownloader::finish(bool failed)
{
    m_state = State::Done;
    if (s_works.value(m_fileUrl) == this)
        s_works.remove(m_fileUrl);
    if (failed)
        emit filedownloader_downlaoded_failed_signal(m_fileUrl);
    emit filedownloader_downloaded_signal(m_fileUrl);
    deleteLater();
}

QString CFileDownloader::writeFileForUrl(const QString &fileUrl, const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return QString();
    const QString path = FileUtils::getResourceFileFromUrl(fileUrl);
    if (path.isEmpty())
        return QString();
    const QFileInfo existing(path);
    if (existing.isFile() && existing.size() == bytes.size())
        return path;

    // Readers of the cache path see either nothing or the whole file.
    const QString partPath = path + QStringLiteral(".part");
    QString problem;
    bool stored = writeWholeFile(partPath, bytes, &problem);
    if (stored && std::rename(QFile::encodeName(partPath).constData(), QFile::encodeName(path).constData()) != 0) {
        problem = QString::fromLocal8Bit(std::strerror(errno));
        stored = false;
    }
    if (!stored) {
        QFile::remove(partPath);
        CLog::error(QStringLiteral("write %1 for %2 failed: %3").arg(partPath, fileUrl, problem),
                    tag("CFileDownloader::writeFileForUrl"));
        return QString();
    }
    CLog::printf("CFileDownloader::writeFileForUrl [%s]=>[%s] size %d", utf8(fileUrl).constData(),
                 utf8(path).constData(), int(bytes.size()));
    return path;
}
