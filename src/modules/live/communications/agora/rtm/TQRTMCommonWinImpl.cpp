#include "modules/live/communications/agora/rtm/TQRTMCommonWinImpl.h"

TQRTMCommonWinImpl::TQRTMCommonWinImpl() = default;
TQRTMCommonWinImpl::~TQRTMCommonWinImpl() = default;
