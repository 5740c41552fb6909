// The sending half of the real-time manager: the common send step, the
// public, private and control queues, the drawing send with the late
// joiners' history fetches, and the raw partition path.

#include "modules/live/communications/TQRealTimeManager.h"

#include "actions/TQDrawingAction.h"
#include "actions/TQMessagePackagingService.h"
#include "actions/control/TQControlBulkMessage.h"
#include "actions/control/TQControlClearAll.h"
#include "actions/message/TQPublicMessageAction.h"
#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/TQDataModelBean.h"
#include "modules/live/bean/TQInClassMessage.h"
#include "modules/live/communications/TQLateRequestFetch.h"
#include "modules/live/communications/agora/TQRTCCommon.h"
#include "modules/live/communications/agora/rtm/TQRTMCommon.h"
#include "utils/CLog.h"
#include "utils/TimeUtils.h"

#include <QBasicTimer>
#include <QByteArray>
#include <QTimer>
#include <QTimerEvent>

#include <algorithm>
#include <cstring>

namespace {

// How long until dueMs, at least 1 ms.
int delayUntil(qint64 dueMs)
{
    return int(qBound<qint64>(1, dueMs - currentTimeMillis(), INT_MAX));
}

} // namespace

// Common send step -----------------------------------------------------------------

void TQRealTimeManager::sendActions(const std::vector<TQAction *> &actions, int mediaCopies)
{
    const CourseDetailBean *course = TQDataModelBean::m_pOngoingCourse;
    if (!course || !course->isLiveMode() || !m_packagingService)
        return;
    const std::string message = m_packagingService->packMessage(actions);
    if (message.empty())
        return;

    if (message.size() < size_t(kMediaCopyLimitBytes) && mediaCopies > 0) {
        const qint64 now = currentTimeMillis();
        if (m_rtcEngine)
            m_rtcEngine->sendRTCMessage(message);
        for (int i = 1; i < mediaCopies; ++i)
            m_resendList.push_back(TQResendEntry{now + qint64(i) * m_resendIntervalMs, message});
        std::stable_sort(m_resendList.begin(), m_resendList.end(),
                         [](const TQResendEntry &a, const TQResendEntry &b) { return a.dueMs < b.dueMs; });
    }
    if (m_rtmEngine)
        m_rtmEngine->sendDataMessage(message, nullptr, 0, true, -1);
    if (!m_resendList.empty() && !m_resendTimer->isActive())
        startResendTimer();
}

void TQRealTimeManager::startResendTimer()
{
    m_resendTimer->start(delayUntil(m_resendList.front().dueMs), Qt::PreciseTimer, this);
}

void TQRealTimeManager::sendDueCopy()
{
    m_resendTimer->stop();
    if (!m_resendList.empty()) {
        const TQResendEntry entry = std::move(m_resendList.front());
        m_resendList.erase(m_resendList.begin());
        if (m_rtcEngine)
            m_rtcEngine->sendRTCMessage(entry.message);
    }
    if (!m_resendList.empty())
        startResendTimer();
}

void TQRealTimeManager::timerEvent(QTimerEvent *event)
{
    if (m_resendTimer && event->timerId() == m_resendTimer->timerId())
        sendDueCopy();
    else if (m_publicTimer && event->timerId() == m_publicTimer->timerId())
        onPublicTimer();
    else
        QObject::timerEvent(event);
}

void TQRealTimeManager::freePublicAction(TQAction *action)
{
    // A queued chat record holds copies of its messages (adoptMessages).
    if (auto *chat = dynamic_cast<TQPublicMessageAction *>(action))
        chat->deleteMessages();
    delete action;
}

// Public queue ---------------------------------------------------------------------

void TQRealTimeManager::adoptMessages(TQAction *action) const
{
    auto *chat = dynamic_cast<TQPublicMessageAction *>(action);
    if (!chat)
        return;
    // The messages belong to the course's history, which may drop them while
    // the record waits: the record takes its own copies.
    for (TQInClassMessage *&message : chat->mMessages)
        message = new TQInClassMessage(*message);
    // A long history answer would make an envelope the students refuse: the
    // oldest messages give way until the record fits.
    std::string text;
    int dropped = 0;
    while (chat->mMessages.size() > 1) {
        chat->toString(text);
        if (text.size() <= size_t(kPublicMessageMaxChars))
            break;
        delete chat->mMessages.front();
        chat->mMessages.erase(chat->mMessages.begin());
        ++dropped;
    }
    if (dropped > 0)
        CLog::printf("TQRealTimeManager::sendPublicMessage %d oldest messages left out to keep the record below %d "
                     "characters",
                     dropped, kPublicMessageMaxChars);
}

void TQRealTimeManager::sendPublicMessage(TQAction *action)
{
    if (!action)
        return;
    if (m_publicQueue.size() > size_t(kPublicQueueCap)) {
        freePublicAction(m_publicQueue.front());
        m_publicQueue.erase(m_publicQueue.begin());
        CLog::printf("public message count larger than 500, removing the first message without sending");
    }
    adoptMessages(action);
    m_publicQueue.push_back(action);
    schedulePublicMessages();
}

void TQRealTimeManager::schedulePublicMessages()
{
    if (m_publicQueue.empty() || !m_publicTimer)
        return;
    if (currentTimeMillis() - m_lastPublicSendMs < m_publicIntervalMs + 20)
        return;
    if (!m_publicTimer->isActive())
        m_publicTimer->start(m_publicIntervalMs, Qt::PreciseTimer, this);
}

void TQRealTimeManager::onPublicTimer()
{
    m_publicTimer->stop();
    if (!m_publicQueue.empty() && sendFirstPublicMessage(m_publicQueue.front())) {
        freePublicAction(m_publicQueue.front());
        m_publicQueue.erase(m_publicQueue.begin());
    }
    if (!m_publicQueue.empty())
        m_publicTimer->start(m_publicIntervalMs, Qt::PreciseTimer, this);
}

bool TQRealTimeManager::sendIfSpaced(TQAction *action, qint64 &lastSendMs, int minGapMs, int mediaCopies)
{
    const qint64 now = currentTimeMillis();
    if (now - lastSendMs < minGapMs)
        return false;
    sendActions({action}, mediaCopies);
    lastSendMs = now;
    return true;
}

bool TQRealTimeManager::sendFirstPublicMessage(TQAction *action)
{
    const int copies = m_publicQueue.size() <= size_t(kPublicMediaCopyQueue) ? 1 : 0;
    return sendIfSpaced(action, m_lastPublicSendMs, m_publicIntervalMs - 5, copies);
}

// Private queue --------------------------------------------------------------------

void TQRealTimeManager::sendPrivateMessage(TQAction *action)
{
    if (!action)
        return;
    if (m_privateQueue.size() > size_t(kPrivateQueueCap)) {
        delete m_privateQueue.front();
        m_privateQueue.erase(m_privateQueue.begin());
        CLog::printf("private message count larger than 5, removing the first message without sending");
    }
    m_privateQueue.push_back(action);
    sendPendingPrivateMessages();
}

void TQRealTimeManager::sendPendingPrivateMessages()
{
    if (!m_privateQueue.empty() && sendFirstPrivateMessage(m_privateQueue.front())) {
        delete m_privateQueue.front();
        m_privateQueue.erase(m_privateQueue.begin());
    }
}

bool TQRealTimeManager::sendFirstPrivateMessage(TQAction *action)
{
    return sendIfSpaced(action, m_lastPrivateSendMs, m_privateIntervalMs - 10, 2);
}

// Control queue --------------------------------------------------------------------

void TQRealTimeManager::sendControlAction(TQAction *action)
{
    if (!action)
        return;
    m_controlQueue.push_back(action);
    sendPendingControlActions();
}

void TQRealTimeManager::sendPendingControlActions()
{
    if (!m_controlQueue.empty() && sendFirstControlAction(m_controlQueue.front())) {
        if (m_controlQueue.size() > size_t(kControlQueueWarning))
            CLog::printf("control message count larger than 10, execution may be delayed");
        delete m_controlQueue.front();
        m_controlQueue.erase(m_controlQueue.begin());
    }
}

bool TQRealTimeManager::sendFirstControlAction(TQAction *action)
{
    return sendIfSpaced(action, m_lastControlSendMs, m_controlIntervalMs - 10, 3);
}

bool TQRealTimeManager::hasPendingClearAll() const
{
    return std::any_of(m_controlQueue.begin(), m_controlQueue.end(),
                       [](const TQAction *a) { return dynamic_cast<const TQControlClearAll *>(a) != nullptr; });
}

// Immediate send -------------------------------------------------------------------

void TQRealTimeManager::sendActionImmediately(TQAction *action)
{
    if (!action)
        return;
    sendActions({action}, 1);
    delete action;
}

// Drawing send ---------------------------------------------------------------------

bool TQRealTimeManager::isDrawingSideIdle() const
{
    return m_pendingDrawing.empty() && m_fastFetches.empty() && m_slowFetches.empty();
}

void TQRealTimeManager::addDrawingAction(TQDrawingAction *action)
{
    if (!action)
        return;
    CourseDetailBean *course = TQDataModelBean::m_pOngoingCourse;
    if (!course || !m_initialised) {
        delete action;
        return;
    }
    const bool idle = isDrawingSideIdle();

    TQDrawingAction *merged = nullptr;
    if (!m_pendingDrawing.empty())
        merged = static_cast<TQDrawingAction *>(m_pendingDrawing.back())->mergeWith(action);
    if (merged) {
        delete m_pendingDrawing.back();
        m_pendingDrawing.pop_back();
        m_pendingDrawing.push_back(merged->clone());
        course->addDrawingAction(merged, merged->drawingIndex);
        // Its content lives on in the merged action.
        delete action;
    } else {
        action->drawingIndex = course->getDrawingActionCount();
        m_pendingDrawing.push_back(action->clone());
        course->addDrawingAction(action, -1);
    }

    if (idle)
        scheduleDrawingTask(true);
}

void TQRealTimeManager::scheduleDrawingTask(bool runNow)
{
    if (runNow)
        runnableSendDrawingTask();
    else if (m_drawingTimer)
        m_drawingTimer->start();
}

void TQRealTimeManager::runnableSendDrawingTask()
{
    sendDrawingActions();
    if (!m_drawingTimer)
        return;
    m_drawingTimer->stop();
    if (!isDrawingSideIdle())
        m_drawingTimer->start();
}

void TQRealTimeManager::sendDrawingActions()
{
    if (isDrawingSideIdle())
        return;
    const qint64 now = currentTimeMillis();
    if (now - m_lastDrawingSendMs < m_drawingIntervalMs)
        return;
    CourseDetailBean *course = TQDataModelBean::m_pOngoingCourse;
    if (!course)
        return;

    bool sent = false;
    if (!hasPendingClearAll()) {
        if (m_drawingPauseSeconds <= 0 && !m_pendingDrawing.empty()) {
            m_lastDrawingSendMs = now;
            m_sendScratch.clear();
            size_t total = 0;
            const bool fetching = !m_fastFetches.empty() || !m_slowFetches.empty();
            std::string text;
            while (!m_pendingDrawing.empty()) {
                sent = true;
                TQAction *first = m_pendingDrawing.front();
                first->toString(text);
                if (!m_sendScratch.empty() && total + text.size() > size_t(kDrawingEnvelopeChars))
                    break;
                m_sendScratch.push_back(first);
                m_pendingDrawing.erase(m_pendingDrawing.begin());
                total += text.size();
                if (!fetching)
                    course->mergeLineActions(static_cast<TQDrawingAction *>(first)->drawingIndex);
            }
            sendActions(m_sendScratch, 3);
            for (TQAction *a : m_sendScratch)
                delete a;
            m_sendScratch.clear();
        }
    }

    if (sendBulkChunks(m_fastFetches, m_fastFetchIndex, true, 2))
        sent = true;
    if (sent)
        return;
    sendBulkChunks(m_slowFetches, m_slowFetchIndex, false, 1);
}

bool TQRealTimeManager::sendBulkChunks(std::vector<TQLateRequestFetch *> &fetches, int &rotation, bool fast,
                                       int passes)
{
    CourseDetailBean *course = TQDataModelBean::m_pOngoingCourse;
    bool sent = false;
    for (int pass = 0; pass < passes && !fetches.empty() && course; ++pass) {
        rotation %= int(fetches.size());
        TQLateRequestFetch *fetch = fetches[size_t(rotation)];
        TQControlBulkMessage *chunk = course->buildBulkMessage(*fetch, fast);
        if (chunk) {
            if (fast)
                CLog::printf("TQRealTimeManager::sendDrawingActions sending bulk %#llx",
                             static_cast<unsigned long long>(reinterpret_cast<quintptr>(chunk)));
            sendActions({chunk}, 0);
            sent = true;
        }
        if (!chunk || chunk->isEnd) {
            delete fetch;
            fetches.erase(fetches.begin() + rotation);
        }
        delete chunk;
        ++rotation;
    }
    return sent;
}

void TQRealTimeManager::registerUserIDForBulkSending(TQBulkSendingRequest request)
{
    if (!m_initialised)
        return;
    const bool idle = isDrawingSideIdle();
    std::vector<TQLateRequestFetch *> &fetches = request.fast ? m_fastFetches : m_slowFetches;

    for (TQLateRequestFetch *fetch : fetches)
        fetch->uids.erase(std::remove(fetch->uids.begin(), fetch->uids.end(), request.uid), fetch->uids.end());

    bool matched = false;
    for (TQLateRequestFetch *fetch : fetches) {
        if (fetch->start == request.start && fetch->end == request.end && fetch->properStart == request.properStart) {
            fetch->uids.push_back(request.uid);
            matched = true;
            CLog::printf("TQRealTimeManager::registerUserIDForBulkSending LiveBroadcast:merge update %d, total: %d",
                         request.uid, int(fetch->uids.size()));
        }
    }
    if (!matched) {
        auto *fetch = new TQLateRequestFetch;
        fetch->uids.push_back(request.uid);
        fetch->start = request.start;
        fetch->end = request.end;
        fetch->properStart = request.properStart;
        fetches.push_back(fetch);
        CLog::printf("registerUserIDForBulkSending LiveBroadcast:create TQLateRequestFetch uid=%d start-end(%d, %d)",
                     request.uid, request.start, request.end);
    }
    if (idle)
        scheduleDrawingTask(true);
}

void TQRealTimeManager::pauseDrawingSending(int seconds)
{
    if (seconds < 0 || seconds < m_drawingPauseSeconds)
        return;
    m_drawingPauseSeconds = qMin(seconds, kMaxDrawingPauseSeconds);
}

void TQRealTimeManager::countDownDrawingPause()
{
    if (m_drawingPauseSeconds > 0)
        --m_drawingPauseSeconds;
}

// Raw partitions -------------------------------------------------------------------

bool TQRealTimeManager::sendBinaryPartition(const std::string &partitionJson, const QByteArray *raw,
                                            long targetUserID)
{
    if (!m_rtmEngine || !m_packagingService)
        return false;
    const int length = raw ? raw->size() : 0;
    char *buffer = nullptr;
    if (length > 0) {
        // The channel owns the copy and frees it once it was sent.
        buffer = new char[size_t(length)];
        std::memcpy(buffer, raw->constData(), size_t(length));
    }
    const std::string envelope = m_packagingService->packPartitionMessage(partitionJson, int(targetUserID));
    m_rtmEngine->sendDataMessage(envelope, buffer, length, false, targetUserID);
    return m_rtmLoggedIn;
}

// Teardown -------------------------------------------------------------------------

void TQRealTimeManager::releaseQueues()
{
    for (TQAction *action : m_publicQueue)
        freePublicAction(action);
    m_publicQueue.clear();
    for (auto *queue : {&m_privateQueue, &m_controlQueue, &m_pendingDrawing, &m_sendScratch}) {
        for (TQAction *action : *queue)
            delete action;
        queue->clear();
    }
    for (auto *fetches : {&m_fastFetches, &m_slowFetches}) {
        for (TQLateRequestFetch *fetch : *fetches)
            delete fetch;
        fetches->clear();
    }
    m_resendList.clear();
}
