#pragma once

#include "modules/live/communications/TQLateRequestFetch.h"
#include "modules/live/communications/TQRealTimeManager.h"

#include <QBasicTimer>
#include <QTimer>
#include <QTimerEvent>

#include <vector>

// Reaches the real-time manager's timers and queues, so that tests and
// benchmarks can drive its pacing on the settable clock without waiting.
class TQRealTimeManagerProbe
{
public:
    static bool publicTimerActive(const TQRealTimeManager &m) { return m.m_publicTimer->isActive(); }
    static bool resendTimerActive(const TQRealTimeManager &m) { return m.m_resendTimer->isActive(); }
    static bool drawingTimerActive(const TQRealTimeManager &m) { return m.m_drawingTimer->isActive(); }
    static void firePublicTimer(TQRealTimeManager &m) { fire(m, m.m_publicTimer->timerId()); }
    static void fireResendTimer(TQRealTimeManager &m) { fire(m, m.m_resendTimer->timerId()); }
    // When the next media copy is due; 0 when none waits.
    static qint64 nextResendDueMs(const TQRealTimeManager &m)
    {
        return m.m_resendList.empty() ? 0 : m.m_resendList.front().dueMs;
    }
    static int resendListSize(const TQRealTimeManager &m) { return int(m.m_resendList.size()); }
    static int publicQueued(const TQRealTimeManager &m) { return int(m.m_publicQueue.size()); }
    static int privateQueued(const TQRealTimeManager &m) { return int(m.m_privateQueue.size()); }
    static int controlQueued(const TQRealTimeManager &m) { return int(m.m_controlQueue.size()); }
    static int pendingDrawing(const TQRealTimeManager &m) { return int(m.m_pendingDrawing.size()); }
    static bool drawingSideIdle(const TQRealTimeManager &m) { return m.isDrawingSideIdle(); }
    static std::vector<std::vector<int>> fetchUids(const TQRealTimeManager &m, bool fast)
    {
        std::vector<std::vector<int>> uids;
        for (const TQLateRequestFetch *f : fast ? m.m_fastFetches : m.m_slowFetches)
            uids.push_back(f->uids);
        return uids;
    }

private:
    static void fire(TQRealTimeManager &m, int id)
    {
        QTimerEvent event(id);
        m.timerEvent(&event);
    }
};
