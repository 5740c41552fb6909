#include "modules/live/broadcast/TQBroadCastMethodService.h"

#include <QBasicTimer>

TQBroadCastMethodService::TQBroadCastMethodService(TQLiveBroadCastActivity *activity, TQLiveBroadCastContext *context)
    : mActivity(activity)
    , mContext(context)
    , mTimer(new QBasicTimer)
{
}

TQBroadCastMethodService::~TQBroadCastMethodService()
{
    mTimer->stop();
    delete mTimer;
}
