#pragma once

#include <QObject>
#include <QPointer>

#include "modules/live/broadcast/TQLiveClassAccess.h"
#include "modules/live/userlist/TQUserListInterface.h"
#include "modules/live/videoprocess/TQPreviewView.h"

// The student list of the class ("userListManager"): who is in the video
// room and on the stage. No parent; the window deletes it.
class TQUserListManager : public QObject, public TQLiveClassAccess
{
    Q_OBJECT

public:
    TQUserListManager(TQBroadCastMethodService *methodService, TQLiveBroadCastContext *context);

    // The student list's adapter; not owned.
    void setUserListInterface(TQUserListInterface *userListInterface) { mUserListInterface = userListInterface; }
    TQUserListInterface *userListInterface() const { return mUserListInterface; }
    // The teacher's camera preview on the page; not owned.
    void setPreviewView(TQPreviewView *previewView) { mPreviewView = previewView; }
    TQPreviewView *previewView() const { return mPreviewView; }

private:
    TQUserListInterface *mUserListInterface = nullptr;
    // The preview belongs to the page, which may go first.
    QPointer<TQPreviewView> mPreviewView;
};
