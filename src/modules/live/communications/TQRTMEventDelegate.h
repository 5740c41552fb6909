#pragma once

#include "modules/live/communications/TQDataEventHandlerInterface.h"
#include "modules/live/communications/TQEventHandlerList.h"

// The handler list a message channel reports to, with the three reports the
// channels make themselves (on the GUI thread).
class TQRTMEventDelegate : public TQEventHandlerList<TQDataEventHandlerInterface>
{
public:
    TQRTMEventDelegate();
    ~TQRTMEventDelegate();

    void onDataChannelJoinSuccess(bool isMainChannel);
    void onDataChannelJoinFailure(bool isMainChannel);
    void onConnectRTMFailure();
};
