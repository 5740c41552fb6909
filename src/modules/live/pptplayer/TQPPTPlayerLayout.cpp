#include "modules/live/pptplayer/TQPPTPlayerLayout.h"

TQPPTPlayerLayout::TQPPTPlayerLayout(TQBroadCastMethodService *methodService, TQLiveBroadCastContext *context,
                                     TQPPTPlayerInterface *pptInterface)
    : TQLiveClassAccess(methodService, context)
    , mPPTInterface(pptInterface)
{
}
