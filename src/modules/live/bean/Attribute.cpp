#include "modules/live/bean/Attribute.h"

#include "utils/CDataHelper.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QString>

namespace {

// Elements that are not numbers count as 0.
std::vector<int> timeLineFrom(const QJsonValue &value)
{
    QJsonArray array;
    if (value.isString()) {
        const QString text = value.toString();
        if (!text.isEmpty())
            array = QJsonDocument::fromJson(text.toUtf8()).array();
    } else {
        array = value.toArray();
    }
    std::vector<int> timeLine;
    timeLine.reserve(size_t(array.size()));
    for (const QJsonValue &element : array)
        timeLine.push_back(element.isDouble() ? CDataHelper::jsonValueToInt(element) : 0);
    return timeLine;
}

} // namespace

Attribute::Attribute(const QJsonObject &json)
    : width(CDataHelper::jsonValueToInt(json.value(QLatin1String("width"))))
    , height(CDataHelper::jsonValueToInt(json.value(QLatin1String("height"))))
    , duration(CDataHelper::jsonValueToInt(json.value(QLatin1String("duration"))))
    , timeLine(timeLineFrom(json.value(QLatin1String("time_line"))))
    , indexUrl(CDataHelper::jsonValueToStdString(json.value(QLatin1String("index_url"))))
    , previewImage(json.value(QLatin1String("preview_image")).toObject())
{
}

std::string Attribute::toString() const
{
    return QStringLiteral("Attribute(width=%1; height=%2; previewImage=%3)")
        .arg(width)
        .arg(height)
        .arg(QString::fromStdString(previewImage.toString()))
        .toStdString();
}
