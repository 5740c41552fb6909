#pragma once

#include <QObject>

#include "modules/live/broadcast/TQLiveClassAccess.h"

// The class page's top menu ("topMenuObject"). No parent; the window deletes it.
class TQTopMenuObject : public QObject, public TQLiveClassAccess
{
    Q_OBJECT

public:
    TQTopMenuObject(TQBroadCastMethodService *methodService, TQLiveBroadCastContext *context);
};
