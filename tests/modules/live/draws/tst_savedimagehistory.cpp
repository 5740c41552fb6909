// The undo history on its own: scripted saves (push), undo (stepBack) and
// redo (stepForward) against what the history then holds, which snapshot is
// current and what the back and forward buttons would show.
#include "modules/live/draws/TQSavedImage.h"
#include "modules/live/draws/TQSavedImageHistory.h"

#include <QtTest>

namespace {

// "s7" saves snapshot 7 on page 0, "p7" on page 1, "u" undoes, "r" redoes;
// each step's answer is logged: the snapshot id, "-" for none.
QString run(TQSavedImageHistory &history, const QString &script)
{
    QStringList answers;
    for (const QString &step : script.split(' ', Qt::SkipEmptyParts)) {
        const TQSavedImage *entry = nullptr;
        if (step == "u")
            entry = history.stepBack();
        else if (step == "r")
            entry = history.stepForward();
        else
            entry = history.push({}, {}, step.mid(1).toInt(), 501, step.startsWith('p') ? 1 : 0, 0);
        answers << (entry ? QString::number(entry->id) : QStringLiteral("-"));
    }
    return answers.join(' ');
}

QString ids(const TQSavedImageHistory &history)
{
    QStringList out;
    for (const TQSavedImage *entry : history.entries())
        out << QString::number(entry->id);
    return out.join(' ');
}

QString saves(int from, int to)
{
    QStringList out;
    for (int i = from; i <= to; ++i)
        out << QStringLiteral("s%1").arg(i);
    return out.join(' ');
}

} // namespace

class TestSavedImageHistory : public QObject
{
    Q_OBJECT

private slots:
    void script_data();
    void script();
    void findFallsBackToASmallerId();
};

void TestSavedImageHistory::script_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("answers"); // of the undo and redo steps only
    QTest::addColumn<QString>("kept");
    QTest::addColumn<int>("current");
    QTest::addColumn<bool>("canUndo");
    QTest::addColumn<bool>("canRedo");

    QTest::newRow("30 saves keep the newest 26") << saves(1, 30) << "" << saves(5, 30).remove('s') << 30 << true
                                                 << false;
    // 25 steps back from 30 reach 5; a 26th has nowhere to go.
    QStringList back;
    for (int id = 29; id >= 5; --id)
        back << QString::number(id);
    QTest::newRow("25 undos reach the oldest kept") << saves(1, 30) + QString(" u").repeated(26)
                                                    << back.join(' ') + " -" << saves(5, 30).remove('s') << 5
                                                    << false << true;
    QTest::newRow("save, save, undo, save drops the undone") << "s1 s2 u s3"
                                                             << "1" << "1 3" << 3 << true << false;
    QTest::newRow("another page starts afresh") << "s1 s2 p3" << "" << "3" << 3 << false << false;
    QTest::newRow("the same id twice is one snapshot") << "s1 s2 s2" << "" << "1 2" << 2 << true << false;
    QTest::newRow("undo and redo stop at the ends") << "s1 s2 u u r r r"
                                                    << "1 - 2 - -" << "1 2" << 2 << true << false;
    QTest::newRow("nothing saved") << "u r" << "- -" << "" << -1 << false << false;
}

void TestSavedImageHistory::script()
{
    QFETCH(QString, script);
    QFETCH(QString, answers);
    QFETCH(QString, kept);
    QFETCH(int, current);
    QFETCH(bool, canUndo);
    QFETCH(bool, canRedo);
    TQSavedImageHistory history;

    QStringList stepAnswers;
    const QStringList steps = script.split(' ', Qt::SkipEmptyParts);
    const QStringList all = run(history, script).split(' ', Qt::SkipEmptyParts);
    for (int i = 0; i < steps.size(); ++i) {
        if (steps[i] == "u" || steps[i] == "r")
            stepAnswers << all[i];
    }
    QCOMPARE(stepAnswers.join(' '), answers);
    QCOMPARE(ids(history), kept);
    QCOMPARE(history.currentId(), current);
    QVERIFY(history.size() <= TQSavedImageHistory::kCapacity);
    const TQSavedImage *c = history.current();
    QCOMPARE(c && !c->first, canUndo);
    QCOMPARE(c && !c->last, canRedo);
    // Exactly one oldest and one newest.
    int firsts = 0;
    int lasts = 0;
    for (const TQSavedImage *entry : history.entries()) {
        firsts += entry->first;
        lasts += entry->last;
    }
    QCOMPARE(firsts, history.size() ? 1 : 0);
    QCOMPARE(lasts, history.size() ? 1 : 0);
}

void TestSavedImageHistory::findFallsBackToASmallerId()
{
    TQSavedImageHistory history;
    QVERIFY(!history.find(10));
    QVERIFY(!history.current());
    run(history, "s10 s20 u s30");
    QCOMPARE(ids(history), QStringLiteral("10 30"));
    QCOMPARE(history.entries().back()->previousId, 10);
    QCOMPARE(history.entries().front()->previousId, -1);
    QCOMPARE(history.find(30)->id, 30);
    QCOMPARE(history.find(25)->id, 10);
    QCOMPARE(history.find(99)->id, 30);
    QVERIFY(!history.find(5));
    QCOMPARE(history.indexOf(30), 1);
    QCOMPARE(history.indexOf(20), -1);
    QCOMPARE(history.indexOf(-1), -1);
    history.clear();
    QCOMPARE(history.currentId(), -1);
    QVERIFY(!history.find(30));
}

QTEST_APPLESS_MAIN(TestSavedImageHistory)
#include "tst_savedimagehistory.moc"
