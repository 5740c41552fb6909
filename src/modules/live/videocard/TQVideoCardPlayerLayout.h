#pragma once

#include <QObject>
#include <QString>

#include "modules/live/broadcast/TQLiveClassAccess.h"
#include "modules/live/videocard/TQVideoCardPlayerInterface.h"

class MaterialDetailBean;

// The video-card player of the class page ("videoCardPlayerLayout"). No
// parent; the window deletes it. This build opens a card as far as its
// index address; fetching and playing the clips is not built yet.
class TQVideoCardPlayerLayout : public QObject, public TQLiveClassAccess
{
    Q_OBJECT

public:
    TQVideoCardPlayerLayout(TQBroadCastMethodService *methodService, TQLiveBroadCastContext *context,
                            TQVideoCardPlayerInterface *videoCardInterface);

    TQVideoCardPlayerInterface *videoCardInterface() const { return mVideoCardInterface; }

    // Opens the card of a video material; a material without files is ignored.
    void initWithMaterialDetail(MaterialDetailBean *material);
    // 0 nothing opened, 1 playing, 2 paused or stopped.
    int getPlayState() const { return mPlayState; }
    QString currentIndexUrl() const { return mIndexUrl; }

    Q_INVOKABLE void startPlay();
    Q_INVOKABLE void stopPlay();

private:
    TQVideoCardPlayerInterface *const mVideoCardInterface;
    int mPlayState = 0;
    int mPlayId = 0;
    QString mIndexUrl;
};
