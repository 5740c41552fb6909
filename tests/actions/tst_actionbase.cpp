#include "ActionTestSupport.h"

#include "actions/TQActionFields.h"
#include "actions/TQActionHelpers.h"
#include "actions/TQControlAction.h"
#include "actions/TQDrawingAction.h"
#include "actions/TQStatusAction.h"
#include "actions/drawing/TQDrawingActionLine.h"

#include "TestClock.h"

#include <QtTest>

// The base classes of the action family and the small functions they share.
class TestActionBase : public QObject
{
    Q_OBJECT

private slots:
    void baseTexts();
    void kind_data();
    void kind();
    void findNonNumericField_data();
    void findNonNumericField();
    void numbersReadLikeQt_data();
    void numbersReadLikeQt();
    void joinWithUnderscore_data();
    void joinWithUnderscore();
    void cloneResetsRefresh();
    void sequenceWrapsPastZero();
    void sequenceSeededFromClock();
    void secondsSinceReference();
};

void TestActionBase::baseTexts()
{
    QCOMPARE(textOf(TQAction(5)), QStringLiteral("TQAction"));
    QCOMPARE(textOf(TQDrawingAction()), QStringLiteral("TQDrawingAction"));
    QCOMPARE(textOf(TQControlAction(101)), QString());
    QCOMPARE(textOf(TQStatusAction(109)), QString());

    const TQControlAction control(101);
    QCOMPARE(control.receiver, TQAction::GENERAL_AUDIENCE);
    QCOMPARE(control.targetUserId, 0);
    const TQDrawingAction drawing;
    QVERIFY(drawing.publish);
    QVERIFY(drawing.refresh);
    QCOMPARE(drawing.receivedAt, 0);
    QVERIFY(!drawing.mergeWith(&drawing));
}

void TestActionBase::kind_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("kind");
    QTest::newRow("0") << 0 << 0;
    QTest::newRow("14") << 14 << 0;
    QTest::newRow("99") << 99 << 0;
    QTest::newRow("100") << 100 << 3;
    QTest::newRow("101") << 101 << 3;
    QTest::newRow("-1") << -1 << 3;
}

void TestActionBase::kind()
{
    QFETCH(int, code);
    QFETCH(int, kind);
    QCOMPARE(TQAction(code).kind(), kind);
}

void TestActionBase::findNonNumericField_data()
{
    QTest::addColumn<QStringList>("elements");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("result");
    const QStringList sample{"-1", "12", "x"};
    QTest::newRow("finds 2") << sample << 0 << 2 << 2;
    QTest::newRow("all numeric") << sample << 0 << 1 << -1;
    QTest::newRow("to past the end") << sample << 1 << 3 << -2;
    QTest::newRow("from past the end") << sample << 3 << 3 << -2;
    QTest::newRow("to before from") << sample << 2 << 1 << -3;
    QTest::newRow("negative from") << sample << -1 << 1 << -2;
    QTest::newRow("empty element") << QStringList{"1", ""} << 0 << 1 << 1;
    QTest::newRow("beyond 32 bits") << QStringList{"2147483648"} << 0 << 0 << 0;
    QTest::newRow("blanks and sign") << QStringList{" +7 ", "-2147483648"} << 0 << 1 << -1;
}

void TestActionBase::findNonNumericField()
{
    QFETCH(QStringList, elements);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, result);
    QCOMPARE(::findNonNumericField(elements, from, to), result);
    const std::string joined = elements.join(',').toStdString();
    QCOMPARE(TQActionFields(joined).firstNonNumeric(from, to), result);
}

// Peers convert with Qt's base-10 conversion; ours must accept exactly the same texts.
void TestActionBase::numbersReadLikeQt_data()
{
    QTest::addColumn<QByteArray>("text");
    for (const char *text : {"0", "-0", "+5", " 12", "12 ", "\t7\r\n", "007", "2147483647", "-2147483648",
                             "2147483648", "-2147483649", "", " ", "+", "-", "+-5", "--5", "1e3", "0x10", "1 2",
                             "12a", "9223372036854775807", "-9223372036854775808", "9223372036854775808",
                             "\xd9\xa3", "99999999999999999999"})
        QTest::newRow(text) << QByteArray(text);
}

void TestActionBase::numbersReadLikeQt()
{
    QFETCH(QByteArray, text);
    const std::string_view view(text.constData(), size_t(text.size()));
    bool ok32 = false;
    const int expected32 = text.toInt(&ok32, 10);
    int value32 = -99;
    QCOMPARE(TQActionFields::parseInt32(view, &value32), ok32);
    if (ok32)
        QCOMPARE(value32, expected32);
    bool ok64 = false;
    const qint64 expected64 = text.toLongLong(&ok64, 10);
    qint64 value64 = -99;
    QCOMPARE(TQActionFields::parseInt64(view, &value64), ok64);
    if (ok64)
        QCOMPARE(value64, expected64);
}

void TestActionBase::joinWithUnderscore_data()
{
    QTest::addColumn<QStringList>("parts");
    QTest::addColumn<QString>("joined");
    QTest::newRow("two") << QStringList{"A", "C"} << "A_C";
    QTest::newRow("none") << QStringList{} << "";
    QTest::newRow("one") << QStringList{"65"} << "65";
    QTest::newRow("empty parts") << QStringList{"", ""} << "_";
}

void TestActionBase::joinWithUnderscore()
{
    QFETCH(QStringList, parts);
    QFETCH(QString, joined);
    std::vector<std::string> vector;
    for (const QString &part : parts)
        vector.push_back(part.toStdString());
    QCOMPARE(::joinWithUnderscore(vector), joined);
}

void TestActionBase::cloneResetsRefresh()
{
    TQDrawingAction action(7);
    action.drawingIndex = 11;
    action.senderId = 22;
    action.materialId = 33;
    action.pageIndex = 44;
    action.publish = false;
    action.receivedAt = 55;
    action.refresh = false;
    action.receiver = 66;
    std::unique_ptr<TQDrawingAction> copy(action.clone());
    QCOMPARE(copy->type, 7);
    QCOMPARE(copy->drawingIndex, 11);
    QCOMPARE(copy->senderId, 22);
    QCOMPARE(copy->materialId, 33);
    QCOMPARE(copy->pageIndex, 44);
    QCOMPARE(copy->publish, false);
    QCOMPARE(copy->receivedAt, 55);
    QCOMPARE(copy->refresh, true);
    QCOMPARE(copy->receiver, TQAction::GENERAL_AUDIENCE);
}

void TestActionBase::sequenceWrapsPastZero()
{
    setSequenceCounterForTest(999999998);
    QCOMPARE(nextSequenceNumber(true), 999999999);
    QCOMPARE(nextSequenceNumber(true), 1);
    setSequenceCounterForTest(999999999);
    QCOMPARE(nextSequenceNumber(false), 1000000001);
    QCOMPARE(nextSequenceNumber(false), 1000000002);
    QCOMPARE(nextSequenceNumber(true), 3);
}

void TestActionBase::sequenceSeededFromClock()
{
    TestClock clock(1700000123456);
    setSequenceCounterForTest(0);
    QCOMPARE(nextSequenceNumber(true), 123457);
    clock.set(2000000000000);
    setSequenceCounterForTest(0);
    QCOMPARE(nextSequenceNumber(true), 1);
}

void TestActionBase::secondsSinceReference()
{
    // 2019-05-01 00:00 in Shanghai (the test's time zone) is 2019-04-30 16:00 UTC.
    TestClock clock(1556640000000LL + 90500);
    QCOMPARE(secondsSinceReferenceDate(), 90);
}

QTEST_GUILESS_MAIN(TestActionBase)
#include "tst_actionbase.moc"
