#include "platform/http/ApiRequestFactory.h"

#include "platform/http/httpRequest.h"

httpRequest *ApiRequestFactory::form(const QString &path, const ParamMap &params)
{
    return new httpRequest(path, params, QString());
}

httpRequest *ApiRequestFactory::upload(const QString &path, const ParamMap &params, const ParamMap &files)
{
    return new httpRequest(path, params, files, QString());
}
