// The board's QML component in a shown QQuickView (offscreen, software) with
// its draw layout: the layer stack and the style box as the window finds
// them, resizing, and the frames the recorder takes (when the board is
// grabbed and when the last frame is sent again, their size and byte order,
// the camera and screen-share compositions, a share frame written on another
// thread). The page image is a file of known colour in the course file cache.
#include "BoardSceneFixture.h"
#include "TestClock.h"
#include "TestPictures.h"

#include "actions/drawing/TQDrawingActionMoveUpDown.h"
#include "modules/live/draws/TQTouchInputProcessor.h"
#include "utils/FileUtils.h"
#include "utils/TextMetrics.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QQuickItemGrabResult>
#include <QThread>
#include <QtTest>

#include <atomic>
#include <mutex>
#include <cstdlib>

namespace {

const QString kPageUrl = QStringLiteral("http://127.0.0.1/course/page1.png");
const QColor kPageColour(0x33, 0x66, 0xcc);

struct Frame
{
    QByteArray bytes;
    qlonglong id = 0;
};

// B, G, R, A of a colour, as the frame holds it in memory.
QByteArray bgra(const QColor &c)
{
    const char bytes[4] = {char(c.blue()), char(c.green()), char(c.red()), char(c.alpha())};
    return QByteArray(bytes, 4);
}

QByteArray pixelAt(const Frame &frame, int x, int y, int width = 1280)
{
    return frame.bytes.mid((y * width + x) * 4, 4);
}

// Writes the page image into the course file cache, as a finished download.
void cachePageImage(const QImage &image)
{
    const QString path = FileUtils::getResourceFileFromUrl(kPageUrl);
    QDir().mkpath(QFileInfo(path).absolutePath());
    image.save(path, "PNG");
}

class FakePreview : public TQDrawLayout::CameraPreview
{
public:
    QImage currentPicture() const override { return picture; }
    bool isFullScreen() const override { return fullScreen; }

    QImage picture;
    bool fullScreen = false;
};

// A share whose frame is written under its mutex, by a test or a thread.
class FakeShare : public TQDrawLayout::ScreenShare
{
public:
    bool isSharing() const override { return sharing; }
    std::mutex *frameMutex() override { return &mutex; }
    QImage lastFrame() const override { return frame; }

    void setFrame(const QImage &image)
    {
        std::lock_guard<std::mutex> lock(mutex);
        frame = image;
    }

    std::atomic<bool> sharing{true};
    std::mutex mutex;
    QImage frame;
};

// Searches the visual tree: the colour buttons are a repeater's items.
QQuickItem *findItem(QQuickItem *from, const QString &name)
{
    if (!from)
        return nullptr;
    for (QQuickItem *child : from->childItems()) {
        if (child->objectName() == name)
            return child;
        if (QQuickItem *found = findItem(child, name))
            return found;
    }
    return nullptr;
}

QImage solid(const QColor &colour, QSize size = QSize(64, 64))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// The board with a recorder attached: every frame is kept (and its buffer
// freed), and the page image is a plain blue page.
class CaptureFixture : public BoardSceneFixture
{
public:
    CaptureFixture()
    {
        QObject::connect(&layout, &TQDrawLayout::captureFrame, [this](char *data, int size, qlonglong id) {
            frames.push_back({QByteArray(data, size), id});
            std::free(data);
        });
        layout.setPreviewView(&preview);
        // As the window does once the board has its size: the page is drawn.
        layout.adjustViewSize(QSize(kWidth, kHeight));
        drain();
    }

    static void preparePage() { cachePageImage(solid(kPageColour, QSize(820, 520))); }

    // Asks for a frame and waits for a pending grab to finish.
    void captureAndWait(qlonglong id)
    {
        layout.getContentBitmap(1280, 720, id);
        QTRY_VERIFY_WITH_TIMEOUT(!layout.isGrabPending(), 5000);
    }

    std::vector<qlonglong> ids() const
    {
        std::vector<qlonglong> out;
        for (const Frame &f : frames)
            out.push_back(f.id);
        return out;
    }

    FakePreview preview;
    std::vector<Frame> frames;
};

// Writes a new share frame under the lock until stopped.
class ShareProducer : public QThread
{
public:
    explicit ShareProducer(FakeShare *share)
        : share(share)
    {
    }
    void run() override
    {
        int i = 0;
        while (!stop.load()) {
            share->setFrame(solid(i++ % 2 ? Qt::green : Qt::darkGreen, QSize(320, 180)));
            QThread::usleep(200);
        }
        // QThread::wait joins unseen by ThreadSanitizer; this pair it sees.
        done.store(true, std::memory_order_release);
    }

    void join()
    {
        stop = true;
        wait();
        while (!done.load(std::memory_order_acquire))
            QThread::yieldCurrentThread();
    }

    FakeShare *share;
    std::atomic<bool> stop{false};
    std::atomic<bool> done{false};
};

} // namespace

class TestDrawLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        installFontSubstitutions();
        CaptureFixture::preparePage();
    }
    void layerStack();
    void styleBoxButtons_data();
    void styleBoxButtons();
    void debugAids();
    void resize();
    void grabOnlyWhenChanged();
    void frameBytes();
    void cameraFullScreen();
    void shareThenBoardRepaintsColumn();
    void shareFrameFromAnotherThread();
    void pptPlayerForcesGrab_data();
    void pptPlayerForcesGrab();
    void otherFrameSize();
    void layerStackPicture();
};

void TestDrawLayout::layerStack()
{
    BoardSceneFixture f;
    QVERIFY(f.ready());
    auto *container = f.item<QQuickItem>("draw_board_container");
    auto *inner = f.item<QQuickItem>("containerItem0");
    QCOMPARE(inner->parentItem(), container);
    const char *layers[] = {"tqdrawbackgroundLayout", "tqdrawsketchview0", "tqdrawtemporalview0",
                            "tqdrawforgroundLayout"};
    for (int i = 0; i < 4; ++i) {
        auto *layer = f.item<QQuickItem>(layers[i]);
        QVERIFY2(layer && layer->parentItem() == inner, layers[i]);
        QCOMPARE(inner->childItems().indexOf(layer), i);
        QCOMPARE(f.root->property(QStringLiteral("layer%1").arg(i).toLatin1()).value<QQuickItem *>(), layer);
    }
    // Shade, overlay and touch view above the container, in that order.
    const QList<QQuickItem *> top = f.root->childItems();
    const int c = top.indexOf(container);
    QCOMPARE(top.indexOf(f.item<QQuickItem>("mTemporalShade0")), c + 1);
    QCOMPARE(top.indexOf(f.item<QQuickItem>("mTemporalLayout0")), c + 2);
    QCOMPARE(top.indexOf(f.touchView()), c + 3);
    QVERIFY(top.indexOf(f.item<QQuickItem>("mSelectColorBtn")) > c + 3);

    QCOMPARE(f.touchView()->size(), QSizeF(820, 520));
    QCOMPARE(container->size(), QSizeF(820, 520));
    QCOMPARE(container->property("contentHeight").toReal(), 520.0);
    QVERIFY(container->clip());
    auto *box = f.item<QQuickItem>("mSelectColorBtn");
    QVERIFY(!box->isVisible());
    QCOMPARE(box->x() + box->width() / 2, 410.0);
    QCOMPARE(box->y() + box->height() / 2, 260.0);
    QCOMPARE(box->height(), 16 * 3.2);
}

void TestDrawLayout::styleBoxButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("value");

    const int indexes[] = {0, 1, 19, 3, 18, 20, 5, 11};
    for (int index : indexes) {
        QTest::newRow(qPrintable(QStringLiteral("colour %1").arg(index)))
            << QStringLiteral("colorButton%1").arg(index) << QStringLiteral("colour %1").arg(index)
            << "selectColorIndex" << QVariant(index);
    }
    QTest::newRow("dotted") << "dotLineButton" << "line dotted 1" << "isDotLineSelected" << QVariant(true);
    QTest::newRow("fill on") << "fillShapeBtn/switch" << "fill 1" << "" << QVariant();
}

void TestDrawLayout::styleBoxButtons()
{
    QFETCH(QString, button);
    QFETCH(QString, call);
    QFETCH(QString, property);
    QFETCH(QVariant, value);
    BoardSceneFixture f;
    QVERIFY(f.ready());
    f.item<QQuickItem>("mSelectColorBtn")->setVisible(true);
    const QStringList path = button.split('/');
    QQuickItem *target = f.root;
    for (const QString &name : path)
        target = findItem(target, name);
    QVERIFY(target);

    const QPointF centre = target->mapToScene(QPointF(target->width() / 2, target->height() / 2));
    QTest::mouseClick(&f.view, Qt::LeftButton, Qt::NoModifier, centre.toPoint());

    QCOMPARE(f.window.calls, QStringList{call});
    if (!property.isEmpty())
        QCOMPARE(f.root->property(qPrintable(property)), value);
    // The click ended in the box, not on the board.
    QCOMPARE(f.manager()->queuedActionCount(), 0);
    QVERIFY(f.services.sentActions.empty());
}

void TestDrawLayout::debugAids()
{
    BoardSceneFixture f(true);
    QVERIFY(f.ready());
    QVERIFY(!f.item<QQuickItem>("draw_board_container")->clip());
    auto *button = f.item<QQuickItem>("debugButton");
    QVERIFY(button->isVisible());
    const QPoint centre = button->mapToScene(QPointF(10, 10)).toPoint();

    QTest::mouseClick(&f.view, Qt::LeftButton, Qt::NoModifier, centre);
    for (int i = 0; i < 4; ++i) {
        const auto *layer = f.root->property(QStringLiteral("layer%1").arg(i).toLatin1()).value<QQuickItem *>();
        QCOMPARE(layer->position(), QPointF(20 * (i + 1), 20 * (i + 1)));
    }
    QTest::mouseClick(&f.view, Qt::LeftButton, Qt::NoModifier, centre);
    QCOMPARE(f.item<QQuickItem>("tqdrawforgroundLayout")->position(), QPointF(0, 0));
    QCOMPARE(f.window.calls, (QStringList{"test", "test"}));
}

void TestDrawLayout::resize()
{
    BoardSceneFixture f;
    QVERIFY(f.ready());

    f.layout.adjustViewSize(QSize(410, 260));
    f.drain();

    QCOMPARE(f.layout.boardSize(), QSize(410, 260));
    QCOMPARE(f.manager()->visibleSize(), QSize(410, 260));
    QCOMPARE(f.touchView()->viewSize(), QSize(410, 260));
    QCOMPARE(f.touchView()->inputProcessor()->width(), 410);
    QCOMPARE(f.item<QQuickItem>("mTemporalShade0")->size(), QSizeF(410, 260));
    // The position is published again for the students.
    QVERIFY(!f.services.sentActions.empty());
    QVERIFY(dynamic_cast<TQDrawingActionMoveUpDown *>(f.services.sentActions.front()));
}

void TestDrawLayout::grabOnlyWhenChanged()
{
    CaptureFixture f;
    QVERIFY(f.ready());

    // A fresh board has changed layers: the frame waits for the grab.
    f.layout.getContentBitmap(1280, 720, 1);
    QVERIFY(f.layout.isGrabPending());
    QVERIFY(f.frames.empty());
    QTRY_COMPARE_WITH_TIMEOUT(f.ids(), std::vector<qlonglong>{1}, 5000);

    // Nothing changed: the last frame again, at once, with the new id.
    f.layout.getContentBitmap(1280, 720, 2);
    QVERIFY(!f.layout.isGrabPending());
    QCOMPARE(f.ids(), (std::vector<qlonglong>{1, 2}));

    // A change starts a grab; captures while it is pending send the old frame.
    f.item<TQDrawSketchView>("tqdrawsketchview0")->setChanged(true);
    f.layout.getContentBitmap(1280, 720, 3);
    f.layout.getContentBitmap(1280, 720, 4);
    f.layout.getContentBitmap(1280, 720, 5);
    QCOMPARE(f.ids(), (std::vector<qlonglong>{1, 2, 4, 5}));
    QVERIFY(f.frames[3].bytes == f.frames[1].bytes);
    QTRY_COMPARE_WITH_TIMEOUT(f.ids(), (std::vector<qlonglong>{1, 2, 4, 5, 3}), 5000);
    QVERIFY(!f.item<TQDrawSketchView>("tqdrawsketchview0")->isChanged());

    // A video card on the board grabs every time.
    f.layout.setVideoCardVisible(true);
    f.layout.getContentBitmap(1280, 720, 6);
    QVERIFY(f.layout.isGrabPending());
}

void TestDrawLayout::frameBytes()
{
    CaptureFixture f;
    QVERIFY(f.ready());
    f.preview.picture = solid(Qt::red);

    f.captureAndWait(7);

    QCOMPARE(f.ids(), std::vector<qlonglong>{7});
    const Frame &frame = f.frames.front();
    QCOMPARE(frame.bytes.size(), 1280 * 720 * 4);
    QCOMPARE(pixelAt(frame, 700, 360), bgra(kPageColour));
    QCOMPARE(pixelAt(frame, 10, 10), bgra(Qt::red));
    QCOMPARE(pixelAt(frame, 10, 300), bgra(Qt::white));
}

void TestDrawLayout::cameraFullScreen()
{
    CaptureFixture f;
    QVERIFY(f.ready());
    f.preview.picture = solid(Qt::green);
    f.preview.fullScreen = true;

    // No composed frame yet: nothing to send.
    f.layout.getContentBitmap(1280, 720, 1);
    QVERIFY(f.frames.empty());

    f.preview.fullScreen = false;
    f.captureAndWait(2);
    f.preview.fullScreen = true;
    f.layout.getContentBitmap(1280, 720, 3);

    QCOMPARE(f.ids(), (std::vector<qlonglong>{2, 3}));
    const Frame &frame = f.frames.back();
    QCOMPARE(pixelAt(frame, 100, 360), bgra(Qt::white));
    QCOMPARE(pixelAt(frame, 640, 360), bgra(Qt::green));
    QCOMPARE(pixelAt(frame, 1200, 700), bgra(Qt::white));
}

void TestDrawLayout::shareThenBoardRepaintsColumn()
{
    CaptureFixture f;
    QVERIFY(f.ready());
    f.preview.picture = solid(Qt::red);
    f.captureAndWait(1);
    FakeShare share;
    share.setFrame(solid(Qt::blue));
    f.layout.setShareScreenManager(&share);

    f.layout.getContentBitmap(1280, 720, 2);
    const Frame &shared = f.frames.back();
    QCOMPARE(shared.id, 2);
    QCOMPARE(pixelAt(shared, 30, 360), bgra(Qt::black));
    QCOMPARE(pixelAt(shared, 100, 715), bgra(Qt::blue));
    QCOMPARE(pixelAt(shared, 640, 360), bgra(Qt::blue));

    // Sharing stops: the next capture grabs the board and paints the whole
    // column below the thumbnail white, its last rows too.
    share.sharing = false;
    f.captureAndWait(3);
    const Frame &board = f.frames.back();
    QCOMPARE(board.id, 3);
    QCOMPARE(pixelAt(board, 10, 10), bgra(Qt::red));
    QCOMPARE(pixelAt(board, 30, 400), bgra(Qt::white));
    QCOMPARE(pixelAt(board, 100, 712), bgra(Qt::white));
    QCOMPARE(pixelAt(board, 100, 719), bgra(Qt::white));
    QCOMPARE(pixelAt(board, 700, 360), bgra(kPageColour));
}

void TestDrawLayout::shareFrameFromAnotherThread()
{
    CaptureFixture f;
    QVERIFY(f.ready());
    f.captureAndWait(1);
    FakeShare share;
    f.layout.setShareScreenManager(&share);

    share.setFrame(solid(Qt::blue));

    // Another thread holds the frame lock longer than 9 ms: the board is sent.
    {
        std::atomic<bool> locked{false};
        std::atomic<bool> release{false};
        QThread *holder = QThread::create([&] {
            std::lock_guard<std::mutex> lock(share.mutex);
            locked = true;
            while (!release)
                QThread::msleep(1);
        });
        holder->start();
        QTRY_VERIFY(locked);
        f.layout.getContentBitmap(1280, 720, 2);
        release = true;
        holder->wait();
        delete holder;
    }
    QCOMPARE(f.frames.back().id, 2);
    QCOMPARE(pixelAt(f.frames.back(), 640, 360), bgra(kPageColour));

    // Frames written on a producer thread while the recorder captures.
    ShareProducer producer(&share);
    producer.start();
    for (int id = 3; id < 23; ++id) {
        f.layout.getContentBitmap(1280, 720, id);
        QTest::qWait(2);
    }
    producer.join();
    // Under load the producer may have held the lock past 9 ms, and the board
    // grab that replaced a frame then drops the requests behind it; once the
    // producer is done, the next request must be its last frame.
    QTRY_VERIFY_WITH_TIMEOUT(!f.layout.isGrabPending(), 5000);
    f.layout.getContentBitmap(1280, 720, 23);
    QTRY_VERIFY_WITH_TIMEOUT(!f.layout.isGrabPending(), 5000);
    QCOMPARE(f.frames.back().id, 23);
    const QByteArray middle = pixelAt(f.frames.back(), 640, 360);
    QVERIFY(middle == bgra(Qt::green) || middle == bgra(Qt::darkGreen));
    // The last frame is freed on this thread, after the producer's last unlock.
    share.setFrame(QImage());
}

void TestDrawLayout::pptPlayerForcesGrab_data()
{
    QTest::addColumn<int>("top");
    QTest::addColumn<bool>("grabs");

    // The player is 300 page pixels high.
    QTest::newRow("scrolled past it") << 400 << false;
    QTest::newRow("still in view") << 200 << true;
}

void TestDrawLayout::pptPlayerForcesGrab()
{
    QFETCH(int, top);
    QFETCH(bool, grabs);
    CaptureFixture f;
    QVERIFY(f.ready());
    f.manager()->queueMoveUpDown(501, 0, 4 * 820, 4 * 520, top * 4, top * 4, 0, 0, false,
                                 BoardSceneFixture::kTeacher);
    f.drain();
    f.captureAndWait(1);
    f.layout.setPPTAnimationVisibleHeight(300);
    QCOMPARE(f.layout.pptPlayerHeight(), 300);

    for (qlonglong id = 2; id <= 3; ++id) {
        f.layout.getContentBitmap(1280, 720, id);
        QCOMPARE(f.layout.isGrabPending(), grabs);
        QTRY_VERIFY_WITH_TIMEOUT(!f.layout.isGrabPending(), 5000);
    }
    QCOMPARE(f.ids(), (std::vector<qlonglong>{1, 2, 3}));
}

void TestDrawLayout::otherFrameSize()
{
    CaptureFixture f;
    QVERIFY(f.ready());
    f.captureAndWait(1);

    // The frame keeps its first size; another size is scaled, not over-read.
    f.layout.getContentBitmap(640, 360, 2);
    f.layout.getContentBitmap(0, 720, 3);

    QCOMPARE(f.ids(), (std::vector<qlonglong>{1, 2}));
    QCOMPARE(f.frames.back().bytes.size(), 640 * 360 * 4);
    QCOMPARE(pixelAt(f.frames.back(), 350, 180, 640), bgra(kPageColour));
}

void TestDrawLayout::layerStackPicture()
{
    // A page with a picture on it, strokes of the teacher's pen and a cover
    // board, as the window shows them and as the recorder gets them.
    QImage page(820, 520, QImage::Format_RGB32);
    page.fill(QColor("#F4F1E8"));
    {
        QPainter p(&page);
        p.setPen(QPen(QColor("#5B6B8C"), 3));
        p.drawRect(40, 40, 740, 440);
        p.setFont(QFont(QStringLiteral("Microsoft YaHei"), 28));
        p.drawText(QRect(40, 60, 740, 60), Qt::AlignCenter, QStringLiteral("第一页：三角形的面积"));
        p.setBrush(QColor("#CFE3F7"));
        p.drawPolygon(QPolygon({QPoint(120, 420), QPoint(360, 420), QPoint(200, 200)}));
    }
    cachePageImage(page);
    CaptureFixture f;
    QVERIFY(f.ready());
    f.preview.picture = solid(QColor("#E57373"), QSize(144, 144));
    const QPoint stroke[] = {{480, 300}, {520, 260}, {560, 240}, {610, 250}, {640, 290}, {660, 340}};
    qint64 t = 2000000;
    TestClock clock(t);
    f.mouse(QEvent::MouseButtonPress, stroke[0]);
    for (const QPoint &p : stroke) {
        clock.advance(10);
        f.mouse(QEvent::MouseMove, p);
    }
    f.mouse(QEvent::MouseButtonRelease, stroke[5], Qt::NoButton);
    auto *board = new TQDrawingElement(9001);
    board->kind = TQDrawingElement::PlacedImage;
    board->x = 430;
    board->y = 330;
    board->width = 320;
    board->height = 130;
    board->canvasWidth = 820;
    board->sourceValue = 1000;
    board->flag1 = 1;
    board->flag2 = 1;
    f.source.addToReservoirForegroundElements(board);
    // A scroll redraws the layers.
    f.layout.adjustViewSize(QSize(BoardSceneFixture::kWidth, BoardSceneFixture::kHeight));
    f.drain();
    f.captureAndWait(1);

    const QSharedPointer<QQuickItemGrabResult> grab = f.root->grabToImage();
    QVERIFY(grab);
    QSignalSpy ready(grab.data(), &QQuickItemGrabResult::ready);
    QVERIFY(ready.wait(5000));
    const QString windowPath = saveTestPicture(grab->image(), QStringLiteral("board_layer_stack"));
    QVERIFY(!windowPath.isEmpty());
    QImage frame(reinterpret_cast<const uchar *>(f.frames.back().bytes.constData()), 1280, 720,
                 QImage::Format_ARGB32);
    QVERIFY(!saveTestPicture(frame.copy(), QStringLiteral("board_frame")).isEmpty());
    CaptureFixture::preparePage();
}

QTEST_MAIN(TestDrawLayout)
#include "tst_drawlayout.moc"
