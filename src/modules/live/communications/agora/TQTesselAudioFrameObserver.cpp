#include "modules/live/communications/agora/TQTesselAudioFrameObserver.h"

bool TQTesselAudioFrameObserver::onAudioFrame(AudioFrame &)
{
    return true;
}
