#pragma once

#include <QtGlobal>

// One PCM frame of the audio queue. data is a malloc'd buffer; whoever takes
// the frame off the queue frees it.
struct TQFrameData
{
    char *data = nullptr;
    int size = 0;
    qint64 timestamp = 0;
};
