#pragma once

#include "shapes/TQShapeAny.h"

#include <QJsonObject>

#include <string>

// One item of the shape menu. The settings fields (table size, polygon edges,
// the fixed-angle triangle's two angles in degrees) keep their defaults in
// the catalogue; the menu's settings panels fill them before the shape is
// made.
class TQShapeImageBean : public TQShapeAny
{
public:
    TQShapeImageBean(std::string path, int code, int type, int toStudentCode, std::string drawImagePath);

    // {"path", "code", "type", "toStudentCode", "drawImagePath"}: the settings
    // fields are not part of it.
    QJsonObject toJson() const;
    // A new item from toJson's form; a missing key gives "" or 0, the settings
    // fields their defaults. Owned by the caller.
    static TQShapeImageBean *fromJson(const QJsonObject &json);

    // The menu icon.
    std::string path;
    // The shape type code; the item's identity in the recently used list.
    int code;
    // The subject: 0 mathematics, 1 physics, 2 chemistry.
    int type;
    // -1 for drawn shapes; the picture's number on the students' side.
    int toStudentCode;
    // The picture pasted on the board, "" for drawn shapes.
    std::string drawImagePath;
    int rows = -1;
    int columns = -1;
    int edges = 5;
    int angleA = 90;
    int angleB = 60;
};
