#pragma once

#include <QRect>

#include <string>

// What a board tool is made with and keeps: the draw manager sets the id and,
// for the floating image, its rectangle (board pixels) and image url.
class TQShapeParams
{
public:
    TQShapeParams() = default;
    ~TQShapeParams();
    TQShapeParams(const TQShapeParams &) = default;
    TQShapeParams &operator=(const TQShapeParams &) = default;

    int id = 0;
    int edgeCount = 0;
    QRect rect;
    std::string imageUrl;
    int studentCode = 0;
    int rows = 0;
    int columns = 0;
    int startAngle = 0;
    int endAngle = 0;
};
