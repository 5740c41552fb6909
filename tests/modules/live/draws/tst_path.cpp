#include "modules/live/draws/TQPath.h"

#include <QtTest>

#include <cmath>
#include <limits>
#include <memory>

class TestPath : public QObject
{
    Q_OBJECT

private slots:
    void feedKeepsExtentAndLastPoint();
    void receivedExtremesStayDefined();
};

void TestPath::feedKeepsExtentAndLastPoint()
{
    std::unique_ptr<TQPath> path(new TQPath(5, 3, 41, 2, 77));
    QCOMPARE(path->brush, TQBrushStyle(5, 3, 41, 2));
    QCOMPARE(path->strokeId, 77);
    path->setPoints({});
    QVERIFY(path->isEmpty());

    TQPointWF second(30, 5.2f, 9, 1234, 0.5f, 2, 1);
    second.refWidth = 1000;
    path->setPoints({TQPointWF(10.7f, 20.9f), second});
    QCOMPARE(path->minY, 4);
    QCOMPARE(path->maxY, 21);
    QCOMPARE(path->lastX, 30.0f);
    QCOMPARE(path->lastY, 5.2f);
    QCOMPARE(path->elementCount(), 2);
    // Stored points keep only the position and the reference size.
    QCOMPARE(int(path->points.size()), 2);
    QCOMPARE(path->points[1].refWidth, 1000);
    QCOMPARE(path->points[1].cid, 0);
    QCOMPARE(path->points[1].time, qint64(0));
    QCOMPARE(path->points[1].phase, -1);
}

void TestPath::receivedExtremesStayDefined()
{
    TQPath path(1, 101, 3, 0, 1);
    path.setPoints({TQPointWF(0, 1e30f), TQPointWF(0, -1e30f), TQPointWF(0, std::nanf(""))});
    QVERIFY(path.minY < 0);
    QVERIFY(path.maxY > 0);
}

QTEST_GUILESS_MAIN(TestPath)
#include "tst_path.moc"
