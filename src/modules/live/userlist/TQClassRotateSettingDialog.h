#pragma once

#include <QObject>

#include "modules/live/broadcast/TQLiveClassAccess.h"
#include "modules/live/userlist/TQUserListInterface.h"

// The rotation setting of the video room ("classRotateSettingDialog"). No
// parent; the window deletes it.
class TQClassRotateSettingDialog : public QObject, public TQLiveClassAccess
{
    Q_OBJECT

public:
    TQClassRotateSettingDialog(TQBroadCastMethodService *methodService, TQLiveBroadCastContext *context,
                               TQUserListInterface *userListInterface);
    TQUserListInterface *userListInterface() const { return mUserListInterface; }

private:
    TQUserListInterface *const mUserListInterface;
};
