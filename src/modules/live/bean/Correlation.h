#pragma once

#include "modules/live/bean/FileBaseBean.h"

#include <QJsonObject>

#include <string>

// One file related to a material page.
class Correlation
{
public:
    Correlation() = default;
    // "type" (0 when missing) and the object "data".
    explicit Correlation(const QJsonObject &json);
    virtual ~Correlation() = default;

    Correlation(const Correlation &) = default;
    Correlation &operator=(const Correlation &) = default;

    virtual std::string toString() const;

    // -999 until read from JSON.
    int type = -999;
    FileBaseBean data;
    std::string name;
};
