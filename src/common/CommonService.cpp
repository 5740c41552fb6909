#include "common/CommonService.h"

#include "common/CommonRequestFactory.h"
#include "common/CommonRequestParams.h"

httpRequest *CommonService::getAppRemoteConfig(const QString &apptype)
{
    return CommonRequestFactory::getAppRemoteConfig(CommonRequestParams::getAppRemoteConfig(apptype));
}

httpRequest *CommonService::getLiveConfig()
{
    return CommonRequestFactory::getLiveConfig(CommonRequestParams::getLiveConfig());
}

httpRequest *CommonService::uploadLiveProfile(const QString &filePath)
{
    const UploadParams upload = CommonRequestParams::uploadLiveProfile(filePath);
    return CommonRequestFactory::uploadLiveProfile(upload.params, upload.files);
}

httpRequest *CommonService::uploadTempFile(const QString &filePath, int convert, const QString &storeKey)
{
    const UploadParams upload = CommonRequestParams::uploadTempFile(filePath, convert, storeKey);
    return CommonRequestFactory::uploadTempFile(upload.params, upload.files);
}

httpRequest *CommonService::pushCourseScheduleBinaryRecord(const QString &filePath, int courseID,
                                                           int courseScheduleID, qint64 sketchNum)
{
    const UploadParams upload =
        CommonRequestParams::pushCourseScheduleBinaryRecord(filePath, courseID, courseScheduleID, sketchNum);
    return CommonRequestFactory::pushCourseScheduleBinaryRecord(upload.params, upload.files);
}

httpRequest *CommonService::getUploadedTempFile(const QString &storeKey)
{
    return CommonRequestFactory::getUploadedTempFile(CommonRequestParams::getUploadedTempFile(storeKey));
}
