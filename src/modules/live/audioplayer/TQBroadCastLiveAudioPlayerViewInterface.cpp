#include "modules/live/audioplayer/TQBroadCastLiveAudioPlayerViewInterface.h"

#include "modules/live/bean/MaterialDetailBean.h"

TQBroadCastLiveAudioPlayerViewInterface::TQBroadCastLiveAudioPlayerViewInterface(TQBroadCastMethodService *methodService,
                                                                                 TQLiveBroadCastContext *context)
    : TQLiveClassAccess(methodService, context)
{
}

void TQBroadCastLiveAudioPlayerViewInterface::playAudioMaterial(QWidget *parent, MaterialDetailBean *material)
{
    Q_UNUSED(parent)
    if (!material || !material->isAudioMaterial() || material->mFileItems.empty())
        return;
    mAudioUrl = QString::fromStdString(material->mFileItems.front().fileUrl);
    mAudioTitle = QString::fromStdString(material->materialName);
}
