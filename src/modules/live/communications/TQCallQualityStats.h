#pragma once

#include "modules/live/broadcast/TQMediaQualityInfo.h"

#include <QtGlobal>

#include <vector>

// One network quality report of the media engine (lower levels are better).
struct TQNetworkQuality
{
    qint64 timeMs = 0;
    int txQuality = 0;
    int rxQuality = 0;
};

// One remote video statistics report.
struct TQVideoStatistics
{
    qint64 timeMs = 0;
    int width = 0;
    int height = 0;
    int receivedBitrate = 0;
    int decoderOutputFps = 0;
    int rendererOutputFps = 0;
    int packetLossRate = 0;
    int rxStreamType = 0;
    int frozenRate = 0;
    int totalFrozenTime = 0;
};

// One remote audio statistics report.
struct TQAudioStatistics
{
    qint64 timeMs = 0;
    int quality = 0;
    int networkTransportDelay = 0;
    int jitterBufferDelay = 0;
    int audioLossRate = 0;
    int numChannels = 0;
    int receivedSampleRate = 0;
    int totalFrozenTime = 0;
    int frozenRate = 0;
};

// Means over the recent samples; valid 0 (and every value 0) when none counted.
struct TQNetworkQualityAverage
{
    int valid = 0;
    float txQuality = 0;
    float rxQuality = 0;
};

struct TQVideoStatisticsAverage
{
    int valid = 0;
    float decoderOutputFps = 0;
    float receivedBitrate = 0;
};

struct TQAudioStatisticsAverage
{
    int valid = 0;
    float quality = 0;
    float networkTransportDelay = 0;
    float jitterBufferDelay = 0;
};

// The last few quality reports of one user and the Chinese summary built from
// them for the popovers. GUI thread only.
class TQCallQualityStats
{
public:
    // Samples kept per list; older ones are pushed out.
    static constexpr int kMaxSamples = 5;
    // Only samples younger than this count for the averages.
    static constexpr qint64 kRecentMs = 60000;

    void addNetworkQuality(const TQNetworkQuality &sample);
    void addVideoStatistics(const TQVideoStatistics &sample);
    void addAudioStatistics(const TQAudioStatistics &sample);

    TQNetworkQualityAverage averageNetworkQuality() const;
    TQVideoStatisticsAverage averageVideoStatistics() const;
    TQAudioStatisticsAverage averageAudioStatistics() const;

    // States: 0 off, 1 interrupted by the network, anything else on.
    TQMediaQualityInfo describeQuality(int audioState, int videoState) const;

    void clear();

    const std::vector<TQVideoStatistics> &videoSamples() const { return mVideo; }
    const std::vector<TQAudioStatistics> &audioSamples() const { return mAudio; }
    const std::vector<TQNetworkQuality> &networkSamples() const { return mNetwork; }

private:
    std::vector<TQVideoStatistics> mVideo;
    std::vector<TQAudioStatistics> mAudio;
    std::vector<TQNetworkQuality> mNetwork;
};
