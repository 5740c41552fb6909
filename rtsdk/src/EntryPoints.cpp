#include "EntryPoints.h"

#include "Runtime.h"

namespace rtsdk {

void recordLibraryCall(const char *library, const std::string &call)
{
    Runtime::instance().log().record(library, call);
}

bool createRtmServiceFails()
{
    int ignored = 0;
    return Runtime::instance().faults().initFault(InitStep::CreateRtmService, &ignored);
}

const char *rtmVersion(const char *library)
{
    recordLibraryCall(library, "getRtmSdkVersion()");
    return "rtsdk stand-in 1.0";
}

} // namespace rtsdk
