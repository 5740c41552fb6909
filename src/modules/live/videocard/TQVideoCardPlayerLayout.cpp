#include "modules/live/videocard/TQVideoCardPlayerLayout.h"

#include "actions/TQActionHelpers.h"
#include "base/dialog/CDialogManager.h"
#include "modules/live/bean/MaterialDetailBean.h"
#include "modules/live/broadcast/TQBroadCastMethodService.h"
#include "modules/live/broadcast/TQLiveBroadCastActivity.h"
#include "utils/CLog.h"

TQVideoCardPlayerLayout::TQVideoCardPlayerLayout(TQBroadCastMethodService *methodService,
                                                 TQLiveBroadCastContext *context,
                                                 TQVideoCardPlayerInterface *videoCardInterface)
    : TQLiveClassAccess(methodService, context)
    , mVideoCardInterface(videoCardInterface)
{
}

void TQVideoCardPlayerLayout::initWithMaterialDetail(MaterialDetailBean *material)
{
    CLog::log(QStringLiteral("handle material detail"), QStringLiteral("TQVideoCardPlayerLayout::initWithMaterialDetail "));
    if (!material || material->mFileItems.empty())
        return;
    mPlayId = nextSequenceNumber(true);
    const QString indexUrl = QString::fromStdString(material->mFileItems.front().attribute.indexUrl);
    if (indexUrl.isEmpty()) {
        QWidget *window = methodService() ? methodService()->getActivity() : nullptr;
        CDialogManager::toast(window, QStringLiteral("无索引文件，PC端暂不支持播放，请尝试其他最近上传的视频文件"), 3000);
        return;
    }
    mIndexUrl = indexUrl;
    CLog::log(QStringLiteral("get index url %1").arg(indexUrl), QStringLiteral("TQVideoCardPlayerLayout::initWithMaterialDetail "));
}

void TQVideoCardPlayerLayout::startPlay()
{
    mPlayState = 1;
}

void TQVideoCardPlayerLayout::stopPlay()
{
    if (mPlayState != 0)
        mPlayState = 2;
}
