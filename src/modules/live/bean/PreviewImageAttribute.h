#pragma once

#include <QJsonObject>

#include <string>

// Size of a file's preview image.
class PreviewImageAttribute
{
public:
    PreviewImageAttribute() = default;
    // Keys "width" and "height"; missing or malformed values give 0.
    explicit PreviewImageAttribute(const QJsonObject &json);
    virtual ~PreviewImageAttribute() = default;

    PreviewImageAttribute(const PreviewImageAttribute &) = default;
    PreviewImageAttribute &operator=(const PreviewImageAttribute &) = default;

    virtual std::string toString() const;

    int width = 0;
    int height = 0;
};
