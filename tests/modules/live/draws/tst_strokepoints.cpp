#include "modules/live/draws/TQBoardSize.h"
#include "modules/live/draws/TQBrushStyle.h"
#include "modules/live/draws/TQDrawingElement.h"
#include "modules/live/draws/TQPointGeometry.h"

#include <QtTest>

#include <cmath>

// Stroke points, the brush record, page elements and the point geometry.
class TestStrokePoints : public QObject
{
    Q_OBJECT

private slots:
    void pointDefaults();
    void toPointWTruncates_data();
    void toPointWTruncates();
    void pointSpeed_data();
    void pointSpeed();
    void smoothSpeedsOnlyForThree();
    void cornerAngle_data();
    void cornerAngle();
    void turnsAndOffsets();
    void scaling();
    void brushStyle();
    void drawingElement();
};

void TestStrokePoints::pointDefaults()
{
    const TQPointWF simple(1.5f, 2.5f);
    QCOMPARE(simple.refWidth, 820);
    QCOMPARE(simple.refHeight, 520);
    QCOMPARE(simple.phase, -1);
    QCOMPARE(simple.cid, 0);
    const TQPointWF full(1, 2, 3, 44, 0.5f, 6, 2);
    QCOMPARE(full.time, 44);
    QCOMPARE(full.pressure, 0.5f);
    QCOMPARE(full.speed, 6.0f);
    QCOMPARE(full.phase, 2);
    QCOMPARE(full.refWidth, 820);
    const TQPointW integer(3, 4);
    QCOMPARE(integer.phase, -1);
    QCOMPARE(integer.time, 0);
    const TQPointWF fromQt = fromQPointF(QPointF(1, 2), 0.25f);
    QCOMPARE(fromQt.phase, 1);
    QCOMPARE(fromQt.pressure, 0.25f);
    QCOMPARE(fromQPointFRight(QPointF(1, 2)).cid, 1);
    QCOMPARE(fromQPointFRight(QPointF(1, 2)).pressure, 1.0f);
}

void TestStrokePoints::toPointWTruncates_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<int>("qx");
    QTest::addColumn<int>("qy");
    QTest::newRow("toward zero") << 1.3f << -0.6f << 5 << -2;
    QTest::newRow("whole") << 2.0f << 0.0f << 8 << 0;
    QTest::newRow("negative") << -1.3f << 0.26f << -5 << 1;
}

void TestStrokePoints::toPointWTruncates()
{
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(int, qx);
    QFETCH(int, qy);
    const TQPointW point = toPointW(TQPointWF(x, y, 2, 77, 0.5f, 3, 1));
    QCOMPARE(point.x, qx);
    QCOMPARE(point.y, qy);
    QCOMPARE(point.cid, 2);
    QCOMPARE(point.time, 77);
    QCOMPARE(point.phase, 1);
}

void TestStrokePoints::pointSpeed_data()
{
    QTest::addColumn<qint64>("t0");
    QTest::addColumn<qint64>("t1");
    QTest::addColumn<float>("x1");
    QTest::addColumn<float>("speed");
    QTest::newRow("same time divides by 1 ms") << qint64(10) << qint64(10) << 3.0f << 300.0f;
    QTest::newRow("same place") << qint64(10) << qint64(90) << 0.0f << 0.0f;
    QTest::newRow("backwards in time") << qint64(50) << qint64(10) << 4.0f << 10.0f;
    QTest::newRow("20 ms") << qint64(0) << qint64(20) << 4.0f << 20.0f;
}

void TestStrokePoints::pointSpeed()
{
    QFETCH(qint64, t0);
    QFETCH(qint64, t1);
    QFETCH(float, x1);
    QFETCH(float, speed);
    QCOMPARE(::pointSpeed(TQPointWF(0, 0, 0, t0, 0, 0, 1), TQPointWF(x1, 0, 0, t1, 0, 0, 1)), speed);
}

void TestStrokePoints::smoothSpeedsOnlyForThree()
{
    std::vector<TQPointWF> two{TQPointWF(0, 0, 0, 0, 0, 5, 0), TQPointWF(10, 0, 0, 10, 0, 5, 1)};
    smoothSpeeds(two);
    QCOMPARE(two[0].speed, 5.0f);
    QCOMPARE(two[1].speed, 5.0f);
    std::vector<TQPointWF> four(4, TQPointWF(0, 0, 0, 0, 0, 5, 1));
    four[3].x = 9;
    smoothSpeeds(four);
    QCOMPARE(four[3].speed, 5.0f);

    // Press point, then 10 px in 10 ms, then 20 px in 10 ms.
    std::vector<TQPointWF> three{TQPointWF(0, 0, 0, 0, 0, 9, 0), TQPointWF(10, 0, 0, 10, 0, 9, 1),
                                 TQPointWF(30, 0, 0, 20, 0, 9, 1)};
    smoothSpeeds(three);
    QCOMPARE(three[0].speed, 50.0f);
    QCOMPARE(three[1].speed, 150.0f);
    QCOMPARE(three[2].speed, 200.0f);
    three[0].phase = 1;
    three[0].speed = 9;
    smoothSpeeds(three);
    QCOMPARE(three[0].speed, 9.0f);
}

void TestStrokePoints::cornerAngle_data()
{
    QTest::addColumn<QPointF>("p0");
    QTest::addColumn<QPointF>("p1");
    QTest::addColumn<QPointF>("p2");
    QTest::addColumn<double>("angle");
    QTest::newRow("straight run") << QPointF(0, 0) << QPointF(10, 0) << QPointF(20, 0) << 3.052;
    QTest::newRow("turns back") << QPointF(0, 0) << QPointF(10, 0) << QPointF(0, 0) << 0.0;
    QTest::newRow("right angle") << QPointF(0, 0) << QPointF(100, 0) << QPointF(100, 100) << M_PI / 2;
    QTest::newRow("all at one place") << QPointF(5, 5) << QPointF(5, 5) << QPointF(5, 5) << 0.0;
}

void TestStrokePoints::cornerAngle()
{
    QFETCH(QPointF, p0);
    QFETCH(QPointF, p1);
    QFETCH(QPointF, p2);
    QFETCH(double, angle);
    const float result = ::cornerAngle({fromQPointF(p0), fromQPointF(p1), fromQPointF(p2)});
    QVERIFY(!std::isnan(result));
    QVERIFY2(std::abs(result - angle) < 0.01, qPrintable(QString::number(result)));
    QCOMPARE(::cornerAngle({fromQPointF(p0), fromQPointF(p1)}), 0.0f);
}

void TestStrokePoints::turnsAndOffsets()
{
    // y grows downward: right, then down is a clockwise turn on screen.
    const std::vector<TQPointWF> right{fromQPointF({0, 0}), fromQPointF({10, 0}), fromQPointF({10, 10})};
    const std::vector<TQPointWF> left{fromQPointF({0, 0}), fromQPointF({10, 0}), fromQPointF({10, -10})};
    QVERIFY(isClockwiseTurn(right) != isClockwiseTurn(left));
    QVERIFY(!isClockwiseTurn({fromQPointF({0, 0})}));

    QCOMPARE(extendSegment({0, 0}, {10, 0}, 5, true), QPointF(-5, 0));
    QCOMPARE(extendSegment({0, 0}, {10, 0}, 5, false), QPointF(15, 0));
    const QPointF plus = perpendicularPoint({0, 0}, 2, 0, true);
    QVERIFY(std::abs(plus.x()) < 1e-6 && std::abs(plus.y() - 2) < 1e-6);
    const QPointF minus = perpendicularPoint({0, 0}, 2, 0, false);
    QVERIFY(std::abs(minus.y() + 2) < 1e-6);
    QCOMPARE(midPoint({0, 0}, {4, 2}), QPointF(2, 1));
    QCOMPARE(qpointDistance({0, 0}, {3, 4}), 5.0);
    QCOMPARE(pointDistance(fromQPointF({0, 0}), fromQPointF({3, 4})), 5.0f);
    QCOMPARE(toQPointFList({fromQPointF({1, 2}), fromQPointF({3, 4})}), (QVector<QPointF>{{1, 2}, {3, 4}}));
}

void TestStrokePoints::scaling()
{
    const TQPointWF point(10, 20);
    const TQPointWF moved = point.offsetAndScale(-5, 0, 2);
    QCOMPARE(moved.x, 10.0f);
    QCOMPARE(moved.y, 40.0f);
    QCOMPARE(point.offsetAndScale(-5, 0, 0.005f).x, 10.0f);
    const TQPointWF rescaled = point.rescale(820, 1640);
    QCOMPARE(rescaled.x, 20.0f);
    QCOMPARE(rescaled.y, 40.0f);
    QCOMPARE(point.rescale(0, 1640).x, 10.0f);

    QCOMPARE(boardWidth(), 1000);
    QCOMPARE(boardHeight(), 640);
    setBoardSize(1280, 720);
    QCOMPARE(boardWidth(), 1280);
    QCOMPARE(boardHeight(), 720);
}

void TestStrokePoints::brushStyle()
{
    const TQBrushStyle brush;
    QCOMPARE(brush, TQBrushStyle(1, 101, 3, 0));
    QVERIFY(brush != TQBrushStyle(1, 101, 3, 1));
    for (int type : {1, 7, 8, 0, 100})
        QVERIFY(!TQBrushStyle(type, 101, 3, 0).isCalligraphy());
    for (int type = 2; type <= 6; ++type)
        QVERIFY(TQBrushStyle(type, 101, 3, 0).isCalligraphy());
    QVERIFY(TQBrushStyle(1, 100, 3, 0).isEraserColour());
    QVERIFY(TQBrushStyle(7, 101, 3, 0).isType7());
    QCOMPARE(TQBrushStyle(100, 101, 3, 0).typeElement(), 0);
    QVERIFY(TQBrushStyle(100, 101, 3, 0).eraserElement());
    QCOMPARE(TQBrushStyle(5, 101, 3, 0).typeElement(), 5);
}

void TestStrokePoints::drawingElement()
{
    const TQDrawingElement element(42);
    QCOMPARE(element.tag, 42);
    QCOMPARE(element.sourceValue, -1);
    QVERIFY(element.url.isEmpty());
    QVERIFY(element.caption.isEmpty());
    TQDrawingElement other(42);
    QVERIFY(element == other);
    other.flag2 = 1;
    QVERIFY(element != other);
}

QTEST_GUILESS_MAIN(TestStrokePoints)
#include "tst_strokepoints.moc"
