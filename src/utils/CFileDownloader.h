#pragma once

#include <QMap>
#include <QNetworkReply>
#include <QObject>
#include <QString>

class QNetworkAccessManager;
class QNetworkReply;
class QUrl;

// Fetches one file by its address into the resource cache of the data folder
// (the path FileUtils::getResourceFileFromUrl gives the address) and tells its
// listeners when it is there. GUI thread only.
//
// Use: getDownloaderWork(address), connect the signals, optionally
// setReportProgress(true), then download(true). Every download() ends in
// filedownloader_downloaded_signal (after filedownloader_downlaoded_failed_signal
// when it failed), possibly before download() returns, and the downloader then
// deletes itself. Callers never delete a downloader.
class CFileDownloader : public QObject
{
    Q_OBJECT

public:
    // Inactivity time-out of a transfer: a request that receives nothing for
    // this long fails.
    static constexpr int kDefaultTransferTimeoutMs = 30000;

    // The downloader already fetching `fileUrl`, or a new one for it.
    static CFileDownloader *getDownloaderWork(const QString &fileUrl);

    // Starts the download, or joins the one under way for the same address
    // when `joinRunning` is true (every caller outside this class passes true).
    void download(bool joinRunning);
    void setReportProgress(bool reportProgress);

    // The cache path of `fileUrl` when a file is there, else "". Never downloads.
    static QString getDownloadedFile(const QString &fileUrl);
    // Puts a local file into the cache under `fileUrl`.
    static bool copyLocalFileToResourceUrl(const QString &localFile, const QString &fileUrl);

    // A path for a new temporary file in the data folder's "/tmp": the name
    // in decimal (the current milliseconds when it is 0) followed by the
    // suffix, which gets a leading "." when it has none. The file is not
    // created.
    static QString getTempFilePath(const QString &suffix, qint64 name);

    // Whether a failed https download is retried once over plain http: only
    // for Qt's unclassified error, while the process has retries left and the
    // settings allow plain http.
    static bool retriesOverHttp(const QString &fileUrl, const QString &requestUrl, QNetworkReply::NetworkError error);
    // Tests only: the process-wide count of https failures.
    static void setHttpsFailureCountForTesting(int count);

    // The size the server announces for `url` (0 when it names none), asked
    // with a HEAD request in a nested event loop.
    static qint64 getFileSize(const QUrl &url);

    // The transfer time-out of every later request; values below 1 ms count as 1 ms.
    static void setTransferTimeout(int msecs);
    static int transferTimeout();

signals:
    void filedownloader_downloaded_signal(QString fileUrl);
    void filedownloader_downlaoded_failed_signal(QString fileUrl);
    void filedownloader_download_progress_signal(qlonglong bytesReceived, qlonglong bytesTotal);

private slots:
    void filedownloader_fileDownloaded_slot(QNetworkReply *pReply);
    void filedownloader_progress_slot(qlonglong bytesReceived, qlonglong bytesTotal);

private:
    enum class State { Idle, Running, Done };

    CFileDownloader();
    // Private: a downloader goes away by itself once it has reported, so that
    // nobody deletes it while its reply or the work map still refers to it.
    ~CFileDownloader() override;

    // Writes `bytes` to "<cache path>.part", checks it and moves it into place.
    // Returns the cache path, or "" when nothing was written.
    static QString writeFileForUrl(const QString &fileUrl, const QByteArray &bytes);

    // Reports what `running` (another downloader of the same address) reports.
    void follow(CFileDownloader *running);
    // Leaves the work map, emits the ending signals and schedules deletion.
    void finish(bool failed);

    QNetworkAccessManager *m_pManager = nullptr; // owned (child)
    QNetworkReply *m_pReply = nullptr;           // belongs to m_pManager
    QString m_fileUrl;
    bool m_reportProgress = false;
    QString m_requestUrl; // the address actually requested (http after a fallback)
    State m_state = State::Idle;

    static QMap<QString, CFileDownloader *> s_works;
    static int s_httpsFailures;
    static int s_transferTimeoutMs;
};
