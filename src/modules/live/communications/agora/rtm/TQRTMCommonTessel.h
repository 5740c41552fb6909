#pragma once

#include "modules/live/communications/agora/rtm/TQRTMSdkChannel.h"
#include "modules/live/communications/agora/rtm/TQRTMTesselTraits.h"

using TesselRtmClientListener = TQRTMClientListener<TQRTMTesselTraits>;
using TesselRtmChannelListener = TQRTMChannelListener<TQRTMTesselTraits>;

// The class's message channel over the Tessel messaging SDK.
class TQRTMCommonTessel : public TQRTMSdkChannel<TQRTMTesselTraits>
{
    Q_OBJECT

public:
    TQRTMCommonTessel();
    ~TQRTMCommonTessel() override;
};
