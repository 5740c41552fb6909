// The shade view painted into an image: the grey dimming, the clear hole,
// where the count-down text goes, and the tick.
#include "TestPictures.h"

#include "modules/live/draws/TQDrawShadeView.h"
#include "utils/TextMetrics.h"

#include <QPainter>
#include <QtTest>

namespace {

QImage paintShade(TQDrawShadeView &shade)
{
    QImage image(int(shade.width()), int(shade.height()), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    shade.paint(&painter);
    return image;
}

// Rows holding text-coloured pixels.
QPair<int, int> textRows(const QImage &image)
{
    int first = -1;
    int last = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 160 && c.blue() < 120) {
                if (first < 0)
                    first = y;
                last = y;
                break;
            }
        }
    }
    return {first, last};
}

} // namespace

class TestShadeView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void dimsAndCutsTheHole();
    void textPlace_data();
    void textPlace();
    void emptyMessageShowsNoText();
    void tick();
};

void TestShadeView::dimsAndCutsTheHole()
{
    TQDrawShadeView shade;
    shade.setSize(QSizeF(400, 300));
    shade.show(QRect(100, 100, 200, 100), "正在上传图片", 5);
    const QImage image = paintShade(shade);
    QCOMPARE(image.pixelColor(10, 10).rgba(), qRgba(169, 169, 169, 180));
    QCOMPARE(image.pixelColor(150, 120).alpha(), 0);
    QCOMPARE(image.pixelColor(299, 199).alpha(), 0);
    QCOMPARE(image.pixelColor(300, 200).alpha(), 180);
    QCOMPARE(shade.displayText(), QString("正在上传图片.请稍等 5 秒..."));
    QVERIFY(!saveTestPicture(image, "shade_with_hole").isEmpty());
}

void TestShadeView::textPlace_data()
{
    QTest::addColumn<QRect>("hole");
    QTest::addColumn<bool>("inTheMiddle");
    QTest::newRow("null hole") << QRect() << true;
    QTest::newRow("2 pixels high") << QRect(0, 100, 400, 2) << true;
    QTest::newRow("real hole") << QRect(50, 50, 300, 200) << false;
}

void TestShadeView::textPlace()
{
    QFETCH(QRect, hole);
    QFETCH(bool, inTheMiddle);
    TQDrawShadeView shade;
    shade.setSize(QSizeF(400, 300));
    shade.show(hole, "等待", 3);
    const QPair<int, int> rows = textRows(paintShade(shade));
    QVERIFY(rows.first >= 0);
    const int centre = (rows.first + rows.second) / 2;
    if (inTheMiddle) {
        QVERIFY2(qAbs(centre - 150) <= 4, qPrintable(QString::number(centre)));
    } else {
        // A line just above the hole's bottom edge.
        QVERIFY2(rows.second < hole.bottom() && rows.first > hole.bottom() - 60, qPrintable(QString::number(centre)));
    }
    QCOMPARE(shade.textRect(20), inTheMiddle ? QRect(0, 0, 400, 300) : QRect(50, hole.bottom() - 40, 300, 20));
}

void TestShadeView::emptyMessageShowsNoText()
{
    TQDrawShadeView shade;
    shade.setSize(QSizeF(200, 100));
    shade.show(QRect(), std::string(), 3);
    QCOMPARE(textRows(paintShade(shade)).first, -1);
}

void TestShadeView::tick()
{
    TQDrawShadeView shade;
    shade.show(QRect(), "x", 2);
    shade.tick();
    QCOMPARE(shade.seconds(), 1);
    shade.tick();
    shade.tick();
    QCOMPARE(shade.seconds(), 0);
    QCOMPARE(shade.displayText(), QString("x.请稍等 0 秒..."));
}

QTEST_MAIN(TestShadeView)
#include "tst_shadeview.moc"
