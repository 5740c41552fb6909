#include "modules/live/videocard/TQVideoCardPlayerLayout.h"

TQVideoCardPlayerLayout::TQVideoCardPlayerLayout(TQBroadCastMethodService *methodService,
                                                 TQLiveBroadCastContext *context,
                                                 TQVideoCardPlayerInterface *videoCardInterface)
    : TQLiveClassAccess(methodService, context)
    , mVideoCardInterface(videoCardInterface)
{
}
