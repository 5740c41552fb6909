#include "modules/live/communications/agora/rtm/TQRTMCommonTessel.h"

TQRTMCommonTessel::TQRTMCommonTessel() = default;
TQRTMCommonTessel::~TQRTMCommonTessel() = default;
