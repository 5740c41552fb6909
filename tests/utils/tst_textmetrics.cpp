#include "utils/TextMetrics.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QtTest>

class TestTextMetrics : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void unitIsOneCjkCharacter();
    void familiesMapToCjk_data();
    void familiesMapToCjk();
};

void TestTextMetrics::unitIsOneCjkCharacter()
{
    const QSize unit = layoutUnit();
    QVERIFY2(unit.width() >= 8 && unit.width() <= 40, qPrintable(QString::number(unit.width())));
    QCOMPARE(getTextSize(9, QString(), QString()), getTextSize(9, QStringLiteral("好"), QString()));
    QCOMPARE(getTextSize(9, QStringLiteral("好好"), QString()).width(), 2 * unit.width());
    QVERIFY(getTextSize(18, QString(), QString()).width() > unit.width());
    QVERIFY(!getTextBoundingSize(9, QStringLiteral("Veltro 课堂"), QString()).isEmpty());
    QVERIFY(getDevicePixelRatio() >= 1.0);
}

void TestTextMetrics::familiesMapToCjk_data()
{
    QTest::addColumn<QString>("family");
    QTest::newRow("Microsoft YaHei") << "Microsoft YaHei";
    QTest::newRow("SimSun") << "SimSun";
}

void TestTextMetrics::familiesMapToCjk()
{
    QFETCH(QString, family);
    QVERIFY(!QFont::substitutes(family).isEmpty());
    // The substituted family measures a CJK character at full width, not as a box of a Latin font.
    const QSize cjk = getTextSize(12, QStringLiteral("好"), family);
    const QSize latin = getTextSize(12, QStringLiteral("a"), family);
    QVERIFY2(cjk.width() > latin.width(), qPrintable(QStringLiteral("%1 vs %2").arg(cjk.width()).arg(latin.width())));
}

QTEST_MAIN(TestTextMetrics)
#include "tst_textmetrics.moc"
