// The pending-ink layer with the clock held by the test: the 30/50 ms
// throttle, the freeze of a long stroke into the second pixmap (line and
// calligraphy overlap), the empty hand-over that clears both pixmaps, where
// a pending stroke lands after scrolling, and the adaptation of the points
// per line to injected drawing times.
#include "SketchFixture.h"
#include "TestClock.h"
#include "TestLogCapture.h"
#include "TestPictures.h"

#include "modules/live/draws/TQBoardSize.h"
#include "modules/live/draws/TQDrawTemporalView.h"
#include "modules/live/draws/TQPathLinePenContent.h"
#include "modules/live/draws/TQPenFactory.h"

#include <QtTest>

#include <memory>

namespace {

const QSize kSize(400, 300);
const TQBrushStyle kInk(1, kBrushColorDefault, 41, 0);

// A stroke of `count` points along row 100, as the pen leaves it.
TQPath *strokeOf(int strokeId, int count, bool calligraphy = false)
{
    std::vector<TQPointWF> feed;
    for (int i = 0; i < count; ++i) {
        TQPointWF p(20.0f + float(i % 360), 100.0f + float(i / 360));
        p.refWidth = kSize.width();
        p.refHeight = kSize.height();
        p.pressure = 4;
        feed.push_back(p);
    }
    TQPath *path = calligraphy ? static_cast<TQPath *>(new TQPathLinePenContent(TQBrushStyle(2, 101, 3, 0), strokeId))
                               : new TQPathLine(kInk, strokeId, 0, 0, 0, true, 0, 0, 0);
    path->setPoints(feed);
    return path;
}

struct Layer
{
    Layer()
    {
        setBoardSize(kSize.width(), kSize.height());
        view.setSize(QSizeF(kSize));
        view.init(&pens, kSize);
    }
    // Hands over one pending path (owned by the test until the next hand-over).
    void handOver(TQPath *path, int topOffset = 0)
    {
        pending.reset(path);
        std::vector<TQPath *> list;
        if (path)
            list.push_back(path);
        view.setPaths(list, topOffset, 0, 1.0f);
    }
    int contentAlpha(int x, int y) const { return qAlpha(view.contentImage().pixel(x, y)); }
    int frozenAlpha(int x, int y) const { return qAlpha(view.uncompletedImage().pixel(x, y)); }

    TQPenFactory pens;
    TQDrawTemporalView view;
    std::unique_ptr<TQPath> pending;
};

} // namespace

class TestTemporalView : public QObject
{
    Q_OBJECT

private slots:
    void throttle_data();
    void throttle();
    void freeze_data();
    void freeze();
    void emptyHandOverClearsBoth();
    void pendingStrokeFollowsTheScroll();
    void pastePreview();
    void adaptation_data();
    void adaptation();
};

void TestTemporalView::throttle_data()
{
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("gapMs");
    QTest::addColumn<bool>("updated");
    QTest::newRow("10 ms: skipped") << 20 << 10 << false;
    QTest::newRow("30 ms: drawn") << 20 << 30 << true;
    QTest::newRow("long stroke, 40 ms: skipped") << 200 << 40 << false;
    QTest::newRow("long stroke, 50 ms: drawn") << 200 << 50 << true;
}

void TestTemporalView::throttle()
{
    QFETCH(int, points);
    QFETCH(int, gapMs);
    QFETCH(bool, updated);
    TestClock clock(1700000000000);
    Layer layer;
    layer.handOver(strokeOf(7, points));  // a new stroke
    clock.advance(60);
    layer.handOver(strokeOf(7, points));  // same stroke, counted
    QCOMPARE(layer.view.lastPointCount(), points);
    clock.advance(gapMs);
    layer.handOver(strokeOf(7, points + 5));
    QCOMPARE(layer.view.lastPointCount(), updated ? points + 5 : points);

    // A path added or removed is never held back.
    clock.advance(1);
    layer.handOver(nullptr);
    QCOMPARE(layer.view.strokePathCount(), 0);
}

void TestTemporalView::freeze_data()
{
    QTest::addColumn<bool>("calligraphy");
    QTest::addColumn<int>("drawnBase");
    QTest::newRow("line") << false << 479;
    QTest::newRow("calligraphy") << true << 476;
}

void TestTemporalView::freeze()
{
    QFETCH(bool, calligraphy);
    QFETCH(int, drawnBase);
    TestClock clock(1700000000000);
    Layer layer;
    layer.handOver(strokeOf(9, 10, calligraphy));
    clock.advance(60);
    layer.handOver(strokeOf(9, 480, calligraphy));
    QCOMPARE(layer.view.drawnBase(), 0);
    QCOMPARE(layer.view.lastPointCount(), 480);
    QVERIFY(layer.contentAlpha(30, 100) > 0);
    QCOMPARE(layer.frozenAlpha(30, 100), 0);

    // 520 - 0 > 500: the picture so far is frozen and only the tail is drawn.
    clock.advance(60);
    layer.handOver(strokeOf(9, 520, calligraphy));
    QCOMPARE(layer.view.drawnBase(), drawnBase);
    QCOMPARE(layer.view.lastPointCount(), 480);
    QVERIFY(layer.frozenAlpha(30, 100) > 0);
    QCOMPARE(layer.contentAlpha(30, 100), 0);

    // The next update that does not freeze counts again.
    clock.advance(60);
    layer.handOver(strokeOf(9, 530, calligraphy));
    QCOMPARE(layer.view.drawnBase(), drawnBase);
    QCOMPARE(layer.view.lastPointCount(), 530);
}

void TestTemporalView::emptyHandOverClearsBoth()
{
    TestClock clock(1700000000000);
    Layer layer;
    layer.handOver(strokeOf(3, 10));
    for (int n : {480, 520}) {
        clock.advance(60);
        layer.handOver(strokeOf(3, n));
    }
    QVERIFY(layer.frozenAlpha(30, 100) > 0);
    clock.advance(60);
    layer.handOver(nullptr);
    QCOMPARE(layer.view.drawnBase(), 0);
    QCOMPARE(layer.view.contentImage(), [] { QImage i(kSize, QImage::Format_ARGB32_Premultiplied); i.fill(Qt::transparent); return i; }());
    QCOMPARE(layer.frozenAlpha(30, 100), 0);
}

void TestTemporalView::pendingStrokeFollowsTheScroll()
{
    TestClock clock(1700000000000);
    Layer layer;
    // Page row 250 seen from a window scrolled to page row 200: item row 50.
    layer.handOver(strokeThrough(4, kInk, {{20, 250}, {380, 250}}, kSize), 200);
    QCOMPARE(layer.contentAlpha(200, 50), 255);
    QCOMPARE(layer.contentAlpha(200, 250), 0);
    QCOMPARE(layer.pending->drawnCount, 0);
}

void TestTemporalView::pastePreview()
{
    Layer layer;
    QPixmap picture(10, 10);
    picture.fill(Qt::red);
    layer.view.showPastePreview(&picture, QRect(100, 50, 40, 20));
    QCOMPARE(paintedBounds(layer.view.uncompletedImage()), QRect(100, 50, 40, 20));
    layer.view.showPastePreview(&picture, QRect(0, 0, 5, 5));
    QCOMPARE(paintedBounds(layer.view.uncompletedImage()), QRect(0, 0, 5, 5));
}

void TestTemporalView::adaptation_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("copyMs");
    QTest::addColumn<int>("drawMs");
    QTest::addColumn<int>("after");
    QTest::newRow("fast: unchanged") << 500 << 10 << 10 << 500;
    QTest::newRow("25 ms drawing: -10") << 500 << 0 << 25 << 490;
    QTest::newRow("25 ms copying: -10") << 500 << 25 << 3 << 490;
    QTest::newRow("35 ms: halved") << 500 << 0 << 35 << 250;
    QTest::newRow("halved below 30") << 40 << 0 << 35 << 30;
    QTest::newRow("-10 below 30") << 30 << 0 << 25 << 30;
}

void TestTemporalView::adaptation()
{
    QFETCH(int, start);
    QFETCH(int, copyMs);
    QFETCH(int, drawMs);
    QFETCH(int, after);
    Layer layer;
    // Bring the limit down to `start` by slow paths of 25 ms.
    while (layer.view.maxPointsPerLine() > start)
        layer.view.adaptToDrawingTimes(0, 25, 0);
    QCOMPARE(layer.view.maxPointsPerLine(), start);
    TestLogCapture log;
    layer.view.adaptToDrawingTimes(copyMs, drawMs, 77);
    QCOMPARE(layer.view.maxPointsPerLine(), after);
    const bool slow = copyMs > 10 || drawMs > 10;
    QCOMPARE(log.messages().filter("point count 77").size(), slow ? 1 : 0);
}

QTEST_MAIN(TestTemporalView)
#include "tst_temporalview.moc"
