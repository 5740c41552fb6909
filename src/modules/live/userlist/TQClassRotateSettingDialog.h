#pragma once

#include <QObject>

#include "modules/live/broadcast/TQLiveClassAccess.h"
#include "modules/live/userlist/TQUserListInterface.h"

// The rotation setting of the video room ("classRotateSettingDialog"): how
// many students the room holds and how long each stays before others take
// turns. The values live in the current course only. The QML panel opens on
// initRotateInfo and answers with ok. No parent; the window deletes it.
class TQClassRotateSettingDialog : public QObject, public TQLiveClassAccess
{
    Q_OBJECT

public:
    TQClassRotateSettingDialog(TQBroadCastMethodService *methodService, TQLiveBroadCastContext *context,
                               TQUserListInterface *userListInterface);
    ~TQClassRotateSettingDialog() override;

    TQUserListInterface *userListInterface() const { return mUserListInterface; }

    // Opens the panel with the course's values; nothing without a course.
    void show();

    // The panel's confirmation: stores the values in the course, fits the
    // video room to the new size at once and updates the list's rotation text.
    Q_INVOKABLE void ok(int numberOfStudents, int numberOfSeconds);
    Q_INVOKABLE void cancel();

signals:
    void initRotateInfo(int numberOfStudents, int numberOfSeconds);

private:
    TQUserListInterface *const mUserListInterface;
};
