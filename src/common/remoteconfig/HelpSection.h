#pragma once

#include "common/remoteconfig/HelpItem.h"

#include <QJsonObject>
#include <QList>
#include <QString>

// The texts of one help topic of the remote configuration.
struct HelpSection
{
    HelpSection() = default;
    explicit HelpSection(const QJsonObject &json);
    // The three texts; the item list is not written.
    QJsonObject toJson() const;

    QString help_tips;
    QString contact_tips;
    QString help_image;
    QList<HelpItem> items;
};
