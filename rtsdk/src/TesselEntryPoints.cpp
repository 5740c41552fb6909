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
