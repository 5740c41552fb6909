#pragma once

#include "modules/live/communications/agora/rtm/TQRTMAgoraTraits.h"
#include "modules/live/communications/agora/rtm/TQRTMSdkChannel.h"

using RtmClientListener = TQRTMClientListener<TQRTMAgoraTraits>;
using RtmChannelListener = TQRTMChannelListener<TQRTMAgoraTraits>;

// The class's message channel over the Agora messaging SDK.
class TQRTMCommonWinImpl : public TQRTMSdkChannel<TQRTMAgoraTraits>
{
    Q_OBJECT

public:
    TQRTMCommonWinImpl();
    ~TQRTMCommonWinImpl() override;
};
