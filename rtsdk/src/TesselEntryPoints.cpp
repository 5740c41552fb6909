// The Tessel library's entry points, made from the shared stand-in objects.

#include "Codes.h"
#include "EntryPoints.h"
#include "TesselBaseService.h"
#include "tessel/ITesselRtmService.h"

namespace {

struct TesselRtmApi
{
    RTSDK_RTM_API_TYPES(tessel::rtm)
    static constexpr const char *kServiceKind = "tessel.rtm";
    static void memberCountUpdated(IChannelEventHandler *handler, int count) { handler->onMemberCountUpdated(count); }
};

static_assert(tessel::rtm::RTM_ERR_RELEASED == rtsdk::code::Released, "codes agree");
static_assert(tessel::rtm::CONNECTION_CHANGE_REASON_REMOTE_LOGIN == rtsdk::reason::RemoteLogin, "reasons agree");
static_assert(tessel::rtm::MESSAGE_TYPE_RAW == rtsdk::msgtype::Raw, "types agree");

} // namespace

extern "C" tessel::base::ITesselService *createTesselService()
{
    rtsdk::recordLibraryCall("tessel", "createTesselService()");
    return new rtsdk::TesselBaseService;
}

namespace tessel {
namespace base {

void ITesselService::release(ITesselService *service)
{
    delete service;
}

} // namespace base

namespace rtm {

IRtmService *createRtmService()
{
    return rtsdk::createRtmServiceFor<TesselRtmApi>("tessel");
}

const char *getRtmSdkVersion()
{
    return rtsdk::rtmVersion("tessel");
}

} // namespace rtm
} // namespace tessel

// ---- media side ----

#include <mutex>
#include <vector>

#include "RtcApi.h"
#include "RtcEngine.h"
#include "tessel/ITesselRtcEngine.h"

namespace {

struct TesselRtcApi
{
    RTSDK_RTC_API_TYPES(tessel)
    static constexpr const char *kEngineKind = "tessel.rtc";
    static std::string contextText(const RtcEngineContext &c)
    {
        return rtsdk::calltext::join(static_cast<const void *>(c.eventHandler), c.appId, c.context, c.areaCode);
    }
};

class TesselRtcEngine;

// The engines not yet ended, newest last: the static release ends the newest.
std::mutex gEnginesMutex;
std::vector<TesselRtcEngine *> gEngines;

class TesselRtcEngine final : public rtsdk::RtcEngine<TesselRtcApi>
{
public:
    int enableAudioVolumeIndication(int interval, int smooth, bool reportVad) override
    {
        return volumeIndication(interval, smooth,
                                rtsdk::calltext::call("enableAudioVolumeIndication", interval, smooth, reportVad));
    }
    void end(bool sync)
    {
        rtsdk::recordLibraryCall("tessel", rtsdk::calltext::call("IRtcEngine::release", sync) + " -> " + mCore->name());
        // Threads off while this is still whole: they call it virtually.
        releaseNow();
        delete this;
    }
};

} // namespace

extern "C" tessel::rtc::IRtcEngine *createTesselRtcEngine()
{
    auto *engine = new TesselRtcEngine;
    {
        std::lock_guard<std::mutex> lock(gEnginesMutex);
        gEngines.push_back(engine);
    }
    rtsdk::recordLibraryCall("tessel", "createTesselRtcEngine()");
    return engine;
}

bool tessel::rtc::IRtcEngine::release(bool sync)
{
    TesselRtcEngine *engine = nullptr;
    {
        std::lock_guard<std::mutex> lock(gEnginesMutex);
        if (gEngines.empty()) {
            rtsdk::recordLibraryCall("tessel", rtsdk::calltext::call("IRtcEngine::release", sync) + " = false");
            return false;
        }
        engine = gEngines.back();
        gEngines.pop_back();
    }
    engine->end(sync);
    return true;
}
