#include "modules/coach/material/MaterialRequestFactory.h"

#include "platform/http/ApiPaths.h"

httpRequest *MaterialRequestFactory::getDirContents(const ParamMap &params)
{
    return form(ApiPaths::kGetDirContents, params);
}

httpRequest *MaterialRequestFactory::getCourseMaterialDetail(const ParamMap &params)
{
    return form(ApiPaths::kGetCourseMaterialDetail, params);
}
