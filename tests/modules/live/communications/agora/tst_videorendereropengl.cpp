// The OpenGL YUV renderer of remote video. The corner and texture maths are
// checked as numbers; the drawing itself runs in a real OpenGL context on an
// offscreen surface (Mesa, under a virtual X screen, where the build runs
// this test a second time) and is read back from a framebuffer: planes with padded rows, widths that are no multiple of 4,
// size changes and rotation must all come out upright and unskewed. Without
// OpenGL those cases skip.

#include "modules/live/communications/agora/video_render_opengl.h"

#include "I420Quadrant.h"
#include "TestLogCapture.h"
#include "TestPictures.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QOpenGLFunctions>
#include <QtTest>

#include <memory>
#include <vector>

namespace {

// x, y of the four corners.
QVector<float> positions(const VideoRendererOpenGL &renderer)
{
    QVector<float> out;
    for (const auto &corner : renderer.corners())
        out << corner[0] << corner[1];
    return out;
}

// u, v of the four corners.
QVector<float> textureCoords(const VideoRendererOpenGL &renderer)
{
    QVector<float> out;
    for (const auto &corner : renderer.corners())
        out << corner[3] << corner[4];
    return out;
}

// A renderer set up for a view of the given size over the whole view, the
// way the video item sets it up.
std::unique_ptr<VideoRendererOpenGL> setUpRenderer(int width, int height, int rotation = 0)
{
    auto renderer = std::make_unique<VideoRendererOpenGL>(0, 0);
    renderer->setup(width, height);
    renderer->setRenderRegion(0, 0, 0, 1, 1);
    renderer->setRotation(rotation, true);
    return renderer;
}

bool fuzzyEqual(const QVector<float> &a, const QVector<float> &b)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i)
        if (qAbs(a[i] - b[i]) > 1e-4f)
            return false;
    return true;
}

using TestFrame = I420Quadrant<agora::media::VideoFrame>;

bool isWhite(QRgb c) { return qRed(c) > 235 && qGreen(c) > 235 && qBlue(c) > 235; }
bool isBlack(QRgb c) { return qRed(c) < 20 && qGreen(c) < 20 && qBlue(c) < 20; }

// Where the white quadrant of a frame drawn unrotated over the whole view
// ends: the first non-white column of a row and the first non-white row of a
// column.
int whiteWidth(const QImage &image, int row)
{
    int x = 0;
    while (x < image.width() && isWhite(image.pixel(x, row)))
        ++x;
    return x;
}
int whiteHeight(const QImage &image, int column)
{
    int y = 0;
    while (y < image.height() && isWhite(image.pixel(column, y)))
        ++y;
    return y;
}

} // namespace

class TestVideoRendererOpenGL : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void fillAndCrop_data();
    void fillAndCrop();
    void textureCoordinates_data();
    void textureCoordinates();
    void drawsPlanesUprightAndUnskewed_data();
    void drawsPlanesUprightAndUnskewed();
    void sizeChangeRemakesTextures();
    void rotatedFrameUsesSwappedSize();
    void emptyFrameOrNoProgramDrawsNothing();

private:
    // Renders one frame into a view of the frame's size; the picture as the
    // video item shows it (first row at the top).
    QImage draw(VideoRendererOpenGL &renderer, const agora::media::VideoFrame &frame, int *result = nullptr);

    std::unique_ptr<QOffscreenSurface> m_surface;
    std::unique_ptr<QOpenGLContext> m_context;
};

void TestVideoRendererOpenGL::initTestCase()
{
    m_context = std::make_unique<QOpenGLContext>();
    m_surface = std::make_unique<QOffscreenSurface>();
    if (!m_context->create()) {
        m_context.reset();
        return;
    }
    m_surface->setFormat(m_context->format());
    m_surface->create();
    if (!m_surface->isValid() || !m_context->makeCurrent(m_surface.get()))
        m_context.reset();
    // The run on a virtual X screen must really draw.
    if (!m_context && qEnvironmentVariableIsSet("VELTRO_REQUIRE_GL"))
        QFAIL("no OpenGL context although one is required");
}

void TestVideoRendererOpenGL::cleanupTestCase()
{
    if (m_context)
        m_context->doneCurrent();
}

QImage TestVideoRendererOpenGL::draw(VideoRendererOpenGL &renderer, const agora::media::VideoFrame &frame, int *result)
{
    QOpenGLFramebufferObject fbo(renderer.viewPixelWidth(), renderer.viewPixelHeight());
    fbo.bind();
    const int r = renderer.renderAgoraFrame(frame);
    if (result)
        *result = r;
    // The video item's framebuffer is shown with its first row at the top.
    QImage image = fbo.toImage(false);
    fbo.release();
    return image;
}

void TestVideoRendererOpenGL::fillAndCrop_data()
{
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QSize>("view");
    QTest::addColumn<QVector<float>>("region"); // top, bottom
    QTest::addColumn<QVector<float>>("xy");     // corners 0..3

    const float third = 1.0f + 2.0f / 6.0f; // (640 / 480 - 1) / 2 of overflow on each side, doubled
    QTest::newRow("16:9 in 4:3 overflows left and right")
        << QSize(640, 360) << QSize(400, 300) << QVector<float>{0, 1}
        << QVector<float>{-third, -1, third, -1, third, 1, -third, 1};
    QTest::newRow("4:3 in 16:9 overflows above and below")
        << QSize(640, 480) << QSize(640, 360) << QVector<float>{0, 1}
        << QVector<float>{-1, -third, 1, -third, 1, third, -1, third};
    QTest::newRow("same ratio fills exactly") << QSize(320, 240) << QSize(640, 480) << QVector<float>{0, 1}
                                              << QVector<float>{-1, -1, 1, -1, 1, 1, -1, 1};
    QTest::newRow("unknown frame size counts as 640 x 360")
        << QSize(0, -1) << QSize(640, 360) << QVector<float>{0, 1} << QVector<float>{-1, -1, 1, -1, 1, 1, -1, 1};
    QTest::newRow("frame too thin to crop is drawn whole")
        << QSize(1000, 1) << QSize(100, 200) << QVector<float>{0, 1} << QVector<float>{-1, -1, 1, -1, 1, 1, -1, 1};
    QTest::newRow("upper half region") << QSize(320, 240) << QSize(640, 480) << QVector<float>{0, 0.5f}
                                       << QVector<float>{-1, 0, 1, 0, 1, 1, -1, 1};
}

void TestVideoRendererOpenGL::fillAndCrop()
{
    QFETCH(QSize, frame);
    QFETCH(QSize, view);
    QFETCH(QVector<float>, region);
    QFETCH(QVector<float>, xy);
    VideoRendererOpenGL renderer(view.width(), view.height());
    renderer.setRenderRegion(3, 0, region[0], 1, region[1]);
    QCOMPARE(renderer.updateVertices(frame.width(), frame.height(), view.width(), view.height(), 1), 0);
    QVERIFY2(fuzzyEqual(positions(renderer), xy), qPrintable(QStringLiteral("corners %1").arg(
                                                       [&] {
                                                           QStringList s;
                                                           for (float f : positions(renderer))
                                                               s << QString::number(double(f));
                                                           return s.join(QLatin1Char(' '));
                                                       }())));
    for (const auto &corner : renderer.corners())
        QCOMPARE(corner[2], 3.0f);
}

void TestVideoRendererOpenGL::textureCoordinates_data()
{
    QTest::addColumn<int>("rotation");
    QTest::addColumn<bool>("asIs");
    QTest::addColumn<bool>("mirroredRegion"); // left > right
    QTest::addColumn<QVector<float>>("uv");
    QTest::newRow("0, as is") << 0 << true << false << QVector<float>{0, 0, 1, 0, 1, 1, 0, 1};
    QTest::newRow("0, flipped") << 0 << false << false << QVector<float>{1, 0, 0, 0, 0, 1, 1, 1};
    QTest::newRow("90") << 90 << true << false << QVector<float>{0, 0, 0, 1, 1, 1, 1, 0};
    QTest::newRow("-90 is 270") << -90 << true << false << QVector<float>{0, 0, 0, 1, 1, 1, 1, 0};
    QTest::newRow("180") << 180 << true << false << QVector<float>{0, 1, 1, 1, 1, 0, 0, 0};
    QTest::newRow("0, region right to left") << 0 << true << true << QVector<float>{1, 0, 0, 0, 0, 1, 1, 1};
}

void TestVideoRendererOpenGL::textureCoordinates()
{
    QFETCH(int, rotation);
    QFETCH(bool, asIs);
    QFETCH(bool, mirroredRegion);
    QFETCH(QVector<float>, uv);
    VideoRendererOpenGL renderer(640, 360);
    renderer.setRenderRegion(0, mirroredRegion ? 1 : 0, 0, mirroredRegion ? 0 : 1, 1);
    renderer.setRotation(rotation, asIs);
    QVERIFY(renderer.coordinatesDirty());
    // No program yet: the coordinates are computed, the binding fails.
    QCOMPARE(renderer.updateTextureCoords(), -1);
    QCOMPARE(textureCoords(renderer), uv);
}

void TestVideoRendererOpenGL::drawsPlanesUprightAndUnskewed_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("yPad");
    QTest::addColumn<int>("uvPad");
    QTest::newRow("packed planes") << 64 << 48 << 0 << 0;
    QTest::newRow("padded rows, uploaded row by row") << 64 << 48 << 16 << 8;
    QTest::newRow("width no multiple of 4") << 90 << 60 << 0 << 0;
}

void TestVideoRendererOpenGL::drawsPlanesUprightAndUnskewed()
{
    if (!m_context)
        QSKIP("no OpenGL context here (run under a virtual X screen with Mesa)");
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, yPad);
    QFETCH(int, uvPad);
    const TestFrame source(width, height, yPad, uvPad);

    TestLogCapture log;
    VideoRendererOpenGL renderer(0, 0);
    QCOMPARE(renderer.setup(width, height), 0);
    QVERIFY(renderer.hasProgram());
    QCOMPARE(log.messages().filter(QStringLiteral("vertex shader 1, fragment shader 1, link 1")).size(), 1);
    QCOMPARE(log.messages().filter(QStringLiteral("OpenGL:width:%1 height:%2 scale:1").arg(width).arg(height)).size(), 1);
    renderer.setRenderRegion(0, 0, 0, 1, 1);
    renderer.setRotation(0, true);

    int result = -2;
    const QImage image = draw(renderer, source.frame, &result);
    QCOMPARE(result, 0);
    saveTestPicture(image, QStringLiteral("opengl_%1x%2_pad%3").arg(width).arg(height).arg(yPad));
    // The white quadrant sits top left with straight edges: every row of the
    // upper half turns black at the same column, every column of the left
    // half at the same row (a skewed upload would slant the edge).
    for (int row = 0; row < height / 2 - 1; ++row)
        QCOMPARE(whiteWidth(image, row), width / 2);
    for (int column = 0; column < width / 2 - 1; ++column)
        QCOMPARE(whiteHeight(image, column), height / 2);
    QVERIFY(isBlack(image.pixel(width - 1, 0)));
    QVERIFY(isBlack(image.pixel(0, height - 1)));
    QVERIFY(isBlack(image.pixel(width - 1, height - 1)));
}

void TestVideoRendererOpenGL::sizeChangeRemakesTextures()
{
    if (!m_context)
        QSKIP("no OpenGL context here (run under a virtual X screen with Mesa)");
    const auto made = setUpRenderer(160, 120);
    VideoRendererOpenGL &renderer = *made;
    const TestFrame small(320, 240, 0, 0);
    draw(renderer, small.frame);
    QCOMPARE(renderer.frameTextureWidth(), 320);
    QCOMPARE(renderer.coordinatesDirty(), false);

    const TestFrame large(640, 480, 0, 0);
    const QImage image = draw(renderer, large.frame);
    QCOMPARE(renderer.frameTextureWidth(), 640);
    QCOMPARE(renderer.frameTextureHeight(), 480);
    QCOMPARE(renderer.coordinatesDirty(), false);
    // The whole new frame in the view: its white quadrant is a quarter of it.
    QCOMPARE(whiteWidth(image, 10), 80);
    QCOMPARE(whiteHeight(image, 10), 60);

    // A 16:9 frame in the 4:3 view is cropped left and right: full height,
    // corners beyond the view's sides, the quadrant's edge still centred.
    const TestFrame wide(320, 180, 0, 0);
    const QImage cropped = draw(renderer, wide.frame);
    QCOMPARE(renderer.frameTextureWidth(), 320);
    QCOMPARE(whiteHeight(cropped, 10), 60);
    QCOMPARE(whiteWidth(cropped, 10), 80);
    QVERIFY(renderer.corners()[0][0] < -1.3f && renderer.corners()[1][0] > 1.3f);
}

void TestVideoRendererOpenGL::rotatedFrameUsesSwappedSize()
{
    if (!m_context)
        QSKIP("no OpenGL context here (run under a virtual X screen with Mesa)");
    // A 640 x 360 frame turned by -90 degrees fits a 360 x 640 view exactly.
    const auto made = setUpRenderer(360, 640, -90);
    VideoRendererOpenGL &renderer = *made;
    const TestFrame frame(640, 360, 0, 0);
    int result = -2;
    draw(renderer, frame.frame, &result);
    QCOMPARE(result, 0);
    QVERIFY(fuzzyEqual(positions(renderer), QVector<float>{-1, -1, 1, -1, 1, 1, -1, 1}));
    QCOMPARE(textureCoords(renderer), (QVector<float>{0, 0, 0, 1, 1, 1, 1, 0}));
}

void TestVideoRendererOpenGL::emptyFrameOrNoProgramDrawsNothing()
{
    VideoRendererOpenGL renderer(64, 48);
    const TestFrame frame(64, 48, 0, 0);
    // Without a program (and here maybe without OpenGL) nothing is drawn.
    QCOMPARE(renderer.renderAgoraFrame(frame.frame), -1);
    QCOMPARE(renderer.renderAgoraFrame(agora::media::VideoFrame()), -1);
    QCOMPARE(renderer.renderTesselFrame(tessel::media::VideoFrame()), -1);
    if (!m_context)
        return;
    renderer.setup(64, 48);
    agora::media::VideoFrame shortRows = frame.frame;
    shortRows.yStride = 32; // rows shorter than the picture: refused, not read past
    QCOMPARE(renderer.renderAgoraFrame(shortRows), -1);
    QCOMPARE(renderer.renderAgoraFrame(frame.frame), 0);
}

QTEST_MAIN(TestVideoRendererOpenGL)
#include "tst_videorendereropengl.moc"
