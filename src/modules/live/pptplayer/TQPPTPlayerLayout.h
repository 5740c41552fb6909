#pragma once

#include <QJsonArray>
#include <QObject>
#include <QString>

#include "modules/live/broadcast/TQLiveClassAccess.h"
#include "modules/live/pptplayer/TQPPTPlayerInterface.h"

#include <vector>

// The PPT animation player of the class page ("pptPlayerLayout"). No parent;
// the window deletes it. This build keeps the page's video and the player's
// state; fetching the video is not built yet.
class TQPPTPlayerLayout : public QObject, public TQLiveClassAccess
{
    Q_OBJECT

public:
    static constexpr int kDefaultVideoWidth = 820;
    static constexpr int kDefaultVideoHeight = 520;

    TQPPTPlayerLayout(TQBroadCastMethodService *methodService, TQLiveBroadCastContext *context,
                      TQPPTPlayerInterface *pptInterface);

    TQPPTPlayerInterface *pptInterface() const { return mPPTInterface; }

    // The animation video of the page shown and its stop times (ms); an
    // empty address hides the player.
    void initWithVideoUrl(const QString &videoUrl, const std::vector<int> &stopPoints);

    // An animation step started (QML).
    Q_INVOKABLE void setPPTPlayerTime(int msPosition, int nextStopTime);

    // 1 playing, 2 not playing.
    int playState() const { return mPlayState; }
    bool isShown() const { return mShown; }
    // The sequence number given to the current video.
    int playId() const { return mPlayId; }
    int position() const { return mPosition; }
    int nextStopTime() const { return mNextStopTime; }
    QString videoUrl() const { return mVideoUrl; }
    const std::vector<int> &stopPoints() const { return mStopPoints; }
    int videoWidth() const { return mVideoWidth; }
    int videoHeight() const { return mVideoHeight; }

signals:
    void showPPTPlayer_signal(QString videoFilePath, QJsonArray timeLine);
    void endPPTPlayer_signal();

private:
    TQPPTPlayerInterface *const mPPTInterface;
    QString mVideoUrl;
    std::vector<int> mStopPoints;
    bool mShown = false;
    int mPlayState = 2;
    int mPlayId = 0;
    int mPosition = 0;
    int mNextStopTime = 0;
    int mVideoWidth = kDefaultVideoWidth;
    int mVideoHeight = kDefaultVideoHeight;
};
