#include "common/CommonRequestParams.h"

ParamMap CommonRequestParams::getAppRemoteConfig(const QString &apptype)
{
    return ParamMap{{QStringLiteral("apptype"), apptype}};
}

ParamMap CommonRequestParams::getLiveConfig()
{
    return commonParams();
}

UploadParams CommonRequestParams::uploadLiveProfile(const QString &filePath)
{
    return upload(commonParams(), QStringLiteral("live_profile"), filePath);
}

UploadParams CommonRequestParams::uploadTempFile(const QString &filePath, int convert, const QString &storeKey)
{
    ParamMap params = commonParams();
    params.insert(QStringLiteral("convert"), number(convert));
    insertIf(params, storeKey.size() > 2, QStringLiteral("storeKey"), storeKey);
    return upload(params, QStringLiteral("binaryFile"), filePath);
}

UploadParams CommonRequestParams::pushCourseScheduleBinaryRecord(const QString &filePath, int courseID,
                                                                 int courseScheduleID, qint64 sketchNum)
{
    ParamMap params = commonParams();
    params.insert(QStringLiteral("courseID"), number(courseID));
    params.insert(QStringLiteral("courseScheduleID"), number(courseScheduleID));
    params.insert(QStringLiteral("materialID"), QStringLiteral("0"));
    params.insert(QStringLiteral("formatType"), QStringLiteral("2"));
    params.insert(QStringLiteral("forPurpose"), QStringLiteral("1"));
    params.insert(QStringLiteral("sketchNum"), number(sketchNum));
    return upload(params, QStringLiteral("binary_file"), filePath);
}

ParamMap CommonRequestParams::getUploadedTempFile(const QString &storeKey)
{
    ParamMap params = commonParams();
    params.insert(QStringLiteral("storeKey"), storeKey);
    return params;
}
