#include "modules/live/menu/TQTopMenuObject.h"

TQTopMenuObject::TQTopMenuObject(TQBroadCastMethodService *methodService, TQLiveBroadCastContext *context)
    : TQLiveClassAccess(methodService, context)
{
}
