// Circle, sector and ellipse as the draw manager drives them: made by the
// factory on a headless 1000 x 640 board, edited by touches, and checked on
// the circle and line actions the live data source received for sending.
#include "FigureTouches.h"
#include "ShapeHarness.h"

#include "actions/drawing/TQDrawActionDrawCircle.h"
#include "actions/drawing/TQDrawingActionLine.h"
#include "shapes/TQShapeEllipse.h"
#include "shapes/TQShapeFactory.h"
#include "shapes/TQShapePoints.h"
#include "shapes/TQVertex.h"

#include <QtTest>

#include <cmath>

namespace {

constexpr double kPi = 3.141592653589793;

TQShapeAbstract *make(int code)
{
    return createShape(code, TQShapeParams());
}

QPointF viewPoint(const TQPointW &p)
{
    return QPointF(p.x / 4.0, p.y / 4.0);
}

// Direction of p seen from c, atan2 in the y-down frame.
double direction(QPointF c, QPointF p)
{
    return std::atan2(p.y() - c.y(), p.x() - c.x());
}

} // namespace

class TestRoundShapes : public QObject
{
    Q_OBJECT

private slots:
    void circle_data();
    void circle();
    void sectorDrag_data();
    void sectorDrag();
    void sectorActions();
    void ellipseGuideBox();
    void ellipseTurnedKeepsItsFrame();
};

void TestRoundShapes::circle_data()
{
    QTest::addColumn<int>("fill");
    QTest::addColumn<QPointF>("dragRimBy");
    QTest::addColumn<int>("radius");

    // The view radius 166.67 is truncated to 166 before it goes to the canvas.
    QTest::newRow("new") << 0 << QPointF() << 166 * 4;
    QTest::newRow("new, filled") << 1 << QPointF() << 166 * 4;
    QTest::newRow("rim dragged out") << 0 << QPointF(30.5, 40) << int(std::hypot(2000 / 3.0 + 30.5 - 500, 40)) * 4;
    QTest::newRow("rim on the centre") << 1 << QPointF(-166.67, 0) << 0;
}

void TestRoundShapes::circle()
{
    QFETCH(int, fill);
    QFETCH(QPointF, dragRimBy);
    QFETCH(int, radius);

    ShapeHarness h;
    h.install(make(2315));
    QCOMPARE(h.controlPoints().at(0), QPointF(500, 320));
    QCOMPARE(h.controlPoints().at(1), QPointF(float(2000 / 3.0), 320));
    QVERIFY(!h.shape()->vertices[0]->enabled);
    QVERIFY(!h.shape()->rotatable);
    QVERIFY(!h.shape()->hasLineType());
    h.clearSent();
    refill(h, fill);
    if (!dragRimBy.isNull())
        dragControlPoint(h, 1, dragRimBy, 2);

    // The filled centre dot of 5 canvas pixels comes first, also before a
    // filled circle; nothing but the two circles is sent per draw.
    const auto circles = h.board.sent<TQDrawActionDrawCircle>(1);
    std::vector<int> codes{3, 1, 1};
    if (!dragRimBy.isNull())
        codes.insert(codes.end(), {3, 1, 1});
    QCOMPARE(h.sentCodes(), codes);
    const TQDrawActionDrawCircle *dot = circles[circles.size() - 2];
    const TQDrawActionDrawCircle *outline = circles.back();
    QCOMPARE(dot->radius, 20);
    QVERIFY(dot->filled);
    QCOMPARE(outline->radius, radius);
    QCOMPARE(outline->filled, fill != 0);
    for (const TQDrawActionDrawCircle *c : {dot, outline}) {
        QCOMPARE(QPoint(c->centreX, c->centreY), QPoint(2000, 1280));
        QCOMPARE(c->startAngle, 0);
        QCOMPARE(c->endAngle, 62831);
        QCOMPARE(c->canvasWidth, 4000);
    }
    // Bounds: the circle's box with the margin.
    const int r = radius / 4;
    QCOMPARE(h.shape()->bounds.left(), 500 - r - 60);
    QCOMPARE(h.shape()->bounds.top(), 320 - r - 60);
}

void TestRoundShapes::sectorDrag_data()
{
    QTest::addColumn<QVector<QPointF>>("drags");
    QTest::addColumn<QPointF>("start");
    QTest::addColumn<QPointF>("end");

    // Centre (500, 520), start rim (750, 520), end rim (500, 270).
    QTest::newRow("start ray turned, radius shorter")
        << QVector<QPointF>{{-50, -100}} << QPointF(700, 420) << QPointF(500, 520 - std::hypot(200, 100));
    QTest::newRow("start swept round below the centre")
        << QVector<QPointF>{{-250, 250}} << QPointF(500, 770) << QPointF(500, 270);
    QTest::newRow("start further out") << QVector<QPointF>{{50, 0}} << QPointF(800, 520) << QPointF(500, 220);
    // With the end point on the centre its ray is lost: it stays there.
    QTest::newRow("end collapsed onto the centre")
        << QVector<QPointF>{{-250, 0}, {100, 0}} << QPointF(600, 520) << QPointF(500, 520);
}

void TestRoundShapes::sectorDrag()
{
    QFETCH(QVector<QPointF>, drags);
    QFETCH(QPointF, start);
    QFETCH(QPointF, end);

    ShapeHarness h;
    h.install(make(2316));
    COMPARE_POINTS(h.controlPoints(), (std::vector<QPointF>{{500, 520}, {750, 520}, {500, 270}}), 0.0);
    for (const QPointF &by : drags)
        dragControlPoint(h, 1, by, 4);

    COMPARE_POINTS(h.controlPoints(), (std::vector<QPointF>{{500, 520}, start, end}), 0.01);
    // A press on the centre or the end point grabs nothing of them.
    QVERIFY(!h.shape()->vertices[0]->enabled);
    QVERIFY(!h.shape()->vertices[2]->enabled);
}

void TestRoundShapes::sectorActions()
{
    ShapeHarness h;
    h.install(make(2316));
    QCOMPARE(h.sentCodes(), (std::vector<int>{0, 1}));
    refill(h, 1);
    auto radii = h.board.sent<TQDrawingActionLine>(0).back();
    QCOMPARE(radii->points, (std::vector<TQPointW>{{2000, 1080}, {2000, 2080}, {3000, 2080}}));
    QCOMPARE(radii->alphaFlag, 1);
    auto arc = h.board.sent<TQDrawActionDrawCircle>(1).back();
    QCOMPARE(QPoint(arc->centreX, arc->centreY), QPoint(2000, 2080));
    QCOMPARE(arc->radius, 1000);
    QCOMPARE(arc->startAngle, 0);
    QCOMPARE(arc->endAngle, -15707);
    QVERIFY(arc->filled);

    // A quarter turn clockwise about the centre: the start ray points down,
    // the end ray right.
    turnFigure(h, kPi / 2);
    COMPARE_POINTS(h.controlPoints(), (std::vector<QPointF>{{500, 520}, {500, 770}, {750, 520}}), 0.01);
    radii = h.board.sent<TQDrawingActionLine>(0).back();
    QCOMPARE(radii->points, (std::vector<TQPointW>{{3000, 2080}, {2000, 2080}, {2000, 3080}}));
    arc = h.board.sent<TQDrawActionDrawCircle>(1).back();
    QCOMPARE(arc->startAngle, 15707);
    QVERIFY(std::abs(arc->endAngle) <= 1);
    QCOMPARE(arc->radius, 1000);
}

void TestRoundShapes::ellipseGuideBox()
{
    ShapeHarness h;
    h.install(make(2317));
    COMPARE_POINTS(h.controlPoints(), (std::vector<QPointF>{{500, 320}, {750, 512}}), 0.0);
    // The guide box is drawn here only: the students get the two halves.
    QCOMPARE(h.sentCodes(), (std::vector<int>{0, 0}));
    for (const TQDrawingActionLine *half : h.board.sent<TQDrawingActionLine>(0)) {
        QCOMPARE(half->points.size(), size_t(151));
        QCOMPARE(half->brush, h.shape()->brush);
        QCOMPARE(viewPoint(half->points.front()), QPointF(500, 416));
        QCOMPARE(viewPoint(half->points.back()), QPointF(750, 416));
    }
    QCOMPARE(int(h.localPaths().size()), 3);

    // Dragged for a second: redrawn here at every move, sent only on release.
    h.clearSent();
    dragControlPoint(h, 1, QPointF(50, 40), 10);
    QCOMPARE(h.sentCodes(), (std::vector<int>{3, 0, 0}));

    // Each draw restores first and draws anew: while editing with the guide
    // box here, the last draw without it.
    for (const bool final : {false, true}) {
        h.clearSent();
        h.shape()->draw(&h.board.manager, true, final);
        h.board.drain();
        QCOMPARE(h.sentCodes(), (std::vector<int>{3, 0, 0}));
        QCOMPARE(h.localPaths().size(), size_t(final ? 2 : 3));
    }
}

void TestRoundShapes::ellipseTurnedKeepsItsFrame()
{
    ShapeHarness h;
    h.install(make(2317));
    turnFigure(h, kPi / 2);
    auto *ellipse = static_cast<TQShapeEllipse *>(h.shape());
    // Corners (500, 320) and (750, 512) turned a quarter about (625, 416).
    COMPARE_POINTS(h.controlPoints(), (std::vector<QPointF>{{721, 291}, {529, 541}}), 0.01);
    dragControlPoint(h, 1, QPointF(-30, 45), 3);

    // The box in the figure's own frame is still upright, and turned it is a
    // quarter turn round: its top side runs downwards.
    const QPointF a(ellipse->anchor.x, ellipse->anchor.y);
    const TQPointWF ownA(ellipse->boxCorners[0]);
    const TQPointWF ownB(ellipse->boxCorners[2]);
    QVERIFY(ownA.x < ownB.x && ownA.y < ownB.y);
    const TQPointWF t0 = ellipse->turnedCorners[0];
    const TQPointWF t1 = ellipse->turnedCorners[1];
    QVERIFY(std::abs(t1.x - t0.x) < 0.01 && t1.y > t0.y);
    COMPARE_POINTS((std::vector<QPointF>{QPointF(t1.y - t0.y, 0)}), (std::vector<QPointF>{{ownB.x - ownA.x, 0}}),
                   0.01);

    // Every sample sent lies on the ellipse of that box, seen in its own frame.
    const double rx = (ownB.x - ownA.x) / 2.0;
    const double ry = (ownB.y - ownA.y) / 2.0;
    const auto lines = h.board.sent<TQDrawingActionLine>(0);
    QVERIFY(lines.size() >= 2);
    for (const TQDrawingActionLine *half : {lines[lines.size() - 2], lines.back()}) {
        for (const TQPointW &p : half->points) {
            const TQPointWF own = rotatePointAround(TQPointWF(p.x / 4.0f, p.y / 4.0f), ellipse->anchor, -kPi / 2);
            const double u = (own.x - a.x()) / rx;
            const double v = (own.y - a.y()) / ry;
            QVERIFY2(std::abs(std::hypot(u, v) - 1) < 0.02, qPrintable(QString::number(std::hypot(u, v))));
        }
    }
}

QTEST_MAIN(TestRoundShapes)
#include "tst_roundshapes.moc"
