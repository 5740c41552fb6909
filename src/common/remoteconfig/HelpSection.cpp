#include "common/remoteconfig/HelpSection.h"

HelpSection::HelpSection(const QJsonObject &json)
    : help_tips(json.value(QStringLiteral("help_tips")).toString()),
      contact_tips(json.value(QStringLiteral("contact_tips")).toString()),
      help_image(json.value(QStringLiteral("help_image")).toString())
{
}

QJsonObject HelpSection::toJson() const
{
    return QJsonObject{{QStringLiteral("help_tips"), help_tips},
                       {QStringLiteral("contact_tips"), contact_tips},
                       {QStringLiteral("help_image"), help_image}};
}
