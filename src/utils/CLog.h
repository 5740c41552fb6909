#pragma once

#include <QString>

// The one log of the process. Every call writes one line, synchronously, to
// the current log file in the data folder's "/xlog" and a copy to Qt's message
// output. Callable from any thread.
class CLog
{
public:
    enum LOG_LEVEL { LEVEL_DEBUG = 0, LEVEL_LOG = 1, LEVEL_ERROR = 2 };

    // Size of the printf formatting buffer, including the terminating zero.
    static constexpr int kPrintfBufferSize = 40960;
    // Debug console lines of this many characters or more are cut into pieces.
    static constexpr int kConsoleChunk = 2048;

    static void debug(const QString &message, const QString &tag = QString(), const QString &path = QString());
    static void log(const QString &message, const QString &tag = QString(), const QString &path = QString());
    static void error(const QString &message, const QString &tag = QString(), const QString &path = QString());
    static void print(const QString &message);
    static void printf(const char *format, ...) __attribute__((format(printf, 1, 2)));

    static QString generateDefaultLogPath(const QString &tag);
    static void resetLogFile();
    // The file that lines without an explicit path go to.
    static QString currentLogPath();

    static void writeLogFile(const QString &message, const QString &tag, int level, const QString &path);
    static void outputLog(const QString &message, const QString &tag, int level);

private:
    CLog() = delete;
};
