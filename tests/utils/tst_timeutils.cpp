#include "TestClock.h"
#include "utils/TimeUtils.h"

#include <QtTest>

#include <chrono>

// Runs with TZ=Asia/Shanghai (UTC+8, no daylight saving).
class TestTimeUtils : public QObject
{
    Q_OBJECT

private slots:
    void referenceDate();
    void instants_data();
    void instants();
    void nowMeansClock();
    void realClock();
    void md5_data();
    void md5();
    void parsing_data();
    void parsing();
};

void TestTimeUtils::referenceDate()
{
    QCOMPARE(referenceDateMillis(), Q_INT64_C(1556640000000));
    QCOMPARE(loadedReferenceDateMillis(), Q_INT64_C(1556640000000));
    QCOMPARE(referenceSecsToMillis(0), Q_INT64_C(1556640000000));
    QCOMPARE(referenceSecsToMillis(-86400), Q_INT64_C(1556553600000));
}

void TestTimeUtils::instants_data()
{
    QTest::addColumn<qint64>("millis");
    QTest::addColumn<QString>("local");
    QTest::addColumn<qint64>("sinceReference");

    QTest::newRow("reference midnight") << Q_INT64_C(1556640000000) << "2019-05-01 00:00:00.000" << Q_INT64_C(0);
    QTest::newRow("one second before") << Q_INT64_C(1556639999000) << "2019-04-30 23:59:59.000" << Q_INT64_C(-1000);
    QTest::newRow("2019-10-12 09:41:05.123") << Q_INT64_C(1570844465123) << "2019-10-12 09:41:05.123"
                                             << Q_INT64_C(14204465123);
    QTest::newRow("leap day 2024") << Q_INT64_C(1709136000000) << "2024-02-29 00:00:00.000" << Q_INT64_C(152496000000);
    QTest::newRow("end of 2026") << Q_INT64_C(1798732799999) << "2026-12-31 23:59:59.999" << Q_INT64_C(242092799999);
}

void TestTimeUtils::instants()
{
    QFETCH(qint64, millis);
    QFETCH(QString, local);
    QFETCH(qint64, sinceReference);

    const QString format = QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz");
    QCOMPARE(formatTimeMillis(format, millis), local);
    if (millis % 1000 == 0)
        QCOMPARE(formatTimeSecs(format, qint32(millis / 1000)), local);

    TestClock clock(millis);
    QCOMPARE(currentTimeMillis(), millis);
    QCOMPARE(currentTimeMicros(), millis * 1000);
    QCOMPARE(millisSinceReferenceDate(), sinceReference);
    QCOMPARE(secsSinceReferenceDate(), sinceReference / 1000); // truncated toward zero
    QCOMPARE(referenceSecsToMillis(secsSinceReferenceDate()) / 1000 * 1000,
             Q_INT64_C(1556640000000) + sinceReference / 1000 * 1000);
    QCOMPARE(secsSinceDate(local.left(10)), qint32((millis - QDateTime::fromString(local.left(10), "yyyy-MM-dd").toMSecsSinceEpoch()) / 1000));
    QCOMPARE(dateStringToSecs(local.left(19), QStringLiteral("yyyy-MM-dd hh:mm:ss")), qint32(millis / 1000));
}

void TestTimeUtils::nowMeansClock()
{
    TestClock clock(1570844465123);
    for (qint64 now : {Q_INT64_C(0), Q_INT64_C(-5)}) {
        QCOMPARE(formatTimeMillis(QStringLiteral("yyyy-MM-dd hh:mm dddd"), now), QStringLiteral("2019-10-12 09:41 星期六"));
        QCOMPARE(formatTimeSecs(QStringLiteral("MMMM"), qint32(now)), QStringLiteral("十月"));
    }
    QCOMPARE(formatTimeMillis(QStringLiteral("dddd MMMM"), 0, QStringLiteral("en_US")), QStringLiteral("Saturday October"));
    clock.advance(1000);
    QCOMPARE(millisSinceReferenceDate(), Q_INT64_C(14204466123));
}

void TestTimeUtils::realClock()
{
    using namespace std::chrono;
    const qint64 before = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    const qint64 now = currentTimeMillis();
    const qint64 after = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    QVERIFY(before <= now && now <= after);
    QVERIFY(qAbs(currentTimeMicros() / 1000 - now) < 1000);
    QVERIFY(millisSinceReferenceDate() > 0);
}

void TestTimeUtils::md5_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("digest");
    QTest::newRow("empty") << QByteArray() << "d41d8cd98f00b204e9800998ecf8427e";
    QTest::newRow("abc") << QByteArray("abc") << "900150983cd24fb0d6963f7d28e17f72";
    QTest::newRow("chinese") << QString("中").toUtf8() << "aed1dfbc31703955e64806b799b67645";
}

void TestTimeUtils::md5()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, digest);
    QCOMPARE(md5Hex(data), digest);
    QCOMPARE(md5Hex(data), md5Hex(data).toLower());
}

void TestTimeUtils::parsing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("format");
    QTest::addColumn<qint32>("secs");
    QTest::newRow("date") << "2019-05-01" << "yyyy-MM-dd" << qint32(1556640000);
    QTest::newRow("not a date") << "yesterday" << "yyyy-MM-dd" << qint32(0);
    QTest::newRow("empty") << "" << "yyyy-MM-dd" << qint32(0);
}

void TestTimeUtils::parsing()
{
    QFETCH(QString, text);
    QFETCH(QString, format);
    QFETCH(qint32, secs);
    QCOMPARE(dateStringToSecs(text, format), secs);
    if (secs == 0)
        QCOMPARE(secsSinceDate(text), qint32(0));
}

QTEST_GUILESS_MAIN(TestTimeUtils)
#include "tst_timeutils.moc"
