// Cover boards and the foreground layer: button sizes, what is painted for
// the visible window, the hit order and the flags that gate presses, and the
// rebuild and reposition from the page's foreground elements.
#include "ElementSource.h"

#include "modules/live/draws/TQDrawForegroundElementLayout.h"
#include "modules/live/draws/TQDrawForegroundLayout.h"
#include "utils/TextMetrics.h"

#include <QtTest>

class TestForegroundLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void buttonSize_data();
    void buttonSize();
    void boxColour();
    void hitOrderAndFlags();
    void paintsOnlyTheVisibleWindow();
    void rebuildAndReposition();
    void elementWithoutWidth();
};

void TestForegroundLayout::buttonSize_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<int>("size");

    QTest::newRow("900 wide, capped at 40") << QRect(0, 0, 900, 300) << 40;
    QTest::newRow("200 wide, raised to 15") << QRect(0, 0, 200, 100) << 15;
    QTest::newRow("450 wide") << QRect(50, 60, 450, 100) << 25;
}

void TestForegroundLayout::buttonSize()
{
    QFETCH(QRect, rect);
    QFETCH(int, size);

    TQDrawForegroundElementLayout board;
    board.setUp(1, 1, rect, 1000, true, true);
    QCOMPARE(board.buttonSize(), size);
    // Close at the top right corner, resize at the bottom right one.
    const QPoint topRight(rect.x() + rect.width() - 1, rect.y());
    const QPoint bottomRight(rect.x() + rect.width() - 1, rect.y() + rect.height() - 1);
    QVERIFY(board.hitClose(topRight.x(), topRight.y()));
    QVERIFY(!board.hitClose(topRight.x() - size, topRight.y()));
    QVERIFY(!board.hitClose(topRight.x(), topRight.y() + size));
    QVERIFY(board.hitExpand(bottomRight.x(), bottomRight.y()));
    QVERIFY(!board.hitExpand(bottomRight.x() - size, bottomRight.y()));
}

void TestForegroundLayout::boxColour()
{
    TQDrawForegroundElementLayout tool;
    tool.setUp(1, 1, QRect(0, 0, 100, 100), 1000, true, true);
    QCOMPARE(tool.boxColor(), QColor(220, 220, 224, 255));
    TQDrawForegroundElementLayout other;
    other.setUp(2, 1, QRect(0, 0, 100, 100), 5, true, true);
    QVERIFY(!other.boxColor().isValid());
}

void TestForegroundLayout::hitOrderAndFlags()
{
    ElementSource source;
    source.addCoverBoard(11, QRect(100, 100, 400, 200), 1000);
    source.addCoverBoard(12, QRect(300, 150, 400, 200), 1000, 1000, 0, 0);
    TQDrawForegroundLayout layer;
    layer.init(QSize(1000, 640));
    layer.rebuild(true, 0, 1.0f, &source, QSize(1000, 640));
    QCOMPARE(layer.elementCount(), 2);

    QCOMPARE(layer.hitCoverBoard(350, 200, 0, 0), 11);   // overlap: the first added
    QCOMPARE(layer.hitCoverBoard(600, 320, 0, 0), 12);
    QCOMPARE(layer.hitCoverBoard(50, 50, 0, 0), -1);
    QCOMPARE(layer.hitCoverBoard(600, 20, 0, 300), 12);  // the offset moves the point
    QCOMPARE(layer.hitCloseButton(495, 105, 0, 0), 11);
    QCOMPARE(layer.hitExpandButton(495, 295, 0, 0), 11);
    // Board 12 hides its buttons from presses (flags 0): its corners are body.
    QCOMPARE(layer.hitCloseButton(695, 155, 0, 0), -1);
    QCOMPARE(layer.hitExpandButton(695, 345, 0, 0), -1);
    QCOMPARE(layer.hitCoverBoard(695, 155, 0, 0), 12);

    // The hidden close button still shows its picture.
    const QImage content = layer.contentImage();
    const QColor closePixel = content.pixelColor(680, 165);
    QVERIFY2(closePixel != QColor(220, 220, 224), "close picture drawn over the box");
}

void TestForegroundLayout::paintsOnlyTheVisibleWindow()
{
    ElementSource source;
    source.addCoverBoard(21, QRect(100, 100, 200, 100), 1000);  // page y 100..199
    source.addCoverBoard(22, QRect(100, 800, 200, 100), 1000);  // page y 800..899
    TQDrawForegroundLayout layer;
    layer.init(QSize(1000, 640));
    layer.rebuild(true, 300, 1.0f, &source, QSize(1000, 640));
    QVERIFY(layer.isChanged());

    const QImage content = layer.contentImage();
    // Window 300..939: board 21 lies above it, board 22 shows at y 500.
    QCOMPARE(content.pixelColor(150, 520), QColor(220, 220, 224));
    QCOMPARE(content.pixelColor(150, 150).alpha(), 0);
    int opaqueAbove = 0;
    for (int y = 0; y < 499; ++y) // the antialiased outline may touch row 499
        opaqueAbove += content.pixelColor(150, y).alpha() > 0;
    QCOMPARE(opaqueAbove, 0);
}

void TestForegroundLayout::rebuildAndReposition()
{
    ElementSource source;
    source.addCoverBoard(31, QRect(200, 100, 400, 200), 2000); // drawn on a board twice as wide
    TQDrawForegroundLayout layer;
    layer.init(QSize(1000, 640));
    layer.rebuild(true, 0, 1.0f, &source, QSize(1000, 640));
    TQDrawForegroundElementLayout *board = layer.findElement(31);
    QVERIFY(board);
    QCOMPARE(board->boardRect(), QRect(100, 50, 200, 100));

    // A rebuild without clearing keeps the cover board and only moves it.
    layer.rebuild(false, 0, 2.0f, &source, QSize(1000, 640));
    QCOMPARE(layer.findElement(31), board);
    QCOMPARE(layer.elementCount(), 1);
    QCOMPARE(board->boardRect(), QRect(200, 100, 400, 200));

    layer.reposition(0, 1.0f, &source, QSize(500, 320));
    QCOMPARE(board->boardRect(), QRect(50, 25, 100, 50));
    QCOMPARE(layer.contentImage().size(), QSize(500, 320));
    QCOMPARE(board->buttonSize(), 15);

    layer.rebuild(true, 0, 1.0f, &source, QSize(500, 320));
    QCOMPARE(layer.elementCount(), 1);
}

void TestForegroundLayout::elementWithoutWidth()
{
    // Neither a canvas nor a width to scale from: the element is left out
    // rather than placed at a rectangle computed from a division by zero.
    ElementSource source;
    source.addCoverBoard(41, QRect(10, 10, 0, 50), 0);
    source.addCoverBoard(42, QRect(10, 10, 500, 50), 0); // its own width is the canvas
    TQDrawForegroundLayout layer;
    layer.init(QSize(1000, 640));
    layer.rebuild(true, 0, 1.0f, &source, QSize(1000, 640));
    QVERIFY(!layer.findElement(41));
    QVERIFY(layer.findElement(42));
    QCOMPARE(layer.findElement(42)->boardRect(), QRect(20, 20, 1000, 100));
}

QTEST_MAIN(TestForegroundLayout)
#include "tst_foregroundlayout.moc"
