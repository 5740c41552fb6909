// The media engines' remote video renderers, driven as the SDK drives them
// (factory, frames, release) against a real video widget: which delivery the
// setting "video_widget_render_type" chooses, the image mode's pace and
// colours on the settable clock, what the SDK's render callback hears when
// the view resizes or goes, and that a released renderer leaves no notice
// behind.

#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/TQDataModelBean.h"
#include "modules/live/communications/agora/TQRTCCommonAgoraImpl.h"
#include "modules/live/communications/agora/TQRTCCommonTessel.h"
#include "modules/live/communications/agora/tessel_video_render_impl.h"
#include "modules/live/communications/agora/video_render_impl.h"
#include "modules/live/userlist/TQAgoraVideoWidget.h"
#include "utils/GlobalConfig.h"

#include "I420Quadrant.h"
#include "TestClock.h"
#include "TestLogCapture.h"
#include "rtsdk/StandInControl.h"

#include <QJsonObject>
#include <QPointer>
#include <QQuickItem>
#include <QtTest>

#include <memory>
#include <thread>
#include <vector>

namespace {

constexpr qint64 kNow = 1700000000000;

// What a renderer tells the SDK about its view.
template <class Callback>
class RecordingCallback : public Callback
{
public:
    void onViewSizeChanged(int width, int height) override { calls << QStringLiteral("size %1 %2").arg(width).arg(height); }
    void onViewDestroyed() override { calls << QStringLiteral("destroyed"); }
    QStringList calls;
};

using AgoraCallback = RecordingCallback<agora::media::IExternalVideoRenderCallback>;
using TesselCallback = RecordingCallback<tessel::media::IExternalVideoRenderCallback>;

template <class Context, class Callback>
Context contextFor(void *view, Callback *callback)
{
    Context context;
    context.renderCallback = callback;
    context.view = view;
    return context;
}
agora::media::ExternalVideoRenderContext agoraContext(void *view, AgoraCallback *callback = nullptr)
{
    return contextFor<agora::media::ExternalVideoRenderContext>(view, callback);
}
tessel::media::ExternalVideoRenderContext tesselContext(void *view, TesselCallback *callback = nullptr)
{
    return contextFor<tessel::media::ExternalVideoRenderContext>(view, callback);
}

// Top-left quadrant red, the rest blue: (81, 90, 240) and (41, 240, 110).
struct BlockFrame : I420Quadrant<agora::media::VideoFrame>
{
    BlockFrame(int w, int h, int yStride, int uvStride)
        : I420Quadrant(w, h, yStride - w, uvStride - (w + 1) / 2, Yuv{81, 90, 240}, Yuv{41, 240, 110})
    {
    }
};

bool near(QRgb c, int r, int g, int b)
{
    return qAbs(qRed(c) - r) <= 10 && qAbs(qGreen(c) - g) <= 10 && qAbs(qBlue(c) - b) <= 10;
}

tessel::media::VideoFrame asTessel(const agora::media::VideoFrame &f)
{
    tessel::media::VideoFrame t;
    t.width = f.width;
    t.height = f.height;
    t.yBuffer = f.yBuffer;
    t.uBuffer = f.uBuffer;
    t.vBuffer = f.vBuffer;
    t.yStride = f.yStride;
    t.uStride = f.uStride;
    t.vStride = f.vStride;
    return t;
}

} // namespace

class TestVideoRenderers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void factoryNeedsAView_data();
    void factoryNeedsAView();
    void renderModeFromSetting_data();
    void renderModeFromSetting();
    void imageModeConvertsEveryFiftyMs();
    void imageConversion_data();
    void imageConversion();
    void viewNoticesReachTheSdk_data();
    void viewNoticesReachTheSdk();
    void rendererWithoutAVideoWidget();
    void releasedOffTheGuiThread();

private:
    void setRenderType(const QString &value);
    std::unique_ptr<CourseDetailBean> m_course;
};

void TestVideoRenderers::initTestCase()
{
    m_course = std::make_unique<CourseDetailBean>(QJsonObject());
    QVERIFY(m_course->isRtcVideoEnabled());
    TQDataModelBean::m_pOngoingCourse = m_course.get();
}

void TestVideoRenderers::cleanup()
{
    rtsdk::StandInControl::reset();
}

void TestVideoRenderers::setRenderType(const QString &value)
{
    GlobalConfig config;
    QVERIFY(config.setValue(QStringLiteral("video_widget_render_type"), value));
}

void TestVideoRenderers::factoryNeedsAView_data()
{
    QTest::addColumn<bool>("agora");
    QTest::newRow("agora") << true;
    QTest::newRow("tessel") << false;
}

void TestVideoRenderers::factoryNeedsAView()
{
    QFETCH(bool, agora);
    TQAgoraVideoWidget widget;
    TestLogCapture log;
    if (agora) {
        TQRTCCommonAgoraImpl engine;
        QCOMPARE(engine.createRenderInstance(agora::media::ExternalVideoRenderContext()), nullptr);
        agora::media::IExternalVideoRender *made = engine.createRenderInstance(agoraContext(&widget));
        QVERIFY(dynamic_cast<VideoRenderImpl *>(made));
        QCOMPARE(made->initialize(), 0);
        made->release();
    } else {
        TQRTCCommonTessel engine;
        QCOMPARE(engine.createRenderInstance(tessel::media::ExternalVideoRenderContext()), nullptr);
        tessel::media::IExternalVideoRender *made = engine.createRenderInstance(tesselContext(&widget));
        QVERIFY(dynamic_cast<TesselVideoRenderImpl *>(made));
        made->release();
        QCOMPARE(log.messages().filter(QStringLiteral("TQRTCCommonTessel::createRenderInstance tessel create render instance get null view")).size(), 1);
        QCOMPARE(log.messages().filter(QStringLiteral("TQRTCCommonTessel::createRenderInstance tessel create render instance for TesselVideoRenderImpl")).size(), 1);
    }
    const QString name = agora ? QStringLiteral("VideoRenderImpl") : QStringLiteral("TesselVideoRenderImpl");
    QCOMPARE(log.messages().filter(QStringLiteral("%1::%1 context view: 0x").arg(name)).size(), 1);
}

void TestVideoRenderers::renderModeFromSetting_data()
{
    QTest::addColumn<QString>("value"); // null: not set
    QTest::addColumn<bool>("openGl");
    // The first row runs on the fresh settings file of the test's home.
    QTest::newRow("missing") << QString() << true;
    QTest::newRow("0") << "0" << true;
    QTest::newRow("1") << "1" << false;
    QTest::newRow("7") << "7" << false;
}

void TestVideoRenderers::renderModeFromSetting()
{
    QFETCH(QString, value);
    QFETCH(bool, openGl);
    if (value.isNull())
        QVERIFY(GlobalConfig::value(QStringLiteral("video_widget_render_type")).isUndefined());
    else
        setRenderType(value);

    TQAgoraVideoWidget widget;
    QSignalSpy frames(&widget, &TQAgoraVideoWidget::frameDelivered);
    QSignalSpy images(&widget, &TQAgoraVideoWidget::newImageComming_signal);
    const BlockFrame block(8, 4, 8, 4);

    auto *agoraRenderer = new VideoRenderImpl(agoraContext(&widget));
    QCOMPARE(agoraRenderer->isOpenGlMode(), openGl);
    QCOMPARE(agoraRenderer->deliverFrame(block.frame, 0, false), 0);
    QCOMPARE(frames.count(), openGl ? 1 : 0);
    QCOMPARE(images.count(), openGl ? 0 : 1);
    agoraRenderer->release();

    // The Tessel renderer hands over frames whatever the setting says.
    auto *tesselRenderer = new TesselVideoRenderImpl(tesselContext(&widget));
    frames.clear();
    QCOMPARE(tesselRenderer->deliverFrame(asTessel(block.frame), 0, false), 0);
    QCOMPARE(frames.count(), 1);
    tesselRenderer->release();
}

void TestVideoRenderers::imageModeConvertsEveryFiftyMs()
{
    setRenderType(QStringLiteral("1"));
    TestClock clock(kNow);
    TQAgoraVideoWidget widget;
    QSignalSpy images(&widget, &TQAgoraVideoWidget::newImageComming_signal);
    auto *renderer = new VideoRenderImpl(agoraContext(&widget));
    const BlockFrame block(8, 4, 8, 4);

    // Frames 20 ms apart: the first, then the next one 50 ms or more later.
    QList<int> convertedAt;
    for (int ms = 0; ms <= 140; ms += 20) {
        const int before = images.count();
        QCOMPARE(renderer->deliverFrame(block.frame, 0, false), 0);
        if (images.count() > before)
            convertedAt << ms;
        clock.advance(20);
    }
    QCOMPARE(convertedAt, (QList<int>{0, 60, 120}));

    // An empty frame is dropped without using up the turn.
    clock.advance(60);
    QCOMPARE(renderer->deliverFrame(agora::media::VideoFrame(), 0, false), 0);
    QCOMPARE(renderer->deliverFrame(block.frame, 0, false), 0);
    QCOMPARE(images.count(), 4);
    // A clock set back a minute does not hold the pictures back for a minute.
    clock.advance(-60000);
    QCOMPARE(renderer->deliverFrame(block.frame, 0, false), 0);
    QCOMPARE(images.count(), 5);
    renderer->release();
}

void TestVideoRenderers::imageConversion_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("yStride");
    QTest::addColumn<int>("uvStride");
    QTest::addColumn<QSize>("picture");
    QTest::newRow("packed") << QSize(16, 8) << 16 << 8 << QSize(16, 8);
    QTest::newRow("padded rows") << QSize(16, 8) << 24 << 12 << QSize(16, 8);
    QTest::newRow("odd size loses its last row and column") << QSize(17, 9) << 17 << 9 << QSize(16, 8);
}

void TestVideoRenderers::imageConversion()
{
    QFETCH(QSize, size);
    QFETCH(int, yStride);
    QFETCH(int, uvStride);
    QFETCH(QSize, picture);
    const BlockFrame block(size.width(), size.height(), yStride, uvStride);
    const QImage image = VideoRenderImpl::convertToImage(block.frame);
    QCOMPARE(image.size(), picture);
    QCOMPARE(image.format(), QImage::Format_RGB888);
    // Limited-range BT.601: (81, 90, 240) is red, (41, 240, 110) blue.
    const int w = picture.width();
    const int h = picture.height();
    for (const QPoint p : {QPoint(0, 0), QPoint(w / 2 - 1, h / 2 - 1)})
        QVERIFY2(near(image.pixel(p), 255, 0, 0), qPrintable(QString::number(image.pixel(p), 16)));
    for (const QPoint p : {QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
        QVERIFY2(near(image.pixel(p), 0, 0, 255), qPrintable(QString::number(image.pixel(p), 16)));

    agora::media::VideoFrame shortRows = block.frame;
    shortRows.yStride = size.width() / 2;
    QVERIFY(VideoRenderImpl::convertToImage(shortRows).isNull());
    agora::media::VideoFrame noPlane = block.frame;
    noPlane.vBuffer = nullptr;
    QVERIFY(VideoRenderImpl::convertToImage(noPlane).isNull());
}

void TestVideoRenderers::viewNoticesReachTheSdk_data()
{
    QTest::addColumn<bool>("agora");
    QTest::newRow("agora") << true;
    QTest::newRow("tessel") << false;
}

void TestVideoRenderers::viewNoticesReachTheSdk()
{
    QFETCH(bool, agora);
    setRenderType(QStringLiteral("0"));
    auto widget = std::make_unique<TQAgoraVideoWidget>();
    const BlockFrame block(8, 4, 8, 4);
    AgoraCallback agoraCallback;
    TesselCallback tesselCallback;
    QStringList &calls = agora ? agoraCallback.calls : tesselCallback.calls;
    std::function<int()> deliver;
    std::function<void()> release;
    if (agora) {
        auto *r = new VideoRenderImpl(agoraContext(widget.get(), &agoraCallback));
        deliver = [r, &block] { return r->deliverFrame(block.frame, 90, false); };
        release = [r] { r->release(); };
    } else {
        auto *r = new TesselVideoRenderImpl(tesselContext(widget.get(), &tesselCallback));
        deliver = [r, &block] { return r->deliverFrame(asTessel(block.frame), 90, false); };
        release = [r] { r->release(); };
    }
    QCOMPARE(deliver(), 0);

    widget->setSize(QSizeF(120.6, 80));
    widget->setSize(QSizeF(120.6, 80)); // the same size again: no notice
    QCOMPARE(calls, QStringList{"size 120 80"});

    // The widget cleans up (its window's scene graph went): no frame reaches
    // it any more and the SDK hears once that the view is gone.
    widget->cleanup();
    QCOMPARE(deliver(), -1);
    widget->cleanup();
    QCOMPARE(calls, (QStringList{"size 120 80", "destroyed"}));
    widget.reset();
    QCOMPARE(deliver(), -1);
    QCOMPARE(calls.size(), 2);
    release();
}

void TestVideoRenderers::rendererWithoutAVideoWidget()
{
    setRenderType(QStringLiteral("1"));
    TestLogCapture log;
    QQuickItem plainItem;
    const BlockFrame block(8, 4, 8, 4);
    for (void *view : {static_cast<void *>(&plainItem), static_cast<void *>(nullptr)}) {
        auto *renderer = new VideoRenderImpl(agoraContext(view));
        QCOMPARE(renderer->deliverFrame(block.frame, 0, false), -1);
        renderer->release();
    }
    QCOMPARE(log.messages().filter(QStringLiteral("VideoRenderImpl::VideoRenderImpl get error view")).size(), 2);
}

void TestVideoRenderers::releasedOffTheGuiThread()
{
    setRenderType(QStringLiteral("0"));
    TQAgoraVideoWidget widget;
    AgoraCallback callback;
    QPointer<VideoRenderImpl> renderer = new VideoRenderImpl(agoraContext(&widget, &callback));
    const BlockFrame block(8, 4, 8, 4);

    // The SDK ends the renderer on its own thread: the object goes on the GUI
    // thread later, but from now on it passes nothing on, either way.
    std::thread sdk([r = renderer.data()] { r->release(); });
    sdk.join();
    QVERIFY(renderer);
    QCOMPARE(renderer->deliverFrame(block.frame, 0, false), -1);
    widget.cleanup();
    widget.setSize(QSizeF(50, 50));
    QVERIFY(callback.calls.isEmpty());
    QTRY_VERIFY(!renderer);
}

QTEST_MAIN(TestVideoRenderers)
#include "tst_videorenderers.moc"
