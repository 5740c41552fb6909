#include "modules/live/bean/Correlation.h"

#include "utils/CDataHelper.h"

Correlation::Correlation(const QJsonObject &json)
    : type(CDataHelper::jsonValueToInt(json.value(QLatin1String("type"))))
    , data(json.value(QLatin1String("data")).toObject())
{
}

std::string Correlation::toString() const
{
    return "Correlation(type=$type; data=$data; name='$name')";
}
