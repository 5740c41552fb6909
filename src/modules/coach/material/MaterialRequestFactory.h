#pragma once

#include "platform/http/ApiRequestFactory.h"

// Requests of the course material endpoints; new, unsent, self-deleting.
class MaterialRequestFactory : public ApiRequestFactory
{
public:
    static httpRequest *getDirContents(const ParamMap &params);
    static httpRequest *getCourseMaterialDetail(const ParamMap &params);
};
