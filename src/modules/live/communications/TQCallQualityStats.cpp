#include "modules/live/communications/TQCallQualityStats.h"

#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/TQDataModelBean.h"
#include "utils/TimeUtils.h"

#include <QString>

namespace {

template <typename Sample>
void appendBounded(std::vector<Sample> &samples, const Sample &sample)
{
    samples.push_back(sample);
    if (samples.size() > size_t(TQCallQualityStats::kMaxSamples))
        samples.erase(samples.begin());
}

// Calls add for every sample younger than kRecentMs (a sample stamped in the
// future counts as well) and returns how many there were.
template <typename Sample, typename Add>
int forEachRecent(const std::vector<Sample> &samples, Add add)
{
    const qint64 now = currentTimeMillis();
    int count = 0;
    for (const Sample &sample : samples) {
        if (now - sample.timeMs < TQCallQualityStats::kRecentMs) {
            add(sample);
            ++count;
        }
    }
    return count;
}

// The network levels include their bound: 2 is still "excellent".
int networkLevel(float value)
{
    if (value <= 2)
        return 2;
    if (value <= 3)
        return 3;
    if (value <= 5)
        return 5;
    return 6;
}

const char *networkPart(float value, bool upstream)
{
    switch (networkLevel(value)) {
    case 2:
        return upstream ? "网络输出优秀. " : "网络接收优秀. ";
    case 3:
        return upstream ? "网络输出良好. " : "网络接收良好. ";
    case 5:
        return upstream ? "网络输出一般. " : "网络接收一般. ";
    default:
        return upstream ? "网络输出很差. " : "网络接收很差. ";
    }
}

std::string general(float value)
{
    return QString::number(double(value), 'g', 6).toStdString();
}

std::string fill(const char *format, float value)
{
    return QString::fromUtf8(format).arg(QString::fromStdString(general(value))).toStdString();
}

} // namespace

void TQCallQualityStats::addNetworkQuality(const TQNetworkQuality &sample)
{
    appendBounded(mNetwork, sample);
}

void TQCallQualityStats::addVideoStatistics(const TQVideoStatistics &sample)
{
    appendBounded(mVideo, sample);
}

void TQCallQualityStats::addAudioStatistics(const TQAudioStatistics &sample)
{
    appendBounded(mAudio, sample);
}

TQNetworkQualityAverage TQCallQualityStats::averageNetworkQuality() const
{
    TQNetworkQualityAverage average;
    const int count = forEachRecent(mNetwork, [&](const TQNetworkQuality &s) {
        average.txQuality += float(s.txQuality);
        average.rxQuality += float(s.rxQuality);
    });
    if (count == 0)
        return TQNetworkQualityAverage();
    average.valid = 1;
    average.txQuality /= float(count);
    average.rxQuality /= float(count);
    return average;
}

TQVideoStatisticsAverage TQCallQualityStats::averageVideoStatistics() const
{
    TQVideoStatisticsAverage average;
    const int count = forEachRecent(mVideo, [&](const TQVideoStatistics &s) {
        average.decoderOutputFps += float(s.decoderOutputFps);
        average.receivedBitrate += float(s.receivedBitrate);
    });
    if (count == 0)
        return TQVideoStatisticsAverage();
    average.valid = 1;
    average.decoderOutputFps /= float(count);
    average.receivedBitrate /= float(count);
    return average;
}

TQAudioStatisticsAverage TQCallQualityStats::averageAudioStatistics() const
{
    TQAudioStatisticsAverage average;
    const int count = forEachRecent(mAudio, [&](const TQAudioStatistics &s) {
        average.quality += float(s.quality);
        average.networkTransportDelay += float(s.networkTransportDelay);
        average.jitterBufferDelay += float(s.jitterBufferDelay);
    });
    if (count == 0)
        return TQAudioStatisticsAverage();
    average.valid = 1;
    average.quality /= float(count);
    average.networkTransportDelay /= float(count);
    average.jitterBufferDelay /= float(count);
    return average;
}

TQMediaQualityInfo TQCallQualityStats::describeQuality(int audioState, int videoState) const
{
    TQMediaQualityInfo info;

    const TQNetworkQualityAverage network = averageNetworkQuality();
    if (!network.valid) {
        info.networkLevel = 0;
        info.networkText = "网络状况未知，正在检测。";
    } else {
        info.networkLevel = networkLevel((network.txQuality + network.rxQuality) / 2);
        info.networkText = std::string(networkPart(network.txQuality, true)) + networkPart(network.rxQuality, false);
    }

    info.audioLevel = audioState;
    info.audioText = "音频质量检测中。";
    if (audioState == 1) {
        info.audioText = "网络原因，音频质量比较差";
    } else if (audioState == 0) {
        info.audioText = "声音关闭";
    } else {
        const TQAudioStatisticsAverage audio = averageAudioStatistics();
        if (!audio.valid) {
            info.audioText = "音频已启用";
        } else {
            // Unlike the network levels, the quality bounds are exclusive.
            if (audio.jitterBufferDelay > 1000) {
                info.audioLevel = 6;
                info.audioText = "音频质量很差。";
            } else if (audio.quality < 2) {
                info.audioLevel = 2;
                info.audioText = "音频质量优秀. ";
            } else if (audio.quality < 3) {
                info.audioLevel = 3;
                info.audioText = "音频质量良好.";
            } else if (audio.quality < 5) {
                info.audioLevel = 5;
                info.audioText = "音频质量一般.";
            } else {
                info.audioLevel = 6;
                info.audioText = "音频质量很差。";
            }
            if (info.audioLevel != 6)
                info.audioText += fill("平均延迟 %1 毫秒。", audio.networkTransportDelay);
        }
    }

    info.videoLevel = videoState;
    info.videoText = "视频质量检测中。";
    if (videoState == 1) {
        info.videoText = "网络原因，视频质量比较差";
    } else if (videoState == 0) {
        info.videoText = "关闭了视频";
    } else {
        const TQVideoStatisticsAverage video = averageVideoStatistics();
        if (!video.valid) {
            info.videoText = "视频已启用";
        } else {
            info.videoLevel = 2;
            info.videoText = fill(video.decoderOutputFps < 4 ? "视频有停顿. 传输速率 %1 K(bps)。"
                                                              : "视频流畅. 传输速率 %1 K(bps)。",
                                  video.receivedBitrate);
        }
    }
    const CourseDetailBean *course = TQDataModelBean::m_pOngoingCourse;
    if (course && !course->isRtcVideoEnabled())
        info.videoText = "极速模式下无法使用摄像头";
    return info;
}

void TQCallQualityStats::clear()
{
    mVideo.clear();
    mAudio.clear();
    mNetwork.clear();
}
