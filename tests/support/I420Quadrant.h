#pragma once

#include <vector>

// One colour in limited-range BT.601 YUV.
struct Yuv
{
    unsigned char y, u, v;
};

// An I420 frame of either SDK's frame type whose top-left quadrant has one
// colour (white unless given) and the rest another (black). Odd sizes get
// chroma for their last row and column. Rows are padded to their strides
// with bytes that would show as stripes (luma) or colour (chroma) if drawn.
template <class Frame>
struct I420Quadrant
{
    I420Quadrant(int w, int h, int yPad = 0, int uvPad = 0, Yuv inside = {235, 128, 128}, Yuv outside = {16, 128, 128})
        : yStride(w + yPad), uvStride((w + 1) / 2 + uvPad)
        , y(size_t(yStride * h), 255), u(size_t(uvStride * ((h + 1) / 2)), 0), v(u.size(), 0)
    {
        for (int row = 0; row < h; ++row)
            for (int col = 0; col < w; ++col)
                y[size_t(row * yStride + col)] = row < h / 2 && col < w / 2 ? inside.y : outside.y;
        for (int row = 0; row < (h + 1) / 2; ++row)
            for (int col = 0; col < (w + 1) / 2; ++col) {
                const Yuv &c = row < h / 4 && col < w / 4 ? inside : outside;
                u[size_t(row * uvStride + col)] = c.u;
                v[size_t(row * uvStride + col)] = c.v;
            }
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
