#pragma once

#include <QtGlobal>

// One camera or screen frame pushed to the media engine, laid out like the
// SDKs' own external frame. The engine that receives the record owns and
// deletes it; the pixel buffer stays the producer's.
struct ExternalVideoFrame
{
    enum VideoBufferType { VIDEO_BUFFER_RAW_DATA = 1 };
    enum VideoPixelFormat { VIDEO_PIXEL_UNKNOWN = 0, VIDEO_PIXEL_I420 = 1, VIDEO_PIXEL_BGRA = 2 };

    int type = VIDEO_BUFFER_RAW_DATA;
    int format = VIDEO_PIXEL_BGRA;
    void *buffer = nullptr;
    int stride = 0; // pixels
    int height = 0;
    int cropLeft = 0;
    int cropTop = 0;
    int cropRight = 0;
    int cropBottom = 0;
    int rotation = 0;
    qint64 timestamp = 0; // ms
};
