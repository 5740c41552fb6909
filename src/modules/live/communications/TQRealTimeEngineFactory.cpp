#include "modules/live/communications/TQRealTimeEngineFactory.h"

#include "modules/live/communications/agora/TQRTCCommonLocal.h"
#include "modules/live/communications/agora/rtm/TQRTMCommonLocal.h"
#include "modules/live/communications/agora/rtm/TQRTMCommonTessel.h"
#include "modules/live/communications/agora/rtm/TQRTMCommonWinImpl.h"
#include "utils/CLog.h"

TQRealTimeEngineFactory::~TQRealTimeEngineFactory() = default;

TQRTCCommon *TQRealTimeEngineFactory::createRTC(Kind kind)
{
    if (kind == Local)
        return new TQRTCCommonLocal;
    // The Agora and Tessel media engines are not part of this build yet.
    CLog::error(QStringLiteral("no media engine of kind %1 in this build").arg(int(kind)),
                QStringLiteral("TQRealTimeEngineFactory::createRTC "));
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
