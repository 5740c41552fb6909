#include "modules/live/userlist/TQClassRotateSettingDialog.h"

TQClassRotateSettingDialog::TQClassRotateSettingDialog(TQBroadCastMethodService *methodService,
                                                       TQLiveBroadCastContext *context,
                                                       TQUserListInterface *userListInterface)
    : TQLiveClassAccess(methodService, context)
    , mUserListInterface(userListInterface)
{
}
