#pragma once

#include <QDialog>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QStringList>

class CFileDownloader;
class QLabel;
class QMouseEvent;
class QProgressBar;

// A small frameless window with a title and a progress bar that downloads
// one file, or a list of files one after the other, into the resource cache
// and then closes and signals. A failed or empty address does not stop it:
// the list moves on and the receiver asks the cache which files arrived.
// GUI thread; the owner deletes it; it can be reused once it has signalled.
class CFileDownloadProgressDialog : public QDialog
{
    Q_OBJECT

public:
    // Deleting the dialog during a download leaves the download running into the cache.
    explicit CFileDownloadProgressDialog(QWidget *parent = nullptr);

    // Single mode: signals the address when its download ended.
    void downloadUrl(const QString &fileUrl, const QString &title);
    // List mode: signals `key` when every address of the list was tried.
    // Refused while another list is pending.
    void downloadUrls(const QStringList &fileUrls, const QString &key, const QString &title);
    // Goes on with the list at `index`.
    void downloadUrlAt(int index);

signals:
    void filedownloader_downloaded_signal(QString fileUrl);

public slots:
    void filedownloader_downloaded_slot(QString fileUrl);
    void filedownloader_download_progress_slot(qlonglong bytesReceived, qlonglong bytesTotal);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void startDownloader(const QString &fileUrl);
    void finishList();

    QPoint m_pressPoint;
    bool m_dragging = false;
    bool m_signalEachFile = false;
    QLabel *m_pTitleLabel = nullptr;      // child
    QProgressBar *m_pProgressBar = nullptr; // child
    QString m_key;
    // The downloader deletes itself after its last signal.
    QPointer<CFileDownloader> m_pCurrentDownloader;
    QStringList m_urls;
    int m_index = 0;
    // Set while downloadUrlAt walks the list, so that a download that ends
    // at once does not recurse into it.
    bool m_stepping = false;
    bool m_stepPending = false;
};
