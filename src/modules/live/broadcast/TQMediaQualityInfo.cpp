#include "modules/live/broadcast/TQMediaQualityInfo.h"

#include <utility>

TQMediaQualityInfo::TQMediaQualityInfo(int networkLevel, std::string networkText, int audioLevel,
                                       std::string audioText, int videoLevel, std::string videoText)
    : networkLevel(networkLevel)
    , networkText(std::move(networkText))
    , audioLevel(audioLevel)
    , audioText(std::move(audioText))
    , videoLevel(videoLevel)
    , videoText(std::move(videoText))
{
}
