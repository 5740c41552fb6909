#include "AgoraBaseService.h"

namespace rtsdk {

AgoraBaseService::AgoraBaseService()
    : mCore("agora.base")
{
}

int AgoraBaseService::initialize(const agora::base::AgoraServiceContext &context)
{
    return mCore.initialize(context.appId);
}

void AgoraBaseService::release()
{
    mCore.released();
    delete this;
}

} // namespace rtsdk
