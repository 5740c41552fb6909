#pragma once

#include "BaseServiceCore.h"
#include "agora/IAgoraService.h"

namespace rtsdk {

class AgoraBaseService final : public agora::base::IAgoraService
{
public:
    AgoraBaseService();
    int initialize(const agora::base::AgoraServiceContext &context) override;
    void release() override;

private:
    ~AgoraBaseService() override = default;
    BaseServiceCore mCore;
};

} // namespace rtsdk
