#pragma once

#include "platform/http/ApiRequestParams.h"

// Parameters of the configuration and file endpoints.
class CommonRequestParams : public ApiRequestParams
{
public:
    // "apptype" only, no common parameters.
    static ParamMap getAppRemoteConfig(const QString &apptype);
    static ParamMap getLiveConfig();
    // File field "live_profile".
    static UploadParams uploadLiveProfile(const QString &filePath);
    // "storeKey" only when longer than 2 characters; file field "binaryFile".
    static UploadParams uploadTempFile(const QString &filePath, int convert, const QString &storeKey);
    // A recorded class video; file field "binary_file".
    static UploadParams pushCourseScheduleBinaryRecord(const QString &filePath, int courseID, int courseScheduleID,
                                                       qint64 sketchNum);
    static ParamMap getUploadedTempFile(const QString &storeKey);
};
