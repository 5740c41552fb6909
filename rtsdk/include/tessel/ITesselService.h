#pragma once
// The base service of the Tessel SDK stand-in.

namespace tessel {
namespace base {

struct TesselServiceContext
{
    const char *appId = nullptr;
};

class ITesselService
{
public:
    /** 0 on success. */
    virtual int initialize(const TesselServiceContext &context) = 0;
    /** Frees a service made by createTesselService; null is ignored. */
    static void release(ITesselService *service);

protected:
    virtual ~ITesselService() { }
};

} // namespace base
} // namespace tessel

extern "C" tessel::base::ITesselService *createTesselService();
