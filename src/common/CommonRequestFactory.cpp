#include "common/CommonRequestFactory.h"

#include "platform/http/ApiPaths.h"

httpRequest *CommonRequestFactory::getAppRemoteConfig(const ParamMap &params)
{
    return form(ApiPaths::kAppRemoteConfig, params);
}

httpRequest *CommonRequestFactory::getLiveConfig(const ParamMap &params)
{
    return form(ApiPaths::kGetLiveConfig, params);
}

httpRequest *CommonRequestFactory::uploadLiveProfile(const ParamMap &params, const ParamMap &files)
{
    return upload(ApiPaths::kLiveConfig, params, files);
}

httpRequest *CommonRequestFactory::uploadTempFile(const ParamMap &params, const ParamMap &files)
{
    return upload(ApiPaths::kUploadTempFile, params, files);
}

httpRequest *CommonRequestFactory::pushCourseScheduleBinaryRecord(const ParamMap &params, const ParamMap &files)
{
    return upload(ApiPaths::kPushCourseScheduleBinaryRecord, params, files);
}

httpRequest *CommonRequestFactory::getUploadedTempFile(const ParamMap &params)
{
    return form(ApiPaths::kGetUploadedTempFile, params);
}
