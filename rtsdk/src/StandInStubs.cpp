// Placeholder bodies so that the interface headers link; the hub replaces them.
#include "agora/IAgoraRtmService.h"
#include "agora/IAgoraService.h"
#include "rtsdk/StandInControl.h"
#include "tessel/ITesselRtmService.h"
#include "tessel/ITesselService.h"

namespace agora { namespace rtm {
IRtmService* createRtmService() { return nullptr; }
const char* getRtmSdkVersion() { return "rtsdk stand-in 0"; }
}}
namespace tessel { namespace rtm {
IRtmService* createRtmService() { return nullptr; }
const char* getRtmSdkVersion() { return "rtsdk stand-in 0"; }
}}
namespace tessel { namespace base {
void ITesselService::release(ITesselService*) {}
}}
extern "C" agora::base::IAgoraService* createAgoraService() { return nullptr; }
extern "C" tessel::base::ITesselService* createTesselService() { return nullptr; }

namespace rtsdk {
void StandInControl::reset() {}
bool StandInControl::waitIdle(int) { return true; }
std::vector<CallRecord> StandInControl::calls() { return {}; }
std::vector<std::string> StandInControl::callsOf(const std::string&) { return {}; }
std::vector<std::string> StandInControl::objects() { return {}; }
std::string StandInControl::serviceOf(const std::string&) { return {}; }
void StandInControl::setInitFault(InitStep, int) {}
void StandInControl::clearInitFaults() {}
void StandInControl::setLoginFault(FaultMode, int, const std::string&) {}
void StandInControl::setJoinFault(FaultMode, int, const std::string&) {}
void StandInControl::setChannelMessageFault(MessageFault, int, int, const std::string&) {}
void StandInControl::setMessageSizeCap(int) {}
int StandInControl::messageSizeCap() { return 32768; }
void StandInControl::setSendStall(int) {}
void StandInControl::armLateCallback(LateCallback) {}
int StandInControl::forceConnectionState(const std::string&, int, int) { return 0; }
int StandInControl::expireToken(const std::string&) { return 0; }
bool StandInControl::isOnline(const std::string&) { return false; }
std::vector<std::string> StandInControl::membersOf(const std::string&) { return {}; }
}
