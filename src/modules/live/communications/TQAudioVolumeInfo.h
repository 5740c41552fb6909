#pragma once

#include <QJsonObject>

#include <vector>

// One volume report of the media engine: who spoke and how loud.
struct TQAudioVolumeInfo
{
    TQAudioVolumeInfo() = default;
    // The two lists travel only together: a report whose lists differ in
    // length arrives with both empty. The total always travels.
    TQAudioVolumeInfo(const TQAudioVolumeInfo &other);
    TQAudioVolumeInfo &operator=(const TQAudioVolumeInfo &other);

    // {"speaks": [{"userID": "7", "volume": 30}, ...], "totalVolume": n}; an
    // entry without a volume at its position has no "volume".
    QJsonObject toJson() const;

    std::vector<int> userIds;
    std::vector<int> volumes; // same order as userIds
    int totalVolume = 0;
};
