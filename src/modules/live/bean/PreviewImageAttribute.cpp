#include "modules/live/bean/PreviewImageAttribute.h"

#include "utils/CDataHelper.h"

#include <QString>

PreviewImageAttribute::PreviewImageAttribute(const QJsonObject &json)
    : width(CDataHelper::jsonValueToInt(json.value(QLatin1String("width"))))
    , height(CDataHelper::jsonValueToInt(json.value(QLatin1String("height"))))
{
}

std::string PreviewImageAttribute::toString() const
{
    return QStringLiteral("PreviewImage(width='%1'; height='%2')").arg(width).arg(height).toStdString();
}
