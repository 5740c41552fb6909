#pragma once

#include <QObject>

#include "modules/live/broadcast/TQCameraStateInterface.h"
#include "modules/live/broadcast/TQLiveClassAccess.h"
#include "modules/live/popover/TQPopoverInterface.h"

// The class's popover adapter: carries out what the teacher picks in a
// popover panel or a menu. The window deletes it.
class TQBroadCastPopoverInterface
    : public QObject
    , public TQPopoverInterface
    , public TQCameraStateInterface
    , public TQLiveClassAccess
{
    Q_OBJECT

public:
    TQBroadCastPopoverInterface(TQBroadCastMethodService *methodService, TQLiveBroadCastContext *context);

    // Logs the choice. Carrying the codes out belongs to the class's
    // interaction dispatcher, which this build does not have yet.
    void responseFromPopover(TQPopoverResponseData *response, int popoverType) override;
};
