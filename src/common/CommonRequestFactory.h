#pragma once

#include "platform/http/ApiRequestFactory.h"

// Requests of the configuration and file endpoints; new, unsent, self-deleting.
class CommonRequestFactory : public ApiRequestFactory
{
public:
    static httpRequest *getAppRemoteConfig(const ParamMap &params);
    static httpRequest *getLiveConfig(const ParamMap &params);
    static httpRequest *uploadLiveProfile(const ParamMap &params, const ParamMap &files);
    static httpRequest *uploadTempFile(const ParamMap &params, const ParamMap &files);
    static httpRequest *pushCourseScheduleBinaryRecord(const ParamMap &params, const ParamMap &files);
    static httpRequest *getUploadedTempFile(const ParamMap &params);
};
