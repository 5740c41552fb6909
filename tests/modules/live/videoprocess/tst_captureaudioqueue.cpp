// The PCM queue between an audio observer and the recorder, driven by a real
// producer thread and a real consumer thread: neither side waits, every frame
// that was queued is taken exactly once and in order, and the frames nobody
// took are freed with the queue.

#include "modules/live/videoprocess/TQCaptureAudioAgoraThread.h"

#include <QtTest>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

namespace {

class PcmQueue : public TQCaptureAudioAgoraThread
{
public:
    void startCapture() override {}
    void stopCapture() override {}
    bool hasAudioFrames() override { return true; }
};

TQFrameData frameNumbered(int n)
{
    TQFrameData frame;
    frame.size = int(sizeof n);
    frame.data = static_cast<char *>(std::malloc(sizeof n));
    std::memcpy(frame.data, &n, sizeof n);
    frame.timestamp = n;
    return frame;
}

} // namespace

class TestCaptureAudioQueue : public QObject
{
    Q_OBJECT

private slots:
    void emptyQueueGivesNullFrame();
    void framesCrossThreadsOnceInOrder();
    void leftFramesAreFreed();
};

void TestCaptureAudioQueue::emptyQueueGivesNullFrame()
{
    PcmQueue queue;
    const TQFrameData frame = queue.popFrame();
    QCOMPARE(frame.data, nullptr);
    QCOMPARE(frame.size, 0);
}

void TestCaptureAudioQueue::framesCrossThreadsOnceInOrder()
{
    PcmQueue queue;
    constexpr int kFrames = 5000;
    std::vector<int> queued;
    std::atomic<bool> producing{true};
    std::thread audio([&] {
        for (int n = 0; n < kFrames; ++n) {
            TQFrameData frame = frameNumbered(n);
            // On a busy machine every try may meet the recorder's lock: the
            // last frame is offered until it goes in, so something crosses.
            while (!queue.pushFrame(frame)) {
                if (n + 1 < kFrames) {
                    std::free(frame.data); // busy: the frame stays ours and is lost
                    frame.data = nullptr;
                    break;
                }
                std::this_thread::yield();
            }
            if (frame.data)
                queued.push_back(n);
        }
        producing = false;
    });
    std::vector<int> taken;
    bool stampsMatch = true;
    std::thread recorder([&] {
        for (;;) {
            // Read before the pop: once the producer is done, nobody else
            // holds the lock, so an empty pop means an empty queue.
            const bool producerDone = !producing;
            TQFrameData frame = queue.popFrame();
            if (!frame.data) {
                if (producerDone)
                    break;
                continue;
            }
            int n = 0;
            std::memcpy(&n, frame.data, sizeof n);
            stampsMatch = stampsMatch && frame.timestamp == n;
            taken.push_back(n);
            std::free(frame.data);
        }
    });
    audio.join();
    recorder.join();
    QVERIFY(!queued.empty());
    QVERIFY(stampsMatch);
    QCOMPARE(taken, queued);
}

void TestCaptureAudioQueue::leftFramesAreFreed()
{
    // Three frames never taken: the queue's destructor frees them (ASan's
    // leak check fails the run otherwise).
    auto *queue = new PcmQueue;
    for (int n = 0; n < 3; ++n)
        QVERIFY(queue->pushFrame(frameNumbered(n)));
    const TQFrameData first = queue->popFrame();
    QCOMPARE(first.timestamp, qint64(0));
    std::free(first.data);
    delete queue;
}

QTEST_GUILESS_MAIN(TestCaptureAudioQueue)
#include "tst_captureaudioqueue.moc"
