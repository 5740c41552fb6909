#include "modules/live/exercises/onsitehomework/TQOnsiteHomeworkLayout.h"

TQOnsiteHomeworkLayout::TQOnsiteHomeworkLayout(TQBroadCastMethodService *methodService, TQLiveBroadCastContext *context)
    : TQLiveClassAccess(methodService, context)
{
}
