#pragma once

#include "modules/live/bean/Attribute.h"

#include <QJsonObject>

#include <string>

// One file of a course material as the server lists it. Texts are UTF-8.
class FileBaseBean
{
public:
    FileBaseBean() = default;
    explicit FileBaseBean(const QJsonObject &json);
    // A copy is never selected; an assignment copies the selection too.
    FileBaseBean(const FileBaseBean &other);
    FileBaseBean &operator=(const FileBaseBean &other) = default;
    // Moves (a growing list relocating its records) keep the selection.
    FileBaseBean(FileBaseBean &&other) noexcept = default;
    FileBaseBean &operator=(FileBaseBean &&other) noexcept = default;
    virtual ~FileBaseBean() = default;

    virtual std::string toString() const;

    std::string fileId;
    std::string fileName;
    // The page image's address and the key of the download cache.
    std::string fileUrl;
    std::string fileMd5;
    // A text, as the server sends it.
    std::string fileSize;
    std::string fileType;
    Attribute attribute;
    // A selection mark of the material lists.
    bool isSelect = false;
};
