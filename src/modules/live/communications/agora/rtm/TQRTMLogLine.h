#pragma once

#include "utils/CLog.h"

#include <QString>

// One log line of a message channel or its listeners, as data, so that the
// two SDKs' channels share their code and differ only in their texts. The
// text takes its values as %1, %2, ...
struct TQRTMLogLine
{
    enum Kind { Print, Debug, Log, Error };
    Kind kind;
    const char *text;

    // Print lines carry no tag; the others are tagged with `tag`.
    template <typename... Args>
    void write(const QString &tag, const Args &...args) const
    {
        QString message = QString::fromUtf8(text);
        (void)std::initializer_list<int>{(message = message.arg(args), 0)...};
        switch (kind) {
        case Print:
            CLog::print(message);
            break;
        case Debug:
            CLog::debug(message, tag);
            break;
        case Log:
            CLog::log(message, tag);
            break;
        case Error:
            CLog::error(message, tag);
            break;
        }
    }
};
