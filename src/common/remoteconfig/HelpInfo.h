#pragma once

#include "common/remoteconfig/HelpSection.h"

#include <QJsonObject>

// The help texts of the remote configuration: getting started and
// importing material.
struct HelpInfo
{
    HelpInfo() = default;
    explicit HelpInfo(const QJsonObject &json);
    QJsonObject toJson() const;

    HelpSection get_started;
    HelpSection import_material;
};
