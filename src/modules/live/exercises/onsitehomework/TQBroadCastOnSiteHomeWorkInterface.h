#pragma once

#include <QObject>

#include "modules/live/broadcast/TQLiveClassAccess.h"
#include "modules/live/exercises/onsitehomework/TQOnsiteHomeworkInterface.h"

// The class's answer to the onsite-homework layout. The window deletes it.
class TQBroadCastOnSiteHomeWorkInterface : public QObject, public TQOnsiteHomeworkInterface, public TQLiveClassAccess
{
    Q_OBJECT

public:
    TQBroadCastOnSiteHomeWorkInterface(TQBroadCastMethodService *methodService, TQLiveBroadCastContext *context);
};
