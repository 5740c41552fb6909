// The draw manager's queue, apply loop, job timer and tool switch, driven
// through posted events against real board layers and the live data source;
// what was applied is read from what the source received for sending.
#include "DrawManagerFixture.h"

#include "actions/drawing/TQDrawActionDrawImage.h"
#include "actions/drawing/TQDrawingActionSave.h"
#include "modules/live/draws/TQShapeFreeDraw.h"
#include "shapes/TQShapeGeneric.h"
#include "shapes/TQVertex.h"

#include <QElapsedTimer>
#include <QtTest>

namespace {

// Counts the action events the manager receives and what was queued and sent
// at each delivery, before the delivery applies anything.
class DeliveryProbe : public QObject
{
public:
    DeliveryProbe(DrawManagerFixture &f)
        : f(f)
    {
        f.manager.installEventFilter(this);
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == TQQTActionEvent::eventType()) {
            queuedAtDelivery.push_back(f.manager.queuedActionCount());
            sentAtDelivery.push_back(int(f.services.sentActions.size()));
        }
        return false;
    }
    DrawManagerFixture &f;
    std::vector<int> queuedAtDelivery;
    std::vector<int> sentAtDelivery;
};

// A geometric shape tool that records how it is driven.
class ProbeShape : public TQShapeGeneric
{
public:
    ProbeShape(int type, bool fillable)
        : TQShapeGeneric(type, false, false, false, false)
        , fillable(fillable)
    {
        this->type = type;
    }
    bool isFillable() const override { return fillable; }
    bool hasLineType() const override { return true; }
    void initGraph(TQDrawManager *) override { ++initCount; }
    bool fillable;
    int initCount = 0;
};

// A tool that answers every touch with one fixed result.
class FixedResultTool : public TQShapeAbstract
{
public:
    explicit FixedResultTool(TQShapeTouchResult result)
        : TQShapeAbstract(-2)
        , result(result)
    {
    }
    TQShapeTouchResult onTouch(const TQPointWF &, int, TQDrawManager *) override { return result; }
    TQShapeTouchResult result;
};

} // namespace

class TestDrawManager : public QObject
{
    Q_OBJECT

private slots:
    void appliesOneActionPerEventInOrder();
    void timersRunBetweenActions();
    void codesWithoutHandlerChangeNothing_data();
    void codesWithoutHandlerChangeNothing();
    void jobsShareOneTimer();
    void shapeToolWaitsForWithdrawnWriting();
    void styleCarriesOverToTheNextShape();
    void coverBoardGestures_data();
    void coverBoardGestures();
    void screensPerPageAtLeastOne();
    void editHandlesOnTheTemporalLayout();
};

void TestDrawManager::appliesOneActionPerEventInOrder()
{
    DrawManagerFixture f;
    DeliveryProbe probe(f);
    for (int i = 1; i <= 10; ++i)
        f.manager.queueSave(501, 0, 100 + i, DrawManagerFixture::kTeacher);
    QCOMPARE(f.manager.queuedActionCount(), 10);
    QVERIFY(f.services.sentActions.empty());

    f.drain();

    QCOMPARE(probe.queuedAtDelivery, (std::vector<int>{10, 9, 8, 7, 6, 5, 4, 3, 2, 1}));
    QCOMPARE(probe.sentAtDelivery, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    QCOMPARE(f.manager.queuedActionCount(), 0);
    std::vector<int> strokes;
    for (TQDrawingActionSave *save : f.sent<TQDrawingActionSave>(2))
        strokes.push_back(save->strokeId);
    QCOMPARE(strokes, (std::vector<int>{101, 102, 103, 104, 105, 106, 107, 108, 109, 110}));
}

void TestDrawManager::timersRunBetweenActions()
{
    DrawManagerFixture f;
    int ticks = 0;
    std::vector<int> ticksAtDelivery;
    QTimer input;
    QObject::connect(&input, &QTimer::timeout, [&] { ++ticks; });
    struct TickProbe : QObject
    {
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == TQQTActionEvent::eventType())
                at->push_back(*ticks);
            return false;
        }
        int *ticks;
        std::vector<int> *at;
    } probe;
    probe.ticks = &ticks;
    probe.at = &ticksAtDelivery;
    f.manager.installEventFilter(&probe);
    for (int i = 0; i < 50; ++i)
        f.manager.queueSave(501, 0, 0, DrawManagerFixture::kTeacher);
    input.start(0);

    // A long queue drained by the event loop leaves room for timers (and
    // input) between its actions, not only after the last one.
    QTRY_COMPARE(f.manager.queuedActionCount(), 0);
    QCOMPARE(int(ticksAtDelivery.size()), 50);
    QVERIFY(ticksAtDelivery.back() - ticksAtDelivery.front() >= 10);
}

void TestDrawManager::codesWithoutHandlerChangeNothing_data()
{
    QTest::addColumn<int>("code");
    QTest::newRow("7") << 7;
    QTest::newRow("9") << 9;
    QTest::newRow("13") << 13;
    QTest::newRow("15") << 15;
    QTest::newRow("negative") << -3;
}

void TestDrawManager::codesWithoutHandlerChangeNothing()
{
    QFETCH(int, code);
    DrawManagerFixture f;
    f.manager.queueDrawLine({TQPointW(0, 0), TQPointW(40, 40)}, 4000, 2560, 0, 0, 501, 0, TQBrushStyle(), false, false,
                            5, 0, 0);
    f.drain();
    const std::vector<TQPath *> pending = f.manager.pendingPaths();
    const int pagePaths = f.source.getPagePaths()->size();

    // Dropped actions are freed (the ASan run of this test shows no leak).
    f.manager.queueAction(new TQDrawingAction(code));
    f.drain();

    QCOMPARE(f.manager.queuedActionCount(), 0);
    QCOMPARE(f.manager.pendingPaths(), pending);
    QCOMPARE(f.source.getPagePaths()->size(), pagePaths);
    QVERIFY(f.services.sentActions.empty());
    QCOMPARE(f.manager.materialId(), 501);
    QCOMPARE(f.manager.topOffset(), 0);
}

void TestDrawManager::jobsShareOneTimer()
{
    DrawManagerFixture f;
    QElapsedTimer clock;
    clock.start();
    f.manager.startTurnPageTimer();
    f.manager.showWaitingShade(true, 5, "请稍候", 500);
    QVERIFY(f.shadeView.isVisible());
    QCOMPARE(f.services.calls.filter("drawing").join('|'), QStringLiteral("drawing 0 "));

    // Neither job runs before the shorter interval (600 ms with the grace).
    QTest::qWait(300);
    QVERIFY(f.shadeView.isVisible());
    QCOMPARE(f.manager.queuedActionCount(), 0);

    // Both run at the first tick, long before the turn's own 2000 ms.
    QTRY_VERIFY_WITH_TIMEOUT(!f.shadeView.isVisible(), 1500);
    QVERIFY(clock.elapsed() < 1900);
    f.drain();
    QCOMPARE(f.sentCodes(), (std::vector<int>{2}));
    QCOMPARE(f.services.calls.filter("drawing").join('|'), QStringLiteral("drawing 0 |drawing 1 "));
}

void TestDrawManager::shapeToolWaitsForWithdrawnWriting()
{
    DrawManagerFixture f;
    f.services.studentsWriting = true;
    f.manager.setBrush(TQBrushStyle(3, 104, 41, 2));
    auto *shape = new ProbeShape(2001, true);
    f.manager.installShapeTool(shape);

    QCOMPARE(f.manager.brush(), TQBrushStyle(1, 101, 3, 0));
    QVERIFY(f.services.calls.contains("suspend 2"));
    QVERIFY(f.shadeView.isVisible());
    QCOMPARE(QString::fromStdString(f.shadeView.message()), QStringLiteral("暂时收回学生写板书的权限"));
    QCOMPARE(shape->initCount, 0);
    QTRY_COMPARE_WITH_TIMEOUT(shape->initCount, 1, 3000);
    QVERIFY(!f.shadeView.isVisible());

    // Without withdrawn writing the tool starts at once and the pen brush
    // stays when a shape can draw with it.
    f.services.studentsWriting = false;
    f.manager.setBrush(TQBrushStyle(1, 104, 3, 0));
    auto *second = new ProbeShape(2518, false);
    shape->draw(&f.manager, false, true);
    f.manager.installShapeTool(second);
    QCOMPARE(second->initCount, 1);
    QCOMPARE(f.manager.brush(), TQBrushStyle(1, 104, 3, 0));
}

void TestDrawManager::styleCarriesOverToTheNextShape()
{
    DrawManagerFixture f;
    auto *first = new ProbeShape(2001, true);
    f.manager.installShapeTool(first);
    first->brush = TQBrushStyle(0, 105, 3, 0);
    first->fill = 1;

    // A shape never drawn keeps the tool.
    f.manager.selectShapeTool(-1, TQShapeParams());
    QCOMPARE(f.manager.currentTool(), first);

    first->draw(&f.manager, false, true);
    f.manager.selectShapeTool(-1, TQShapeParams());
    QVERIFY(dynamic_cast<TQShapeFreeDraw *>(f.manager.currentTool()));
    QVERIFY(f.services.calls.contains("restore"));

    auto *next = new ProbeShape(2002, true);
    f.manager.installShapeTool(next);
    QCOMPARE(next->brush.colour, 105);
    QCOMPARE(next->brush.type, 0);
    QCOMPARE(next->fill, 1);
}

void TestDrawManager::coverBoardGestures_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("tag");
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("dy");
    // x, y, width, height of the cover board image queued; empty for none.
    QTest::addColumn<QList<int>>("image");

    QTest::newRow("move") << 8 << 77 << 10 << -20 << QList<int>{110, 280, 200, 100};
    QTest::newRow("move clamped to the page") << 8 << 77 << 900 << 0 << QList<int>{800, 300, 200, 100};
    QTest::newRow("resize") << 9 << 77 << 30 << 40 << QList<int>{100, 300, 230, 140};
    QTest::newRow("resize to a tenth of the width") << 9 << 77 << -100 << 0 << QList<int>{};
    QTest::newRow("resize below a tenth of the height") << 9 << 77 << 0 << -40 << QList<int>{};
    QTest::newRow("close") << 10 << 77 << 0 << 0 << QList<int>{3000, 300, 200, 100};
    QTest::newRow("no board") << 8 << -1 << 10 << 10 << QList<int>{};
    QTest::newRow("unknown board") << 10 << 78 << 0 << 0 << QList<int>{};
}

void TestDrawManager::coverBoardGestures()
{
    QFETCH(int, code);
    QFETCH(int, tag);
    QFETCH(int, dx);
    QFETCH(int, dy);
    QFETCH(QList<int>, image);
    DrawManagerFixture f;
    f.addCoverBoard(77, QRect(100, 300, 200, 100));
    TQShapeTouchResult result;
    result.code = code;
    result.dx = dx;
    result.dy = dy;
    result.index = tag;
    f.manager.installShapeTool(new FixedResultTool(result));

    f.manager.drawLineAddPoint(10, 10, 1, 0);
    f.drain();

    const auto images = f.sent<TQDrawActionDrawImage>(10);
    if (image.isEmpty()) {
        QVERIFY(images.empty());
        return;
    }
    QCOMPARE(int(images.size()), 1);
    const TQDrawActionDrawImage *sent = images.front();
    QCOMPARE((QList<int>{sent->x, sent->y, sent->width, sent->height}), image);
    QCOMPARE(sent->url, std::string("NoURL"));
    QCOMPARE(sent->elementId, 77);
    QCOMPARE(sent->toStudentCode, 1000);
    QCOMPARE(sent->canvasWidth, 1000);
}

void TestDrawManager::screensPerPageAtLeastOne()
{
    DrawManagerFixture f;
    QCOMPARE(f.manager.screensPerPage(), 23.0f);
    f.manager.init(&f.source, &f.temporalLayout, &f.shadeView, &f.temporalView, &f.sketchView, &f.backgroundLayout,
                   &f.foregroundLayout, nullptr, nullptr, QSize(800, 500), 0.4f);
    QCOMPARE(f.manager.screensPerPage(), 1.0f);
    QCOMPARE(f.manager.canvasSize(), QSize(800, 500));
}

void TestDrawManager::editHandlesOnTheTemporalLayout()
{
    DrawManagerFixture f;
    const QRect bounds(100, 200, 300, 150);
    // The second control point gets no dot; positions are truncated.
    TQVertex first({120.7f, 210.2f});
    TQVertex hidden({300, 300}, false);
    TQVertex last({399.9f, 349});
    f.manager.showShapeEditHandles({&first, &hidden, &last}, bounds, {250, 190}, {250, 360}, true, true, false,
                                   false, false, false, false);
    QVERIFY(f.shadeView.isVisible());
    const TQVirtualView *dot = f.temporalLayout.findView(0);
    QVERIFY(dot);
    QCOMPARE(dot->rect(), QRect(110, 200, 20, 20));
    QVERIFY(!f.temporalLayout.findView(1));
    QCOMPARE(f.temporalLayout.findView(2)->rect(), QRect(389, 339, 20, 20));
    QVERIFY(f.temporalLayout.findView(TQDrawTemporalLayout::RotationKnobTag));
    QVERIFY(f.temporalLayout.findView(TQDrawTemporalLayout::ResizeKnobTag));
    QVERIFY(!f.temporalLayout.findView(TQDrawTemporalLayout::CopyPasteTag));

    f.manager.showShapeEditHandles({}, bounds, {0, 0}, {0, 0}, false, false, false, false, false, false, true);
    QVERIFY(!f.shadeView.isVisible());
    QVERIFY(!f.temporalLayout.findView(0));
    QVERIFY(!f.temporalLayout.findView(TQDrawTemporalLayout::RotationKnobTag));
}

QTEST_MAIN(TestDrawManager)
#include "tst_drawmanager.moc"
