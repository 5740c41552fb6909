// The remote video item on its own: frames and pictures handed in from
// another thread as the media engine's render thread does, the item shown in
// a real Qt Quick window (offscreen, software scene graph) and grabbed, the
// picture's centred crop as numbers, and the item's notices to its renderer.
// On a virtual X screen, where the build runs this test a second time, the
// window draws with OpenGL and the item's frames are drawn by its renderer.
// Items bound to a student of the stand-in SDK are resized and destroyed
// while its render thread delivers (run under ThreadSanitizer too).

#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/TQDataModelBean.h"
#include "modules/live/communications/TQRTCEventDelegate.h"
#include "modules/live/communications/agora/TQRTCCommonAgoraImpl.h"
#include "modules/live/userlist/TQAgoraVideoWidget.h"
#include "utils/GlobalConfig.h"

#include "I420Quadrant.h"
#include "RtcTestPeer.h"
#include "TestLoadConfig.h"
#include "TestPictures.h"
#include "rtsdk/StandInControl.h"

#include <QJsonObject>
#include <QPointer>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QScreen>
#include <QtTest>

#include <algorithm>
#include <atomic>
#include <memory>
#include <thread>
#include <vector>

namespace {

// A grey I420 frame, rows padded to the strides given, as either SDK's frame.
struct GreyFrame
{
    GreyFrame(int w, int h, int yStride, int uvStride)
        : y(size_t(yStride * h), 128), uv(size_t(uvStride * ((h + 1) / 2)), 128)
        , agora(as<agora::media::VideoFrame>(w, h, yStride, uvStride))
        , tessel(as<tessel::media::VideoFrame>(w, h, yStride, uvStride))
    {
    }
    template <class Frame>
    Frame as(int w, int h, int yStride, int uvStride) const
    {
        Frame f;
        f.width = w;
        f.height = h;
        f.yBuffer = y.data();
        f.uBuffer = f.vBuffer = uv.data();
        f.yStride = yStride;
        f.uStride = f.vStride = uvStride;
        return f;
    }
    std::vector<unsigned char> y, uv;
    agora::media::VideoFrame agora;
    tessel::media::VideoFrame tessel;
};

// What the offscreen screen shows of the window.
QImage shot(QQuickWindow &window)
{
    return window.screen()->grabWindow(window.winId()).toImage();
}

// Left half red, right half blue.
QImage halves(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB888);
    image.fill(Qt::blue);
    for (int row = 0; row < h; ++row)
        for (int col = 0; col < w / 2; ++col)
            image.setPixelColor(col, row, Qt::red);
    return image;
}

} // namespace

class TestAgoraVideoWidget : public QObject
{
    Q_OBJECT

private slots:
    void deliveries();
    void pictureCrop_data();
    void pictureCrop();
    void picturesFromAnotherThreadAreDrawn();
    void cleanupEndsTheRenderer();
    void framesDrawnWithOpenGL();
    void resizedAndDestroyedWhileFramesArrive_data();
    void resizedAndDestroyedWhileFramesArrive();
};

void TestAgoraVideoWidget::deliveries()
{
    TQAgoraVideoWidget widget;
    QSignalSpy delivered(&widget, &TQAgoraVideoWidget::frameDelivered);
    const GreyFrame padded(10, 6, 16, 8);

    QCOMPARE(widget.deliverAgoraFrame(agora::media::VideoFrame(), 0, false), -1);
    QCOMPARE(widget.deliverTesselFrame(tessel::media::VideoFrame(), 0, false), -1);
    QCOMPARE(delivered.count(), 0);

    QCOMPARE(widget.deliverAgoraFrame(padded.agora, 90, true), 0);
    QCOMPARE(widget.deliverTesselFrame(padded.tessel, 0, false), 0);
    QCOMPARE(delivered.count(), 2);

    // Planes that cannot be read whole are not copied (the last frame stays).
    agora::media::VideoFrame shortRows = padded.agora;
    shortRows.uStride = 2;
    QCOMPARE(widget.deliverAgoraFrame(shortRows, 0, false), -1);
    agora::media::VideoFrame noPlane = padded.agora;
    noPlane.yBuffer = nullptr;
    QCOMPARE(widget.deliverAgoraFrame(noPlane, 0, false), -1);
}

void TestAgoraVideoWidget::pictureCrop_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSizeF>("item");
    QTest::addColumn<QRect>("source");
    QTest::newRow("wide picture, square item") << QSize(640, 360) << QSizeF(100, 100) << QRect(140, 0, 360, 360);
    QTest::newRow("tall picture, wide item") << QSize(360, 640) << QSizeF(200, 100) << QRect(0, 230, 360, 180);
    QTest::newRow("same ratio") << QSize(320, 240) << QSizeF(160, 120) << QRect(0, 0, 320, 240);
    QTest::newRow("item without width") << QSize(320, 240) << QSizeF(0, 120) << QRect();
    QTest::newRow("item without height") << QSize(320, 240) << QSizeF(120, 0) << QRect();
    QTest::newRow("item without area") << QSize(320, 240) << QSizeF(0, 0) << QRect();
    QTest::newRow("picture without area") << QSize(0, 0) << QSizeF(100, 100) << QRect();
    QTest::newRow("odd sizes truncate") << QSize(641, 359) << QSizeF(99, 101) << QRect(144, 0, 351, 359);
}

void TestAgoraVideoWidget::pictureCrop()
{
    QFETCH(QSize, picture);
    QFETCH(QSizeF, item);
    QFETCH(QRect, source);
    QCOMPARE(TQAgoraVideoWidget::pictureSourceRect(picture, item), source);
}

void TestAgoraVideoWidget::picturesFromAnotherThreadAreDrawn()
{
    QQuickWindow window;
    window.resize(200, 100);
    window.setColor(Qt::black);
    auto *widget = new TQAgoraVideoWidget(window.contentItem());
    widget->setSize(QSizeF(200, 100));
    widget->setFillColor(Qt::black);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // A grey frame in a window without OpenGL: nothing drawn, nothing broken.
    const GreyFrame grey(160, 120, 160, 80);
    QCOMPARE(widget->deliverAgoraFrame(grey.agora, 0, false), 0);
    QCoreApplication::processEvents();
    QCOMPARE(shot(window).pixelColor(100, 50), QColor(Qt::black));

    // The picture comes from the render thread; the item draws it centred
    // and cropped to its own shape: 200 x 100 of a 400 x 400 picture keeps
    // the middle band, red on the left, blue on the right.
    std::thread render([widget] { widget->deliverImage(halves(400, 400)); });
    render.join();
    QTRY_COMPARE(shot(window).pixelColor(40, 50), QColor(Qt::red));
    // Later frames do not take the item back from the picture.
    QCOMPARE(widget->deliverAgoraFrame(grey.agora, 0, false), 0);
    QCoreApplication::processEvents();
    const QImage shown = shot(window);
    saveTestPicture(shown, QStringLiteral("video_widget_picture"));
    QCOMPARE(shown.pixelColor(40, 50), QColor(Qt::red));
    QCOMPARE(shown.pixelColor(160, 50), QColor(Qt::blue));
}

void TestAgoraVideoWidget::cleanupEndsTheRenderer()
{
    auto widget = std::make_unique<TQAgoraVideoWidget>();
    QSignalSpy invalidated(widget.get(), &TQAgoraVideoWidget::widgetInvalidated);
    QSignalSpy resized(widget.get(), &TQAgoraVideoWidget::viewSizeChanged);
    QCOMPARE(widget->setupRenderer(0, 0, 0, 1, 1), 0);

    widget->cleanup();
    QCOMPARE(invalidated.count(), 1);
    QCOMPARE(widget->setupRenderer(0, 0, 0, 1, 1), -1);
    // Frames and pictures that still come are dropped; sizes are still told.
    QSignalSpy delivered(widget.get(), &TQAgoraVideoWidget::frameDelivered);
    QSignalSpy pictures(widget.get(), &TQAgoraVideoWidget::newImageComming_signal);
    const GreyFrame grey(8, 4, 8, 4);
    QCOMPARE(widget->deliverAgoraFrame(grey.agora, 0, false), -1);
    QCOMPARE(widget->deliverTesselFrame(grey.tessel, 0, false), -1);
    widget->deliverImage(halves(8, 8));
    QCOMPARE(delivered.count(), 0);
    QCOMPARE(pictures.count(), 0);
    widget->setSize(QSizeF(30, 20));
    QCOMPARE(resized.count(), 1);
    QCOMPARE(resized.first(), (QList<QVariant>{30, 20}));

    // The destructor cleans up as well, so renderers always hear of the end.
    widget.reset();
    QCOMPARE(invalidated.count(), 2);
}

void TestAgoraVideoWidget::framesDrawnWithOpenGL()
{
    // Two tiles side by side: one fed as by the Agora engine, one as by the
    // Tessel engine.
    QQuickWindow window;
    window.resize(320, 120);
    window.setColor(Qt::darkGreen);
    auto *agoraTile = new TQAgoraVideoWidget(window.contentItem());
    auto *tesselTile = new TQAgoraVideoWidget(window.contentItem());
    agoraTile->setSize(QSizeF(160, 120));
    tesselTile->setSize(QSizeF(160, 120));
    tesselTile->setX(160);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSGRendererInterface *renderer = window.rendererInterface();
    if (!renderer || renderer->graphicsApi() != QSGRendererInterface::OpenGL) {
        if (qEnvironmentVariableIsSet("VELTRO_REQUIRE_GL"))
            QFAIL("the window does not draw with OpenGL although it is required");
        QSKIP("the window does not draw with OpenGL here (run under a virtual X screen with Mesa)");
    }

    // The region a renderer sets up from the SDK's context: the whole view.
    for (TQAgoraVideoWidget *tile : {agoraTile, tesselTile})
        QCOMPARE(tile->setupRenderer(0, 0, 0, 1, 1), 0);

    // Frames from the render thread, drawn upright over the whole tile.
    const I420Quadrant<agora::media::VideoFrame> agora(320, 240);
    const I420Quadrant<tessel::media::VideoFrame> tessel(320, 240);
    std::thread render([&] {
        agoraTile->deliverAgoraFrame(agora.frame, 0, false);
        tesselTile->deliverTesselFrame(tessel.frame, 0, false);
    });
    render.join();
    QTRY_VERIFY(shot(window).pixelColor(180, 20).lightness() > 240);
    const QImage shown = shot(window);
    saveTestPicture(shown, QStringLiteral("video_widget_opengl"));
    for (const int left : {0, 160}) {
        for (const QPoint p : {QPoint(2, 2), QPoint(78, 58)})
            QVERIFY2(shown.pixelColor(p + QPoint(left, 0)).lightness() > 240, qPrintable(shown.pixelColor(p).name()));
        for (const QPoint p : {QPoint(82, 20), QPoint(20, 62), QPoint(150, 110)})
            QVERIFY2(shown.pixelColor(p + QPoint(left, 0)).lightness() < 20, qPrintable(shown.pixelColor(p).name()));
    }
}

void TestAgoraVideoWidget::resizedAndDestroyedWhileFramesArrive_data()
{
    QTest::addColumn<QString>("renderType");
    QTest::newRow("OpenGL frames") << "0";
    QTest::newRow("pictures") << "1";
}

void TestAgoraVideoWidget::resizedAndDestroyedWhileFramesArrive()
{
    QFETCH(QString, renderType);
    QVERIFY(GlobalConfig().setValue(QStringLiteral("video_widget_render_type"), renderType));
    CourseDetailBean course{QJsonObject()};
    TQDataModelBean::m_pOngoingCourse = &course;

    // The teacher's engine and a student pushing his camera into the channel.
    constexpr long kCourse = 55;
    constexpr long kSchedule = 678;
    constexpr unsigned kStudent = 42;
    TQRTCEventDelegate handlers;
    auto engine = std::make_unique<TQRTCCommonAgoraImpl>();
    QCOMPARE(engine->loadRTC(testLoadConfig(&handlers, kCourse, kSchedule)), 0);
    RtcTestPeer student;
    QCOMPARE(student.join("678", kStudent, TQRTCCommonAgoraImpl::encryptionSecret(kCourse, kSchedule)), 0);
    QVERIFY(student.waitFor("joined 678 42"));
    QCOMPARE(student.media()->setExternalVideoSource(true, false), 0);
    QCOMPARE(student.pushFlatPicture(160, 120, 150), 0);

    QQuickWindow window;
    window.resize(240, 180);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // Three items in turn: bound, resized step by step while frames arrive on
    // the render thread, then destroyed with frames still flowing.
    std::atomic<int> arrived{0};
    for (int round = 0; round < 3; ++round) {
        QPointer<TQAgoraVideoWidget> tile = new TQAgoraVideoWidget(window.contentItem());
        tile->setSize(QSizeF(160, 120));
        connect(tile, &TQAgoraVideoWidget::frameDelivered, this, [&] { ++arrived; }, Qt::DirectConnection);
        connect(tile, &TQAgoraVideoWidget::newImageComming_signal, this, [&] { ++arrived; }, Qt::DirectConnection);
        QCOMPARE(engine->setRemoteVideoRenderer(kStudent, tile.data()), 0);
        for (int step = 0; step < 12; ++step) {
            tile->setSize(QSizeF(40 + 15 * step, 30 + 11 * step));
            QTest::qWait(15);
        }
        delete tile;
        QTest::qWait(30);
        QCOMPARE(engine->setRemoteVideoRenderer(kStudent, nullptr), 0);
    }
    QVERIFY(arrived > 0);
    engine->leaveRTC();
    engine.reset();
    TQDataModelBean::m_pOngoingCourse = nullptr;
    rtsdk::StandInControl::reset();
}

QTEST_MAIN(TestAgoraVideoWidget)
#include "tst_agoravideowidget.moc"
