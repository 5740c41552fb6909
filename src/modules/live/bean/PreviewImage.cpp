#include "modules/live/bean/PreviewImage.h"

#include "utils/CDataHelper.h"

#include <QString>

PreviewImage::PreviewImage(const QJsonObject &json)
    : fileUrl(CDataHelper::jsonValueToStdString(json.value(QLatin1String("file_url"))))
    , attribute(json.value(QLatin1String("attribute")).toObject())
{
}

std::string PreviewImage::toString() const
{
    return QStringLiteral("PreviewImage(fileUrl='%1'; Attribute=%2)")
        .arg(QString::fromStdString(fileUrl), QString::fromStdString(attribute.toString()))
        .toStdString();
}
