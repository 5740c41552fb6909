#pragma once

#include <QtGlobal>

#include <string>

// One extra copy of a short envelope, due on the media data stream.
struct TQResendEntry
{
    // Wall-clock ms at which the copy is to be sent.
    qint64 dueMs = 0;
    std::string message;
};
