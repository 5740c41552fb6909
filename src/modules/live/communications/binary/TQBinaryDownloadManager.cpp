#include "modules/live/communications/binary/TQBinaryDownloadManager.h"

#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/MaterialDetailBean.h"
#include "modules/live/bean/TQDataModelBean.h"
#include "utils/CFileDownloader.h"
#include "utils/CLog.h"
#include "utils/FileUtils.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

QString tag(const char *operation)
{
    return QStringLiteral("TQBinaryDownloadManager::%1 ").arg(QLatin1String(operation));
}

QByteArray utf8(const QString &text)
{
    return text.toUtf8();
}

} // namespace

TQBinaryDownloadManager::TQBinaryDownloadManager(QObject *parent)
    : TQDrawBackgroundDownloader(parent)
{
}

TQBinaryDownloadManager::~TQBinaryDownloadManager() = default;

void TQBinaryDownloadManager::initMaterialDownloadTasks(bool reset)
{
    if (reset)
        tasks.clear();
    const CourseDetailBean *course = TQDataModelBean::m_pOngoingCourse;
    if (!course || course->course_materials.isEmpty())
        return;
    for (const MaterialDetailBean *material : course->course_materials) {
        if (material->mFileItems.empty())
            break;
        int index = 0;
        for (const FileBean &page : material->mFileItems) {
            const TaskKey key(material->materialId, index);
            if (!tasks.count(key)) {
                TQMaterialPageDownloadTask task;
                task.materialId = material->materialId;
                task.pageIndex = index;
                task.url = QString::fromStdString(page.fileUrl);
                task.state = fileAlreadyDownloaded(0, task.url) ? TQMaterialPageDownloadTask::kDownloaded
                                                                 : TQMaterialPageDownloadTask::kWaiting;
                for (const FileBaseBean &extra : page.materialPageExtras)
                    task.extraUrls.push_back(QString::fromStdString(extra.fileUrl));
                tasks.emplace(key, std::move(task));
            }
            ++index;
        }
    }
}

bool TQBinaryDownloadManager::fileAlreadyDownloaded(int expectedSize, const QString &url)
{
    if (url.isEmpty())
        return false;
    const QFileInfo local(FileUtils::getResourceFileFromUrl(url));
    if (!local.isFile())
        return false;
    if (expectedSize > 0 && local.size() != expectedSize) {
        CLog::printf("TQBinaryDownloadManager::fileAlreadyDownloaded: file size difference %d in local, expect %d.",
                     int(local.size()), expectedSize);
        return false;
    }
    return true;
}

bool TQBinaryDownloadManager::downloadUrl(const QString &url)
{
    if (url.size() < 2)
        return false;
    const CourseDetailBean *course = TQDataModelBean::m_pOngoingCourse;
    const std::pair<qint64, int> page = course ? course->findMaterialPageByUrl(url) : std::pair<qint64, int>(-1, -1);
    if (page.first == -1 && page.second == -1)
        return downloadAdHocBinaryFile(url);
    return downloadMaterialPage(page.first, page.second);
}

bool TQBinaryDownloadManager::downloadMaterialPage(qint64 materialId, int page)
{
    currentMaterialId = materialId;
    currentPage = page;
    const TaskKey key(materialId, page);
    auto it = tasks.find(key);
    if (it == tasks.end()) {
        initMaterialDownloadTasks(false);
        it = tasks.find(key);
    }
    const bool result = it != tasks.end() && it->second.state == TQMaterialPageDownloadTask::kDownloaded;
    if (!result) {
        // Asked for again: a page whose last download failed may go again.
        if (it != tasks.end() && it->second.state == TQMaterialPageDownloadTask::kFailed)
            it->second.state = TQMaterialPageDownloadTask::kWaiting;
        startNextDownload();
    }
    return result;
}

void TQBinaryDownloadManager::startNextDownload()
{
    // One page at a time: the running one starts the next when it ends.
    const bool running = std::any_of(tasks.begin(), tasks.end(), [](const auto &entry) {
        return entry.second.state == TQMaterialPageDownloadTask::kDownloading;
    });
    if (running)
        return;
    if (TQMaterialPageDownloadTask *task = pickNextTask())
        startDownload(*task);
}

bool TQBinaryDownloadManager::isTaskDownloadable(const TQMaterialPageDownloadTask &task)
{
    return task.state == TQMaterialPageDownloadTask::kWaiting;
}

int TQBinaryDownloadManager::pageCountOf(qint64 materialId)
{
    const CourseDetailBean *course = TQDataModelBean::m_pOngoingCourse;
    if (!course)
        return 0;
    for (const MaterialDetailBean *material : course->course_materials) {
        if (material->materialId == materialId)
            return int(material->mFileItems.size());
    }
    return 0;
}

TQMaterialPageDownloadTask *TQBinaryDownloadManager::pickNextTask()
{
    auto downloadable = [this](qint64 materialId, int page) -> TQMaterialPageDownloadTask * {
        const auto it = tasks.find(TaskKey(materialId, page));
        return it != tasks.end() && isTaskDownloadable(it->second) ? &it->second : nullptr;
    };
    // The page shown and the one after it.
    for (int page : {currentPage, currentPage + 1}) {
        if (TQMaterialPageDownloadTask *task = downloadable(currentMaterialId, page))
            return task;
    }
    // The first page of every material.
    for (auto &entry : tasks) {
        if (entry.first.second == 0 && isTaskDownloadable(entry.second))
            return &entry.second;
    }
    // The rest of the current material, onwards, then from its start.
    const int count = pageCountOf(currentMaterialId);
    for (int page = currentPage; page < count; ++page) {
        if (TQMaterialPageDownloadTask *task = downloadable(currentMaterialId, page))
            return task;
    }
    for (int page = 0; page <= currentPage; ++page) {
        if (TQMaterialPageDownloadTask *task = downloadable(currentMaterialId, page))
            return task;
    }
    // Everything else.
    for (auto &entry : tasks) {
        if (entry.first.second > 0 && isTaskDownloadable(entry.second))
            return &entry.second;
    }
    return nullptr;
}

void TQBinaryDownloadManager::startDownload(TQMaterialPageDownloadTask &task)
{
    CLog::printf("TQBinaryDownloadManager::startDownload materialId=%lld, pageNum=%d, url=%s",
                 static_cast<long long>(task.materialId), task.pageIndex, utf8(task.url).constData());
    if (task.url.isEmpty()) {
        CLog::error(QStringLiteral("url null, return"), tag("startDownload"));
        return;
    }
    task.state = TQMaterialPageDownloadTask::kDownloading;
    ++downloadSessionId;
    // Copies: the fetch may report at once, and the slot may touch the map.
    const QString url = task.url;
    const std::vector<QString> extras = task.extraUrls;
    fetchFile(url, true);
    for (const QString &extra : extras) {
        if (extra.isEmpty())
            continue;
        CLog::log(QStringLiteral("download page extra %1").arg(extra), tag("startDownload"));
        fetchFile(extra, false);
    }
}

void TQBinaryDownloadManager::fetchFile(const QString &url, bool pageFile)
{
    CFileDownloader *work = CFileDownloader::getDownloaderWork(url);
    if (pageFile) {
        connect(work, &CFileDownloader::filedownloader_downloaded_signal, this,
                &TQBinaryDownloadManager::bdManager_materialpage_downloaded_slot, Qt::UniqueConnection);
    } else {
        connect(work, &CFileDownloader::filedownloader_downloaded_signal, this,
                &TQBinaryDownloadManager::bdManager_downloaded_slot, Qt::UniqueConnection);
    }
    work->download(true);
}

void TQBinaryDownloadManager::bdManager_materialpage_downloaded_slot(QString fileUrl)
{
    CLog::printf("TQBinaryDownloadManager::bdManager_materialpage_downloaded_slot finished. mDownloadSessionId=%d, "
                 "url=%s",
                 downloadSessionId, utf8(fileUrl).constData());
    const CourseDetailBean *course = TQDataModelBean::m_pOngoingCourse;
    const std::pair<qint64, int> page = course ? course->findMaterialPageByUrl(fileUrl) : std::pair<qint64, int>(-1, -1);
    if (page.first >= 0 && page.second >= 0) {
        const auto it = tasks.find(page);
        if (it != tasks.end()) {
            // The downloader reports failures too: only a file counts.
            it->second.state = CFileDownloader::getDownloadedFile(fileUrl).isEmpty()
                ? TQMaterialPageDownloadTask::kFailed
                : TQMaterialPageDownloadTask::kDownloaded;
        }
    }
    startNextDownload();
    emit bdManager_handleBinaryDownloaded_signal(fileUrl);
}

bool TQBinaryDownloadManager::downloadAdHocBinaryFile(const QString &url)
{
    if (url.size() < 2 || !url.startsWith(QLatin1String("http"), Qt::CaseInsensitive))
        return false;
    if (!CFileDownloader::getDownloadedFile(url).isEmpty()) {
        emit bdManager_handleBinaryDownloaded_signal(url);
        return true;
    }
    CLog::printf("TQBinaryDownloadManager::downloadAdHocBinaryFile need to download %s", utf8(url).constData());
    fetchFile(url, false);
    return true;
}

void TQBinaryDownloadManager::bdManager_downloaded_slot(QString fileUrl)
{
    CLog::printf("TQBinaryDownloadManager::bdManager_downloaded_slot finished. url=%s", utf8(fileUrl).constData());
    emit bdManager_handleBinaryDownloaded_signal(fileUrl);
}

bool TQBinaryDownloadManager::redownloadUrl(const QString &url)
{
    const QString local = FileUtils::getResourceFileFromUrl(url);
    if (QFileInfo::exists(local) && !QFile::remove(local))
        CLog::error(QStringLiteral("remove %1 failed").arg(local), tag("redownloadUrl"));
    if (++redownloadCounts[url] > kMaxRedownloads) {
        CLog::error(QStringLiteral("redownload times too much"), tag("redownloadUrl"));
        return false;
    }
    // The page's file is gone: its task must not claim it any longer, or the
    // page would never be fetched again.
    const CourseDetailBean *course = TQDataModelBean::m_pOngoingCourse;
    const std::pair<qint64, int> page = course ? course->findMaterialPageByUrl(url) : std::pair<qint64, int>(-1, -1);
    const auto it = tasks.find(page);
    if (it != tasks.end() && it->second.state != TQMaterialPageDownloadTask::kDownloading)
        it->second.state = TQMaterialPageDownloadTask::kWaiting;
    return downloadUrl(url);
}

const TQMaterialPageDownloadTask *TQBinaryDownloadManager::taskOf(qint64 materialId, int pageIndex) const
{
    const auto it = tasks.find(TaskKey(materialId, pageIndex));
    return it == tasks.end() ? nullptr : &it->second;
}
