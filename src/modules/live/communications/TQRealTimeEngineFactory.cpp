#include "modules/live/communications/TQRealTimeEngineFactory.h"

#include "modules/live/communications/agora/TQRTCCommonLocal.h"
#include "modules/live/communications/agora/rtm/TQRTMCommonLocal.h"
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
    if (kind == Local)
        return new TQRTMCommonLocal;
    // The Agora and Tessel message channels are not part of this build yet.
    CLog::error(QStringLiteral("no message channel of kind %1 in this build").arg(int(kind)),
                QStringLiteral("TQRealTimeEngineFactory::createRTM "));
    return nullptr;
}
