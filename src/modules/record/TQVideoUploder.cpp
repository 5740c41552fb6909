#include "modules/record/TQVideoUploder.h"

#include "common/CommonService.h"
#include "common/uploadfile/TQUploadVideoService.h"
#include "utils/CLog.h"
#include "utils/FileUtils.h"
#include "utils/TimeUtils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace {

const char *const kTopic = "[VideoRecord]";
constexpr qint64 kMinVideoBytes = 2048;
constexpr qint64 kCacheKeepSecs = 30 * 24 * 3600;

// The values a recording's name carries: "<user>_<course>_<schedule>_<start ms>.mp4".
// Unreadable numbers are 0.
struct RecordName
{
    bool valid = false; // at least four parts
    long courseID = 0;
    long courseScheduleID = 0;
    qint64 startMillis = 0;

    RecordName() = default;
    explicit RecordName(const QString &name)
    {
        const QStringList parts = name.split(QLatin1Char('_'));
        if (parts.size() < 4)
            return;
        valid = true;
        courseID = parts.at(1).toInt();
        courseScheduleID = parts.at(2).toInt();
        startMillis = parts.at(3).section(QLatin1Char('.'), 0, 0).toLongLong();
    }
};

// Every entry of a folder but "." and "..", in the folder's default order.
QStringList folderEntries(const QString &dir)
{
    QStringList names = QDir(dir).entryList();
    names.removeAll(QStringLiteral("."));
    names.removeAll(QStringLiteral(".."));
    return names;
}

QByteArray utf8(const QString &text)
{
    return text.toUtf8();
}

} // namespace

TQVideoUploder *TQVideoUploder::instance()
{
    static TQVideoUploder uploader;
    return &uploader;
}

TQVideoUploder::TQVideoUploder()
{
    createService();
}

TQVideoUploder::~TQVideoUploder() = default;

void TQVideoUploder::createService()
{
    m_pCommonService = std::make_unique<CommonService>();
    m_pUploadVideoService = std::make_unique<TQUploadVideoService>(m_pCommonService.get());
    connect(m_pUploadVideoService.get(), &TQUploadVideoService::uploadClassVideoSuccess_signal, this,
            &TQVideoUploder::onVideoUploadSuccess);
    connect(m_pUploadVideoService.get(), &TQUploadVideoService::uploadClassVideoFailed_signal, this,
            &TQVideoUploder::onVideoUploadFailed);
}

void TQVideoUploder::release()
{
    // The service goes first: it keeps a pointer to the request group.
    if (m_pUploadVideoService)
        m_pUploadVideoService->disconnect();
    m_pUploadVideoService.reset();
    m_pCommonService.reset();
    // Its result can no longer arrive; the file is still in "/record" for a later scan.
    m_inFlightPath.clear();
}

void TQVideoUploder::checkUploadVideo(qint64 after)
{
    const QString recordDir = FileUtils::getRecordDir();
    // A rejected file is set aside and the scan goes on with the next newer one.
    for (;;) {
        QString path;
        RecordName found;
        for (const QString &name : folderEntries(recordDir)) {
            const RecordName record(name);
            if (!record.valid) {
                CLog::printf("%s:TQVideoUploder::checkUploadVideo get error file %s in RecordDir", kTopic,
                             utf8(name).constData());
                continue;
            }
            if (record.startMillis > after && (path.isEmpty() || record.startMillis < found.startMillis)) {
                found = record;
                path = recordDir + QLatin1Char('/') + name;
            }
        }

        if (path.isEmpty()) {
            CLog::printf("%s:TQVideoUploder::checkUploadVideo() upload done", kTopic);
            checkClearCache();
            return;
        }
        if (path == m_inFlightPath) {
            // Its result goes on with the scan.
            CLog::printf("%s:TQVideoUploder::checkUploadVideo() %s is uploading", kTopic, utf8(path).constData());
            return;
        }

        if (isVideoValid(path) && found.startMillis > 0 && found.courseID > 0 && found.courseScheduleID > 0) {
            CLog::printf("%s:TQVideoUploder::checkUploadVideo() upload file is:%s courseId=%d courseScheduleId=%d "
                         "sketchNum=%lld",
                         kTopic, utf8(path).constData(), int(found.courseID), int(found.courseScheduleID),
                         static_cast<long long>(found.startMillis));
            if (!m_pUploadVideoService)
                createService();
            m_inFlightPath = path;
            m_pUploadVideoService->uploadClassVideo(path, found.courseID, found.courseScheduleID, found.startMillis);
            return;
        }

        const QString tag = QStringLiteral("%1 ").arg(QStringLiteral("TQVideoUploder::checkUploadVideo"));
        const QString topic = QLatin1String(kTopic);
        const QString target = FileUtils::getRecordTempDir() + QLatin1Char('/') + QFileInfo(path).fileName();
        if (QFileInfo::exists(target)) {
            // Makes room; the rejected file moves at a later scan.
            QFile existing(target);
            if (existing.remove())
                CLog::error(QStringLiteral("%1 exists %2 remove ok").arg(topic, target), tag);
            else
                CLog::error(QStringLiteral("%1 exists %2 remove %3 error video fail")
                                .arg(topic, target, existing.errorString()),
                            tag);
        } else if (QFile::rename(path, target)) {
            CLog::error(QStringLiteral("%1 rename %2=>%3 ok").arg(topic, path, target), tag);
        } else {
            CLog::error(QStringLiteral("%1 rename %2=>%3 error video fail").arg(topic, path, target), tag);
        }

        if (found.startMillis <= 0)
            return;
        after = found.startMillis;
    }
}

bool TQVideoUploder::isVideoValid(const QString &path)
{
    if (path.isEmpty() || path.endsWith(QLatin1String("/.")) || path.endsWith(QLatin1String("/..")))
        return false;
    const QFileInfo info(path);
    if (!info.exists()) {
        CLog::printf("%s:TQVideoUploder::isVideoValid() video=%s not exists", kTopic, utf8(path).constData());
        return false;
    }
    return info.isFile() && info.size() >= kMinVideoBytes;
}

void TQVideoUploder::checkClearCache()
{
    const QString cacheDir = FileUtils::getRecordCacheDir();
    const qint64 now = currentTimeMillis();
    for (const QString &name : folderEntries(cacheDir)) {
        const RecordName record(name);
        if (!record.valid) {
            CLog::printf("%s:TQVideoUploder::checkClearCache() get error file %s in RecordCacheDi", kTopic,
                         utf8(name).constData());
            continue;
        }
        if ((now - record.startMillis) / 1000 > kCacheKeepSecs)
            QFile::remove(cacheDir + QLatin1Char('/') + name);
    }
}

void TQVideoUploder::onVideoUploadSuccess(QJsonObject &result, QString filePath, long courseID,
                                          long courseScheduleID, qlonglong sketchNum)
{
    Q_UNUSED(result)
    CLog::printf("%s:TQVideoUploder::onVideoUploadSuccess() %s %d %d %lld", kTopic, utf8(filePath).constData(),
                 int(courseID), int(courseScheduleID), static_cast<long long>(sketchNum));
    finishUpload(filePath, courseID, courseScheduleID, sketchNum);
}

void TQVideoUploder::onVideoUploadFailed(Failure &f, QString filePath, long courseID, long courseScheduleID,
                                         qlonglong sketchNum)
{
    // A failed upload is not retried: the file goes to the cache like an uploaded one.
    Q_UNUSED(f)
    CLog::printf("%s:TQVideoUploder::onVideoUploadFailed() %s %d %d %lld", kTopic, utf8(filePath).constData(),
                 int(courseID), int(courseScheduleID), static_cast<long long>(sketchNum));
    finishUpload(filePath, courseID, courseScheduleID, sketchNum);
}

void TQVideoUploder::finishUpload(const QString &filePath, long courseID, long courseScheduleID,
                                  qlonglong sketchNum)
{
    Q_UNUSED(courseID)
    Q_UNUSED(courseScheduleID)
    if (filePath == m_inFlightPath)
        m_inFlightPath.clear();
    const QString target = FileUtils::getRecordCacheDir() + QLatin1Char('/') + QFileInfo(filePath).fileName();
    if (!QFile::rename(filePath, target))
        QFile::rename(filePath, target + QStringLiteral(".cache") + QString::number(currentTimeMillis()));
    checkUploadVideo(sketchNum);
}
