#include "modules/live/takepicture/TQBroadCastTakePictureInterface.h"

TQBroadCastTakePictureInterface::TQBroadCastTakePictureInterface(TQBroadCastMethodService *methodService,
                                                                 TQLiveBroadCastContext *context)
    : TQLiveClassAccess(methodService, context)
{
}
