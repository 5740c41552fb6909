#include "modules/live/communications/agora/TQAgoraAudioFrameObserver.h"

bool TQAgoraAudioFrameObserver::onAudioFrame(AudioFrame &)
{
    return true;
}
