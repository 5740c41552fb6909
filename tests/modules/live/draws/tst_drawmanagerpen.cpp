// The pen tool through the draw manager's touch entry: which line and save
// actions a press, moves and a release queue (read from what the live data
// source received for sending once the queue was applied), and the results
// of the tool's own touch handling on a fixed clock.
#include "DrawManagerFixture.h"
#include "TestClock.h"

#include "actions/drawing/TQDrawingActionLine.h"
#include "actions/drawing/TQDrawingActionSave.h"
#include "modules/live/draws/TQShapeFreeDraw.h"

#include <QtTest>

namespace {

struct Sample
{
    float x;
    float y;
    int phase;
};

QString lineText(const TQDrawingActionLine *line)
{
    QStringList points;
    for (const TQPointW &p : line->points)
        points << QStringLiteral("%1,%2").arg(p.x).arg(p.y);
    return points.join(' ');
}

} // namespace

Q_DECLARE_METATYPE(std::vector<Sample>)
Q_DECLARE_METATYPE(TQBrushStyle)

class TestDrawManagerPen : public QObject
{
    Q_OBJECT

private slots:
    void strokeBecomesLineActions_data();
    void strokeBecomesLineActions();
    void touchWithoutPageIsDropped();
    void freeDrawResults();
};

void TestDrawManagerPen::strokeBecomesLineActions_data()
{
    QTest::addColumn<std::vector<Sample>>("samples");
    QTest::addColumn<TQBrushStyle>("brush");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("saves");

    const TQBrushStyle pen(1, 101, 3, 0);
    QTest::newRow("press, moves, release")
        << std::vector<Sample>{{10, 20, 0}, {15, 25, 1}, {20.5f, 30.25f, 1}, {25, 35, 2}} << pen
        << QStringList{"40,80 60,100", "60,100 82,121", "82,121 100,140"} << 1;
    QTest::newRow("a move within 0.1 px is dropped")
        << std::vector<Sample>{{10, 20, 0}, {10.09f, 20.09f, 1}, {15, 20, 1}, {15, 20, 2}} << pen
        << QStringList{"40,80 60,80", "60,80 60,80"} << 1;
    QTest::newRow("0.2 px apart is kept")
        << std::vector<Sample>{{10, 20, 0}, {10.2f, 20, 1}, {10.2f, 20, 2}} << pen
        << QStringList{"40,80 40,80", "40,80 40,80"} << 1;
    QTest::newRow("press and release only") << std::vector<Sample>{{10, 20, 0}, {10, 20, 2}} << pen
                                            << QStringList{"40,80 40,80"} << 1;
    // The pointer's moves travel (the students see it move); its release
    // neither draws the last segment nor saves.
    QTest::newRow("pointer") << std::vector<Sample>{{10, 20, 0}, {15, 25, 1}, {25, 35, 2}}
                             << TQBrushStyle(7, 101, 3, 0) << QStringList{"40,80 60,100"} << 0;
}

void TestDrawManagerPen::strokeBecomesLineActions()
{
    QFETCH(std::vector<Sample>, samples);
    QFETCH(TQBrushStyle, brush);
    QFETCH(QStringList, lines);
    QFETCH(int, saves);
    DrawManagerFixture f;
    f.manager.setBrush(brush);
    const int stroke = f.manager.updateStrokeMark(false);
    QVERIFY(stroke != 0);
    for (const Sample &s : samples)
        f.manager.drawLineAddPoint(s.x, s.y, s.phase, 0);
    f.drain();

    QStringList sent;
    for (const TQDrawingActionLine *line : f.sent<TQDrawingActionLine>(0)) {
        sent << lineText(line);
        QCOMPARE(line->strokeId, stroke);
        QCOMPARE(line->canvasWidth, 4000);
        QCOMPARE(line->canvasHeight, 2560);
        QCOMPARE(line->materialId, 501);
        QCOMPARE(line->brush, brush);
        QCOMPARE(line->senderId, 0);
        QVERIFY(!line->straight);
    }
    QCOMPARE(sent, lines);
    const auto saveActions = f.sent<TQDrawingActionSave>(2);
    QCOMPARE(int(saveActions.size()), saves);
    if (saves) {
        QCOMPARE(saveActions.front()->strokeId, stroke);
        QCOMPARE(saveActions.front()->senderId, DrawManagerFixture::kTeacher);
        // The save committed the stroke to the page.
        QVERIFY(f.manager.pendingPaths().empty());
        QCOMPARE(f.source.getPagePaths()->size(), 1);
    }
}

void TestDrawManagerPen::touchWithoutPageIsDropped()
{
    DrawManagerFixture f;
    f.course.material()->m_pOngoingPage = nullptr;
    f.manager.drawLineAddPoint(10, 20, 0, 0);
    f.manager.drawLineAddPoint(20, 20, 1, 0);
    f.manager.drawLineAddPoint(30, 20, 2, 0);
    QCOMPARE(f.manager.queuedActionCount(), 0);
}

void TestDrawManagerPen::freeDrawResults()
{
    TestClock clock(1700000000000);
    DrawManagerFixture f;
    TQShapeFreeDraw pen;
    TQPointWF press(10, 20);
    press.pressure = 0.2f;
    TQPointWF first(12, 20);
    first.pressure = 0.7f;
    TQPointWF second(14, 20);

    QCOMPARE(pen.onTouch(press, 0, &f.manager).code, 0);
    QCOMPARE(pen.mode, int(TQShapeFreeDraw::Drawing));
    QCOMPARE(pen.pressTime, clock.now());
    QCOMPARE(pen.onTouch(first, 1, &f.manager).code, 0);
    // With two samples held, the press takes the first move's pressure.
    QCOMPARE(pen.onTouch(second, 1, &f.manager).code, 0);
    QCOMPARE(pen.points.front().pressure, 0.7f);
    QCOMPARE(int(pen.points.size()), 3);

    // A move before any press does nothing.
    TQShapeFreeDraw fresh;
    const TQShapeTouchResult none = fresh.onTouch(first, 1, &f.manager);
    QCOMPARE(none.code, 0);
    QCOMPARE(none.index, -1);
    QVERIFY(fresh.points.empty());
    QCOMPARE(f.manager.queuedActionCount(), 2);
}

QTEST_MAIN(TestDrawManagerPen)
#include "tst_drawmanagerpen.moc"
