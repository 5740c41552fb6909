#include "utils/CLog.h"

#include "utils/FileUtils.h"
#include "utils/TimeUtils.h"
#include "utils/Utf8Cut.h"

#include <QDebug>
#include <QFile>
#include <QLocale>

#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <memory>
#include <mutex>
#include <string>

#include <fcntl.h>
#include <unistd.h>

namespace {

const char *const kLevelTags[] = {"[DEBUG] ", "[LOG] ", "[ERROR] "};

const char *levelTag(int level)
{
    return (level >= 0 && level <= 2) ? kLevelTags[level] : kLevelTags[0];
}

// Function-local statics: the state exists before main() and is independent
// of the order in which translation units are initialised.
// A standard mutex rather than QMutex, so that thread checkers see the lock.
std::mutex &logMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::atomic<int> &logCounter()
{
    static std::atomic<int> counter{0};
    return counter;
}

// The current file's path, and the same encoded for the file system so that
// a line needs no conversion. Guarded by the log mutex.
struct CurrentPath
{
    void set(const QString &next)
    {
        path = next;
        encoded = QFile::encodeName(next);
    }
    QString path;
    QByteArray encoded;
};

CurrentPath &currentPathStorage()
{
    static CurrentPath current = [] {
        CurrentPath first;
        first.set(CLog::generateDefaultLogPath(QStringLiteral("0")));
        return first;
    }();
    return current;
}

// "[yyyy-MM-dd hh:mm:ss.zzz] " for now as the Chinese locale writes it, in
// UTF-8. Everything up to the seconds is formatted once per second and
// thread: formatting a local time made up most of a line's cost.
class Stamp
{
public:
    Stamp()
    {
        const qint64 millis = currentTimeMillis();
        qint64 second = millis / 1000;
        int milli = int(millis % 1000);
        if (milli < 0) {
            --second;
            milli += 1000;
        }
        thread_local qint64 cachedSecond = 0;
        thread_local char cachedPrefix[48];
        thread_local int cachedLength = -1;
        if (cachedLength < 0 || cachedSecond != second) {
            static const QLocale chinese(QLocale::Chinese, QLocale::AnyCountry);
            const QByteArray prefix =
                chinese.toString(QDateTime::fromMSecsSinceEpoch(second * 1000), QStringLiteral("[yyyy-MM-dd hh:mm:ss."))
                    .toUtf8();
            cachedLength = int(qMin<qint64>(prefix.size(), qint64(sizeof cachedPrefix)));
            std::memcpy(cachedPrefix, prefix.constData(), size_t(cachedLength));
            cachedSecond = second;
        }
        std::memcpy(m_text, cachedPrefix, size_t(cachedLength));
        char *at = m_text + cachedLength;
        *at++ = char('0' + milli / 100);
        *at++ = char('0' + milli / 10 % 10);
        *at++ = char('0' + milli % 10);
        *at++ = ']';
        *at++ = ' ';
        m_length = int(at - m_text);
    }

    const char *data() const { return m_text; }
    int size() const { return m_length; }
    QString toString() const { return QString::fromUtf8(m_text, m_length); }

private:
    char m_text[56];
    int m_length = 0;
};

// One open, one write and one close; no status checks of the file in between.
// A file that cannot be opened gets nothing.
void appendToFile(const char *path, const std::string &line)
{
    const int fd = ::open(path, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return;
    const char *data = line.data();
    size_t left = line.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        data += written;
        left -= size_t(written);
    }
    ::close(fd);
}

void appendUtf8(std::string &out, const QString &text)
{
    if (text.isEmpty())
        return;
    const QByteArray utf8 = text.toUtf8();
    out.append(utf8.constData(), size_t(utf8.size()));
}

void writeFileLine(const Stamp &stamp, const QString &message, const QString &tag, int level, const QString &path)
{
    // One buffer per thread, kept from line to line.
    thread_local std::string line;
    line.clear();
    line.append(stamp.data(), size_t(stamp.size()));
    appendUtf8(line, tag);
    line += levelTag(level);
    appendUtf8(line, message);
    line += "\r\n";

    const QByteArray explicitPath = path.isEmpty() ? QByteArray() : QFile::encodeName(path);
    const std::lock_guard<std::mutex> lock(logMutex());
    appendToFile(path.isEmpty() ? currentPathStorage().encoded.constData() : explicitPath.constData(), line);
}

void writeConsoleLine(const Stamp &stamp, const QString &message, const QString &tag, int level)
{
    const char *const levelText = levelTag(level);
    QString line;
    line.reserve(stamp.size() + int(std::strlen(levelText)) + tag.size() + message.size());
    line += stamp.toString();
    line += QLatin1String(levelText);
    line += tag;
    line += message;
    if (level != CLog::LEVEL_DEBUG) {
        qWarning("%s", line.toUtf8().constData());
        return;
    }
    if (line.size() < CLog::kConsoleChunk) {
        qDebug("%s", line.toUtf8().constData());
        return;
    }
    for (int pos = 0; pos < line.size(); pos += CLog::kConsoleChunk)
        qDebug("%s", line.mid(pos, CLog::kConsoleChunk).toUtf8().constData());
}

// The file line, then the console line, both with the same time.
void writeLine(const QString &message, const QString &tag, int level, const QString &path)
{
    const Stamp stamp;
    writeFileLine(stamp, message, tag, level, path);
    writeConsoleLine(stamp, message, tag, level);
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
    const std::lock_guard<std::mutex> lock(logMutex());
    return currentPathStorage().path;
}

void CLog::resetLogFile()
{
    // Built outside the lock: generating a path logs nothing to the file, but
    // it touches the file system.
    const QString next = generateDefaultLogPath(QStringLiteral("0"));
    const std::lock_guard<std::mutex> lock(logMutex());
    currentPathStorage().set(next);
}

void CLog::writeLogFile(const QString &message, const QString &tag, int level, const QString &path)
{
    writeFileLine(Stamp(), message, tag, level, path);
}

void CLog::outputLog(const QString &message, const QString &tag, int level)
{
    writeConsoleLine(Stamp(), message, tag, level);
}

void CLog::debug(const QString &message, const QString &tag, const QString &path)
{
    writeLine(message, tag, LEVEL_DEBUG, path);
}

void CLog::log(const QString &message, const QString &tag, const QString &path)
{
    writeLine(message, tag, LEVEL_LOG, path);
}

void CLog::error(const QString &message, const QString &tag, const QString &path)
{
    writeLine(message, tag, LEVEL_ERROR, path);
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
