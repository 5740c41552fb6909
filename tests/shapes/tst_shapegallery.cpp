// Every figure of the open-figure, triangle, polygon, angle and point
// families as the students see it (the sent actions rendered): at its
// starting place and after a scripted drag and the tap that commits it,
// saved as one gallery picture; and the same figures with control points
// dragged onto each other, which must never send a value off the canvas.
#include "ActionPicture.h"
#include "ShapeHarness.h"
#include "TestPictures.h"

#include "actions/drawing/TQDrawActionDrawCircle.h"
#include "actions/drawing/TQDrawingActionLine.h"
#include "modules/live/draws/TQShapeFreeDraw.h"
#include "shapes/TQShapeFactory.h"
#include "shapes/TQShapeGeneric.h"
#include "shapes/TQVertex.h"

#include <QPainter>
#include <QtTest>

#include <cmath>
#include <vector>

namespace {

std::vector<int> galleryCodes()
{
    std::vector<int> codes;
    for (int code = 2200; code <= 2205; ++code)
        codes.push_back(code);
    for (int code = 1000; code <= 1016; ++code)
        codes.push_back(code);
    for (int code = 2300; code <= 2305; ++code)
        codes.push_back(code);
    codes.push_back(2314);
    return codes;
}

TQShapeParams paramsFor(int code)
{
    TQShapeParams params;
    if (code == 2314)
        params.edgeCount = 7;
    if (code == 2305) {
        params.angleA = float(50 * 3.141592653589793 / 180);
        params.angleB = float(60 * 3.141592653589793 / 180);
    }
    return params;
}

// The last draggable control point, -1 for none.
int lastDraggable(const TQShapeGeneric *shape)
{
    for (int i = int(shape->vertices.size()) - 1; i >= 0; --i) {
        if (shape->vertices[size_t(i)]->enabled)
            return i;
    }
    return -1;
}

// Every sent line point and circle on the canvas (4000 x 2560 quarter
// units), every radius and angle in its range.
bool allOnCanvas(const ShapeHarness &h, QString &why)
{
    for (const TQDrawingActionLine *line : h.board.sent<TQDrawingActionLine>(0)) {
        for (const TQPointW &p : line->points) {
            if (p.x < 0 || p.x > 4000 || p.y < 0 || p.y > 2560) {
                why = QStringLiteral("line point %1, %2").arg(p.x).arg(p.y);
                return false;
            }
        }
    }
    for (const TQDrawActionDrawCircle *c : h.board.sent<TQDrawActionDrawCircle>(1)) {
        if (c->centreX < 0 || c->centreX > 4000 || c->centreY < 0 || c->centreY > 2560 || c->radius < 0
            || c->radius > 4000 || std::abs(c->startAngle) > 62832 || std::abs(c->endAngle) > 62832) {
            why = QStringLiteral("circle %1, %2 r %3").arg(c->centreX).arg(c->centreY).arg(c->radius);
            return false;
        }
    }
    return true;
}

QImage tile(const ShapeHarness &h, const QString &label)
{
    QImage board = renderActions(h.board.services.sentActions, QSize(1000, 640));
    QImage small = board.scaled(QSize(250, 160), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPainter painter(&small);
    painter.setPen(Qt::darkGray);
    painter.drawRect(small.rect().adjusted(0, 0, -1, -1));
    painter.setPen(Qt::black);
    painter.drawText(QPoint(4, 14), label);
    return small;
}

} // namespace

class TestShapeGallery : public QObject
{
    Q_OBJECT

private slots:
    void gallery();
    void coincidentPointsDrawNothingInvalid();
};

void TestShapeGallery::gallery()
{
    const std::vector<int> codes = galleryCodes();
    const int columns = 3;
    const int rows = int((codes.size() + columns - 1) / columns);
    QImage gallery(QSize(columns * 2 * 250, rows * 160), QImage::Format_RGB32);
    gallery.fill(Qt::white);
    QPainter painter(&gallery);

    for (size_t n = 0; n < codes.size(); ++n) {
        const int code = codes[n];
        ShapeHarness h;
        h.install(createShape(code, paramsFor(code)));
        TQShapeGeneric *shape = h.shape();
        QVERIFY2(shape, qPrintable(QString::number(code)));
        QVERIFY2(!h.board.sent<TQDrawingActionLine>(0).empty() || !h.board.sent<TQDrawActionDrawCircle>(1).empty(),
                 qPrintable(QString::number(code)));
        const QPoint at(int(n % columns) * 500, int(n / columns) * 160);
        painter.drawImage(at, tile(h, QString::number(code)));

        // The last draggable point pulled down and to the right; the point,
        // which has none, enlarged with its expand icon.
        const int index = lastDraggable(shape);
        const QPointF from = index >= 0
            ? h.controlPoints()[size_t(index)]
            : QPointF(shape->bounds.right() - 30, shape->bounds.bottom() - 30);
        h.drag({from, from + QPointF(40, 25), from + QPointF(80, 50)}, 120);
        if (index >= 0)
            QVERIFY2(h.controlPoints()[size_t(index)] != from, qPrintable(QString::number(code)));
        // Committed with a tap beside it.
        h.touch(QPointF(20, 620), 0);
        h.touch(QPointF(20, 620), 2);
        QVERIFY2(dynamic_cast<TQShapeFreeDraw *>(h.board.manager.currentTool()), qPrintable(QString::number(code)));
        QString why;
        QVERIFY2(allOnCanvas(h, why), qPrintable(QStringLiteral("%1: %2").arg(code).arg(why)));
        painter.drawImage(at + QPoint(250, 0), tile(h, QStringLiteral("%1 dragged").arg(code)));
    }
    painter.end();
    QVERIFY(!saveTestPicture(gallery, QStringLiteral("shape_gallery_lines_triangles")).isEmpty());
}

void TestShapeGallery::coincidentPointsDrawNothingInvalid()
{
    for (int code : galleryCodes()) {
        ShapeHarness probe;
        probe.install(createShape(code, paramsFor(code)));
        const int vertexCount = int(probe.shape()->vertices.size());
        // Each draggable point onto each other point, one figure per pair.
        for (int i = 0; i < vertexCount; ++i) {
            if (!probe.shape()->vertices[size_t(i)]->enabled)
                continue;
            for (int j = 0; j < vertexCount; ++j) {
                if (j == i)
                    continue;
                ShapeHarness h;
                h.install(createShape(code, paramsFor(code)));
                TQShapeGeneric *shape = h.shape();
                const QPointF target = h.controlPoints()[size_t(j)];
                const QPointF from = h.controlPoints()[size_t(i)];
                for (TQVertex *v : shape->vertices)
                    v->pressPosition = v->position;
                shape->selectedVertex = i;
                shape->adjustVertex(float(target.x() - from.x()), float(target.y() - from.y()));
                shape->draw(&h.board.manager, true, true);
                h.board.drain();
                QString why;
                QVERIFY2(allOnCanvas(h, why), qPrintable(QStringLiteral("%1, %2 onto %3: %4")
                                                             .arg(code)
                                                             .arg(i)
                                                             .arg(j)
                                                             .arg(why)));
                QVERIFY(shape->bounds.width() >= 0 && shape->bounds.height() >= 0);
            }
        }
    }
}

QTEST_MAIN(TestShapeGallery)
#include "tst_shapegallery.moc"
