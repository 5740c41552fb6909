#pragma once

#include <QJsonObject>
#include <QString>

// What an announced upgrade says about itself: the package address, the
// release notes and the download page.
struct UpgradeContent
{
    UpgradeContent() = default;
    // Every field is read as a string value only ("" for a number too).
    explicit UpgradeContent(const QJsonObject &json);
    QJsonObject toJson() const;

    QString apkUrl;
    QString content;
    QString downloadPageUrl;
    QString packageSize;
    QString title;
};
