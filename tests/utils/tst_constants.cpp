#include "utils/GlobalConstants.h"

#include <QEvent>
#include <QtTest>

class TestConstants : public QObject
{
    Q_OBJECT

private slots:
    void colorTable_data();
    void colorTable();
    void tableShape();
    void separatorsAndEvent();
};

void TestConstants::colorTable_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("argb");
    QTest::newRow("100 transparent") << 100 << "00000000";
    QTest::newRow("101 opaque black") << 101 << "FF000000";
    QTest::newRow("0 black") << 0 << "FF000000";
    QTest::newRow("7 accent") << 7 << "FF3A78E6";
    QTest::newRow("12 half") << 12 << "7FFF6363";
    QTest::newRow("114 FD white") << 114 << "FDFFFFFF";
    QTest::newRow("118 last") << 118 << "7FFFF500";
    QTest::newRow("21 absent") << 21 << "";
    QTest::newRow("99 absent") << 99 << "";
    QTest::newRow("119 absent") << 119 << "";
    QTest::newRow("-1 absent") << -1 << "";
}

void TestConstants::colorTable()
{
    QFETCH(int, code);
    QFETCH(QString, argb);
    const auto &table = brushColorTable();
    const auto it = table.find(code);
    QCOMPARE(it == table.end() ? QString() : QString::fromStdString(it->second), argb);
}

void TestConstants::tableShape()
{
    const auto &table = brushColorTable();
    QCOMPARE(int(table.size()), 40);
    for (const auto &entry : table) {
        QVERIFY((entry.first >= 0 && entry.first <= 20) || (entry.first >= 100 && entry.first <= 118));
        QCOMPARE(int(entry.second.size()), 8);
        QCOMPARE(QString::fromStdString(entry.second), QString::fromStdString(entry.second).toUpper());
    }
}

void TestConstants::separatorsAndEvent()
{
    QCOMPARE(kMessageSeparatorFirst.toHex(), QByteArray("26233132262b2d583f"));
    QCOMPARE(kMessageSeparatorSecond.toHex(), QByteArray("213b3c263826796324"));
    QCOMPARE(actionEventType(), 1001);
    QCOMPARE(actionEventType(), actionEventType());
    QVERIFY(actionEventType() >= QEvent::User);
    QCOMPARE(kFloatingImageOffsetX, 320.0f);
    QCOMPARE(kAnswerLetters[8], QByteArray("NO"));
    QCOMPARE(kStudentMenuIconPrefix, QStringLiteral("qrc:/res/live_student_menu/"));
}

QTEST_GUILESS_MAIN(TestConstants)
#include "tst_constants.moc"
