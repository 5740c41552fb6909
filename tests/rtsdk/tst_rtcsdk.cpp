// The stand-in SDK's media side on its own, through the SDK interfaces: who
// hears whom in a channel, data streams under the loss, duplication and
// reorder knobs, remote renderers fed from a peer's pushed frames or a test
// pattern on the render thread, PCM on the audio thread while joined, and the
// periodic volume report.

#include "RtcMediaPeer.h"
#include "rtsdk/StandInControl.h"

#include <QThread>
#include <QtTest>

#include <atomic>

using rtsdk::StandInControl;

namespace {

const char *kSecret = "4711";

} // namespace

class TestRtcSdk : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { StandInControl::reset(); }

    void whoHearsWhom()
    {
        RtcTestPeer a, b, stranger;
        QCOMPARE(a.join("c", 1, kSecret), 0);
        QCOMPARE(b.join("c", 2, kSecret), 0);
        QCOMPARE(stranger.join("c", 3, "other"), 0);
        RtcTestPeer sameUid;
        QCOMPARE(sameUid.join("c", 2, kSecret), -17);
        QVERIFY(a.waitFor("user 2"));
        QVERIFY(b.waitFor("user 1"));
        QCOMPARE(StandInControl::rtcMembersOf("c"), (std::vector<unsigned>{1, 2, 3}));

        QCOMPARE(b.engine->leaveChannel(), 0);
        QVERIFY(a.waitFor("offline 2 0"));
        QVERIFY(b.waitFor("left"));
        QVERIFY(StandInControl::waitIdle());
        // A member with another secret hears nobody and is heard by nobody.
        QCOMPARE(stranger.events(), std::vector<std::string>{"joined c 3"});
        QCOMPARE(a.events(), (std::vector<std::string>{"joined c 1", "user 2", "offline 2 0"}));
    }

    void streamFaults_data()
    {
        QTest::addColumn<int>("loss");
        QTest::addColumn<int>("duplicate");
        QTest::addColumn<int>("reorder");
        QTest::addColumn<QStringList>("received");
        QTest::newRow("clean") << 0 << 0 << 0 << QStringList{"m1", "m2"};
        QTest::newRow("lost") << 100 << 0 << 0 << QStringList{};
        QTest::newRow("duplicated") << 0 << 100 << 0 << QStringList{"m1", "m1", "m2", "m2"};
        QTest::newRow("reordered") << 0 << 0 << 100 << QStringList{"m2", "m1"};
    }
    void streamFaults()
    {
        QFETCH(int, loss);
        QFETCH(int, duplicate);
        QFETCH(int, reorder);
        QFETCH(QStringList, received);
        rtsdk::StreamFault fault;
        fault.lossPercent = loss;
        fault.duplicatePercent = duplicate;
        fault.reorderPercent = reorder;
        StandInControl::setStreamFault(fault);

        RtcTestPeer a, b;
        QCOMPARE(a.send("early"), -7); // not in a channel yet
        QCOMPARE(a.join("c", 1, kSecret), 0);
        QCOMPARE(b.join("c", 2, kSecret), 0);
        QCOMPARE(a.streamId, 1);
        QCOMPARE(a.engine->sendStreamMessage(0, "x", 1), -2);
        QCOMPARE(a.engine->sendStreamMessage(1, nullptr, 1), -2);
        QCOMPARE(a.send("m1"), 0);
        QCOMPARE(a.send("m2"), 0);
        QVERIFY(StandInControl::waitIdle());
        QStringList got;
        for (const auto &e : b.events())
            if (e.rfind("stream 1 ", 0) == 0)
                got << QString::fromStdString(e.substr(9));
        QCOMPARE(got, received);
    }

    void framesAndAudio()
    {
        MediaPeer teacher;
        RtcTestPeer student;
        QCOMPARE(teacher.media()->registerVideoRenderFactory(&teacher), 0);
        QCOMPARE(teacher.media()->registerAudioFrameObserver(&teacher), 0);
        QCOMPARE(teacher.join("c", 1, kSecret), 0);
        QCOMPARE(student.join("c", 2, kSecret), 0);

        // The student pushes a flat 64 x 48 I420 picture of luma 77.
        QCOMPARE(student.pushFlatPicture(64, 48, 77), -7); // no external source yet
        student.media()->setExternalVideoSource(true, false);
        QCOMPARE(student.pushFlatPicture(64, 48, 77), 0);

        int view = 0, otherView = 0;
        agora::rtc::VideoCanvas canvas;
        canvas.view = &view;
        canvas.uid = 2;
        QCOMPARE(teacher.engine->setupRemoteVideo(canvas), 0);
        canvas.view = &otherView;
        canvas.uid = 9; // nobody pushes for it: the test pattern
        QCOMPARE(teacher.engine->setupRemoteVideo(canvas), 0);
        QCOMPARE(teacher.renderers.load(), 2);
        QTRY_VERIFY(teacher.frameLog().size() >= 4);
        const auto log = teacher.frameLog();
        QVERIFY(std::find(log.begin(), log.end(), "64x48 y77") != log.end());
        QVERIFY(std::find_if(log.begin(), log.end(), [](const std::string &s) { return s.rfind("160x120", 0) == 0; })
                != log.end());

        canvas.view = nullptr; // unbinds
        QCOMPARE(teacher.engine->setupRemoteVideo(canvas), 0);
        QCOMPARE(teacher.renderers.load(), 1);

        // 1024 samples at 48 kHz: about 47 calls a second.
        const int before = teacher.audioFrames;
        QTest::qWait(500);
        const int inHalfSecond = teacher.audioFrames - before;
        QVERIFY2(inHalfSecond >= 10 && inHalfSecond <= 40, qPrintable(QString::number(inHalfSecond)));
        QCOMPARE(teacher.engine->leaveChannel(), 0);
        const int afterLeave = teacher.audioFrames;
        QTest::qWait(100);
        QCOMPARE(teacher.audioFrames.load(), afterLeave);
        teacher.shutdown();
        QCOMPARE(teacher.renderers.load(), 0);
    }

    void volumeReport()
    {
        MediaPeer a;
        RtcTestPeer b;
        QCOMPARE(a.engine->enableAudioVolumeIndication(100, 3), 0);
        QCOMPARE(a.join("c", 1, kSecret), 0);
        QCOMPARE(b.join("c", 2, kSecret), 0);
        // The own user is reported as uid 0.
        QVERIFY(a.waitFor("volume 0 2"));
    }
};

QTEST_GUILESS_MAIN(TestRtcSdk)
#include "tst_rtcsdk.moc"
