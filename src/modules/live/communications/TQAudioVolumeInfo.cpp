#include "modules/live/communications/TQAudioVolumeInfo.h"

#include <QJsonArray>

TQAudioVolumeInfo::TQAudioVolumeInfo(const TQAudioVolumeInfo &other)
    : totalVolume(other.totalVolume)
{
    if (other.userIds.size() == other.volumes.size()) {
        userIds = other.userIds;
        volumes = other.volumes;
    }
}

TQAudioVolumeInfo &TQAudioVolumeInfo::operator=(const TQAudioVolumeInfo &other)
{
    if (this != &other) {
        TQAudioVolumeInfo copy(other);
        userIds.swap(copy.userIds);
        volumes.swap(copy.volumes);
        totalVolume = copy.totalVolume;
    }
    return *this;
}

QJsonObject TQAudioVolumeInfo::toJson() const
{
    QJsonArray speaks;
    for (size_t i = 0; i < userIds.size(); ++i) {
        QJsonObject speak;
        speak.insert(QStringLiteral("userID"), QString::number(userIds[i]));
        if (i < volumes.size())
            speak.insert(QStringLiteral("volume"), volumes[i]);
        speaks.append(speak);
    }
    QJsonObject json;
    json.insert(QStringLiteral("speaks"), speaks);
    json.insert(QStringLiteral("totalVolume"), totalVolume);
    return json;
}
