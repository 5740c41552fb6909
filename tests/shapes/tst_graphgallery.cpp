// A gallery of the number lines, the coordinate systems and every function
// graph (each on a large marked system committed before it), plus a turned
// catalogue picture and a pasted region, as the students' board shows them;
// saved as a picture to look at.
#include "ActionPicture.h"
#include "GallerySheet.h"
#include "PageFrames.h"
#include "ShapeHarness.h"

#include "actions/drawing/TQDrawActionCutImagePortion.h"
#include "actions/drawing/TQDrawActionDrawImage.h"
#include "shapes/TQShapeFactory.h"
#include "shapes/TQShapeGeneric.h"

#include <QPainter>
#include <QtTest>

#include <cmath>
#include <map>

namespace {

std::vector<int> galleryCodes()
{
    std::vector<int> codes;
    for (int code = 2000; code <= 2009; ++code)
        codes.push_back(code);
    for (int code = 2500; code <= 2518; ++code)
        codes.push_back(code);
    codes.push_back(3001);
    codes.push_back(102);
    return codes;
}

// Drags the current shape's two control points to a and b.
void spanBox(ShapeHarness &h, QPointF a, QPointF b)
{
    h.drag({h.controlPoints().at(0), a}, 50);
    h.drag({h.controlPoints().at(1), b}, 50);
}

// The pictures the actions place (the action picture draws strokes only):
// the last place of each image as a grey, turned box; region copies as a
// cyan box.
void paintPictures(QPainter &p, const std::vector<TQDrawingAction *> &actions)
{
    std::map<int, const TQDrawActionDrawImage *> last;
    for (const TQDrawingAction *a : actions) {
        if (a->type == 10) {
            const auto *image = static_cast<const TQDrawActionDrawImage *>(a);
            last[image->elementId] = image;
        }
    }
    p.setPen(QPen(Qt::darkGray, 2));
    for (const auto &entry : last) {
        const TQDrawActionDrawImage &image = *entry.second;
        const QRectF box(image.x / 4.0, image.y / 4.0, image.width / 4.0, image.height / 4.0);
        p.save();
        p.translate(box.center());
        p.rotate(image.rotation / 10000.0 * 180 / 3.141592653589793);
        p.fillRect(QRectF(-box.width() / 2, -box.height() / 2, box.width(), box.height()), QColor(220, 220, 220));
        p.drawLine(QPointF(0, -box.height() / 2), QPointF(0, 0));
        p.drawRect(QRectF(-box.width() / 2, -box.height() / 2, box.width(), box.height()));
        p.restore();
    }
    for (const TQDrawingAction *a : actions) {
        if (a->type == 11) {
            const auto *c = static_cast<const TQDrawActionCutImagePortion *>(a);
            p.fillRect(QRectF(c->x / 4.0, c->y / 4.0, c->width / 4.0, c->height / 4.0), QColor(0, 160, 160));
        }
    }
}

} // namespace

class TestGraphGallery : public QObject
{
    Q_OBJECT

private slots:
    void gallery();
};

void TestGraphGallery::gallery()
{
    const std::vector<int> codes = galleryCodes();
    GallerySheet gallery(int(codes.size()));
    for (size_t i = 0; i < codes.size(); ++i) {
        const int code = codes[i];
        ShapeHarness h;
        if (code >= 2500 && code <= 2518) {
            h.install(createShape(2003, TQShapeParams()));
            spanBox(h, QPointF(100, 40), QPointF(900, 600));
            tapBeside(h, QPointF(980, 630));
        }
        TQShapeParams params;
        if (code == 102) {
            params.rect = QRect(QPoint(300, 200), QPoint(599, 399));
            params.imageUrl = "http://127.0.0.1/pasted/region.png";
        }
        h.install(createShape(code, params));
        QVERIFY(h.shape());
        if (code >= 2000 && code <= 2009)
            spanBox(h, QPointF(150, 80), QPointF(850, 560));
        if (code == 2508 || code == 2502)
            h.drag({h.controlPoints().at(0), h.controlPoints().at(0) + QPointF(20, 10)}, 50);
        if (code == 3001) {
            TQShapeGeneric *picture = h.shape();
            const QPointF handle(picture->rotationHandle.x, picture->rotationHandle.y);
            const QPointF anchor(picture->anchor.x, picture->anchor.y);
            h.drag({handle, anchor + QPointF(200 * std::sin(0.5), -200 * std::cos(0.5))}, 50);
        }
        tapBeside(h, QPointF(980, 630));

        QImage students = renderActions(h.board.services.sentActions, QSize(1000, 640));
        QPainter pictures(&students);
        paintPictures(pictures, h.board.services.sentActions);
        pictures.end();
        gallery.place(int(i), students, QString("%1 %2").arg(code).arg(shapeClassForCode(code)));
    }
    QVERIFY(!gallery.save("graph_gallery").isEmpty());
}

QTEST_MAIN(TestGraphGallery)
#include "tst_graphgallery.moc"
