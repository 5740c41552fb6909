#pragma once

#include "platform/http/ApiRequestParams.h"

// Parameters of the course material endpoints.
class MaterialRequestParams : public ApiRequestParams
{
public:
    // "dirID" only when above 0.
    static ParamMap getDirContents(int dirID, int page, int pageSize, int materialType);
    // "rawMaterialID" only when above 0.
    static ParamMap getCourseMaterialDetail(int materialID, int rawMaterialID);
};
