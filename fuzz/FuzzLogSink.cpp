// The log as the fuzz target sees it: every call formats its line as the real
// log does (so format mistakes still show) and drops it.
#include "utils/CLog.h"

#include <cstdarg>
#include <cstdio>
#include <memory>

namespace {

void consume(const QString &message, const QString &tag)
{
    const QByteArray line = (tag + message).toUtf8();
    (void)line;
}

} // namespace

void CLog::debug(const QString &message, const QString &tag, const QString &)
{
    consume(message, tag);
}

void CLog::log(const QString &message, const QString &tag, const QString &)
{
    consume(message, tag);
}

void CLog::error(const QString &message, const QString &tag, const QString &)
{
    consume(message, tag);
}

void CLog::print(const QString &message)
{
    consume(message, QString());
}

void CLog::printf(const char *format, ...)
{
    std::unique_ptr<char[]> buffer(new char[kPrintfBufferSize]);
    va_list args;
    va_start(args, format);
    const int needed = std::vsnprintf(buffer.get(), kPrintfBufferSize, format, args);
    va_end(args);
    if (needed >= 0)
        print(QString::fromUtf8(buffer.get()));
}
