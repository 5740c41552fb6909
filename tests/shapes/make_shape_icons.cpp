// Draws the shape menu's icons of the drawn shapes from the shapes
// themselves: each catalogue item without a picture is made by the factory at
// its starting place on a headless board, the students' view of what it sent
// is cut to the figure and drawn in the menu's ink at icon size. Writes
// "<folder>/<subject>/<category>/shape_<name>.png"; run it with src/res as
// the folder after changing a shape, and commit the results.
#include "ActionPicture.h"
#include "ShapeHarness.h"

#include "shapes/TQShapeData.h"
#include "shapes/TQShapeFactory.h"
#include "shapes/TQShapeImageBean.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>

#include <cmath>
#include <cstdio>

namespace {

constexpr int kIcon = 64;
constexpr int kFigure = 54;
const QColor kInk(0x3C, 0x46, 0x50);

QImage studentsView(int code, QSize size)
{
    TQShapeParams params;
    params.rows = 3;
    params.columns = 3;
    params.edgeCount = 6;
    params.angleA = float(60 * M_PI / 180);
    params.angleB = float(60 * M_PI / 180);
    ShapeHarness h;
    h.install(createShape(code, params));
    return renderActions(h.board.services.sentActions, size);
}

QRect inkBounds(const QImage &image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

// The figure cut out, centred on a transparent square, every painted pixel
// in the ink with the paint's strength as its opacity.
QImage icon(const QImage &view, const QRect &bounds)
{
    QImage out(kIcon, kIcon, QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    const QPoint at((kIcon - bounds.width()) / 2, (kIcon - bounds.height()) / 2);
    for (int y = 0; y < bounds.height(); ++y) {
        for (int x = 0; x < bounds.width(); ++x) {
            const QRgb p = view.pixel(bounds.x() + x, bounds.y() + y);
            const int strength = 255 - std::min({qRed(p), qGreen(p), qBlue(p)});
            if (strength > 0 && at.x() + x >= 0 && at.x() + x < kIcon && at.y() + y >= 0 && at.y() + y < kIcon)
                out.setPixel(at.x() + x, at.y() + y, qRgba(kInk.red(), kInk.green(), kInk.blue(), std::min(255, strength * 2)));
        }
    }
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <resource folder>\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    int written = 0;
    for (const TQShapeAny *entry : TQShapeData::shapesForSubject(0)) {
        const auto *item = dynamic_cast<const TQShapeImageBean *>(entry);
        if (!item || item->toStudentCode > 0)
            continue;
        const QSize board(1000, 640);
        const QRect full = inkBounds(studentsView(item->code, board));
        if (full.isEmpty()) {
            std::fprintf(stderr, "%d draws nothing\n", item->code);
            return 1;
        }
        // Drawn again at the scale that makes the figure icon-sized, so that
        // its lines keep their width.
        const double scale = double(kFigure) / std::max(full.width(), full.height());
        const QImage view = studentsView(item->code, QSize(int(std::lround(board.width() * scale)),
                                                            int(std::lround(board.height() * scale))));
        const QString path = folder + "/" + QString::fromStdString(item->path).remove(QStringLiteral("../../res/"));
        QDir().mkpath(QFileInfo(path).path());
        if (!icon(view, inkBounds(view)).save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        ++written;
    }
    std::printf("%d icons\n", written);
    return 0;
}
