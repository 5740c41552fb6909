#include "modules/live/communications/agora/rtm/TQRTMSendDataThread.h"

#include "modules/live/communications/agora/rtm/TQRTMCommon.h"
#include "modules/live/communications/agora/rtm/TQRTMSendData.h"
#include "utils/CLog.h"

#include "agora/IAgoraRtmService.h"
#include "tessel/ITesselRtmService.h"

namespace {

constexpr int kIdleSleepMs = 10;

QString currentThreadNumber()
{
    return QString::number(reinterpret_cast<quintptr>(QThread::currentThreadId()));
}

} // namespace

TQRTMSendDataThread::TQRTMSendDataThread() = default;

TQRTMSendDataThread::~TQRTMSendDataThread()
{
    stopSendLoop();
    waitForRun();
    dropQueued();
}

void TQRTMSendDataThread::pushSendData(std::string messageBody, char *rawData, int rawLength,
                                       bool thruMainChannel, long targetUserID)
{
    // The flag is read under the lock that stopSendLoop writes it under, so no
    // push can start the loop again once a stop has been asked for.
    std::unique_lock<std::mutex> lock(mQueueMutex);
    if (mNeedStop) {
        lock.unlock();
        delete[] rawData;
        return;
    }
    mQueue.push_back(rawData ? new TQRTMSendData(std::move(messageBody), rawData, rawLength,
                                                 thruMainChannel, targetUserID)
                             : new TQRTMSendData(std::move(messageBody), thruMainChannel, targetUserID));
    if (!isRunning())
        start();
}

void TQRTMSendDataThread::setAgoraRtmObjects(agora::rtm::IRtmService *service,
                                             agora::rtm::IChannel *mainChannel,
                                             agora::rtm::IChannel *altChannel)
{
    std::lock_guard<std::mutex> lock(mQueueMutex);
    mAgora = {service, mainChannel, altChannel};
}

void TQRTMSendDataThread::setTesselRtmObjects(tessel::rtm::IRtmService *service,
                                              tessel::rtm::IChannel *mainChannel,
                                              tessel::rtm::IChannel *altChannel)
{
    std::lock_guard<std::mutex> lock(mQueueMutex);
    mTessel = {service, mainChannel, altChannel};
}

void TQRTMSendDataThread::stopSendLoop()
{
    CLog::log(QStringLiteral("set thread stop tag"), QStringLiteral("TQRTMSendDataThread::stopSendLoop "));
    std::lock_guard<std::mutex> lock(mQueueMutex);
    mNeedStop = true;
}

void TQRTMSendDataThread::stopSendLoopAndWait()
{
    stopSendLoop();
    waitForRun();
    forgetRtmObjects();
}

void TQRTMSendDataThread::resetSendLoop()
{
    stopSendLoopAndWait();
    dropQueued();
    std::lock_guard<std::mutex> lock(mQueueMutex);
    mNeedStop = false;
}

void TQRTMSendDataThread::run()
{
    const QString tag = QStringLiteral("TQRTMSendDataThread::run ");
    CLog::log(QStringLiteral("thread %1 run").arg(currentThreadNumber()), tag);
    while (!mNeedStop) {
        while (!mNeedStop) {
            TQRTMSendData *record = nullptr;
            {
                std::lock_guard<std::mutex> lock(mQueueMutex);
                if (mQueue.empty())
                    break;
                record = mQueue.front();
                mQueue.pop_front();
            }
            sendData(record);
            delete record;
        }
        if (!mNeedStop)
            QThread::msleep(kIdleSleepMs);
        else
            CLog::log(QStringLiteral("mNeedStop=%1, quit").arg(1), tag);
    }
    CLog::log(QStringLiteral("thread %1 quit").arg(currentThreadNumber()), tag);
    mRunReturned.store(true, std::memory_order_release);
}

void TQRTMSendDataThread::waitForRun()
{
    wait();
    // QThread::wait joins inside QtCore, where ThreadSanitizer cannot see it;
    // reading back the loop's last store makes the join visible, so whatever
    // run touched is known to happen before the caller goes on.
    (void)mRunReturned.load(std::memory_order_acquire);
}

void TQRTMSendDataThread::sendData(TQRTMSendData *record)
{
    RtmObjects<agora::rtm::IRtmService, agora::rtm::IChannel> agoraObjects;
    RtmObjects<tessel::rtm::IRtmService, tessel::rtm::IChannel> tesselObjects;
    {
        std::lock_guard<std::mutex> lock(mQueueMutex);
        agoraObjects = mAgora;
        tesselObjects = mTessel;
    }
    if (agoraObjects.service)
        sendThrough<agora::rtm::SendMessageOptions>(agoraObjects, *record);
    else if (tesselObjects.service)
        sendThrough<tessel::rtm::SendMessageOptions>(tesselObjects, *record);
    else
        CLog::error(QStringLiteral("m_pRtmClient not complete"), QStringLiteral("TQRTMSendDataThread::sendData "));
}

template <typename Options, typename Service, typename Channel>
void TQRTMSendDataThread::sendThrough(const RtmObjects<Service, Channel> &objects, const TQRTMSendData &record)
{
    auto *message = record.rawData && record.rawLength > 0
                        ? objects.service->createRawMessage(record.rawData, record.rawLength)
                        : objects.service->createMessage();
    if (!message)
        return;
    message->setText(record.messageBody.c_str());
    if (record.targetUserID == -1) {
        Channel *channel = record.thruMainChannel ? objects.mainChannel : objects.altChannel;
        if (channel)
            channel->sendMessage(message);
    } else {
        const Options options; // both flags off
        objects.service->sendMessageToPeer(TQRTMCommon::peerId(record.targetUserID).c_str(), message,
                                           options);
    }
    message->release();
}

void TQRTMSendDataThread::forgetRtmObjects()
{
    std::lock_guard<std::mutex> lock(mQueueMutex);
    mAgora = {};
    mTessel = {};
}

void TQRTMSendDataThread::dropQueued()
{
    std::deque<TQRTMSendData *> dropped;
    {
        std::lock_guard<std::mutex> lock(mQueueMutex);
        dropped.swap(mQueue);
    }
    for (TQRTMSendData *record : dropped)
        delete record;
}
