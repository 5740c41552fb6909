#pragma once

class TQBroadCastMethodService;
class TQLiveBroadCastContext;

// What the adapters, layouts and page objects of one class hold: the window's
// method service (their way back to the window) and the class context. Both
// are the window's and outlive the holder, which the window deletes first, so
// neither is owned here.
class TQLiveClassAccess
{
public:
    TQLiveClassAccess(TQBroadCastMethodService *methodService, TQLiveBroadCastContext *context);

    TQBroadCastMethodService *methodService() const { return mMethodService; }
    TQLiveBroadCastContext *liveContext() const { return mContext; }

protected:
    // Holders are deleted through their own type, never through this part.
    ~TQLiveClassAccess() = default;

private:
    TQBroadCastMethodService *const mMethodService;
    TQLiveBroadCastContext *const mContext;
};
