// Every figure of the plane-geometry set, the table and the solids: what each
// does before it has control points, and a gallery of the plane figures as the
// students' board shows them; then a contact sheet of every figure the
// factory makes, at its starting place (both saved as pictures to look at).
#include "ActionPicture.h"
#include "FigureTouches.h"
#include "GallerySheet.h"
#include "ShapeHarness.h"

#include "shapes/TQShapeFactory.h"

#include <QtTest>

#include <algorithm>
#include <memory>

namespace {

constexpr double kPi = 3.141592653589793;

const std::vector<int> kCodes{2306, 2307, 2308, 2309, 2310, 2311, 2312, 2313, 2315, 2316, 2317, 2101};
const std::vector<int> kSolidCodes{2400, 2401, 2402, 2403, 2404, 2405, 2406, 2407};

// The board-region tools and the pictures draw what they are given, not
// lines of their own.
bool drawsPicture(int code)
{
    return code <= 102 || code == 2100 || code >= 3000;
}

// Every code the factory makes a figure for, in order. Of the picture codes
// only the two ends: the codes between differ only in the picture given.
std::vector<int> madeCodes()
{
    std::vector<int> codes;
    for (int code = 0; code <= 4100; ++code) {
        if (code > 3000 && code < 4062)
            continue;
        std::unique_ptr<TQShapeAbstract> shape(createShape(code, TQShapeParams()));
        if (shape)
            codes.push_back(code);
    }
    return codes;
}

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
    void contactSheet();
};

void TestFigureGallery::withoutControlPoints_data()
{
    QTest::addColumn<int>("code");
    for (const std::vector<int> &codes : {kCodes, kSolidCodes}) {
        for (int code : codes)
            QTest::newRow(shapeClassForCode(code)) << code;
    }
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

void TestFigureGallery::contactSheet()
{
    const std::vector<int> codes = madeCodes();
    // The solids at least; the other families as far as they are built.
    for (int code : kSolidCodes)
        QVERIFY(std::find(codes.begin(), codes.end(), code) != codes.end());
    // Large enough that the dotted edges show as dots.
    constexpr int kColumns = 8;
    const QSize tile(400, 256);
    QImage sheet(tile.width() * kColumns, tile.height() * int((codes.size() + kColumns - 1) / kColumns),
                 QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    QFont font = painter.font();
    font.setPixelSize(14);
    painter.setFont(font);
    for (size_t i = 0; i < codes.size(); ++i) {
        const int code = codes[i];
        TQShapeParams params;
        params.rows = 3;
        params.columns = 4;
        params.edgeCount = 6;
        params.angleA = float(50 * kPi / 180);
        params.angleB = float(60 * kPi / 180);
        params.rect = QRect(300, 200, 400, 240);
        ShapeHarness h;
        h.install(createShape(code, params));
        QVERIFY2(h.shape(), shapeClassForCode(code));
        QCOMPARE(h.shape()->type, code);

        const QImage students = renderActions(h.board.services.sentActions, QSize(1000, 640));
        if (!drawsPicture(code))
            QVERIFY2(paintedPixels(students) > 100, qPrintable(QString::number(code)));
        const QPoint at(int(i % kColumns) * tile.width(), int(i / kColumns) * tile.height());
        painter.drawImage(QRect(at, tile), students.scaled(tile, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        painter.setPen(Qt::darkGray);
        painter.drawRect(QRect(at, tile).adjusted(0, 0, -1, -1));
        painter.setPen(Qt::blue);
        painter.drawText(at + QPoint(6, 16), QString("%1 %2").arg(code).arg(shapeClassForCode(code)));
    }
    painter.end();
    QVERIFY(!saveTestPicture(sheet, "shape_contact_sheet").isEmpty());
}

QTEST_MAIN(TestFigureGallery)
#include "tst_figuregallery.moc"
