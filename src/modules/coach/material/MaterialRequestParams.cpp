#include "modules/coach/material/MaterialRequestParams.h"

ParamMap MaterialRequestParams::getDirContents(int dirID, int page, int pageSize, int materialType)
{
    ParamMap params = commonParams();
    insertIf(params, dirID > 0, QStringLiteral("dirID"), number(dirID));
    params.insert(QStringLiteral("materialType"), number(materialType));
    params.insert(QStringLiteral("page"), number(page));
    params.insert(QStringLiteral("pageSize"), number(pageSize));
    return params;
}

ParamMap MaterialRequestParams::getCourseMaterialDetail(int materialID, int rawMaterialID)
{
    ParamMap params = commonParams();
    params.insert(QStringLiteral("materialID"), number(materialID));
    insertIf(params, rawMaterialID > 0, QStringLiteral("rawMaterialID"), number(rawMaterialID));
    return params;
}
