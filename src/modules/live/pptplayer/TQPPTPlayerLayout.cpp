#include "modules/live/pptplayer/TQPPTPlayerLayout.h"

#include "actions/TQActionHelpers.h"
#include "utils/CLog.h"

TQPPTPlayerLayout::TQPPTPlayerLayout(TQBroadCastMethodService *methodService, TQLiveBroadCastContext *context,
                                     TQPPTPlayerInterface *pptInterface)
    : TQLiveClassAccess(methodService, context)
    , mPPTInterface(pptInterface)
{
}

void TQPPTPlayerLayout::initWithVideoUrl(const QString &videoUrl, const std::vector<int> &stopPoints)
{
    CLog::log(QStringLiteral("handle video url for qml %1").arg(videoUrl), QStringLiteral("TQPPTPlayerLayout::initWithVideoUrl "));
    mVideoUrl = videoUrl;
    mStopPoints = stopPoints;
    if (videoUrl.isEmpty()) {
        mPlayState = 2;
        if (mShown) {
            mShown = false;
            emit endPPTPlayer_signal();
        }
        return;
    }
    mShown = true;
    mPlayId = nextSequenceNumber(true);
}

void TQPPTPlayerLayout::setPPTPlayerTime(int msPosition, int nextStopTime)
{
    mPosition = msPosition;
    mNextStopTime = nextStopTime;
    CLog::log(QStringLiteral("set ppt status from qml %1,%2").arg(msPosition).arg(nextStopTime),
              QStringLiteral("TQPPTPlayerLayout::setPPTPlayerTime "));
    mPlayState = 1;
}
