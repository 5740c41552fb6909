#include "TesselBaseService.h"

namespace rtsdk {

TesselBaseService::TesselBaseService()
    : mCore("tessel.base")
{
}

TesselBaseService::~TesselBaseService()
{
    mCore.released();
}

int TesselBaseService::initialize(const tessel::base::TesselServiceContext &context)
{
    return mCore.initialize(context.appId);
}

} // namespace rtsdk
