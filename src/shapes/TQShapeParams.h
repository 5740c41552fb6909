#pragma once

#include <QRect>

#include <string>

// The values a board tool is made with besides its type code. Each shape
// reads only the fields its code needs.
class TQShapeParams
{
public:
    TQShapeParams() = default;
    TQShapeParams(int id, int edgeCount, QRect rect, std::string imageUrl, int toStudentCode, int rows, int columns,
                  float angleA, float angleB);
    ~TQShapeParams();
    TQShapeParams(const TQShapeParams &) = default;
    TQShapeParams &operator=(const TQShapeParams &) = default;

    // A sequence number of the builder's choosing; no shape reads it.
    int id = 0;
    // Edges of the regular polygon.
    int edgeCount = 0;
    // Board region of a cut or pasted image.
    QRect rect;
    // Picture pasted by the image shapes.
    std::string imageUrl;
    // The picture's number as the students know it.
    int toStudentCode = 0;
    // Table size.
    int rows = 0;
    int columns = 0;
    // The two given angles of the fixed-angle triangle, radians.
    float angleA = 0;
    float angleB = 0;
};
