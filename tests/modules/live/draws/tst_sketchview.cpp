// The stroke layer's off-screen buffer, read back through the view's buffer
// accessor: eraser strokes (also with a width code of 0 or below) and cleared
// rectangles clear pixels, the incremental first-index rule, scrolling inside
// and outside the three-screen buffer, the slice paint copies, the buffer
// that never shrinks, the paint log throttle, and a picture of a board with
// a stroke of every pen.
#include "QmlScene.h"
#include "SketchFixture.h"
#include "TestLogCapture.h"
#include "TestPictures.h"

#include "QmlTypes.h"
#include "modules/live/draws/TQBoardSize.h"
#include "modules/live/draws/TQDrawShadeView.h"
#include "modules/live/draws/TQDrawSketchView.h"
#include "modules/live/draws/TQPathCalligraphy.h"
#include "modules/live/draws/TQPathCircle.h"
#include "modules/live/draws/TQPathClearRect.h"
#include "modules/live/draws/TQPathLineBrushContent.h"
#include "modules/live/draws/TQPathLineChalkContent.h"
#include "modules/live/draws/TQPathLinePenContent.h"
#include "modules/live/draws/TQPathText.h"
#include "modules/live/draws/TQPenFactory.h"
#include "utils/TextMetrics.h"

#include <QPainter>
#include <QQuickView>
#include <QScreen>
#include <QtTest>

#include <memory>

namespace {

const TQBrushStyle kInk(1, kBrushColorDefault, 41, 0);

// A sketch view of `size` set up as the draw manager does, with the page
// paths it owns for the test.
struct Board
{
    explicit Board(QSize size = QSize(400, 300))
        : size(size)
    {
        setBoardSize(size.width(), size.height());
        view.setSize(QSizeF(size));
        view.init(&pens, size);
    }

    TQPath *own(TQPath *path)
    {
        owned.emplace_back(path);
        return path;
    }
    // A horizontal ink stroke at page row y.
    TQPath *inkAt(int strokeId, int y) { return own(strokeThrough(strokeId, kInk, {QPointF(20, y), QPointF(380, y)}, size)); }

    int alphaAt(int x, int bufferRow) const { return qAlpha(view.bufferImage().pixel(x, bufferRow)); }

    QSize size;
    TQPenFactory pens;
    TQDrawSketchView view;
    std::vector<std::unique_ptr<TQPath>> owned;
};

} // namespace

class TestSketchView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void eraserClearsInk_data();
    void eraserClearsInk();
    void clearedRectangle();
    void firstIndexRule_data();
    void firstIndexRule();
    void scroll_data();
    void scroll();
    void bufferNeverShrinks();
    void paintProblemsAreThrottled();
    void everyPen();
    void onScreenUnderTheShade();
};

void TestSketchView::eraserClearsInk_data()
{
    QTest::addColumn<int>("widthCode");
    QTest::newRow("41") << 41;
    // A student's client can send these: the default width, never a division by 0.
    QTest::newRow("0") << 0;
    QTest::newRow("-3") << -3;
}

void TestSketchView::eraserClearsInk()
{
    QFETCH(int, widthCode);
    Board board;
    std::vector<TQPath *> paths{board.inkAt(1, 100)};
    board.view.redrawPaths(paths, 0, true, true, 0, 1.0f);
    QCOMPARE(board.alphaAt(200, 100), 255);

    const TQBrushStyle eraser(1, kBrushColorEraser, widthCode, 0);
    paths.push_back(board.own(strokeThrough(2, eraser, {{200, 50}, {200, 150}}, board.size)));
    board.view.setChanged(false);
    board.view.redrawPaths(paths, 0, false, true, 0, 1.0f);
    QVERIFY(board.view.isChanged());
    // 400 / 41 = 9 pixels wide: cleared across its width, ink left beside it.
    QCOMPARE(board.alphaAt(200, 100), 0);
    QCOMPARE(board.alphaAt(203, 100), 0);
    QCOMPARE(board.alphaAt(100, 100), 255);
    QCOMPARE(board.alphaAt(300, 100), 255);
}

void TestSketchView::clearedRectangle()
{
    Board board;
    std::vector<TQPath *> paths{board.inkAt(1, 100)};
    auto *hole = new TQPathClearRect(kInk, 2, QRectF(150, 80, 100, 40));
    hole->setCanvasSize(400, 300);
    hole->dirty = true;
    paths.push_back(board.own(hole));
    board.view.redrawPaths(paths, 0, true, true, 0, 1.0f);
    QCOMPARE(board.alphaAt(200, 100), 0);
    QCOMPARE(board.alphaAt(151, 100), 0);
    QCOMPARE(board.alphaAt(140, 100), 255);
    QCOMPARE(board.alphaAt(260, 100), 255);
}

void TestSketchView::firstIndexRule_data()
{
    // Strokes by id; stroke k lies on page row 20 k. Strokes 1 and 2 are
    // drawn first; then the view gets `next` with the `dirty` strokes marked.
    QTest::addColumn<QList<int>>("next");
    QTest::addColumn<QList<int>>("dirty");
    QTest::addColumn<QList<int>>("drawn");
    QTest::addColumn<bool>("clearAll");
    QTest::newRow("one more path: only the new one") << QList<int>{1, 2, 3} << QList<int>{2, 3} << QList<int>{3} << false;
    QTest::newRow("same count: the last again") << QList<int>{1, 2} << QList<int>{1, 2} << QList<int>{2} << false;
    QTest::newRow("same count, last clean: nothing") << QList<int>{1, 2} << QList<int>{1} << QList<int>{} << false;
    QTest::newRow("another first path: all from 0") << QList<int>{4, 5} << QList<int>{4, 5} << QList<int>{4, 5} << true;
}

void TestSketchView::firstIndexRule()
{
    QFETCH(QList<int>, next);
    QFETCH(QList<int>, dirty);
    QFETCH(QList<int>, drawn);
    QFETCH(bool, clearAll);
    Board board;
    std::map<int, TQPath *> byId;
    for (int id = 1; id <= 5; ++id)
        byId[id] = board.inkAt(id, 20 * id);
    board.view.redrawPaths({byId[1], byId[2]}, 0, true, true, 0, 1.0f);

    std::vector<TQPath *> list;
    for (int id : next)
        list.push_back(byId[id]);
    for (int id : dirty)
        byId[id]->dirty = true;
    TestLogCapture log;
    board.view.redrawPaths(list, 0, false, true, 0, 1.0f);

    QCOMPARE(log.messages().filter("clear all path").size(), clearAll ? 1 : 0);
    for (int id : dirty) {
        // A visited path loses its mark; the others keep it for a later redraw.
        QCOMPARE(byId[id]->dirty, !drawn.contains(id));
    }
    for (int id = 3; id <= 5; ++id)
        QCOMPARE(board.alphaAt(200, 20 * id), drawn.contains(id) ? 255 : 0);
    // The buffer is not cleared without a refresh: the first strokes stay.
    QCOMPARE(board.alphaAt(200, 20), 255);
}

void TestSketchView::scroll_data()
{
    QTest::addColumn<int>("target");
    QTest::addColumn<int>("bufferTopOffset");
    QTest::addColumn<bool>("redrawn");
    // A 600-high view has an 1800-high buffer.
    QTest::newRow("inside the buffer") << 1200 << 0 << false;
    QTest::newRow("beyond it: re-centred") << 2000 << 1400 << true;
}

void TestSketchView::scroll()
{
    QFETCH(int, target);
    QFETCH(int, bufferTopOffset);
    QFETCH(bool, redrawn);
    Board board(QSize(400, 600));
    TQPath *near = board.inkAt(1, 100);
    TQPath *far = board.inkAt(2, target + 100);
    board.view.redrawPaths({near, far}, 0, true, true, 0, 1.0f);
    far->dirty = true; // stays marked unless a redraw visits it

    board.view.scrollTo(target, 0, 1.0f);
    QCOMPARE(board.view.topOffset(), target);
    QCOMPARE(board.view.bufferTopOffset(), bufferTopOffset);
    QCOMPARE(far->dirty, !redrawn);
    QCOMPARE(board.alphaAt(200, target + 100 - bufferTopOffset), 255);

    // paint copies the visible slice: the far stroke is 100 rows down the item.
    QImage item(400, 600, QImage::Format_ARGB32_Premultiplied);
    item.fill(Qt::transparent);
    QPainter painter(&item);
    board.view.paint(&painter);
    painter.end();
    QCOMPARE(qAlpha(item.pixel(200, 100)), 255);
    QCOMPARE(qAlpha(item.pixel(200, 300)), 0);
}

void TestSketchView::bufferNeverShrinks()
{
    Board board;
    QCOMPARE(board.view.bufferSize(), QSize(400, 900));
    board.view.setVisibleSize(QSize(300, 300), 1.0f, 0);
    QCOMPARE(board.view.bufferSize(), QSize(400, 900));
    board.view.setVisibleSize(QSize(300, 500), 1.0f, 0);
    QCOMPARE(board.view.bufferSize(), QSize(400, 900));
    board.view.setVisibleSize(QSize(500, 300), 1.0f, 0);
    QCOMPARE(board.view.bufferSize(), QSize(500, 900));
}

void TestSketchView::paintProblemsAreThrottled()
{
    Board board;
    QImage image(10, 10, QImage::Format_ARGB32);
    QPainter inactive; // never begun
    TestLogCapture log;
    for (int i = 0; i < 81; ++i)
        board.view.paint(&inactive);
    // Counts 1 to 39, then 40 and 80.
    QCOMPARE(log.messages().filter("painter is not active, count:").size(), 41);
    QCOMPARE(log.messages().filter("count:80").size(), 1);
}

void TestSketchView::everyPen()
{
    const QSize page(820, 520);
    Board board(page);
    std::vector<TQPath *> paths;
    int id = 0;
    auto wave = [&](const TQBrushStyle &brush, int row, TQPath *path) {
        std::vector<TQPointWF> feed;
        for (int i = 0; i <= 24; ++i) {
            TQPointWF p(float(40 + i * 15), float(row + (i % 2 ? 8 : -8)));
            p.refWidth = page.width();
            p.refHeight = page.height();
            p.pressure = 3 + i % 4;
            p.speed = float(100 + i * 20);
            feed.push_back(p);
        }
        if (!path)
            path = new TQPathLine(brush, ++id, 0, 0, 0, false, 0, 0, 0);
        path->setPoints(feed);
        path->dirty = true;
        paths.push_back(board.own(path));
    };
    // Type, colour, width code per row; calligraphy kinds by their classes.
    wave(TQBrushStyle(0, 102, 82, 0), 30, nullptr);                // dotted hard pen
    wave(TQBrushStyle(1, 103, 41, 0), 70, nullptr);                // solid hard pen, thick
    wave(TQBrushStyle(1, 104, 260, 0), 105, nullptr);              // solid, thin
    wave(TQBrushStyle(8, 105, 82, 0), 140, nullptr);               // highlighter
    wave(TQBrushStyle(100, 106, 3, 0), 175, nullptr);              // thin dotted line
    wave(TQBrushStyle(101, 107, 3, 0), 205, nullptr);              // solid line
    wave(TQBrushStyle(2, 108, 3, 0), 245, new TQPathLinePenContent(TQBrushStyle(2, 108, 3, 0), 100));
    wave(TQBrushStyle(4, 102, 3, 0), 290, new TQPathLinePenContent(TQBrushStyle(4, 102, 3, 0), 101));
    wave(TQBrushStyle(3, 103, 3, 0), 335, new TQPathLineBrushContent(TQBrushStyle(3, 103, 3, 0), 102));
    wave(TQBrushStyle(5, 101, 41, 1), 385, new TQPathLineChalkContent(TQBrushStyle(5, 101, 41, 1), 103));
    wave(TQBrushStyle(6, 104, 41, 1), 440, new TQPathCalligraphy(TQBrushStyle(6, 104, 41, 1), 104));

    auto *arc = new TQPathCircle(TQBrushStyle(1, 103, 82, 0), 200, QRectF(460, 20, 120, 120), 0, 270, false, false);
    auto *pie = new TQPathCircle(TQBrushStyle(1, 105, 82, 0), 201, QRectF(620, 20, 120, 120), 30, 120, false, true);
    auto *text = new TQPathText(TQBrushStyle(1, 101, 3, 0), 202, "板书 Text", "#ff2266cc", "Microsoft YaHei",
                                QRectF(460, 170, 300, 40), 28);
    auto *hole = new TQPathClearRect(kInk, 203, QRectF(100, 60, 30, 60));
    for (TQPathRect *r : std::initializer_list<TQPathRect *>{arc, pie, text, hole}) {
        r->setCanvasSize(page.width(), page.height());
        r->dirty = true;
        paths.push_back(board.own(r));
    }
    // A filled figure (alpha flag) and an eraser stroke across the solid rows.
    auto *filled = strokeThrough(204, TQBrushStyle(1, 106, 82, 0),
                                 {{480, 260}, {620, 260}, {620, 360}, {480, 360}, {480, 260}}, page);
    filled->actionValues2[2] = 1;
    paths.push_back(board.own(filled));
    paths.push_back(board.own(strokeThrough(205, TQBrushStyle(1, kBrushColorEraser, 0, 0), {{300, 50}, {300, 230}}, page)));
    board.view.redrawPaths(paths, 0, false, true, 0, 1.0f);

    QImage picture(page, QImage::Format_ARGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    board.view.paint(&painter);
    painter.end();
    QVERIFY(!saveTestPicture(picture, "sketch_every_pen").isEmpty());
    // The eraser crossed the solid rows and the cleared rectangle cut the thick one.
    QCOMPARE(board.alphaAt(300, 70), 0);
    QCOMPARE(board.alphaAt(115, 70), 0);
    QVERIFY(board.alphaAt(200, 70) > 0 || board.alphaAt(205, 70) > 0);
}

// The registered items in a real scene: the sketch view's slice on screen,
// dimmed by the shade view except in its hole.
void TestSketchView::onScreenUnderTheShade()
{
    registerQmlTypes();
    QQuickView view;
    QVERIFY(loadQmlScene(view, "import QtQuick 2.12\n"
              "import com.morvane.veltro.controls 1.0\n"
              "Rectangle {\n"
              "  width: 400; height: 300; color: \"white\"\n"
              "  TQDrawSketchView { objectName: \"sketch\"; anchors.fill: parent }\n"
              "  TQDrawShadeView { objectName: \"shade\"; anchors.fill: parent }\n"
              "}\n"));
    auto *sketch = view.rootObject()->findChild<TQDrawSketchView *>("sketch");
    auto *shade = view.rootObject()->findChild<TQDrawShadeView *>("shade");
    QVERIFY(sketch && shade);

    const QSize size(400, 300);
    setBoardSize(size.width(), size.height());
    TQPenFactory pens;
    sketch->init(&pens, size);
    std::unique_ptr<TQPath> ink(strokeThrough(1, kInk, {{20, 150}, {380, 150}}, size));
    sketch->redrawPaths({ink.get()}, 0, true, true, 0, 1.0f);
    sketch->scrollTo(100, 0, 1.0f); // inside the buffer: the ink moves up to row 50
    shade->show(QRect(0, 0, 200, 300), std::string(), 0);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    // The software renderer on the offscreen platform: its screen hands out the window.
    QImage screen;
    QTRY_VERIFY((screen = view.screen()->grabWindow(view.winId()).toImage(), qGray(screen.pixel(100, 150)) == 255));
    QVERIFY(!saveTestPicture(screen, "sketch_under_shade").isEmpty());
    QCOMPARE(qGray(screen.pixel(100, 50)), 0);    // ink in the hole
    QCOMPARE(qGray(screen.pixel(100, 150)), 255); // white in the hole
    const int dimmed = qGray(screen.pixel(300, 250));
    QVERIFY2(dimmed > 180 && dimmed < 210, qPrintable(QString::number(dimmed)));
    QVERIFY(qGray(screen.pixel(300, 50)) < 130); // ink under the shade, dimmed
}

QTEST_MAIN(TestSketchView)
#include "tst_sketchview.moc"
