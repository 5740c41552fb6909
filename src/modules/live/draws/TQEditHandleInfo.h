#pragma once

#include <QPoint>
#include <QRect>

#include <vector>

// What the temporal layout needs to show the edit handles of the shape being
// placed or edited, taken by the draw manager from the shape's control points.
struct TQEditHandleInfo
{
    struct Vertex
    {
        int x = 0; // board pixels
        int y = 0;
        bool shown = true; // whether the control point gets a handle dot
    };

    std::vector<Vertex> vertices;
    QRect bounds;
    QPoint rotationAnchor;     // where the rotation knob hangs
    QPoint rotationBaseCentre; // centre of the rotation base line
    bool rotatable = false;
    bool resizable = false;
    bool copyable = false;
    bool hide = false;
};
