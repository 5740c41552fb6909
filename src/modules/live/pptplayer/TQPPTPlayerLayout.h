#pragma once

#include <QObject>

#include "modules/live/broadcast/TQLiveClassAccess.h"
#include "modules/live/pptplayer/TQPPTPlayerInterface.h"

// The PPT animation player of the class page ("pptPlayerLayout"). No parent;
// the window deletes it.
class TQPPTPlayerLayout : public QObject, public TQLiveClassAccess
{
    Q_OBJECT

public:
    TQPPTPlayerLayout(TQBroadCastMethodService *methodService, TQLiveBroadCastContext *context,
                      TQPPTPlayerInterface *pptInterface);
    TQPPTPlayerInterface *pptInterface() const { return mPPTInterface; }

private:
    TQPPTPlayerInterface *const mPPTInterface;
};
