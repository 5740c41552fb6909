// The floating image and the cutting box on the real draw manager of a
// 1000 x 640 board whose canvas is the visible board: where a catalogue
// picture and a pasted region are placed, what each draw sends (one element
// id per picture; the region's dotted frame never), sizing and turning, and
// the cutting box that stands while a grabbed region is uploaded through the
// board's paste path.
#include "FigureTouches.h"
#include "PageFrames.h"
#include "ShapeHarness.h"
#include "TestLogCapture.h"

#include "actions/drawing/TQDrawActionCutImagePortion.h"
#include "actions/drawing/TQDrawActionDrawImage.h"
#include "actions/drawing/TQDrawingActionLine.h"
#include "modules/live/draws/TQPath.h"
#include "shapes/TQShapeCuttingBox.h"
#include "shapes/TQShapeFactory.h"
#include "shapes/TQShapeFloatingImage.h"
#include "shapes/TQVertex.h"

#include <QPixmap>
#include <QtTest>

namespace {

constexpr int kLineCode = 0;
constexpr int kSaveCode = 2;
constexpr int kImageCode = 10;
constexpr int kRegionCode = 11;

TQShapeFloatingImage *imageOf(const ShapeHarness &h)
{
    return dynamic_cast<TQShapeFloatingImage *>(h.shape());
}

TQShapeParams pictureParams(const std::string &url, int toStudentCode)
{
    TQShapeParams params;
    params.imageUrl = url;
    params.toStudentCode = toStudentCode;
    return params;
}

// The red dotted frames on the teacher's board.
int regionFramesShown(const ShapeHarness &h)
{
    int n = 0;
    for (const TQPath *path : h.localPaths())
        n += path->brush == TQBrushStyle(0, 1, 3, 0);
    return n;
}

QRect sizeOf(const TQDrawActionDrawImage &image)
{
    return QRect(image.x, image.y, image.width, image.height);
}

} // namespace

class TestFloatingImage : public QObject
{
    Q_OBJECT

private slots:
    void cataloguePicture();
    void sizeAndTurn();
    void elementIds_data();
    void elementIds();
    void pastedRegion();
    void regionWithoutRect();
    void cuttingBoxShowsNothing();
};

void TestFloatingImage::cataloguePicture()
{
    ShapeHarness h;
    const std::string url = "qrc:///shape/physics/mechanics/shape_image_lever.png";
    h.install(createShape(3001, pictureParams(url, 3001)));
    const TQShapeFloatingImage *image = imageOf(h);
    QVERIFY(image);
    QCOMPARE(TQShapeFloatingImage::defaultPictureSize(), 320.f);
    COMPARE_POINTS(h.controlPoints(), (std::vector<QPointF>{{333.333, 213.333}, {653.333, 533.333}}), 0.001);
    // Neither corner can be grabbed: the picture moves as a whole.
    for (const TQVertex *v : image->vertices)
        QVERIFY(!v->enabled);
    QVERIFY(image->rotatable && image->resizable && !image->showStyleButtons);
    QVERIFY(!image->isFillable() && !image->hasLineType());

    const auto sent = h.board.sent<TQDrawActionDrawImage>(kImageCode);
    QCOMPARE(int(sent.size()), 1);
    const TQDrawActionDrawImage &a = *sent[0];
    QCOMPARE(a.url, url);
    QCOMPARE(a.toStudentCode, 3001);
    QCOMPARE(sizeOf(a), QRect(1333, 853, 1280, 1280));
    QCOMPARE(a.placement, 1);
    QCOMPARE(a.rotation, 0);
    QCOMPARE(a.elementId, image->elementId);
    QCOMPARE(a.ownerUserId, DrawManagerFixture::kTeacher);
    QCOMPARE(a.canvasWidth, 4000);
    QCOMPARE(a.canvasHeight, 2560);
    // Only the picture travels: no outline, no frame.
    QCOMPARE(h.board.sent<TQDrawingActionLine>(kLineCode).size(), size_t(0));
}

void TestFloatingImage::sizeAndTurn()
{
    ShapeHarness h;
    h.install(createShape(3001, pictureParams("qrc:///lever.png", 3001)));
    TQShapeFloatingImage *image = imageOf(h);
    const QPointF icon(image->bounds.right() - 30, image->bounds.bottom() - 30);

    // Both sides grow by the horizontal part of the drag.
    h.drag({icon, icon + QPointF(50, 200)}, 50);
    COMPARE_POINTS(h.controlPoints(), (std::vector<QPointF>{{333.333, 213.333}, {703.333, 583.333}}), 0.001);
    // Never narrower than 20: a drag that far is ignored.
    const QPointF bigger(image->bounds.right() - 30, image->bounds.bottom() - 30);
    h.drag({bigger, bigger + QPointF(-360, 0)}, 50);
    COMPARE_POINTS(h.controlPoints(), (std::vector<QPointF>{{333.333, 213.333}, {703.333, 583.333}}), 0.001);
    h.drag({bigger, bigger + QPointF(-345, -345)}, 50);
    COMPARE_POINTS(h.controlPoints(), (std::vector<QPointF>{{333.333, 213.333}, {358.333, 238.333}}), 0.001);

    // A quarter turn travels as the rotation; the box stays upright.
    const std::vector<QPointF> before = h.controlPoints();
    const QRect bounds = image->bounds;
    h.clearSent();
    turnFigure(h, 3.141592653589793 / 2);
    COMPARE_POINTS(h.controlPoints(), before, 0.0001);
    image->updateBounds();
    QCOMPARE(image->bounds, bounds);
    const auto sent = h.board.sent<TQDrawActionDrawImage>(kImageCode);
    QVERIFY(!sent.empty());
    QCOMPARE(sent.back()->rotation, 15707);
}

void TestFloatingImage::elementIds_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("sentUrl");

    QTest::newRow("angle meter without a picture") << 2100 << "" << "ImageURL";
    QTest::newRow("chemistry picture") << 4062 << "qrc:///flask.png" << "qrc:///flask.png";
}

void TestFloatingImage::elementIds()
{
    QFETCH(int, code);
    QFETCH(QString, url);
    QFETCH(QString, sentUrl);

    ShapeHarness h;
    h.install(createShape(code, pictureParams(url.toStdString(), 0)));
    const int first = imageOf(h)->elementId;
    QVERIFY(first != -1);
    h.drag({QPointF(450, 350), QPointF(480, 360), QPointF(500, 380)}, 50);
    tapBeside(h);
    h.install(createShape(code, pictureParams(url.toStdString(), 0)));
    const int second = imageOf(h)->elementId;
    QVERIFY(second != first);

    // Every draw of the first picture went out under its id, the last at its
    // final place; the second has its own.
    const auto sent = h.board.sent<TQDrawActionDrawImage>(kImageCode);
    QVERIFY(sent.size() >= 4);
    for (size_t i = 0; i + 1 < sent.size(); ++i) {
        QCOMPARE(sent[i]->elementId, first);
        QCOMPARE(QString::fromStdString(sent[i]->url), sentUrl);
    }
    QCOMPARE(sent.back()->elementId, second);
    QCOMPARE(sent[sent.size() - 2]->x, 1333 + 200);
}

void TestFloatingImage::pastedRegion()
{
    ShapeHarness h;
    // The grab asks for the cutting box that pastes as a floating image.
    h.board.manager.selectShapeTool(101, TQShapeParams());
    h.board.drain();
    auto *box = dynamic_cast<TQShapeCuttingBox *>(h.shape());
    QVERIFY(box);
    QCOMPARE(box->type, 101);

    QPixmap grabbed(200, 100);
    grabbed.fill(Qt::darkCyan);
    TQDrawManager::PasteRequest request;
    request.picture = &grabbed;
    request.rect = QRect(QPoint(100, 50), QPoint(299, 149));
    request.kind = 4;
    request.tag = 1;
    request.waitMs = 0;
    h.board.manager.uploadPasteArea(request);
    const QString url = QStringLiteral("http://127.0.0.1/pasted/region.png");
    h.board.manager.handleUploadFileSuccess(url);
    QTRY_VERIFY_WITH_TIMEOUT(imageOf(h), 5000);
    h.board.drain();

    TQShapeFloatingImage *image = imageOf(h);
    QCOMPARE(image->type, int(TQShapeFloatingImage::kShapeFloatingImage));
    QCOMPARE(image->params.imageUrl, url.toStdString());
    COMPARE_POINTS(h.controlPoints(), (std::vector<QPointF>{{100, 50}, {299, 149}}), 0.0001);
    QVERIFY(!image->rotatable);
    QCOMPARE(image->params.toStudentCode, 0);
    // The frame on the region and the draw's frame a unit outside it.
    QCOMPARE(regionFramesShown(h), 2);

    h.drag({QPointF(200, 100), QPointF(230, 120), QPointF(260, 140)}, 50);
    QCOMPARE(regionFramesShown(h), 1);
    QCOMPARE(image->angle, 0.f);
    const auto drawn = h.board.sent<TQDrawActionDrawImage>(kImageCode);
    QVERIFY(drawn.size() >= 2);
    QCOMPARE(sizeOf(*drawn.back()), QRect(640, 360, 796, 396));
    const int id = image->elementId;
    for (const TQDrawActionDrawImage *a : drawn)
        QCOMPARE(a->elementId, id);

    // A tap outside commits it where it is: the release's final draw and the
    // finish each copy the region, under the picture's id; no picture follows.
    h.clearSent();
    tapBeside(h);
    QVERIFY(!h.shape());
    const auto copies = h.board.sent<TQDrawActionCutImagePortion>(kRegionCode);
    QCOMPARE(int(copies.size()), 2);
    for (const TQDrawActionCutImagePortion *c : copies) {
        QCOMPARE(QRect(c->x, c->y, c->width, c->height), QRect(640, 360, 796, 396));
        QCOMPARE(c->regionA, 640);
        QCOMPARE(c->regionB, 360);
        QCOMPARE(c->tag, id);
        QCOMPARE(c->url, url.toStdString());
        QVERIFY(!c->smallBoard);
    }
    QVERIFY(h.board.sent<TQDrawActionDrawImage>(kImageCode).empty());
    // The dotted frame never reached the students.
    QVERIFY(h.board.sent<TQDrawingActionLine>(kLineCode).empty());
}

void TestFloatingImage::regionWithoutRect()
{
    TestLogCapture log;
    ShapeHarness h;
    h.install(createShape(102, TQShapeParams()));
    QVERIFY(log.messages().filter("TQShapeFloatingImage::initGraph kShapeFloatingImage does not have rect").size()
            == 1);
    QVERIFY(h.controlPoints().empty());
    QVERIFY(h.board.sent<TQDrawActionDrawImage>(kImageCode).empty());
    // Nothing to grab; a release anywhere ends it.
    h.drag({QPointF(500, 300), QPointF(520, 320)}, 50);
    QVERIFY(!h.shape());
    QCOMPARE(h.board.manager.currentTool()->type, -1);
}

void TestFloatingImage::cuttingBoxShowsNothing()
{
    ShapeHarness h;
    h.board.manager.selectShapeTool(100, TQShapeParams());
    h.board.drain();
    TQShapeGeneric *box = h.shape();
    QVERIFY(dynamic_cast<TQShapeCuttingBox *>(box));
    QVERIFY(box->copyable);
    QVERIFY(box->bounds.isNull());
    QVERIFY(box->wasDrawn());
    // Even where its copy buttons would be, a tap brings back the pen, with
    // the usual save point on the way.
    tapBeside(h, QPointF(100, 0));
    QVERIFY(!h.shape());
    QCOMPARE(h.board.manager.currentTool()->type, -1);
    QCOMPARE(h.sentCodes(), std::vector<int>{kSaveCode});
}

QTEST_MAIN(TestFloatingImage)
#include "tst_floatingimage.moc"
