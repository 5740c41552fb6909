#include "actions/TQBrushColor.h"
#include "utils/GlobalConstants.h"

#include <QtTest>

// Colour, type and width codes as they travel in line and circle texts.
class TestBrushCodes : public QObject
{
    Q_OBJECT

private slots:
    void colourTexts_data();
    void colourTexts();
    void everyColourComesBack();
    void colourFromText_data();
    void colourFromText();
    void brushType_data();
    void brushType();
    void brushWidth_data();
    void brushWidth();
};

void TestBrushCodes::colourTexts_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("argb");
    QTest::addColumn<QString>("rgba");
    QTest::newRow("116 half transparent") << 116 << "7FFF4681" << "FF46817F";
    QTest::newRow("100 eraser") << 100 << "00000000" << "00000000";
    QTest::newRow("101 black") << 101 << "FF000000" << "000000FF";
    QTest::newRow("114 FD white") << 114 << "FDFFFFFF" << "FFFFFFFD";
    QTest::newRow("999 outside") << 999 << "FF000000" << "000000FF";
    QTest::newRow("-1 outside") << -1 << "FF000000" << "000000FF";
}

void TestBrushCodes::colourTexts()
{
    QFETCH(int, code);
    QFETCH(QString, argb);
    QFETCH(QString, rgba);
    QCOMPARE(QString::fromStdString(brushColorToArgbString(code)), argb);
    QCOMPARE(QString::fromStdString(brushColorToRgbaString(code)), rgba);
}

// A colour comes back as itself, or as the code listed first for the same
// colour; 115 alone has no entry.
void TestBrushCodes::everyColourComesBack()
{
    const QMap<int, int> sharedColours{{0, 101}, {1, 102}, {2, 107}, {18, 4}, {115, 101}};
    for (const auto &entry : brushColorTable()) {
        const int code = entry.first;
        const int expected = sharedColours.value(code, code);
        QCOMPARE(brushColorFromRgbaString(brushColorToRgbaString(code)), expected);
    }
}

void TestBrushCodes::colourFromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("code");
    QTest::newRow("alpha form of 107") << "FF7C00CC" << 107;
    QTest::newRow("alpha form of 102") << "FF0000CC" << 102;
    QTest::newRow("alpha form of 20") << "39B2F5CC" << 20;
    QTest::newRow("115 has no entry") << "FF7F00FE" << 101;
    QTest::newRow("lower case") << "ff0000ff" << 101;
    QTest::newRow("empty") << "" << 101;
    QTest::newRow("longer") << "FF0000FF0" << 101;
    QTest::newRow("FD red is 112") << "FF0000FD" << 112;
}

void TestBrushCodes::colourFromText()
{
    QFETCH(QString, text);
    QFETCH(int, code);
    QCOMPARE(brushColorFromRgbaString(text.toStdString()), code);
}

void TestBrushCodes::brushType_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("eraser");
    QTest::addColumn<int>("result");
    QTest::newRow("0 eraser") << 0 << true << 100;
    QTest::newRow("0") << 0 << false << 0;
    QTest::newRow("1 eraser") << 1 << true << 0;
    QTest::newRow("1") << 1 << false << 1;
    QTest::newRow("5 eraser") << 5 << true << 5;
    QTest::newRow("8") << 8 << false << 8;
    QTest::newRow("9") << 9 << false << 1;
    QTest::newRow("100") << 100 << false << 100;
    QTest::newRow("101 eraser") << 101 << true << 101;
    QTest::newRow("-1") << -1 << true << 1;
}

void TestBrushCodes::brushType()
{
    QFETCH(int, type);
    QFETCH(bool, eraser);
    QFETCH(int, result);
    QCOMPARE(brushTypeFromText(type, eraser), result);
}

void TestBrushCodes::brushWidth_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("result");
    for (int code : {0, 1, 2, 20, 27, 41, 82, 123, 130, 260})
        QTest::newRow(qPrintable(QString::number(code))) << code << code;
    QTest::newRow("40") << 40 << 3;
    QTest::newRow("3") << 3 << 3;
    QTest::newRow("-41") << -41 << 3;
}

void TestBrushCodes::brushWidth()
{
    QFETCH(int, width);
    QFETCH(int, result);
    QCOMPARE(brushWidthFromText(width), result);
}

QTEST_GUILESS_MAIN(TestBrushCodes)
#include "tst_brushcodes.moc"
