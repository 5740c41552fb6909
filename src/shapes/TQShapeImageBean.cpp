#include "shapes/TQShapeImageBean.h"

#include <utility>

TQShapeImageBean::TQShapeImageBean(std::string path, int code, int type, int toStudentCode, std::string drawImagePath)
    : path(std::move(path))
    , code(code)
    , type(type)
    , toStudentCode(toStudentCode)
    , drawImagePath(std::move(drawImagePath))
{
}

QJsonObject TQShapeImageBean::toJson() const
{
    QJsonObject json;
    json.insert(QStringLiteral("path"), QString::fromStdString(path));
    json.insert(QStringLiteral("code"), code);
    json.insert(QStringLiteral("type"), type);
    json.insert(QStringLiteral("toStudentCode"), toStudentCode);
    json.insert(QStringLiteral("drawImagePath"), QString::fromStdString(drawImagePath));
    return json;
}

TQShapeImageBean *TQShapeImageBean::fromJson(const QJsonObject &json)
{
    return new TQShapeImageBean(json.value(QStringLiteral("path")).toString().toStdString(),
                                json.value(QStringLiteral("code")).toInt(),
                                json.value(QStringLiteral("type")).toInt(),
                                json.value(QStringLiteral("toStudentCode")).toInt(),
                                json.value(QStringLiteral("drawImagePath")).toString().toStdString());
}
