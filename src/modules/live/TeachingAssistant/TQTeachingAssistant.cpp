#include "modules/live/TeachingAssistant/TQTeachingAssistant.h"

TQTeachingAssistant::TQTeachingAssistant(TQBroadCastMethodService *methodService, TQLiveBroadCastContext *context)
    : TQLiveClassAccess(methodService, context)
{
}
