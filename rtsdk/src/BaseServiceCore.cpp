#include "BaseServiceCore.h"

#include "Codes.h"
#include "Runtime.h"

namespace rtsdk {

BaseServiceCore::BaseServiceCore(const std::string &kind)
    : mName(Runtime::instance().log().newObject(kind))
{
}

int BaseServiceCore::initialize(const char *appId)
{
    int rc = code::Ok;
    int faultCode = 0;
    if (Runtime::instance().faults().initFault(InitStep::BaseService, &faultCode))
        rc = faultCode ? faultCode : code::Failure;
    else if (!appId || !*appId)
        rc = code::InvalidArgument;
    Runtime::instance().log().record(mName, "initialize(" + CallLog::quoted(appId) + ") = " + std::to_string(rc));
    return rc;
}

void BaseServiceCore::released()
{
    Runtime::instance().log().record(mName, "release()");
}

} // namespace rtsdk
