#include "modules/live/videoprocess/TQRecordVideoPlayerLayout.h"

TQRecordVideoPlayerLayout::TQRecordVideoPlayerLayout() = default;
