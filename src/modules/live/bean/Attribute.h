#pragma once

#include "modules/live/bean/PreviewImage.h"

#include <QJsonObject>

#include <string>
#include <vector>

// Media attributes of a file: picture size, duration and, for videos with
// stops, the time line.
class Attribute
{
public:
    Attribute() = default;
    explicit Attribute(const QJsonObject &json);
    virtual ~Attribute() = default;

    Attribute(const Attribute &) = default;
    Attribute &operator=(const Attribute &) = default;

    virtual std::string toString() const;

    int width = 0;
    int height = 0;
    int duration = 0;
    // From "time_line": a JSON array of integers or a JSON text holding one.
    std::vector<int> timeLine;
    std::string indexUrl;
    PreviewImage previewImage;
};
