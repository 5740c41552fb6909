#pragma once

#include "BaseServiceCore.h"
#include "tessel/ITesselService.h"

namespace rtsdk {

class TesselBaseService final : public tessel::base::ITesselService
{
public:
    TesselBaseService();
    ~TesselBaseService() override;
    int initialize(const tessel::base::TesselServiceContext &context) override;

private:
    BaseServiceCore mCore;
};

} // namespace rtsdk
