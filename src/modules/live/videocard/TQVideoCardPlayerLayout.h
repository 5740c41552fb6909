#pragma once

#include <QObject>

#include "modules/live/broadcast/TQLiveClassAccess.h"
#include "modules/live/videocard/TQVideoCardPlayerInterface.h"

// The video-card player of the class page ("videoCardPlayerLayout"). No
// parent; the window deletes it.
class TQVideoCardPlayerLayout : public QObject, public TQLiveClassAccess
{
    Q_OBJECT

public:
    TQVideoCardPlayerLayout(TQBroadCastMethodService *methodService, TQLiveBroadCastContext *context,
                            TQVideoCardPlayerInterface *videoCardInterface);
    TQVideoCardPlayerInterface *videoCardInterface() const { return mVideoCardInterface; }

private:
    TQVideoCardPlayerInterface *const mVideoCardInterface;
};
