#pragma once

#include "modules/live/communications/TQDataEventHandlerInterface.h"

class TQRealTimeManager;

// The real-time manager's one handler in its message channel's handler list.
// Reports of the channel reach the manager and its delegate through it.
class TQRTMDataHandler : public TQDataEventHandlerInterface
{
    Q_OBJECT

public:
    explicit TQRTMDataHandler(TQRealTimeManager *manager);
    ~TQRTMDataHandler() override;

private:
    TQRealTimeManager *m_manager; // not owned
};
