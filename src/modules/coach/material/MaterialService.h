#pragma once

class httpRequest;

// The course material requests. Stateless: every operation returns a new,
// unsent request; the caller connects it and calls exec(), after which it
// deletes itself.
class MaterialService
{
public:
    // dirID 0 or below: the library's top level.
    httpRequest *getDirContents(int dirID, int page, int pageSize, int materialType);
    // rawMaterialID 0 or below is left out.
    httpRequest *getCourseMaterialDetail(int materialID, int rawMaterialID);
};
