#include "modules/live/draws/TQBoardSize.h"
#include "modules/live/draws/TQPathCalligraphy.h"
#include "modules/live/draws/TQPathCircle.h"
#include "modules/live/draws/TQPathClearRect.h"
#include "modules/live/draws/TQPathImage.h"
#include "modules/live/draws/TQPathLine.h"
#include "modules/live/draws/TQPathLineBrushContent.h"
#include "modules/live/draws/TQPathLineChalkContent.h"
#include "modules/live/draws/TQPathLinePenContent.h"
#include "modules/live/draws/TQPathText.h"
#include "modules/live/draws/TQPenFactory.h"

#include "TestPictures.h"

#include <QtTest>

#include <QPainter>
#include <QTemporaryDir>

#include <cmath>
#include <memory>
#include <vector>

// One picture of every path kind and pen on a board 1000 wide, painted as the
// board layers paint them, saved under the test's build folder
// ("pictures/path_gallery.png") for a person to look at. The checks are
// coarse: every row left ink inside its band, chalk is grainy, the cleared
// rectangle is empty.
class TestPathGallery : public QObject
{
    Q_OBJECT

private slots:
    void gallery();
};

namespace {

constexpr int kWidth = 1000;
constexpr int kRow = 52;

// A wavy stroke across one row, with a press and a release, slow at first.
std::vector<TQPointWF> wave(int row, float pressure, int count = 40)
{
    std::vector<TQPointWF> samples;
    const float y = 30 + row * kRow;
    for (int i = 0; i < count; ++i) {
        const float x = 180 + i * 18.0f;
        samples.emplace_back(x, y + 12 * std::sin(i * 0.45f), 0, 1000 + i * (i < count / 2 ? 40 : 12),
                             pressure, 0, i == 0 ? 0 : i == count - 1 ? 2 : 1);
        samples.back().refWidth = kWidth;
        samples.back().refHeight = 640;
    }
    return samples;
}

class Painter
{
public:
    explicit Painter(QImage &image)
        : painter(&image)
    {
        painter.setRenderHint(QPainter::Antialiasing);
    }

    void line(const TQPathLine &path)
    {
        QPen pen = factory.penForBrush(path.brush);
        pen.setCapStyle(Qt::RoundCap);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
    }

    void outline(TQPathCalligraphy &path)
    {
        const QPen pen = factory.penForBrush(path.brush);
        painter.setPen(pen);
        painter.setBrush(pen.brush());
        path.setFillRule(Qt::WindingFill);
        painter.drawPath(path);
        painter.setBrush(Qt::NoBrush);
    }

    void circle(const TQPathCircle &path)
    {
        const QPen pen = factory.penForBrush(path.brush);
        painter.setPen(pen);
        const int start = int(-path.startAngle * 16);
        const int span = int(-path.spanAngle * 16);
        if (path.filled) {
            QColor fill = pen.color();
            fill.setAlpha(204);
            painter.setBrush(fill);
            painter.drawPie(path.rect, start, span);
            painter.setBrush(Qt::NoBrush);
        } else {
            painter.drawArc(path.rect, start, span);
        }
    }

    void clear(const TQPathClearRect &path)
    {
        painter.setCompositionMode(QPainter::CompositionMode_Clear);
        painter.fillRect(path.rect, Qt::transparent);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }

    void image(const TQPathImage &path)
    {
        const QPixmap pixmap(QString::fromUtf8(path.url));
        const QPointF centre = path.rect.center();
        painter.translate(centre);
        painter.rotate(path.rotation * 180 / M_PI);
        painter.drawPixmap(QRectF(-path.rect.width() / 2, -path.rect.height() / 2, path.rect.width(),
                                  path.rect.height()),
                           pixmap, pixmap.rect());
        painter.resetTransform();
    }

    void text(const TQPathText &path)
    {
        QPen pen = painter.pen();
        pen.setColor(QColor(path.colourText));
        painter.setPen(pen);
        QFont font(path.fontFamily);
        font.setPointSize(path.getFontSize());
        painter.setFont(font);
        painter.drawText(path.rect, path.text, QTextOption());
    }

    void label(int row, const QString &text)
    {
        painter.setPen(Qt::darkGray);
        painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
        painter.drawText(QRectF(8, row * kRow + 4, 165, kRow - 8), Qt::AlignVCenter, text);
    }

    QPainter painter;
    TQPenFactory factory;
};

// Ink (pixels that are not transparent) inside a band of the layer.
int inkIn(const QImage &layer, const QRect &band)
{
    int ink = 0;
    for (int y = band.top(); y <= band.bottom(); ++y) {
        for (int x = band.left(); x <= band.right(); ++x)
            ink += qAlpha(layer.pixel(x, y)) > 0;
    }
    return ink;
}

} // namespace

void TestPathGallery::gallery()
{
    setBoardSize(kWidth, 640);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    // A small picture for the image path, drawn here.
    QImage picture(120, 80, QImage::Format_ARGB32);
    picture.fill(QColor(0x3A, 0x78, 0xE6));
    {
        QPainter p(&picture);
        p.setBrush(QColor(0xFF, 0xDE, 0x00));
        p.drawEllipse(QPoint(60, 40), 28, 28);
    }
    const QString picturePath = folder.filePath(QStringLiteral("picture.png"));
    QVERIFY(picture.save(picturePath));

    // The stroke layer is transparent; the board behind it is white.
    QImage layer(kWidth, 15 * kRow, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    Painter paint(layer);
    std::vector<std::unique_ptr<TQPath>> keep;
    struct Row
    {
        QString name;
        int row;
    };
    std::vector<Row> rows;
    int row = 0;

    auto addLine = [&](const QString &name, const TQBrushStyle &brush, bool straight) {
        auto line = std::make_unique<TQPathLine>(brush, row, 0, 0, 0, straight, 0, 0, 0);
        line->setPoints(wave(row, 0, straight ? 12 : 40));
        paint.line(*line);
        paint.label(row, name);
        rows.push_back({name, row++});
        keep.push_back(std::move(line));
    };
    addLine(QStringLiteral("0 dotted 82"), TQBrushStyle(0, 102, 82, 0), false);
    addLine(QStringLiteral("1 solid 130"), TQBrushStyle(1, 101, 130, 0), false);
    addLine(QStringLiteral("1 solid 41, straight"), TQBrushStyle(1, 7, 41, 0), true);
    addLine(QStringLiteral("8 highlighter 41"), TQBrushStyle(8, 116, 41, 0), false);
    addLine(QStringLiteral("100 thin dotted"), TQBrushStyle(100, 104, 3, 0), false);
    addLine(QStringLiteral("101 solid line"), TQBrushStyle(101, 9, 3, 0), false);

    auto addOutline = [&](const QString &name, TQPathCalligraphy *path, float pressure) {
        std::unique_ptr<TQPathCalligraphy> owned(path);
        owned->setPoints(wave(row, pressure));
        if (auto *chalk = dynamic_cast<TQPathLineChalkContent *>(owned.get())) {
            paint.outline(*chalk);
            paint.outline(*chalk->inner());
        } else {
            paint.outline(*owned);
        }
        paint.label(row, name);
        rows.push_back({name, row++});
        keep.push_back(std::move(owned));
    };
    addOutline(QStringLiteral("2 fountain pen"), new TQPathLinePenContent(TQBrushStyle(2, 101, 3, 0), 1), 2);
    addOutline(QStringLiteral("4 pen, firm"), new TQPathLinePenContent(TQBrushStyle(4, 8, 3, 0), 1), 6);
    addOutline(QStringLiteral("3 brush, extra 0"), new TQPathLineBrushContent(TQBrushStyle(3, 101, 3, 0), 1), 3);
    addOutline(QStringLiteral("3 brush, extra 1"), new TQPathLineBrushContent(TQBrushStyle(3, 7, 3, 1), 1), 3);
    addOutline(QStringLiteral("5 chalk"), new TQPathLineChalkContent(TQBrushStyle(5, 102, 41, 0), 1), 5);
    addOutline(QStringLiteral("5 chalk, extra 1"), new TQPathLineChalkContent(TQBrushStyle(5, 6, 41, 1), 1), 7);
    const int chalkRow = row - 1;

    // Circles, a cleared rectangle over a grey block, an image and text.
    const int shapesTop = row * kRow;
    TQPathCircle arc(TQBrushStyle(1, 104, 82, 0), 1, QRectF(190, shapesTop + 6, 90, 90), 30, 270, false, false);
    TQPathCircle pie(TQBrushStyle(1, 107, 260, 0), 1, QRectF(300, shapesTop + 6, 90, 90), 0, 120, false, true);
    paint.circle(arc);
    paint.circle(pie);
    paint.painter.fillRect(QRect(420, shapesTop + 6, 120, 90), QColor(0x80, 0x80, 0x80));
    TQPathClearRect hole(TQBrushStyle(), 1, QRectF(450, shapesTop + 26, 60, 50));
    paint.clear(hole);
    TQPathImage image(TQBrushStyle(), 1, QRectF(580, shapesTop + 10, 120, 80), 1, float(M_PI / 12),
                      picturePath.toUtf8());
    paint.image(image);
    TQPathText text(TQBrushStyle(), 1, QStringLiteral("Aa 板书"), QStringLiteral("#E03030"),
                    QStringLiteral("WenQuanYi Micro Hei"), QRectF(730, shapesTop + 20, 260, 60), 30);
    paint.text(text);
    paint.label(row, QStringLiteral("circle, pie, clear, image, text"));
    paint.painter.end();

    QImage board(layer.size(), QImage::Format_ARGB32);
    board.fill(Qt::white);
    {
        QPainter p(&board);
        p.drawImage(0, 0, layer);
    }
    const QString saved = saveTestPicture(board, QStringLiteral("path_gallery"));
    QVERIFY(!saved.isEmpty());
    qInfo("gallery: %s", qPrintable(saved));

    for (const Row &r : rows) {
        const QRect band(175, r.row * kRow, kWidth - 175, kRow);
        QVERIFY2(inkIn(layer, band) > 300, qPrintable(r.name));
    }
    // Chalk is grainy: within its outline some pixels stay uncovered.
    const QRect chalkBand(300, chalkRow * kRow + 20, 400, 12);
    const int chalkInk = inkIn(layer, chalkBand);
    QVERIFY(chalkInk > chalkBand.width() * chalkBand.height() / 4);
    QVERIFY(chalkInk < chalkBand.width() * chalkBand.height());
    // The cleared rectangle is empty inside the grey block around it.
    QCOMPARE(inkIn(layer, hole.rect.toRect().adjusted(1, 1, -1, -1)), 0);
    QVERIFY(inkIn(layer, QRect(425, shapesTop + 10, 20, 20)) == 400);
    // Shapes, image and text all left ink in their places.
    QVERIFY(inkIn(layer, arc.rect.toRect()) > 100);
    QVERIFY(inkIn(layer, pie.rect.toRect()) > 1000);
    QVERIFY(inkIn(layer, QRect(600, shapesTop + 20, 80, 60)) > 4000);
    QVERIFY(inkIn(layer, text.rect.toRect()) > 200);
}

QTEST_MAIN(TestPathGallery)
#include "tst_pathgallery.moc"
