#pragma once

#include <QObject>

#include "modules/live/broadcast/TQLiveClassAccess.h"

// The shape menu of the class page ("shapeLayout"). No parent; the window
// deletes it.
class TQShapeLayout : public QObject, public TQLiveClassAccess
{
    Q_OBJECT

public:
    TQShapeLayout(TQBroadCastMethodService *methodService, TQLiveBroadCastContext *context);
};
