#pragma once

#include <QObject>

#include "modules/live/broadcast/TQLiveClassAccess.h"

// Plays the class's audio materials through the live audio player. No
// parent; the window deletes it.
class TQBroadCastLiveAudioPlayerViewInterface : public QObject, public TQLiveClassAccess
{
    Q_OBJECT

public:
    TQBroadCastLiveAudioPlayerViewInterface(TQBroadCastMethodService *methodService, TQLiveBroadCastContext *context);
};
