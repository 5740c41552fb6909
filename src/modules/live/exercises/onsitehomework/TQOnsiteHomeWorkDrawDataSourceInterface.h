#pragma once

#include "modules/live/broadcast/TQLiveClassAccess.h"
#include "modules/live/draws/TQDrawDataSourceInterface.h"

// The data source of the homework review board: every call looks up the
// student shown at that moment, so it keeps no page state of its own.
class TQOnsiteHomeWorkDrawDataSourceInterface : public TQDrawDataSourceInterface, public TQLiveClassAccess
{
public:
    TQOnsiteHomeWorkDrawDataSourceInterface(TQBroadCastMethodService *methodService, TQLiveBroadCastContext *context);
};
