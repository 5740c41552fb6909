// Every figure of the plane-geometry set and the table: what each does before
// it has control points, and a gallery of all of them as the students' board
// shows them (saved as a picture to look at).
#include "ActionPicture.h"
#include "FigureTouches.h"
#include "GallerySheet.h"
#include "ShapeHarness.h"

#include "shapes/TQShapeFactory.h"

#include <QtTest>

#include <memory>

namespace {

constexpr double kPi = 3.141592653589793;

const std::vector<int> kCodes{2306, 2307, 2308, 2309, 2310, 2311, 2312, 2313, 2315, 2316, 2317, 2101};

// Painted pixels of the picture, not white.
int paintedPixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) != qRgb(255, 255, 255);
    }
    return count;
}

} // namespace

class TestFigureGallery : public QObject
{
    Q_OBJECT

private slots:
    void withoutControlPoints_data();
    void withoutControlPoints();
    void gallery();
};

void TestFigureGallery::withoutControlPoints_data()
{
    QTest::addColumn<int>("code");
    for (int code : kCodes)
        QTest::newRow(shapeClassForCode(code)) << code;
}

void TestFigureGallery::withoutControlPoints()
{
    QFETCH(int, code);

    ShapeHarness h;
    std::unique_ptr<TQShapeAbstract> tool(createShape(code, TQShapeParams()));
    auto *shape = dynamic_cast<TQShapeGeneric *>(tool.get());
    QVERIFY(shape);
    QCOMPARE(shape->type, code);
    // Before its points are placed a figure has empty bounds, no centre,
    // ignores drags and draws nothing.
    shape->updateBounds();
    QCOMPARE(shape->bounds, QRect(0, 0, 0, 0));
    QCOMPARE(shape->anchorPoint().x, 0.f);
    QCOMPARE(shape->anchorPoint().y, 0.f);
    for (int selected : {0, 1, 3, 5, -1}) {
        shape->selectedVertex = selected;
        shape->adjustVertex(20, 30);
    }
    shape->afterVertexAdjust();
    QVERIFY(shape->vertices.empty());
    shape->draw(&h.board.manager, true, false);
    h.board.drain();
    QCOMPARE(h.sentCodes(), std::vector<int>{});
}

void TestFigureGallery::gallery()
{
    GallerySheet gallery(int(kCodes.size()));
    for (size_t i = 0; i < kCodes.size(); ++i) {
        const int code = kCodes[i];
        ShapeHarness h;
        TQShapeParams params;
        params.rows = 3;
        params.columns = 4;
        h.install(createShape(code, params));
        QVERIFY(h.shape());
        // Some of them edited, turned or filled as a teacher would.
        if (code == 2315 || code == 2313)
            refill(h, 1);
        if (code == 2317 || code == 2307)
            turnFigure(h, kPi / 6);
        if (code == 2316)
            dragControlPoint(h, 1, QPointF(-60, 90), 3);
        if (code == 2101)
            dragControlPoint(h, 5, QPointF(0, 50), 2);
        // Done: the last outline is committed with a tap beside it.
        h.touch(QPointF(20, 620), 0);
        h.touch(QPointF(20, 620), 2);

        const QImage students = renderActions(h.board.services.sentActions, QSize(1000, 640));
        QVERIFY2(paintedPixels(students) > 500, shapeClassForCode(code));
        gallery.place(int(i), students, QString("%1 %2").arg(code).arg(shapeClassForCode(code)));
    }
    QVERIFY(!gallery.save("figure_gallery").isEmpty());
}

QTEST_MAIN(TestFigureGallery)
#include "tst_figuregallery.moc"
