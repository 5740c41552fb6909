#include "modules/coach/material/MaterialService.h"

#include "modules/coach/material/MaterialRequestFactory.h"
#include "modules/coach/material/MaterialRequestParams.h"

httpRequest *MaterialService::getDirContents(int dirID, int page, int pageSize, int materialType)
{
    return MaterialRequestFactory::getDirContents(
        MaterialRequestParams::getDirContents(dirID, page, pageSize, materialType));
}

httpRequest *MaterialService::getCourseMaterialDetail(int materialID, int rawMaterialID)
{
    return MaterialRequestFactory::getCourseMaterialDetail(
        MaterialRequestParams::getCourseMaterialDetail(materialID, rawMaterialID));
}
