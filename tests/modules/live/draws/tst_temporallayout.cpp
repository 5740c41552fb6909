// The temporal layout and its small blackboard: edit-handle geometry, pointer
// pictures and sizes, the blackboard's drag limits, handle and hit areas, and
// what survives hiding the handles and resizing the board. Pictures come from
// the compiled-in resources; the blackboard's picture from a real cache file.
#include "modules/live/draws/TQBlackboardView.h"
#include "modules/live/draws/TQDrawTemporalLayout.h"
#include "modules/live/draws/TQPointW.h"
#include "modules/live/draws/TQVirtualImageView.h"
#include "utils/FileUtils.h"
#include "utils/TextMetrics.h"

#include <QImage>
#include <QtTest>

#include <memory>

namespace {

std::unique_ptr<TQDrawTemporalLayout> boardOf(int width, int height = 640)
{
    auto layout = std::make_unique<TQDrawTemporalLayout>();
    layout->setVisibleSize(QSize(width, height));
    return layout;
}

QRect edgesOf(const TQVirtualView *view)
{
    return view ? QRect(QPoint(view->left, view->top), QPoint(view->right, view->bottom)) : QRect();
}

// Edges as (left, top, right, bottom), right and bottom exclusive.
QRect edges(int l, int t, int r, int b)
{
    return QRect(QPoint(l, t), QPoint(r, b));
}

// -1 stands for an argument not given.
const int *opt(const int &value)
{
    return value >= 0 ? &value : nullptr;
}

} // namespace

class TestTemporalLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void editHandles_data();
    void editHandles();
    void hidingHandlesKeepsBlackboardAndPointer();
    void pointer_data();
    void pointer();
    void switchingPointerKeepsOneView();
    void pointerWithoutPositionOrHidden();
    void blackboardDrag_data();
    void blackboardDrag();
    void blackboardHits_data();
    void blackboardHits();
    void blackboardContent();
    void resizeRescalesBlackboard();
    void contentWithoutPainter();
};

void TestTemporalLayout::editHandles_data()
{
    QTest::addColumn<QRect>("bounds");
    QTest::addColumn<QPoint>("anchor");
    QTest::addColumn<int>("tag");
    QTest::addColumn<QRect>("expected");

    const QRect wide(100, 200, 600, 300);  // right 699, bottom 499
    const QRect narrow(100, 200, 100, 50); // right 199, bottom 249
    QTest::newRow("vertex dot") << wide << QPoint(400, 150) << 0 << edges(90, 40, 110, 60);
    QTest::newRow("rotation knob capped at 40") << wide << QPoint(400, 150) << 102 << edges(380, 90, 420, 130);
    QTest::newRow("resize knob capped at 40") << wide << QPoint(400, 150) << 103 << edges(659, 459, 699, 499);
    QTest::newRow("rotation knob raised to 18") << narrow << QPoint(150, 150) << 102 << edges(141, 123, 159, 141);
    QTest::newRow("resize knob raised to 18") << narrow << QPoint(150, 150) << 103 << edges(181, 231, 199, 249);
    QTest::newRow("knob anchor clamped to the board") << wide << QPoint(5, 10) << 102 << edges(0, 0, 40, 40);
    QTest::newRow("rotation base") << wide << QPoint(400, 150) << 101 << edges(160, 470, 640, 530);
    QTest::newRow("copy to blackboard") << wide << QPoint(400, 150) << 104 << edges(112, 179, 185, 197);
    QTest::newRow("copy and paste") << wide << QPoint(400, 150) << 105 << edges(197, 179, 270, 197);
}

void TestTemporalLayout::editHandles()
{
    QFETCH(QRect, bounds);
    QFETCH(QPoint, anchor);
    QFETCH(int, tag);
    QFETCH(QRect, expected);

    auto layout = boardOf(1000);
    TQEditHandleInfo info;
    info.vertices = {{100, 50, true}, {300, 60, false}};
    info.bounds = bounds;
    info.rotationAnchor = anchor;
    info.rotationBaseCentre = QPoint(400, 500);
    info.rotatable = info.resizable = info.copyable = true;
    layout->showEditHandles(info);

    QCOMPARE(edgesOf(layout->findView(tag)), expected);
    QVERIFY2(!layout->findView(1), "a vertex whose handle is not shown gets no dot");
    QVERIFY(layout->isChanged());
}

void TestTemporalLayout::hidingHandlesKeepsBlackboardAndPointer()
{
    auto layout = boardOf(1000);
    layout->showBlackboard("http://127.0.0.1/board/copy.png", 400, 200, 1000, 100);
    const TQPointW at(500, 300);
    const int kind = 108;
    layout->updatePointer(true, nullptr, &kind, nullptr, nullptr, &at);
    TQEditHandleInfo info;
    info.vertices = {{100, 50, true}};
    info.bounds = QRect(100, 100, 200, 100);
    info.resizable = true;
    layout->showEditHandles(info);
    QCOMPARE(layout->viewCount(), 4);

    TQEditHandleInfo hide;
    hide.hide = true;
    layout->showEditHandles(hide);

    QCOMPARE(layout->viewCount(), 2);
    QVERIFY(layout->findView(TQDrawTemporalLayout::BlackboardTag));
    QVERIFY(layout->findView(TQDrawTemporalLayout::PointerTag));
    QCOMPARE(layout->blackboardView(), layout->findView(TQDrawTemporalLayout::BlackboardTag));
}

void TestTemporalLayout::pointer_data()
{
    QTest::addColumn<int>("eraser");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("penWidth");
    QTest::addColumn<int>("penColour");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<int>("side");

    const int none = -1;
    QTest::newRow("eraser 41") << 41 << none << none << none << 9000
                               << "live_class_pointer_rubber" << 50;
    QTest::newRow("eraser 20") << 20 << none << none << none << 9000
                               << "live_class_pointer_rubber" << 66;
    QTest::newRow("eraser 27") << 27 << none << none << none << 9000
                               << "live_class_pointer_rubber" << 58;
    QTest::newRow("eraser 82") << 82 << none << none << none << 9000
                               << "live_class_pointer_rubber" << 25;
    QTest::newRow("eraser other") << 123 << none << none << none << 9000
                                  << "live_class_pointer_rubber" << 12;
    QTest::newRow("red laser") << none << 108 << none << none << 9001 << "live_class_pointer_red"
                               << 50;
    QTest::newRow("white hand") << none << 114 << none << none << 9007
                                << "live_class_pointer_white_hand" << 50;
    QTest::newRow("unknown kind") << none << 7 << none << none << 9008
                                  << "live_class_pointer_orange_pen" << 50;
    QTest::newRow("pen 82 green") << none << none << 82 << 117 << 90010
                                  << "live_class_pointer_pen_green_draw" << 25;
    QTest::newRow("pen 123 yellow") << none << none << 123 << 118 << 9009
                                    << "live_class_pointer_pen_yellow_draw" << 16;
    QTest::newRow("pen 3 other colour") << none << none << 3 << 1 << 90011
                                        << "live_class_pointer_pen_red_draw" << 50;
    QTest::newRow("eraser wins over pen") << 82 << none << 3
                                          << 117 << 9000 << "live_class_pointer_rubber" << 25;
    QTest::newRow("nothing given") << none << none << none << none << 0 << "" << 25;
}

void TestTemporalLayout::pointer()
{
    QFETCH(int, eraser);
    QFETCH(int, kind);
    QFETCH(int, penWidth);
    QFETCH(int, penColour);
    QFETCH(int, id);
    QFETCH(QString, picture);
    QFETCH(int, side);

    auto layout = boardOf(1000);
    const TQPointW at(300, 200);
    layout->updatePointer(true, opt(eraser), opt(kind), opt(penWidth), opt(penColour), &at);

    auto *view = static_cast<TQVirtualImageView *>(layout->findView(TQDrawTemporalLayout::PointerTag));
    QVERIFY(view);
    QCOMPARE(layout->pointerImageId(), id);
    QCOMPARE(view->imagePath(), picture.isEmpty() ? QString() : ":/res/" + picture);
    QVERIFY2(picture.isEmpty() || !view->image()->isNull(), "the picture is compiled in");
    QCOMPARE(edgesOf(view), edges(300, 200, 300 + side, 200 + side));
    QCOMPARE(layout->viewAt(layout->viewCount() - 1), view);
}

void TestTemporalLayout::switchingPointerKeepsOneView()
{
    auto layout = boardOf(1000);
    const TQPointW at(10, 20);
    const int red = 108;
    const int green = 109;
    layout->updatePointer(true, nullptr, &red, nullptr, nullptr, &at);
    auto *view = static_cast<TQVirtualImageView *>(layout->findView(TQDrawTemporalLayout::PointerTag));
    layout->updatePointer(true, nullptr, &green, nullptr, nullptr, &at);
    QCOMPARE(layout->findView(TQDrawTemporalLayout::PointerTag), view);
    QCOMPARE(view->imagePath(), QStringLiteral(":/res/live_class_pointer_green"));
    QCOMPARE(layout->pointerImageId(), 9002);
    QVERIFY(view->isImageLoaded()); // painted into the content

    // The same picture again is not set again: the loaded picture is kept.
    const TQPointW moved(40, 60);
    layout->updatePointer(true, nullptr, &green, nullptr, nullptr, &moved);
    QVERIFY(view->isImageLoaded());
    QCOMPARE(edgesOf(view), edges(40, 60, 90, 110));
    QCOMPARE(layout->viewCount(), 1);
}

void TestTemporalLayout::pointerWithoutPositionOrHidden()
{
    auto layout = boardOf(1000);
    const int red = 108;
    layout->updatePointer(true, nullptr, &red, nullptr, nullptr, nullptr);
    QVERIFY2(!layout->findView(TQDrawTemporalLayout::PointerTag), "no position, no pointer");

    const TQPointW at(10, 20);
    layout->updatePointer(true, nullptr, &red, nullptr, nullptr, &at);
    layout->updatePointer(false, nullptr, nullptr, nullptr, nullptr, nullptr);
    QVERIFY(!layout->findView(TQDrawTemporalLayout::PointerTag));

    // Shown again after hiding: a new view whose picture is set afresh.
    layout->updatePointer(true, nullptr, &red, nullptr, nullptr, &at);
    auto *view = static_cast<TQVirtualImageView *>(layout->findView(TQDrawTemporalLayout::PointerTag));
    QVERIFY(view);
    QCOMPARE(view->imagePath(), QStringLiteral(":/res/live_class_pointer_red"));
}

void TestTemporalLayout::blackboardDrag_data()
{
    QTest::addColumn<int>("startX");
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("handleEnd"); // board x where the handle ends, minus the blackboard's frame

    // width 400, board 1000: lo = -300, hi = 1300.
    QTest::newRow("far left stops at -300") << 100 << -5000 << -300 << 116;
    QTest::newRow("far right stops at 900") << 100 << 5000 << 900 << 1016;
    QTest::newRow("overhanging 100: handle at the board's edge") << 700 << 0 << 700 << 1016;
    QTest::newRow("just on the board: handle at its own corner") << 600 << 0 << 600 << 1016;
    QTest::newRow("inside") << 100 << 50 << 150 << 566;
}

void TestTemporalLayout::blackboardDrag()
{
    QFETCH(int, startX);
    QFETCH(int, dx);
    QFETCH(int, x);
    QFETCH(int, handleEnd);

    auto layout = boardOf(1000);
    layout->showBlackboard("http://127.0.0.1/board/copy.png", 400, 200, 1000, startX);
    layout->moveBlackboard(dx);
    TQBlackboardView *board = layout->blackboardView();
    QCOMPARE(board->x(), x);
    QCOMPARE(edgesOf(board), edges(x, 0, x + 416, 216));
    QCOMPARE(board->x() + board->handleX() + board->handleWidth(), handleEnd);
    QCOMPARE(edgesOf(board->handle()), edges(board->handleX(), 0, board->handleX() + board->handleWidth(),
                                             board->handleWidth() / 2));
}

void TestTemporalLayout::blackboardHits_data()
{
    QTest::addColumn<int>("dxFromHandle");
    QTest::addColumn<int>("py");
    QTest::addColumn<bool>("erase");
    QTest::addColumn<bool>("onBoard");

    QTest::newRow("handle") << 2 << 3 << true << true;
    QTest::newRow("10 above the board") << 2 << -10 << true << true;
    QTest::newRow("11 above the board") << 2 << -11 << false << false;
    QTest::newRow("left of the handle") << -1 << 3 << false << true;
    QTest::newRow("below the picture, within 30") << -100 << 230 << false << true;
    QTest::newRow("below the picture, past 30") << -100 << 231 << false << false;
}

void TestTemporalLayout::blackboardHits()
{
    QFETCH(int, dxFromHandle);
    QFETCH(int, py);
    QFETCH(bool, erase);
    QFETCH(bool, onBoard);

    TQBlackboardView board;
    board.setContent(QStringLiteral("http://127.0.0.1/board/copy.png"), 400, 200, 1000, 100);
    const int px = board.x() + board.handleX() + dxFromHandle;
    QCOMPARE(board.isOnEraseButton(px, py), erase);
    QCOMPARE(board.isOnBoard(px, py), onBoard);
    // The side margins: 30 pixels either side of the picture.
    QVERIFY(board.isOnBoard(70, 100) && !board.isOnBoard(69, 100));
    QVERIFY(board.isOnBoard(530, 100) && !board.isOnBoard(531, 100));
}

void TestTemporalLayout::blackboardContent()
{
    const QString url = QStringLiteral("http://127.0.0.1/board/Copy.png");
    TQBlackboardView board;
    board.setContent(url, 400, 200, 1000, 100);
    QVERIFY2(board.body()->imagePath().isEmpty(), "no cached file yet: the frame only");
    QCOMPARE(edgesOf(board.body()), edges(8, 8, 408, 208));

    // The same url in another letter case on the same board changes nothing,
    // not even the position.
    board.setContent(url.toLower(), 300, 100, 1000, 0);
    QCOMPARE(board.url(), url);
    QCOMPARE(board.x(), 100);
    QCOMPARE(board.pictureWidth(), 400);

    // Once the picture is cached, a new board width shows it.
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    const QString local = FileUtils::getResourceFileFromUrl(url);
    QVERIFY(picture.save(local, "PNG"));
    board.setContent(url, 400, 200, 800, 100);
    QCOMPARE(board.body()->imagePath(), local);
    QVERIFY(!board.body()->image()->isNull());
    QFile::remove(local);
}

void TestTemporalLayout::resizeRescalesBlackboard()
{
    auto layout = boardOf(1000);
    layout->showBlackboard("http://127.0.0.1/board/copy.png", 400, 200, 1000, 300);
    layout->setVisibleSize(QSize(500, 320));
    TQBlackboardView *board = layout->blackboardView();
    QCOMPARE(board->pictureWidth(), 200);
    QCOMPARE(board->pictureHeight(), 100);
    QCOMPARE(board->boardWidth(), 500);
    QCOMPARE(board->x(), 150);
    QCOMPARE(layout->contentImage().size(), QSize(500, 320));

    // A board that shrank to nothing gives no factor to grow back by: the
    // blackboard keeps its last size instead of an infinite one.
    layout->setVisibleSize(QSize(0, 0));
    layout->setVisibleSize(QSize(1000, 640));
    QCOMPARE(board->pictureWidth(), 0);
    QCOMPARE(board->boardWidth(), 0);
    QCOMPARE(layout->blackboardView(), board);

    layout->removeBlackboard();
    QVERIFY(!layout->blackboardView());
    QVERIFY(!layout->findView(TQDrawTemporalLayout::BlackboardTag));
}

void TestTemporalLayout::contentWithoutPainter()
{
    TQDrawTemporalLayout layout;
    const TQPointW at(10, 20);
    const int red = 108;
    layout.updatePointer(true, nullptr, &red, nullptr, nullptr, &at);
    QVERIFY2(!layout.isChanged(), "nothing drawn before the first size");
    QVERIFY(layout.contentImage().isNull());
}

QTEST_MAIN(TestTemporalLayout)
#include "tst_temporallayout.moc"
