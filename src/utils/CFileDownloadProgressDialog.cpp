#include "utils/CFileDownloadProgressDialog.h"

#include "utils/CFileDownloader.h"
#include "utils/CLog.h"
#include "utils/FileUtils.h"
#include "utils/TextMetrics.h"

#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>

CFileDownloadProgressDialog::CFileDownloadProgressDialog(QWidget *parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Tool)
{
    const int u = getTextSize(9, QString(), QString()).width();

    m_pProgressBar = new QProgressBar(this);
    m_pProgressBar->setRange(0, 100);
    const int barHeight = m_pProgressBar->height();
    resize(20 * u, 2 * barHeight);
    m_pProgressBar->resize(16 * u, barHeight / 2);
    m_pProgressBar->move((width() - m_pProgressBar->width()) / 2, (height() - m_pProgressBar->height()) / 2 + u);

    m_pTitleLabel = new QLabel(this);
    m_pTitleLabel->move(u / 2, 0);
    m_pTitleLabel->setFont(QFont(QStringLiteral("Microsoft YaHei"), 10));
    m_pTitleLabel->resize(width() - 2 * m_pTitleLabel->x(), m_pTitleLabel->height());
}

void CFileDownloadProgressDialog::startDownloader(const QString &fileUrl)
{
    if (m_pCurrentDownloader)
        m_pCurrentDownloader->disconnect(this);
    CFileDownloader *downloader = CFileDownloader::getDownloaderWork(fileUrl);
    m_pCurrentDownloader = downloader;
    downloader->setReportProgress(true);
    connect(downloader, &CFileDownloader::filedownloader_downloaded_signal, this,
            &CFileDownloadProgressDialog::filedownloader_downloaded_slot);
    connect(downloader, &CFileDownloader::filedownloader_download_progress_signal, this,
            &CFileDownloadProgressDialog::filedownloader_download_progress_slot);
    downloader->download(true);
}

void CFileDownloadProgressDialog::downloadUrl(const QString &fileUrl, const QString &title)
{
    show();
    m_key = fileUrl;
    m_pTitleLabel->setText(title);
    startDownloader(fileUrl);
}

void CFileDownloadProgressDialog::downloadUrls(const QStringList &fileUrls, const QString &key, const QString &title)
{
    if (!m_urls.isEmpty()) {
        CLog::error(QStringLiteral("last file urls uncompleted"),
                    QStringLiteral("%1 ").arg(QStringLiteral("CFileDownloadProgressDialog::downloadUrls")));
        return;
    }
    m_key = key;
    m_urls = fileUrls;
    m_pTitleLabel->setText(title);
    show();
    downloadUrlAt(0);
}

void CFileDownloadProgressDialog::downloadUrlAt(int index)
{
    // A download that ends before download() returns asks for the next step
    // from inside this loop; the loop takes it instead of recursing.
    if (m_stepping) {
        m_stepPending = true;
        m_index = index;
        return;
    }
    m_stepping = true;
    for (;;) {
        const int count = m_urls.size();
        if (index >= count) {
            m_stepping = false;
            finishList();
            return;
        }
        m_index = index;
        if (!CFileDownloader::getDownloadedFile(m_urls.at(index)).isEmpty()) {
            m_pProgressBar->setValue(int(qint64(index + 1) * 100 / count));
            ++index;
            continue;
        }
        m_stepPending = false;
        startDownloader(m_urls.at(index));
        if (!m_stepPending)
            break;
        index = m_index;
    }
    m_stepping = false;
}

void CFileDownloadProgressDialog::finishList()
{
    close();
    const QString key = m_key;
    m_urls.clear();
    m_index = 0;
    emit filedownloader_downloaded_signal(key);
}

void CFileDownloadProgressDialog::filedownloader_downloaded_slot(QString fileUrl)
{
    // Only the downloader of the file in progress moves things on.
    if (sender() && sender() != m_pCurrentDownloader.data())
        return;
    m_pCurrentDownloader = nullptr;
    if (!m_urls.isEmpty()) {
        if (m_signalEachFile)
            emit filedownloader_downloaded_signal(fileUrl);
        downloadUrlAt(m_index + 1);
        return;
    }
    m_pProgressBar->setValue(100);
    CLog::debug(QStringLiteral("get download path %1").arg(CFileDownloader::getDownloadedFile(fileUrl)),
                QStringLiteral("%1 ").arg(QStringLiteral("CFileDownloadProgressDialog::filedownloader_downloaded_slot")));
    close();
    emit filedownloader_downloaded_signal(fileUrl);
}

void CFileDownloadProgressDialog::filedownloader_download_progress_slot(qlonglong bytesReceived, qlonglong bytesTotal)
{
    if (bytesTotal <= 0 || !m_pProgressBar)
        return;
    if (!m_urls.isEmpty()) {
        const qint64 count = m_urls.size();
        m_pProgressBar->setValue(int((bytesReceived + bytesTotal * m_index) * 100 / (bytesTotal * count)));
    } else {
        m_pProgressBar->setValue(int(bytesReceived * 100 / bytesTotal));
    }
}

void CFileDownloadProgressDialog::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressPoint = event->pos();
        m_dragging = true;
    }
    QDialog::mousePressEvent(event);
}

void CFileDownloadProgressDialog::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging)
        move(event->globalPos() - m_pressPoint);
    QDialog::mouseMoveEvent(event);
}

void CFileDownloadProgressDialog::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_dragging = false;
    QDialog::mouseReleaseEvent(event);
}
