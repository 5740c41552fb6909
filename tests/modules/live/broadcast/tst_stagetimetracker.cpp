#include "modules/live/broadcast/TQStageTimeTracker.h"

#include <QJsonObject>
#include <QtTest>

#include "TestClock.h"

Q_DECLARE_METATYPE(TQStageTimeSpan)

namespace {

constexpr qint64 kNow = 1700000000000;
constexpr int kNowSecs = int(kNow / 1000);

struct Report
{
    qint64 start;
    qint64 end;
};

} // namespace

Q_DECLARE_METATYPE(QList<Report>)

namespace QTest {
template <>
inline char *toString(const TQStageTimeSpan &span)
{
    return qstrdup(QByteArray("(") + QByteArray::number(span.userId) + ", " + QByteArray::number(span.type) + ", "
                   + QByteArray::number(span.start) + ", " + QByteArray::number(span.end) + ")");
}
} // namespace QTest

class TestStageTimeTracker : public QObject
{
    Q_OBJECT

private slots:
    void noTimesNoRecord();
    void classSpan();
    void otherSpans_data();
    void otherSpans();
    void spanJson();
};

void TestStageTimeTracker::noTimesNoRecord()
{
    TQStageTimeTracker tracker;
    tracker.addSpan(7, 100, -1, -1);
    QCOMPARE(tracker.record(7), nullptr);
    QVERIFY(tracker.records.empty());
    tracker.addSpanForUsers({1, 2, 3}, 2, 5000, -1);
    QCOMPARE(int(tracker.records.size()), 3);
    QCOMPARE(tracker.record(2)->spans.at(2).size(), 1);
}

void TestStageTimeTracker::classSpan()
{
    TestClock clock(kNow);
    TQStageTimeTracker tracker;
    tracker.addSpan(7, 1, 12999, -1);
    TQStageTimeRecord *record = tracker.record(7);
    QVERIFY(record);
    QCOMPARE(record->classSpan, TQStageTimeSpan(7, 1, 12, kNowSecs));
    QCOMPARE(record->state, int(TQStageTimeRecord::kInClass));
    QVERIFY(record->spans.empty());

    tracker.addSpan(7, 1, -1, 60999);
    QCOMPARE(record->classSpan, TQStageTimeSpan(7, 1, 12, 60));
    QCOMPARE(record->state, int(TQStageTimeRecord::kLeft));

    // A later join keeps the first start and the state.
    tracker.addSpan(7, 1, 90000, -1);
    QCOMPARE(record->classSpan.start, 12);
    QCOMPARE(record->state, int(TQStageTimeRecord::kLeft));

    // The collection's "up to now" report.
    clock.advance(5000);
    record->addSpan(1, -1, 0);
    QCOMPARE(record->classSpan.end, kNowSecs + 5);
    QCOMPARE(record->state, int(TQStageTimeRecord::kLeft));
}

void TestStageTimeTracker::otherSpans_data()
{
    QTest::addColumn<QList<Report>>("reports");
    QTest::addColumn<QList<TQStageTimeSpan>>("spans");
    const int t = 100;
    QTest::newRow("an end first does nothing") << QList<Report>{{-1, 5000}} << QList<TQStageTimeSpan>{};
    QTest::newRow("start then end") << QList<Report>{{10000, -1}, {-1, 20000}}
                                    << QList<TQStageTimeSpan>{{7, t, 10, 20}};
    QTest::newRow("two starts keep the earlier")
        << QList<Report>{{20000, -1}, {10000, -1}, {30000, -1}} << QList<TQStageTimeSpan>{{7, t, 10, -1}};
    QTest::newRow("older end changes nothing")
        << QList<Report>{{10000, -1}, {-1, 20000}, {-1, 15000}} << QList<TQStageTimeSpan>{{7, t, 10, 20}};
    QTest::newRow("later end extends a closed span")
        << QList<Report>{{10000, -1}, {-1, 20000}, {-1, 25000}} << QList<TQStageTimeSpan>{{7, t, 10, 25}};
    QTest::newRow("start after a closed span")
        << QList<Report>{{10000, -1}, {-1, 20000}, {30000, -1}}
        << QList<TQStageTimeSpan>{{7, t, 10, 20}, {7, t, 30, -1}};
    QTest::newRow("complete span closes the open one")
        << QList<Report>{{10000, -1}, {12000, 18000}} << QList<TQStageTimeSpan>{{7, t, 10, 18}};
    QTest::newRow("complete span before the open start replaces it")
        << QList<Report>{{10000, -1}, {2000, 8000}} << QList<TQStageTimeSpan>{{7, t, 2, 8}};
    QTest::newRow("complete span after a closed one")
        << QList<Report>{{10000, 11000}, {12000, 18000}} << QList<TQStageTimeSpan>{{7, t, 10, 11}, {7, t, 12, 18}};
    QTest::newRow("milliseconds truncate") << QList<Report>{{1999, 2999}} << QList<TQStageTimeSpan>{{7, t, 1, 2}};
    QTest::newRow("times beyond the int range stay in it")
        << QList<Report>{{Q_INT64_C(9000000000000000), -1}} << QList<TQStageTimeSpan>{{7, t, INT_MAX, -1}};
}

void TestStageTimeTracker::otherSpans()
{
    QFETCH(QList<Report>, reports);
    QFETCH(QList<TQStageTimeSpan>, spans);
    TestClock clock(kNow);
    TQStageTimeTracker tracker;
    for (const Report &report : reports)
        tracker.addSpan(7, 100, report.start, report.end);
    const TQStageTimeRecord *record = tracker.record(7);
    QVERIFY(record);
    const auto found = record->spans.find(100);
    QCOMPARE(found == record->spans.end() ? QList<TQStageTimeSpan>() : found->second, spans);
    // The class span is not touched by other types.
    QCOMPARE(record->classSpan, TQStageTimeSpan(7, 1, -1, -1));
}

void TestStageTimeTracker::spanJson()
{
    QCOMPARE(TQStageTimeSpan(7, 3, 1700000000, -1).toJson(),
             (QJsonObject{{"user_id", "7"}, {"type", "3"}, {"s", "1700000000"}, {"e", "-1"}}));
    QCOMPARE(TQStageTimeSpan(), TQStageTimeSpan(0, 0, -1, -1));
}

QTEST_GUILESS_MAIN(TestStageTimeTracker)
#include "tst_stagetimetracker.moc"
