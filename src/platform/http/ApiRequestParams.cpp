#include "platform/http/ApiRequestParams.h"

#include "platform/http/AppInfo.h"

ParamMap ApiRequestParams::commonParams()
{
    ParamMap params;
    params.insert(QStringLiteral("userID"), AppInfo::getUserId());
    params.insert(QStringLiteral("userToken"), AppInfo::getUserToken());
    params.insert(QStringLiteral("orgID"), AppInfo::getOrgId());
    return params;
}

QString ApiRequestParams::number(qint64 value)
{
    return QString::number(value);
}

void ApiRequestParams::insertIf(ParamMap &params, bool condition, const QString &key, const QString &value)
{
    if (condition)
        params.insert(key, value);
}

UploadParams ApiRequestParams::upload(const ParamMap &params, const QString &fileField, const QString &filePath)
{
    return UploadParams{params, ParamMap{{fileField, filePath}}};
}
