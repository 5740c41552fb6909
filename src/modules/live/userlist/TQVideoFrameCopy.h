#pragma once

#include <cstring>
#include <vector>

// The last I420 frame a video widget received, kept in its own buffer: the
// SDK's planes live only for the delivery call. Frame is either SDK's
// VideoFrame (both have the same shape); frame() points into the copy.
template <class Frame>
class TQVideoFrameCopy
{
public:
    static bool isEmpty(const Frame &frame) { return frame.width <= 0 || frame.height <= 0; }

    // 0 when copied; -1 (and the old copy kept) for a frame without planes
    // or with rows shorter than its width.
    int copyFrom(const Frame &frame)
    {
        if (isEmpty(frame) || !frame.yBuffer || !frame.uBuffer || !frame.vBuffer)
            return -1;
        const int chromaWidth = (frame.width + 1) / 2;
        if (frame.yStride < frame.width || frame.uStride < chromaWidth || frame.vStride < chromaWidth)
            return -1;
        const int chromaRows = (frame.height + 1) / 2;
        const size_t ySize = size_t(frame.yStride) * size_t(frame.height);
        const size_t uSize = size_t(frame.uStride) * size_t(chromaRows);
        const size_t vSize = size_t(frame.vStride) * size_t(chromaRows);
        m_bytes.resize(ySize + uSize + vSize);
        unsigned char *y = m_bytes.data();
        std::memcpy(y, frame.yBuffer, ySize);
        std::memcpy(y + ySize, frame.uBuffer, uSize);
        std::memcpy(y + ySize + uSize, frame.vBuffer, vSize);
        m_frame = frame;
        m_frame.yBuffer = y;
        m_frame.uBuffer = y + ySize;
        m_frame.vBuffer = y + ySize + uSize;
        return 0;
    }

    void release()
    {
        m_frame = Frame();
        m_bytes.clear();
        m_bytes.shrink_to_fit();
    }

    bool isEmpty() const { return isEmpty(m_frame); }
    const Frame &frame() const { return m_frame; }

private:
    std::vector<unsigned char> m_bytes;
    Frame m_frame;
};
