#pragma once

#include <QThread>

#include <atomic>
#include <deque>
#include <mutex>
#include <string>

namespace agora { namespace rtm {
class IRtmService;
class IChannel;
}}
namespace tessel { namespace rtm {
class IRtmService;
class IChannel;
}}

class TQRTMSendData;

// The one thread that hands a channel's outgoing messages to the messaging
// SDK, one at a time and in arrival order, so that no sender waits for the
// network. It has no event loop: it polls its queue every 10 ms while idle.
// It serves both SDKs and sends through the object set its channel filled.
class TQRTMSendDataThread : public QThread
{
    Q_OBJECT

public:
    TQRTMSendDataThread();
    // Stops the loop, waits for it and deletes the records never sent.
    ~TQRTMSendDataThread() override;

    // Any thread. Queues one message (rawData, allocated with new[] or null,
    // becomes the thread's) and starts the loop when it is not running; after
    // stopSendLoop the message is dropped instead.
    void pushSendData(std::string messageBody, char *rawData, int rawLength, bool thruMainChannel,
                      long targetUserID);
    // GUI thread, after every join success. Each leaves the other SDK's set alone.
    void setAgoraRtmObjects(agora::rtm::IRtmService *service, agora::rtm::IChannel *mainChannel,
                            agora::rtm::IChannel *altChannel);
    void setTesselRtmObjects(tessel::rtm::IRtmService *service, tessel::rtm::IChannel *mainChannel,
                             tessel::rtm::IChannel *altChannel);
    // Asks the loop to end; a record already taken is still sent.
    void stopSendLoop();
    // Stops the loop and returns only when run has returned; the SDK objects
    // are forgotten. Call it before leaving a channel or releasing the
    // service: nothing the loop might still use is released under it.
    void stopSendLoopAndWait();
    // For a new login on the same channel: stops and waits, drops what the
    // earlier login left queued, forgets its SDK objects and clears the stop
    // flag, so the next push starts the loop again.
    void resetSendLoop();

protected:
    void run() override;

private:
    template <typename Service, typename Channel>
    struct RtmObjects
    {
        Service *service = nullptr;
        Channel *mainChannel = nullptr;
        Channel *altChannel = nullptr;
    };

    void sendData(TQRTMSendData *record);
    template <typename Options, typename Service, typename Channel>
    static void sendThrough(const RtmObjects<Service, Channel> &objects, const TQRTMSendData &record);
    void forgetRtmObjects();
    void dropQueued();
    void waitForRun();

    // Guards mQueue and both object sets; never held over a call out. A
    // std::mutex rather than a QMutex: ThreadSanitizer sees its locking.
    std::mutex mQueueMutex;
    std::deque<TQRTMSendData *> mQueue; // owns the records
    std::atomic<bool> mNeedStop{false};
    std::atomic<bool> mRunReturned{false};
    RtmObjects<agora::rtm::IRtmService, agora::rtm::IChannel> mAgora;   // not owned
    RtmObjects<tessel::rtm::IRtmService, tessel::rtm::IChannel> mTessel; // not owned
};
