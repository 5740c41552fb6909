#pragma once

#include <QObject>

#include "modules/live/broadcast/TQLiveClassAccess.h"

// The teaching assistant beside the board ("teachingAssistantObject"): messages,
// raised hands and the course's materials. No parent; the window deletes it.
class TQTeachingAssistant : public QObject, public TQLiveClassAccess
{
    Q_OBJECT

public:
    TQTeachingAssistant(TQBroadCastMethodService *methodService, TQLiveBroadCastContext *context);
};
