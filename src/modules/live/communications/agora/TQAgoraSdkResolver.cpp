#include "modules/live/communications/agora/TQAgoraSdkResolver.h"

#include "agora/IAgoraRtcEngine.h"
#include "agora/IAgoraService.h"

QFunctionPointer TQAgoraSdkResolver::resolve(int ordinal)
{
    // The SDK is linked in. A library loaded at run time would be asked here
    // instead (QLibrary::resolve on the library's export), with no change to
    // the callers.
    switch (ordinal) {
    case kBaseServiceOrdinal:
        return reinterpret_cast<QFunctionPointer>(&createAgoraService);
    case kEngineFactoryOrdinal:
        return reinterpret_cast<QFunctionPointer>(&createAgoraRtcEngine);
    default:
        return nullptr;
    }
}

TQAgoraSdkResolver::BaseServiceFactory TQAgoraSdkResolver::baseServiceFactory()
{
    return reinterpret_cast<BaseServiceFactory>(resolve(kBaseServiceOrdinal));
}

TQAgoraSdkResolver::EngineFactory TQAgoraSdkResolver::engineFactory()
{
    return reinterpret_cast<EngineFactory>(resolve(kEngineFactoryOrdinal));
}
