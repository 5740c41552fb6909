#include "modules/live/draws/TQBoardSize.h"
#include "modules/live/draws/TQPenFactory.h"

#include <QtTest>

// The pen factory at the default board width of 1000: widths and styles per
// brush type and width code, the eraser colour, and the chalk textures tinted
// per colour and cached.
class TestPenFactory : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pens_data();
    void pens();
    void eraserIsTransparentForEveryType();
    void chalkBrushesCachedPerColour();
    void tintKeepsTextureAlpha();
};

void TestPenFactory::initTestCase()
{
    setBoardSize(1000, 640);
}

void TestPenFactory::pens_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("width");
    QTest::addColumn<double>("penWidth");
    QTest::addColumn<int>("style");

    const int solid = Qt::SolidLine;
    QTest::newRow("dotted, unknown code") << 0 << 3 << 2.0 << int(Qt::DashLine);
    QTest::newRow("dotted 41") << 0 << 41 << 1000 / 41.0 << int(Qt::DashLine);
    QTest::newRow("dotted 123") << 0 << 123 << 1000 / 123.0 << int(Qt::DashLine);
    // 130 and 260 are shares of the board for solid pens only.
    QTest::newRow("dotted 130") << 0 << 130 << 2.0 << int(Qt::DashLine);
    QTest::newRow("solid, unknown code") << 1 << 3 << 1.5 << solid;
    QTest::newRow("solid 1") << 1 << 1 << 1.0 << solid;
    QTest::newRow("solid 82") << 1 << 82 << 1000 / 82.0 << solid;
    QTest::newRow("solid 130") << 1 << 130 << 1000 / 130.0 << solid;
    // A received width code 0 is never divided by.
    QTest::newRow("solid 0") << 1 << 0 << 1.5 << solid;
    QTest::newRow("dotted 0") << 0 << 0 << 2.0 << int(Qt::DashLine);
    QTest::newRow("highlighter 260") << 8 << 260 << 1000 / 260.0 << solid;
    QTest::newRow("fountain pen") << 2 << 82 << 0.2 << solid;
    QTest::newRow("writing brush") << 3 << 41 << 0.2 << solid;
    QTest::newRow("pen twin") << 4 << 3 << 0.2 << solid;
    QTest::newRow("chalk") << 5 << 41 << 1.0 << solid;
    QTest::newRow("inner chalk") << 6 << 41 << 1.0 << solid;
    QTest::newRow("pointer") << 7 << 82 << 1.0 << solid;
    QTest::newRow("thin dotted line") << 100 << 82 << 2.0 << int(Qt::DotLine);
    QTest::newRow("solid line") << 101 << 82 << 1.0 << solid;
    QTest::newRow("unknown type") << 55 << 82 << 1.0 << solid;
}

void TestPenFactory::pens()
{
    QFETCH(int, type);
    QFETCH(int, width);
    QFETCH(double, penWidth);
    QFETCH(int, style);

    TQPenFactory factory;
    const QPen pen = factory.penForBrush(TQBrushStyle(type, 104, width, 0));
    QVERIFY(qFuzzyCompare(pen.widthF(), penWidth));
    QCOMPARE(int(pen.style()), style);
    // Only chalk paints through a texture, tinted in the stroke colour.
    const bool chalk = type == 5 || type == 6;
    QCOMPARE(pen.brush().style() == Qt::TexturePattern, chalk);
    const QImage texture = pen.brush().textureImage();
    const QColor colour = chalk ? QColor(texture.pixel(0, 0)) : pen.color();
    QCOMPARE(colour.rgb(), QColor(0, 0, 255).rgb());
}

void TestPenFactory::eraserIsTransparentForEveryType()
{
    TQPenFactory factory;
    for (int type : {0, 1, 2, 3, 4, 5, 6, 7, 8, 100, 101}) {
        const QPen pen = factory.penForBrush(TQBrushStyle(type, kBrushColorEraser, 41, 0));
        QCOMPARE(pen.color().alpha(), 0);
        QVERIFY(pen.brush().style() != Qt::TexturePattern);
    }
    // A code missing from the colour table paints in the table's fallback.
    QCOMPARE(factory.penForBrush(TQBrushStyle(1, 999, 3, 0)).color(), QColor(0, 0, 0));
    QCOMPARE(TQPenFactory::colourTextFor(999), QStringLiteral("#FF000000"));
}

void TestPenFactory::chalkBrushesCachedPerColour()
{
    TQPenFactory factory;
    const QPen first = factory.penForBrush(TQBrushStyle(5, 102, 41, 0));
    QBrush *red = factory.outerChalkBrush(TQPenFactory::colourTextFor(102));
    QCOMPARE(factory.penForBrush(TQBrushStyle(5, 102, 82, 1)).brush(), *red);
    QCOMPARE(factory.outerChalkBrush(TQPenFactory::colourTextFor(102)), red);
    QCOMPARE(factory.outerChalkCacheSize(), 1);
    QCOMPARE(factory.innerChalkCacheSize(), 0);

    factory.penForBrush(TQBrushStyle(6, 102, 41, 0));
    factory.penForBrush(TQBrushStyle(6, 104, 41, 0));
    QCOMPARE(factory.outerChalkCacheSize(), 1);
    QCOMPARE(factory.innerChalkCacheSize(), 2);
    factory.penForBrush(TQBrushStyle(5, 104, 41, 0));
    QCOMPARE(factory.outerChalkCacheSize(), 2);
    QVERIFY(!first.brush().textureImage().isNull());
}

void TestPenFactory::tintKeepsTextureAlpha()
{
    for (const QString &texture : {QStringLiteral(":/res/live_class_pen_chalk_outner_color0"),
                                   QStringLiteral(":/res/live_class_pen_chalk_inner_color0")}) {
        const QImage source = QImage(texture).convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!source.isNull(), qPrintable(texture));
        const QImage tinted = TQPenFactory::tintedTexture(texture, QStringLiteral("#FF3A78E6"));
        QCOMPARE(tinted.size(), source.size());
        int transparent = 0;
        int opaque = 0;
        for (int y = 0; y < source.height(); ++y) {
            for (int x = 0; x < source.width(); ++x) {
                const QRgb s = source.pixel(x, y);
                const QRgb t = tinted.pixel(x, y);
                QCOMPARE(qAlpha(t), qAlpha(s));
                QCOMPARE(qRgb(qRed(t), qGreen(t), qBlue(t)), qRgb(0x3A, 0x78, 0xE6));
                transparent += qAlpha(s) == 0;
                opaque += qAlpha(s) == 255;
            }
        }
        // A grain, not a flat colour: both fully clear and fully covered pixels.
        QVERIFY(transparent > 0);
        QVERIFY(opaque > 0);
    }
}

QTEST_MAIN(TestPenFactory)
#include "tst_penfactory.moc"
