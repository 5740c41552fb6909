#pragma once

#include <QObject>

#include "modules/live/broadcast/TQLiveClassAccess.h"
#include "modules/live/takepicture/TQTakePictureInterface.h"

// The class's answer to the photo layout. The window deletes it.
class TQBroadCastTakePictureInterface : public QObject, public TQTakePictureInterface, public TQLiveClassAccess
{
    Q_OBJECT

public:
    TQBroadCastTakePictureInterface(TQBroadCastMethodService *methodService, TQLiveBroadCastContext *context);
};
