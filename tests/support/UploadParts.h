#pragma once

#include "StandInService.h"

#include <QMap>
#include <QString>

// Reading the multipart body of an upload the stand-in recorded.
class UploadParts
{
public:
    // The text parts (no file name) by field name.
    static QMap<QString, QString> textFields(const StandInService::Request &request);
    // The file parts (with a file name) by field name.
    static QMap<QString, StandInService::Part> fileParts(const StandInService::Request &request);

private:
    UploadParts() = delete;
};
