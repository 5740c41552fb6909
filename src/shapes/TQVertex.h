#pragma once

// A control point of a shape being edited. The position follows drags (board
// pixels); only enabled vertices get a handle dot.
class TQVertex
{
public:
    TQVertex() = default;
    TQVertex(float x, float y, bool enabled = true)
        : x(x)
        , y(y)
        , enabled(enabled)
    {
    }

    float x = 0;
    float y = 0;
    bool enabled = true;
};
