#pragma once

#include <vector>

// An I420 frame of either SDK's frame type whose top-left quadrant is white
// and the rest black (limited range). Rows are padded to their strides with
// bytes that would show as stripes (luma) or colour (chroma) if drawn.
template <class Frame>
struct I420Quadrant
{
    I420Quadrant(int w, int h, int yPad = 0, int uvPad = 0)
        : yStride(w + yPad), uvStride(w / 2 + uvPad)
        , y(size_t(yStride * h), 255), u(size_t(uvStride * (h / 2)), 0), v(u.size(), 0)
    {
        for (int row = 0; row < h; ++row)
            for (int col = 0; col < w; ++col)
                y[size_t(row * yStride + col)] = row < h / 2 && col < w / 2 ? 235 : 16;
        for (int row = 0; row < h / 2; ++row)
            for (int col = 0; col < w / 2; ++col)
                u[size_t(row * uvStride + col)] = v[size_t(row * uvStride + col)] = 128;
        frame.width = w;
        frame.height = h;
        frame.yBuffer = y.data();
        frame.uBuffer = u.data();
        frame.vBuffer = v.data();
        frame.yStride = yStride;
        frame.uStride = frame.vStride = uvStride;
    }
    int yStride, uvStride;
    std::vector<unsigned char> y, u, v;
    Frame frame;
};
