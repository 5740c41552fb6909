// The table as the draw manager drives it: made by the factory with rows and
// columns in its parameters on a headless 1000 x 640 board, handles dragged
// by touches, and the grid lines the live data source received for sending.
#include "FigureTouches.h"
#include "ShapeHarness.h"
#include "TestLogCapture.h"

#include "actions/drawing/TQDrawingActionLine.h"
#include "shapes/TQShapeFactory.h"
#include "shapes/TQVertex.h"

#include <QtTest>

namespace {

using Points = std::vector<QPointF>;

constexpr double kTop = 640 / 3.0;

TQShapeParams tableParams(int rows, int columns)
{
    TQShapeParams params;
    params.rows = rows;
    params.columns = columns;
    return params;
}

Points viewPoints(const std::vector<TQPointW> &points)
{
    Points view;
    for (const TQPointW &p : points)
        view.emplace_back(p.x / 4.0, p.y / 4.0);
    return view;
}

} // namespace

class TestTabular : public QObject
{
    Q_OBJECT

private slots:
    void layout_data();
    void layout();
    void gridLines();
    void drag_data();
    void drag();
};

void TestTabular::layout_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("usedRows");
    QTest::addColumn<int>("usedColumns");
    // Bottom-left, top-right and bottom-right corners.
    QTest::addColumn<Points>("corners");

    const Points twoByTwo{{250, kTop + 160}, {490, kTop}, {490, kTop + 160}};
    QTest::newRow("2 x 2") << 2 << 2 << 2 << 2 << twoByTwo;
    QTest::newRow("none asked: 2 x 2") << 0 << 0 << 2 << 2 << twoByTwo;
    QTest::newRow("11 x 13 is too many: 2 x 2") << 11 << 13 << 2 << 2 << twoByTwo;
    QTest::newRow("1 x 1") << 1 << 1 << 1 << 1 << Points{{250, kTop + 80}, {370, kTop}, {370, kTop + 80}};
    // 2H div 3 - 20 = 406 high, rows of 40: the last row line falls short.
    QTest::newRow("10 rows, capped in height")
        << 10 << 3 << 10 << 3 << Points{{250, kTop + 400}, {610, kTop}, {610, kTop + 406}};
    // W div 2 = 500 wide, columns of 41: the right edge falls short.
    QTest::newRow("12 columns, capped in width")
        << 2 << 12 << 2 << 12 << Points{{250, kTop + 160}, {742, kTop}, {750, kTop + 160}};
}

void TestTabular::layout()
{
    QFETCH(int, rows);
    QFETCH(int, columns);
    QFETCH(int, usedRows);
    QFETCH(int, usedColumns);
    QFETCH(Points, corners);

    ShapeHarness h;
    h.install(createShape(2101, tableParams(rows, columns)));
    TQShapeGeneric *table = h.shape();
    QVERIFY(table);
    QCOMPARE(table->params.rows, usedRows);
    QCOMPARE(table->params.columns, usedColumns);
    QVERIFY(!table->rotatable && !table->resizable && !table->isFillable() && table->hasLineType());

    const Points points = h.controlPoints();
    QCOMPARE(points.size(), size_t(usedRows + usedColumns + 2));
    QCOMPARE(points.front(), QPointF(250, 213));
    COMPARE_POINTS((Points{points[size_t(usedRows)], points[size_t(usedRows + usedColumns)], points.back()}), corners,
                   0.01);
    // Only the inner handles and the bottom-right corner can be grabbed.
    for (size_t i = 0; i < points.size(); ++i) {
        const bool inner = (i > 0 && i < size_t(usedRows)) || (i > size_t(usedRows) && i < points.size() - 2);
        QCOMPARE(table->vertices[i]->enabled, inner || i == points.size() - 1);
    }

    // One line for the frame, one per row and one per column; the rows reach
    // the right edge of the bottom-right corner, the last column line stands
    // at the top-right corner.
    const auto lines = h.board.sent<TQDrawingActionLine>(0);
    QCOMPARE(h.sentCodes(), std::vector<int>(size_t(1 + usedRows + usedColumns), 0));
    const Points bottom = viewPoints(lines[size_t(usedRows)]->points);
    COMPARE_POINTS(bottom, (Points{corners[0], {corners[2].x(), corners[0].y()}}), 0.25);
    const Points right = viewPoints(lines.back()->points);
    COMPARE_POINTS(right, (Points{corners[1], {corners[1].x(), corners[2].y()}}), 0.25);
    for (const TQDrawingActionLine *line : lines)
        QCOMPARE(line->alphaFlag, 0);
}

void TestTabular::gridLines()
{
    TestLogCapture capture;
    ShapeHarness h;
    h.install(createShape(2101, tableParams(2, 2)));
    const Points handles{{250, 213}, {250, kTop + 80}, {250, kTop + 160}, {370, kTop}, {490, kTop}, {490, kTop + 160}};
    COMPARE_POINTS(h.controlPoints(), handles, 0.01);
    const auto lines = h.board.sent<TQDrawingActionLine>(0);
    QCOMPARE(lines.size(), size_t(5));
    std::vector<Points> drawn;
    for (const TQDrawingActionLine *line : lines)
        drawn.push_back(viewPoints(line->points));
    // The top edge from the right and the left edge downwards, then the rows
    // from the left edge, then the columns from the top edge.
    const std::vector<Points> expected{
        {{490, 213}, {250, 213}, {250, kTop + 160}},
        {{250, kTop + 80}, {490, kTop + 80}},
        {{250, kTop + 160}, {490, kTop + 160}},
        {{370, kTop}, {370, kTop + 160}},
        {{490, kTop}, {490, kTop + 160}},
    };
    for (size_t i = 0; i < expected.size(); ++i)
        COMPARE_POINTS(drawn[i], expected[i], 0.25);
    QVERIFY(capture.messages().join('\n').contains("tabular horizontal count 2"));
}

void TestTabular::drag_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("handle");
    QTest::addColumn<QPointF>("by");
    QTest::addColumn<Points>("expected");

    QTest::newRow("4 rows: the first row line down 20, all rows follow")
        << 4 << 2 << 1 << QPointF(0, 20)
        << Points{{250, 213}, {250, kTop + 100}, {250, kTop + 200}, {250, kTop + 300}, {250, kTop + 400},
                  {370, 213}, {490, 213}, {490, kTop + 400}};
    QTest::newRow("row line stops at the first column line and stays")
        << 2 << 2 << 1 << QPointF(200, 0)
        << Points{{250, 213}, {370, kTop + 80}, {250, kTop + 160}, {370, 213}, {490, 213}, {490, kTop + 160}};
    // The first row line stops at the top edge; the rows below share its
    // change (the top edge lies a third of a unit above the first row's start).
    const double collapsed = kTop + 160 - 2 * (kTop + 80 - 213);
    QTest::newRow("row line cannot go above the top")
        << 2 << 2 << 1 << QPointF(0, -150)
        << Points{{250, 213}, {250, 213}, {250, collapsed}, {370, 213}, {490, 213}, {490, collapsed}};
    QTest::newRow("column line down a third: back to the top")
        << 2 << 2 << 3 << QPointF(0, 80 / 3.0)
        << Points{{250, 213}, {250, kTop + 80}, {250, kTop + 160}, {370, 213}, {490, 213}, {490, kTop + 160}};
    QTest::newRow("column line down two thirds: to the first row line")
        << 2 << 2 << 3 << QPointF(0, 160 / 3.0)
        << Points{{250, 213}, {250, kTop + 80}, {250, kTop + 160}, {370, kTop + 80}, {490, 213}, {490, kTop + 160}};
    QTest::newRow("column line kept right of the left edge")
        << 2 << 2 << 3 << QPointF(-200, 0)
        << Points{{250, 213}, {250, kTop + 80}, {250, kTop + 160}, {250, 213}, {490, 213}, {490, kTop + 160}};
    QTest::newRow("column line kept left of the right edge")
        << 2 << 3 << 3 << QPointF(300, 0)
        << Points{{250, 213}, {250, kTop + 80}, {250, kTop + 160}, {490, 213},
                  {490, 213}, {610, 213}, {610, kTop + 160}};
    QTest::newRow("bottom-right: rows grow evenly, the last column widens")
        << 2 << 2 << 5 << QPointF(60, 40)
        << Points{{250, 213}, {250, kTop + 100}, {250, kTop + 200}, {370, 213}, {550, 213}, {550, kTop + 200}};
    QTest::newRow("bottom-right of 1 x 1 pushed past the top-left")
        << 1 << 1 << 3 << QPointF(-300, -300) << Points{{250, 213}, {250, 213}, {250, 213}, {250, 213}};
}

void TestTabular::drag()
{
    QFETCH(int, rows);
    QFETCH(int, columns);
    QFETCH(int, handle);
    QFETCH(QPointF, by);
    QFETCH(Points, expected);

    ShapeHarness h;
    h.install(createShape(2101, tableParams(rows, columns)));
    TestLogCapture capture;
    dragControlPoint(h, size_t(handle), by, 2);
    QCOMPARE(h.shape()->selectedVertex, handle);
    COMPARE_POINTS(h.controlPoints(), expected, 0.01);

    // Every move logs, also when the handle cannot follow.
    const QStringList adjusts = capture.messages().filter("adjustVertex xOffset:");
    QCOMPARE(adjusts.size(), 2);
    QVERIFY2(adjusts.back().endsWith(QString("adjustVertex xOffset:%1 yOffset:%2").arg(by.x()).arg(by.y())),
             qPrintable(adjusts.back()));
    // The last grid sent is the snapped one: 1 + R + C lines, the frame's
    // corner at the bottom-right handle.
    const auto lines = h.board.sent<TQDrawingActionLine>(0);
    const Points frame = viewPoints(lines[lines.size() - size_t(1 + rows + columns)]->points);
    COMPARE_POINTS((Points{frame.back()}), (Points{{250, expected.back().y()}}), 0.25);
}

QTEST_MAIN(TestTabular)
#include "tst_tabular.moc"
