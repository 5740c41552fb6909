#pragma once

#include "modules/live/bean/PreviewImageAttribute.h"

#include <QJsonObject>

#include <string>

// A file's preview image.
class PreviewImage
{
public:
    PreviewImage() = default;
    // "file_url" and the object "attribute".
    explicit PreviewImage(const QJsonObject &json);
    virtual ~PreviewImage() = default;

    PreviewImage(const PreviewImage &) = default;
    PreviewImage &operator=(const PreviewImage &) = default;

    virtual std::string toString() const;

    std::string fileUrl;
    PreviewImageAttribute attribute;
};
