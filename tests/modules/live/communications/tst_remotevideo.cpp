// A student's camera on the teacher's screen, end to end: the product's media
// engine (Agora or Tessel) joins the stand-in's channel, a student's engine
// pushes an I420 picture, and the engine binds a video item shown in a Qt
// Quick window to that student. Frames arrive on the stand-in's render
// thread, in OpenGL mode as frames the item keeps, in image mode as pictures
// the window shows. The item then goes away while frames still flow; the SDK
// must hear it and no frame may reach it. Run under ThreadSanitizer too.

#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/TQDataModelBean.h"
#include "modules/live/communications/TQRTCEventDelegate.h"
#include "modules/live/communications/agora/TQRTCCommonAgoraImpl.h"
#include "modules/live/communications/agora/TQRTCCommonTessel.h"
#include "modules/live/userlist/TQAgoraVideoWidget.h"
#include "modules/login/LoginManager.h"
#include "utils/GlobalConfig.h"

#include "RtcTestPeer.h"
#include "TestLoadConfig.h"
#include "TestPictures.h"
#include "rtsdk/StandInControl.h"

#include <QJsonObject>
#include <QPointer>
#include <QQuickWindow>
#include <QScreen>
#include <QtTest>

#include <algorithm>
#include <atomic>
#include <memory>
#include <vector>

using rtsdk::StandInControl;

namespace {

constexpr unsigned kStudent = 42;
constexpr long kCourse = 55;
constexpr long kSchedule = 678;

// 160 x 120, left half red, right half blue, as a camera would push it.
std::vector<unsigned char> studentPicture()
{
    const int w = 160;
    const int h = 120;
    std::vector<unsigned char> bytes(size_t(w * h * 3 / 2));
    unsigned char *u = bytes.data() + w * h;
    unsigned char *v = u + w * h / 4;
    for (int row = 0; row < h; ++row)
        for (int col = 0; col < w; ++col)
            bytes[size_t(row * w + col)] = col < w / 2 ? 81 : 41;
    for (int row = 0; row < h / 2; ++row)
        for (int col = 0; col < w / 2; ++col) {
            u[row * w / 2 + col] = col < w / 4 ? 90 : 240;
            v[row * w / 2 + col] = col < w / 4 ? 240 : 110;
        }
    return bytes;
}

// What the offscreen screen shows of the window.
QImage shot(QQuickWindow &window)
{
    return window.screen()->grabWindow(window.winId()).toImage();
}

bool near(const QColor &c, const QColor &expected)
{
    return qAbs(c.red() - expected.red()) <= 12 && qAbs(c.green() - expected.green()) <= 12
        && qAbs(c.blue() - expected.blue()) <= 12;
}

int viewDestroyedNotices()
{
    const auto calls = StandInControl::calls();
    return int(std::count_if(calls.begin(), calls.end(),
                             [](const rtsdk::CallRecord &c) { return c.call == "onViewDestroyed()"; }));
}

} // namespace

class TestRemoteVideo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void studentCamera_data();
    void studentCamera();

private:
    std::unique_ptr<CourseDetailBean> m_course;
};

void TestRemoteVideo::initTestCase()
{
    LoginManager::saveLoginInfo(QJsonObject{{"tokenStatus", QJsonObject{{"token", "tk"}}},
                                            {"accountDetails", QJsonObject{{"user_id", "900"}}}});
    m_course = std::make_unique<CourseDetailBean>(QJsonObject());
    QVERIFY(m_course->isRtcVideoEnabled());
    TQDataModelBean::m_pOngoingCourse = m_course.get();
}

void TestRemoteVideo::cleanup()
{
    StandInControl::reset();
}

void TestRemoteVideo::studentCamera_data()
{
    QTest::addColumn<QString>("sdk");
    QTest::addColumn<QString>("renderType");
    QTest::addColumn<bool>("pictures");
    QTest::newRow("agora, OpenGL") << "agora" << "0" << false;
    QTest::newRow("agora, images") << "agora" << "1" << true;
    QTest::newRow("tessel, always OpenGL") << "tessel" << "1" << false;
}

void TestRemoteVideo::studentCamera()
{
    QFETCH(QString, sdk);
    QFETCH(QString, renderType);
    QFETCH(bool, pictures);
    QVERIFY(GlobalConfig().setValue(QStringLiteral("video_widget_render_type"), renderType));

    // The teacher's engine in the class channel, a student's beside it with
    // its camera picture pushed.
    std::unique_ptr<TQRTCCommon> engine;
    if (sdk == QLatin1String("agora"))
        engine = std::make_unique<TQRTCCommonAgoraImpl>();
    else
        engine = std::make_unique<TQRTCCommonTessel>();
    TQRTCEventDelegate handlers;
    QCOMPARE(engine->loadRTC(testLoadConfig(&handlers, kCourse, kSchedule)), 0);
    RtcTestPeer student;
    QCOMPARE(student.join("678", kStudent, TQRTCCommonAgoraImpl::encryptionSecret(kCourse, kSchedule)), 0);
    QVERIFY(student.waitFor("joined 678 42"));
    void *found = nullptr;
    QCOMPARE(student.engine->queryInterface(agora::rtc::IID_MEDIA_ENGINE, &found), 0);
    auto *camera = static_cast<agora::media::IMediaEngine *>(found);
    QCOMPARE(camera->setExternalVideoSource(true, false), 0);
    std::vector<unsigned char> picture = studentPicture();
    agora::media::ExternalVideoFrame pushed;
    pushed.format = agora::media::ExternalVideoFrame::VIDEO_PIXEL_I420;
    pushed.buffer = picture.data();
    pushed.stride = 160;
    pushed.height = 120;
    QCOMPARE(camera->pushVideoFrame(&pushed), 0);
    camera->release();

    // The student's tile, bound to the student.
    QQuickWindow window;
    window.resize(160, 120);
    window.setColor(Qt::black);
    QPointer<TQAgoraVideoWidget> tile = new TQAgoraVideoWidget(window.contentItem());
    tile->setSize(QSizeF(160, 120));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    std::atomic<int> frames{0};
    std::atomic<int> images{0};
    connect(tile, &TQAgoraVideoWidget::frameDelivered, this, [&] { ++frames; });
    connect(tile, &TQAgoraVideoWidget::newImageComming_signal, this, [&] { ++images; }, Qt::QueuedConnection);
    QCOMPARE(engine->setRemoteVideoRenderer(kStudent, tile.data()), 0);

    if (pictures) {
        QTRY_VERIFY_WITH_TIMEOUT(near(shot(window).pixelColor(40, 60), Qt::red), 5000);
        const QImage shown = shot(window);
        saveTestPicture(shown, QStringLiteral("remote_video_%1_images").arg(sdk));
        QVERIFY(near(shown.pixelColor(120, 60), Qt::blue));
        QCOMPARE(frames.load(), 0);
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(frames >= 3, 5000);
        QCOMPARE(images.load(), 0);
    }

    // The tile goes while the render thread goes on delivering: the SDK is
    // told once, and frames for the gone view are dropped by the renderer.
    delete tile;
    QCOMPARE(viewDestroyedNotices(), 1);
    QTest::qWait(250);
    QCOMPARE(viewDestroyedNotices(), 1);

    // Unbinding ends the renderer; then the class leaves.
    QCOMPARE(engine->setRemoteVideoRenderer(kStudent, nullptr), 0);
    engine->leaveRTC();
}

QTEST_MAIN(TestRemoteVideo)
#include "tst_remotevideo.moc"
