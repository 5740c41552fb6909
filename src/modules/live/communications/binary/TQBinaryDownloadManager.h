#pragma once

#include "modules/live/communications/binary/TQMaterialPageDownloadTask.h"
#include "modules/live/draws/TQBroadCastDrawDataSourceInterface.h"
#include "modules/live/draws/TQDrawBackgroundDownloader.h"

#include <QString>

#include <map>
#include <utility>

// Brings course pages and other files into the download cache through the
// file downloader and says when one is there
// (bdManager_handleBinaryDownloaded_signal, inherited). Pages of the current
// course are fetched one at a time, the page asked for and the next one
// first, then page 0 of every material, then the rest of the current
// material, then everything else. Other files are fetched on request.
// GUI thread only.
class TQBinaryDownloadManager : public TQDrawBackgroundDownloader,
                                public TQBroadCastDrawDataSourceInterface::BinaryDownloadManager
{
    Q_OBJECT

public:
    // Downloads of one URL asked for again by redownloadUrl, at most.
    static constexpr int kMaxRedownloads = 5;

    explicit TQBinaryDownloadManager(QObject *parent = nullptr);
    ~TQBinaryDownloadManager() override;

    // Builds the page tasks of the current course's materials (reset: from
    // scratch). Starts nothing.
    void initMaterialDownloadTasks(bool reset);
    // A page of the current course: true when its file is at hand, false
    // when it was requested (the signal follows). Any other URL: true when
    // the request was taken, false for a URL that is too short or no web URL.
    bool downloadUrl(const QString &url) override;
    // Removes the cached file and downloads it again, at most five times
    // per URL in the manager's life; false when refused.
    bool redownloadUrl(const QString &url) override;
    // A file is at the URL's cache path (of `expectedSize` bytes unless 0).
    bool fileAlreadyDownloaded(int expectedSize, const QString &url);

    // The task of a page; null when there is none.
    const TQMaterialPageDownloadTask *taskOf(qint64 materialId, int pageIndex) const;
    int taskCount() const { return int(tasks.size()); }

public slots:
    void bdManager_downloaded_slot(QString fileUrl);
    void bdManager_materialpage_downloaded_slot(QString fileUrl);

protected:
    // Starts the file downloader on `url`; its end reaches the page slot
    // (pageFile) or the other one.
    virtual void fetchFile(const QString &url, bool pageFile);

private:
    using TaskKey = std::pair<qint64, int>;

    bool downloadMaterialPage(qint64 materialId, int page);
    bool downloadAdHocBinaryFile(const QString &url);
    void startNextDownload();
    TQMaterialPageDownloadTask *pickNextTask();
    static bool isTaskDownloadable(const TQMaterialPageDownloadTask &task);
    void startDownload(TQMaterialPageDownloadTask &task);
    // The page count of a material of the current course; 0 when unknown.
    static int pageCountOf(qint64 materialId);

    int downloadSessionId = 1000;
    qint64 currentMaterialId = 0;
    int currentPage = 0;
    std::map<QString, int> redownloadCounts;
    std::map<TaskKey, TQMaterialPageDownloadTask> tasks;
};
