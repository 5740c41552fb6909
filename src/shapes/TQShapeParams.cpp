#include "shapes/TQShapeParams.h"

#include <utility>

TQShapeParams::TQShapeParams(int id, int edgeCount, QRect rect, std::string imageUrl, int toStudentCode, int rows,
                             int columns, float angleA, float angleB)
    : id(id)
    , edgeCount(edgeCount)
    , rect(rect)
    , imageUrl(std::move(imageUrl))
    , toStudentCode(toStudentCode)
    , rows(rows)
    , columns(columns)
    , angleA(angleA)
    , angleB(angleB)
{
}

TQShapeParams::~TQShapeParams() = default;
