#include "modules/live/audioplayer/TQLiveAudioPlayerLayout.h"

TQLiveAudioPlayerLayout::TQLiveAudioPlayerLayout() = default;
