// The student writing manager in front of the real draw manager, layers and
// live data source (DrawManagerFixture), with the product clock fixed by
// TestClock. A script of arrivals, clock steps and flushes is played; checked
// are the student's lines the board published (the teacher's program
// re-sends them to the class), the gaps it logged, where the buffer stands,
// and the toasts shown.
#include "DrawManagerFixture.h"
#include "TestClock.h"
#include "TestLogCapture.h"
#include "TopLevelWidgets.h"

#include "actions/drawing/TQDrawingActionLine.h"
#include "base/dialog/CToast.h"
#include "modules/live/draws/TQStudentWritingManager.h"

#include <QLabel>
#include <QtTest>

namespace {

constexpr int kStudent = 321;
constexpr int kStrokeBase = 5000;

TQDrawingActionLine *studentLine(int index)
{
    auto *line = new TQDrawingActionLine;
    line->drawingIndex = index;
    line->materialId = 501;
    line->pageIndex = 0;
    line->canvasWidth = 4000;
    line->canvasHeight = 2560;
    line->strokeId = kStrokeBase + index;
    line->points = {TQPointW(400, 400, 0), TQPointW(800, 600, 0)};
    line->publish = false;
    return line;
}

} // namespace

class TestStudentWritingManager : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { takeShownToasts(); }
    void sequences_data();
    void sequences();
    void manyLossesToastOncePerInterval();

private:
    // Plays "a<index>" (arrival), "+<ms>" (clock), "f" (flush all), "x"
    // (writing right withdrawn).
    void play(const QStringList &script);

    // The drawing indexes of the student's lines the board published, in order.
    QList<int> drawn() const
    {
        QList<int> out;
        for (TQDrawingActionLine *l : f->sent<TQDrawingActionLine>(0)) {
            if (l->senderId == kStudent)
                out << l->strokeId - kStrokeBase;
        }
        return out;
    }

    std::unique_ptr<DrawManagerFixture> f;
    std::unique_ptr<TQStudentWritingManager> writing;
    std::unique_ptr<TestClock> clock;
};

void TestStudentWritingManager::play(const QStringList &script)
{
    // The old clock must go first: its end unsets the product clock.
    writing.reset();
    f.reset();
    clock.reset();
    clock = std::make_unique<TestClock>(1700000000000);
    f = std::make_unique<DrawManagerFixture>();
    writing = std::make_unique<TQStudentWritingManager>();
    writing->setDrawManager(&f->manager);
    writing->setStudentWritingEnabled(true, kStudent);
    writing->resetStudentWritingBuffer(kStudent);
    for (const QString &step : script) {
        if (step.startsWith('a'))
            writing->addStudentWriting(studentLine(step.mid(1).toInt()), kStudent);
        else if (step.startsWith('+'))
            clock->advance(step.mid(1).toInt());
        else if (step == "f")
            writing->sendAllStudentDrawingActions();
        else if (step == "x")
            writing->setStudentWritingEnabled(false, kStudent);
        f->drain();
    }
}

void TestStudentWritingManager::sequences_data()
{
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<QList<int>>("drawn");
    QTest::addColumn<QStringList>("gaps");
    // -2: the student has no buffer any more.
    QTest::addColumn<int>("last");
    QTest::addColumn<int>("lost");
    QTest::addColumn<int>("pending");

    QTest::newRow("1,3,2 within 100 ms") << QStringList{"a0", "a1", "+40", "a3", "+40", "a2"}
                                         << QList<int>{0, 1, 2, 3} << QStringList() << 3 << 0 << 0;
    QTest::newRow("a copy of a pending index is ignored")
        << QStringList{"a0", "a2", "+10", "a2", "a1"} << QList<int>{0, 1, 2} << QStringList() << 2 << 0 << 0;
    QTest::newRow("an index already released is not added, still flushes")
        << QStringList{"a0", "a2", "+2000", "a0"} << QList<int>{0} << QStringList{"writing lost 0-2"} << 2 << 1 << 0;
    QTest::newRow("a 2 s gap gives up, the late one is not drawn")
        << QStringList{"a0", "a1", "a2", "a6", "+1999", "f", "+1", "f", "a7"} << QList<int>{0, 1, 2, 7}
        << QStringList{"writing lost 2-6"} << 7 << 3 << 0;
    // 4 waits past the gap while 2 came later: releasing 4 gives 2 up too,
    // so the released index never moves back and 5 is drawn in order.
    QTest::newRow("out of order across a gap never goes back")
        << QStringList{"a0", "a4", "+1500", "a2", "+600", "f", "+10", "a5", "+3000", "f", "a6"}
        << QList<int>{0, 5, 6} << QStringList{"writing lost 0-4"} << 6 << 3 << 0;
    QTest::newRow("withdrawn while pending: later writing ignored")
        << QStringList{"a0", "a2", "x", "a1", "+3000", "f"} << QList<int>{0} << QStringList() << -2 << 0 << 0;
}

void TestStudentWritingManager::sequences()
{
    QFETCH(QStringList, script);
    QFETCH(QList<int>, drawn);
    QFETCH(QStringList, gaps);
    QFETCH(int, last);
    QFETCH(int, lost);
    QFETCH(int, pending);

    TestLogCapture log;
    play(script);

    QCOMPARE(this->drawn(), drawn);
    QStringList logged;
    for (const QString &m : log.messages()) {
        const int at = m.indexOf("writing lost ");
        if (at >= 0)
            logged << m.mid(at).trimmed();
    }
    QCOMPARE(logged, gaps);
    const TQStudentWritingBuffer *b = writing->buffer(kStudent);
    QCOMPARE(b ? b->lastWritingIndex : -2, last);
    if (b) {
        QCOMPARE(b->lostCount, lost);
        QCOMPARE(int(b->pending.size()), pending);
    }
    // Accepted lines are marked for the class and drawn without a page fix.
    for (TQDrawingActionLine *l : f->sent<TQDrawingActionLine>(0)) {
        QVERIFY(l->publish);
        QCOMPARE(l->noAdjust, 1);
    }
    QVERIFY(takeShownToasts().isEmpty());
}

void TestStudentWritingManager::manyLossesToastOncePerInterval()
{
    play({"a0", "a13", "+2000", "f"});
    QCOMPARE(takeShownToasts(), QStringList{QStringLiteral("网络问题，学生 的部分书写没有传过来")});
    QCOMPARE(writing->buffer(kStudent)->lostCount, 0);

    clock->advance(1000);
    writing->addStudentWriting(studentLine(26), kStudent);
    clock->advance(2000);
    writing->sendAllStudentDrawingActions();
    QCOMPARE(writing->buffer(kStudent)->lastWritingIndex, 26);
    QVERIFY(takeShownToasts().isEmpty());
    QCOMPARE(writing->buffer(kStudent)->lostCount, 0);
}

QTEST_MAIN(TestStudentWritingManager)
#include "tst_studentwritingmanager.moc"
