#pragma once
// The base service of the Agora SDK stand-in (the RTC library's export under
// ordinal 1), initialised by the messaging side before it creates its RTM
// service.

namespace agora {
namespace base {

struct AgoraServiceContext
{
    const char *appId = nullptr;
};

class IAgoraService
{
public:
    /** 0 on success. */
    virtual int initialize(const AgoraServiceContext &context) = 0;
    virtual void release() = 0;

protected:
    virtual ~IAgoraService() { }
};

} // namespace base
} // namespace agora

/** Base service factory: what the RTC library exports under ordinal 1. */
extern "C" agora::base::IAgoraService *createAgoraService();
