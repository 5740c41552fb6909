#include "modules/live/audioplayer/TQBroadCastLiveAudioPlayerViewInterface.h"

TQBroadCastLiveAudioPlayerViewInterface::TQBroadCastLiveAudioPlayerViewInterface(TQBroadCastMethodService *methodService,
                                                                                 TQLiveBroadCastContext *context)
    : TQLiveClassAccess(methodService, context)
{
}
