#include "modules/live/communications/TQRealTimeEngineFactory.h"

#include "modules/live/communications/agora/TQRTCCommonAgoraImpl.h"
#include "modules/live/communications/agora/TQRTCCommonLocal.h"
#include "modules/live/communications/agora/TQRTCCommonTessel.h"
#include "modules/live/communications/agora/rtm/TQRTMCommonLocal.h"
#include "modules/live/communications/agora/rtm/TQRTMCommonTessel.h"
#include "modules/live/communications/agora/rtm/TQRTMCommonWinImpl.h"

TQRealTimeEngineFactory::~TQRealTimeEngineFactory() = default;

TQRTCCommon *TQRealTimeEngineFactory::createRTC(Kind kind)
{
    switch (kind) {
    case Local:
        return new TQRTCCommonLocal;
    case Tessel:
        return new TQRTCCommonTessel;
    case Agora:
        return new TQRTCCommonAgoraImpl;
    }
    return nullptr;
}

TQRTMCommon *TQRealTimeEngineFactory::createRTM(Kind kind)
{
    switch (kind) {
    case Local:
        return new TQRTMCommonLocal;
    case Tessel:
        return new TQRTMCommonTessel;
    case Agora:
        return new TQRTMCommonWinImpl;
    }
    return nullptr;
}
