#include "UploadParts.h"

QMap<QString, QString> UploadParts::textFields(const StandInService::Request &request)
{
    QMap<QString, QString> fields;
    for (const StandInService::Part &part : request.parts) {
        if (part.fileName.isEmpty())
            fields.insert(QString::fromUtf8(part.name), QString::fromUtf8(part.data));
    }
    return fields;
}

QMap<QString, StandInService::Part> UploadParts::fileParts(const StandInService::Request &request)
{
    QMap<QString, StandInService::Part> files;
    for (const StandInService::Part &part : request.parts) {
        if (!part.fileName.isEmpty())
            files.insert(QString::fromUtf8(part.name), part);
    }
    return files;
}
