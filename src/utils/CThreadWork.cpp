#include "utils/CThreadWork.h"

#include "common/uploadfile/UploadFileViewModel.h"
#include "platform/http/httpRequest.h"
#include "utils/CLog.h"
#include "utils/FileUtils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr int kItemsPerReport = 100;

const QDir::Filters kEntryFilter = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;

QString tag(const char *function)
{
    return QStringLiteral("%1 ").arg(QLatin1String(function));
}

QString canonical(const QString &path)
{
    const QString resolved = QFileInfo(path).canonicalFilePath();
    return resolved.isEmpty() ? QDir::cleanPath(QFileInfo(path).absoluteFilePath()) : resolved;
}

bool isStrictlyInside(const QString &path, const QString &root)
{
    return !root.isEmpty() && path.startsWith(root + QLatin1Char('/'));
}

// A real folder, not a link to one: links are never followed.
bool isRealDir(const QFileInfo &info)
{
    return info.isDir() && !info.isSymLink();
}

// Every entry of a folder, hidden ones included, by absolute path.
QStringList entriesOf(const QString &folder)
{
    QStringList entries;
    for (const QFileInfo &entry : QDir(folder).entryInfoList(kEntryFilter)) {
        if (entry.fileName() != QLatin1String(".") && entry.fileName() != QLatin1String(".."))
            entries.append(entry.absoluteFilePath());
    }
    return entries;
}

} // namespace

CThreadWork::CThreadWork() = default;

CThreadWork::~CThreadWork()
{
    // Destroying a running QThread aborts the process.
    requestInterruption();
    quit();
    wait();
    CLog::log(QStringLiteral("destructor"), tag("CThreadWork::~CThreadWork"));
}

void CThreadWork::setUploadViewModel(UploadFileViewModel *uploadViewModel)
{
    if (isRunning()) {
        CLog::error(QStringLiteral("a job is running"), tag("CThreadWork::setUploadViewModel"));
        return;
    }
    m_pUploadViewModel = uploadViewModel;
    m_mode = kPushLog;
}

void CThreadWork::calculateFloderSize(const QStringList &folders)
{
    if (isRunning()) {
        CLog::error(QStringLiteral("a job is running"), tag("CThreadWork::calculateFloderSize"));
        return;
    }
    m_sizeFolders = folders;
    keepRecordingFolders();
    m_mode = kFolderSize;
    start(QThread::InheritPriority);
}

void CThreadWork::removeFloders(const QStringList &folders)
{
    if (isRunning()) {
        CLog::error(QStringLiteral("a job is running"), tag("CThreadWork::removeFloders"));
        return;
    }
    m_removeFolders = folders;
    keepRecordingFolders();
    m_dataRoot = canonical(FileUtils::getAppDataDir());
    m_mode = kFolderRemoval;
    start(QThread::InheritPriority);
}

void CThreadWork::run()
{
    CLog::print(QStringLiteral("thread run"));
    m_count = 0;
    m_lastStep = 0;
    m_total = 0;
    switch (m_mode) {
    case kPushLog:
        pushLogs();
        break;
    case kFolderSize:
        sizeFolders();
        break;
    case kFolderRemoval:
        removeFolders();
        break;
    default:
        break;
    }
    CLog::print(QStringLiteral("thread done "));
}

void CThreadWork::pushLogs()
{
    if (!m_pUploadViewModel)
        return;
    const QList<httpRequest *> sent = m_pUploadViewModel->pushCourseLog();
    if (sent.isEmpty())
        return;
    // The requests answer through this thread's event loop and delete
    // themselves; the thread ends with the last of them.
    QObject guard;
    int pending = sent.size();
    for (httpRequest *request : sent) {
        connect(request, &QObject::destroyed, &guard, [this, &pending] {
            if (--pending == 0)
                quit();
        });
    }
    if (!isInterruptionRequested())
        exec();
}

bool CThreadWork::nextStepReached()
{
    if (m_count / kItemsPerReport <= m_lastStep)
        return false;
    m_lastStep = m_count / kItemsPerReport;
    return true;
}

bool CThreadWork::walkFolders(const QStringList &folders, QString *current, void (CThreadWork::*walk)(const QString &))
{
    for (const QString &folder : folders) {
        if (isInterruptionRequested())
            return false;
        *current = folder;
        (this->*walk)(folder);
    }
    return !isInterruptionRequested();
}

void CThreadWork::sizeFolders()
{
    if (walkFolders(m_sizeFolders, &m_sizingFolder, &CThreadWork::sizeWalk))
        emit calculateFloderSizeProgress_signal(m_sizingFolder, m_count, m_total, true);
}

void CThreadWork::sizeWalk(const QString &path)
{
    if (path.isEmpty() || isInterruptionRequested())
        return;
    const QFileInfo info(path);
    if (isRealDir(info)) {
        // What the removal keeps is not counted, so that a cleared cache
        // ends its count where the removal ends.
        if (waitsForUpload(path))
            return;
        for (const QString &entry : entriesOf(path))
            sizeWalk(entry);
    } else if (info.exists() || info.isSymLink()) {
        ++m_count;
        // A link's target is not part of the cache.
        if (!info.isSymLink())
            m_total += info.size();
    }
    if (nextStepReached())
        emit calculateFloderSizeProgress_signal(m_sizingFolder, m_count, m_total, false);
}

void CThreadWork::removeFolders()
{
    if (walkFolders(m_removeFolders, &m_removingFolder, &CThreadWork::removeWalk))
        emit removeFloderProgress_signal(m_removingFolder, m_count, true);
}

void CThreadWork::keepRecordingFolders()
{
    m_keptFolders = QStringList{canonical(FileUtils::getRecordDir()), canonical(FileUtils::getRecordingDir())};
}

bool CThreadWork::waitsForUpload(const QString &folder) const
{
    return m_keptFolders.contains(canonical(folder));
}

void CThreadWork::removeWalk(const QString &path)
{
    if (path.isEmpty() || isInterruptionRequested())
        return;
    const QFileInfo info(path);
    if (!isRealDir(info)) {
        if (!info.exists() && !info.isSymLink())
            return;
        ++m_count;
        if (!info.isSymLink() && !info.isWritable())
            QFile::setPermissions(path, QFileDevice::WriteOwner);
        if (!info.dir().remove(info.fileName()))
            CLog::error(QStringLiteral("remove %1 failed").arg(path), tag("CThreadWork::removeWalk"));
        return;
    }

    if (waitsForUpload(path)) {
        CLog::log(QStringLiteral("keep %1: recordings wait for upload").arg(path), tag("CThreadWork::removeWalk"));
        return;
    }
    // Entries of a read-only folder cannot be removed until it is writable.
    const QFileDevice::Permissions owner = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    if ((info.permissions() & owner) != owner)
        QFile::setPermissions(path, info.permissions() | owner);

    for (const QString &entry : entriesOf(path))
        removeWalk(entry);

    // The folder goes, and so do the parents it leaves empty, but never the
    // data folder itself nor anything outside it.
    QString current = canonical(path);
    if (QDir().rmdir(current)) {
        for (current = QFileInfo(current).path(); isStrictlyInside(current, m_dataRoot);
             current = QFileInfo(current).path()) {
            if (!QDir().rmdir(current))
                break;
        }
    }
    if (nextStepReached())
        emit removeFloderProgress_signal(m_removingFolder, m_count, false);
}
