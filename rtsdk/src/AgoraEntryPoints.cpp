// The Agora library's entry points, made from the shared stand-in objects.

#include "AgoraBaseService.h"
#include "Codes.h"
#include "EntryPoints.h"
#include "agora/IAgoraRtmService.h"

namespace {

struct AgoraRtmApi
{
    RTSDK_RTM_API_TYPES(agora::rtm)
    static constexpr const char *kServiceKind = "agora.rtm";
    static void memberCountUpdated(IChannelEventHandler *, int) { }
};

static_assert(agora::rtm::RTM_ERR_RELEASED == rtsdk::code::Released, "codes agree");
static_assert(agora::rtm::CONNECTION_CHANGE_REASON_REMOTE_LOGIN == rtsdk::reason::RemoteLogin, "reasons agree");
static_assert(agora::rtm::MESSAGE_TYPE_RAW == rtsdk::msgtype::Raw, "types agree");

} // namespace

extern "C" agora::base::IAgoraService *createAgoraService()
{
    rtsdk::recordLibraryCall("agora", "createAgoraService()");
    return new rtsdk::AgoraBaseService;
}

namespace agora {
namespace rtm {

IRtmService *createRtmService()
{
    return rtsdk::createRtmServiceFor<AgoraRtmApi>("agora");
}

const char *getRtmSdkVersion()
{
    return rtsdk::rtmVersion("agora");
}

} // namespace rtm
} // namespace agora

// ---- media side ----

#include "RtcApi.h"
#include "RtcEngine.h"
#include "agora/IAgoraRtcEngine.h"

namespace {

struct AgoraRtcApi
{
    RTSDK_RTC_API_TYPES(agora)
    static constexpr const char *kEngineKind = "agora.rtc";
    static std::string contextText(const RtcEngineContext &c)
    {
        return rtsdk::calltext::join(static_cast<const void *>(c.eventHandler), c.appId);
    }
};

class AgoraRtcEngine final : public rtsdk::RtcEngine<AgoraRtcApi>
{
public:
    int enableAudioVolumeIndication(int interval, int smooth) override
    {
        return volumeIndication(interval, smooth, rtsdk::calltext::call("enableAudioVolumeIndication", interval, smooth));
    }
    void release(bool sync) override
    {
        log(rtsdk::calltext::call("release", sync), 0);
        // Threads off while this is still whole: they call it virtually.
        releaseNow();
        delete this;
    }
};

} // namespace

extern "C" agora::rtc::IRtcEngine *createAgoraRtcEngine()
{
    auto *engine = new AgoraRtcEngine;
    rtsdk::recordLibraryCall("agora", "createAgoraRtcEngine()");
    return engine;
}
