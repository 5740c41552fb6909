#pragma once

#include <string>

// One user's network, audio and video quality: a level and a Chinese text
// (UTF-8) for each, as shown in the teacher and student popovers.
class TQMediaQualityInfo
{
public:
    TQMediaQualityInfo() = default;
    TQMediaQualityInfo(int networkLevel, std::string networkText, int audioLevel, std::string audioText,
                       int videoLevel, std::string videoText);

    int networkLevel = 0;
    std::string networkText;
    int audioLevel = 0;
    std::string audioText;
    int videoLevel = 0;
    std::string videoText;
};
