#include "utils/CLog.h"

#include "utils/FileUtils.h"
#include "utils/TimeUtils.h"
#include "utils/Utf8Cut.h"

#include <QDebug>
#include <QFile>
#include <QLocale>
#include <QMutex>
#include <QMutexLocker>

#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <memory>

namespace {

const char *const kLevelTags[] = {"[DEBUG] ", "[LOG] ", "[ERROR] "};

const char *levelTag(int level)
{
    return (level >= 0 && level <= 2) ? kLevelTags[level] : kLevelTags[0];
}

// Function-local statics: the state exists before main() and is independent
// of the order in which translation units are initialised.
QMutex &logMutex()
{
    static QMutex mutex;
    return mutex;
}

std::atomic<int> &logCounter()
{
    static std::atomic<int> counter{0};
    return counter;
}

QString &currentPathStorage()
{
    static QString path = CLog::generateDefaultLogPath(QStringLiteral("0"));
    return path;
}

QString stampNow()
{
    static const QLocale chinese(QLocale::Chinese, QLocale::AnyCountry);
    return chinese.toString(currentDateTime(), QStringLiteral("[yyyy-MM-dd hh:mm:ss.zzz] "));
}

// Fix the first log file while the program loads, as the rest of the system expects.
[[maybe_unused]] const bool kLogReadyAtLoad = (CLog::currentLogPath(), true);

} // namespace

QString CLog::generateDefaultLogPath(const QString &tag)
{
    const int counter = ++logCounter();
    const QString name = QStringLiteral("%1_%2_%3_%4.log")
                             .arg(QStringLiteral("VeltroLecture_Windows"), tag,
                                  currentDateTime().toString(QStringLiteral("yyyy_MM_dd_hh_mm_dd")))
                             .arg(counter);
    const QString path = FileUtils::getLogDir() + QLatin1Char('/') + name;
    qDebug().noquote() << "get default log path " + path;
    return path;
}

QString CLog::currentLogPath()
{
    QMutexLocker lock(&logMutex());
    return currentPathStorage();
}

void CLog::resetLogFile()
{
    // Built outside the lock: generating a path logs nothing to the file, but
    // it touches the file system.
    const QString next = generateDefaultLogPath(QStringLiteral("0"));
    QMutexLocker lock(&logMutex());
    currentPathStorage() = next;
}

void CLog::writeLogFile(const QString &message, const QString &tag, int level, const QString &path)
{
    QByteArray line = stampNow().toUtf8();
    line += tag.toUtf8();
    line += levelTag(level);
    line += message.toUtf8();
    line += "\r\n";

    QMutexLocker lock(&logMutex());
    QFile file(path.isEmpty() ? currentPathStorage() : path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return;
    file.write(line);
    file.close();
}

void CLog::outputLog(const QString &message, const QString &tag, int level)
{
    const QString line = stampNow() + QLatin1String(levelTag(level)) + tag + message;
    if (level != LEVEL_DEBUG) {
        qWarning("%s", line.toUtf8().constData());
        return;
    }
    if (line.size() < kConsoleChunk) {
        qDebug("%s", line.toUtf8().constData());
        return;
    }
    for (int pos = 0; pos < line.size(); pos += kConsoleChunk)
        qDebug("%s", line.mid(pos, kConsoleChunk).toUtf8().constData());
}

void CLog::debug(const QString &message, const QString &tag, const QString &path)
{
    writeLogFile(message, tag, LEVEL_DEBUG, path);
    outputLog(message, tag, LEVEL_DEBUG);
}

void CLog::log(const QString &message, const QString &tag, const QString &path)
{
    writeLogFile(message, tag, LEVEL_LOG, path);
    outputLog(message, tag, LEVEL_LOG);
}

void CLog::error(const QString &message, const QString &tag, const QString &path)
{
    writeLogFile(message, tag, LEVEL_ERROR, path);
    outputLog(message, tag, LEVEL_ERROR);
}

void CLog::print(const QString &message)
{
    debug(message);
}

void CLog::printf(const char *format, ...)
{
    // A buffer per call: two threads formatting at once never share bytes.
    std::unique_ptr<char[]> buffer(new char[kPrintfBufferSize]);
    va_list args;
    va_start(args, format);
    const int needed = std::vsnprintf(buffer.get(), kPrintfBufferSize, format, args);
    va_end(args);
    if (needed < 0)
        return;
    int length = qMin(needed, kPrintfBufferSize - 1);
    if (needed >= kPrintfBufferSize)
        length = utf8BoundaryBefore(buffer.get(), length);
    print(QString::fromUtf8(buffer.get(), length));
}
