// The course record's drawing-action history: thinning on append, line
// merges, the replay start, and the bulk chunks a late student replays.
#include "TestLogCapture.h"

#include "actions/TQActionsFromNet.h"
#include "actions/TQMessagePackagingService.h"
#include "actions/control/TQControlBulkMessage.h"
#include "actions/drawing/TQDrawActionDrawImage.h"
#include "actions/drawing/TQDrawingActionCleanPage.h"
#include "actions/drawing/TQDrawingActionDrawText.h"
#include "actions/drawing/TQDrawingActionLine.h"
#include "actions/drawing/TQDrawingActionMoveUpDown.h"
#include "actions/drawing/TQDrawingActionNone.h"
#include "actions/drawing/TQDrawingActionRestore.h"
#include "actions/drawing/TQDrawingActionSave.h"
#include "actions/drawing/TQDrawingActionSelectMaterial.h"
#include "actions/drawing/TQDrawingActionTurnPage.h"
#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/communications/TQLateRequestFetch.h"
#include "modules/login/LoginManager.h"

#include <QJsonObject>
#include <QtTest>

#include <memory>
#include <typeinfo>

namespace {

const int kTeacher = 10001;

TQDrawingActionLine *line(int strokeId, int brushType = 1, int firstX = 0, int pointCount = 3)
{
    auto *a = new TQDrawingActionLine;
    a->brush = TQBrushStyle(brushType, TQBrushColor(), 3, 0);
    a->strokeId = strokeId;
    a->canvasWidth = 4000;
    a->canvasHeight = 3000;
    a->senderId = 555;
    for (int i = 0; i < pointCount; ++i)
        a->points.emplace_back(firstX + i * 4, 100 + firstX / 4 + i);
    return a;
}

// One action per token: L line, P pointer line, M scroll, S save (its own
// position as drawing index), R<n> restore to n, I<n> image of element n,
// T<n> text of element n, G<p> turn to page p, C material selection,
// E clean page, N empty. "X*k" repeats a token k times.
TQDrawingAction *makeAction(const QString &token, int position)
{
    const QChar kind = token.at(0);
    const int value = token.mid(1).toInt();
    TQDrawingAction *a = nullptr;
    if (kind == 'L') {
        a = line(position);
    } else if (kind == 'P') {
        a = line(position, 7);
    } else if (kind == 'M') {
        a = new TQDrawingActionMoveUpDown;
    } else if (kind == 'S') {
        a = new TQDrawingActionSave;
    } else if (kind == 'R') {
        auto *r = new TQDrawingActionRestore;
        r->snapshotId = value;
        a = r;
    } else if (kind == 'I') {
        auto *i = new TQDrawActionDrawImage;
        i->elementId = value;
        a = i;
    } else if (kind == 'T') {
        auto *t = new TQDrawingActionDrawText;
        t->elementId = value;
        t->text = "板书 " + std::to_string(position);
        a = t;
    } else if (kind == 'G') {
        auto *g = new TQDrawingActionTurnPage;
        g->targetPage = value;
        a = g;
    } else if (kind == 'C') {
        a = new TQDrawingActionSelectMaterial;
    } else if (kind == 'E') {
        a = new TQDrawingActionCleanPage;
    } else {
        a = new TQDrawingActionNone(position);
    }
    a->drawingIndex = position;
    a->materialId = 5001;
    return a;
}

void append(CourseDetailBean &course, const QString &tokens)
{
    for (const QString &token : tokens.split(' ', Qt::SkipEmptyParts)) {
        const QStringList repeat = token.split('*');
        const int count = repeat.size() > 1 ? repeat.at(1).toInt() : 1;
        for (int i = 0; i < count; ++i)
            course.addDrawingAction(makeAction(repeat.at(0), course.getDrawingActionCount()), -1);
    }
}

// One letter per position, as the tokens name the classes ('.' empty).
QString shape(const CourseDetailBean &course)
{
    QString out;
    for (int i = 0; i < course.getDrawingActionCount(); ++i) {
        const TQDrawingAction *a = course.drawingActionAt(i);
        const auto &t = typeid(*a);
        if (t == typeid(TQDrawingActionNone)) {
            // An empty action holds its own position.
            out += a->drawingIndex == i ? '.' : '?';
        } else if (t == typeid(TQDrawingActionLine)) {
            out += 'L';
        } else if (t == typeid(TQDrawingActionMoveUpDown)) {
            out += 'M';
        } else if (t == typeid(TQDrawingActionSave)) {
            out += 'S';
        } else if (t == typeid(TQDrawingActionRestore)) {
            out += 'R';
        } else if (t == typeid(TQDrawActionDrawImage)) {
            out += 'I';
        } else if (t == typeid(TQDrawingActionDrawText)) {
            out += 'T';
        } else if (t == typeid(TQDrawingActionTurnPage)) {
            out += 'G';
        } else if (t == typeid(TQDrawingActionSelectMaterial)) {
            out += 'C';
        } else {
            out += 'E';
        }
    }
    return out;
}

QString text(const TQAction *action)
{
    std::string out;
    action->toString(out);
    return QString::fromStdString(out);
}

} // namespace

class TestDrawingHistory : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void append_data();
    void append();
    void authorStamp();
    void merge_data();
    void merge();
    void properStart_data();
    void properStart();
    void replaceOutOfRange();
    void shortBulkMessage();
    void lateStudentReplay();
    void clearKeepsNothing();
};

void TestDrawingHistory::initTestCase()
{
    LoginManager::saveLoginInfo(QJsonObject{
        {"tokenStatus", QJsonObject{{"token", "tk"}}},
        {"accountDetails", QJsonObject{{"user_id", QString::number(kTeacher)}, {"user_nick_name", "王老师"}}}});
    QCOMPARE(LoginManager::getUserID(), QString::number(kTeacher));
}

void TestDrawingHistory::append_data()
{
    QTest::addColumn<QString>("tokens");
    QTest::addColumn<QString>("expected");
    QTest::newRow("pointer line on an empty history") << "P" << ".";
    QTest::newRow("pointer line among strokes") << "L P L" << "L.L";
    QTest::newRow("scroll run keeps the newest") << "E E L M S M M" << "EEL...M";
    QTest::newRow("scroll after a stroke") << "E L M" << "ELM";
    QTest::newRow("scroll run stops at a stroke") << "E M L M" << "EMLM";
    QTest::newRow("scrolls more than 8 back stay") << "E M S*8 M" << "EMSSSSSSSSM";
    QTest::newRow("same image element replaced") << "E I5 I5" << "E.I";
    QTest::newRow("image element 0 kept") << "E I0 I0" << "EII";
    QTest::newRow("other image element kept") << "E I5 I6" << "EII";
    QTest::newRow("text on an empty history") << "T1" << "T";
    QTest::newRow("text after other actions stays") << "E L T1" << "ELT";
    QTest::newRow("newer text of the element replaces") << "E T1 L T1" << "E.LT";
    QTest::newRow("texts of two elements stay") << "E T1 T2" << "ETT";
    QTest::newRow("restore drops the undone strokes") << "E*10 S L*3 R10" << "EEEEEEEEEES...R";
    QTest::newRow("restore drops an earlier restore to the same save") << "E S L R1 L R1" << "ES...R";
    QTest::newRow("restore past a turn changes nothing") << "E S L G1 L R1" << "ESLGLR";
    QTest::newRow("restore whose save is over 100 back") << "E S L*101 R1" << "ES" + QString(101, 'L') + "R";
    QTest::newRow("restore on an empty history") << "R0" << "R";
    QTest::newRow("save changes nothing") << "L S L S" << "LSLS";
}

void TestDrawingHistory::append()
{
    QFETCH(QString, tokens);
    QFETCH(QString, expected);
    CourseDetailBean course{QJsonObject()};
    ::append(course, tokens);
    QCOMPARE(shape(course), expected);
    if (tokens == "R0")
        QCOMPARE(course.mRestoreMarks.count(0), size_t(1));
}

void TestDrawingHistory::authorStamp()
{
    CourseDetailBean course{QJsonObject()};
    ::append(course, "L M I1");
    QCOMPARE(course.drawingActionAt(0)->senderId, kTeacher);
    QCOMPARE(course.drawingActionAt(1)->senderId, kTeacher);
    QCOMPARE(course.drawingActionAt(2)->senderId, 0); // images keep theirs
}

void TestDrawingHistory::merge_data()
{
    QTest::addColumn<int>("emptyBetween");
    QTest::addColumn<bool>("sameStroke");
    QTest::addColumn<bool>("merged");
    QTest::newRow("next to each other") << 0 << true << true;
    QTest::newRow("70 back") << 69 << true << true;
    QTest::newRow("71 back") << 70 << true << false;
    QTest::newRow("other stroke") << 3 << false << false;
}

void TestDrawingHistory::merge()
{
    QFETCH(int, emptyBetween);
    QFETCH(bool, sameStroke);
    QFETCH(bool, merged);
    CourseDetailBean course{QJsonObject()};
    course.addDrawingAction(line(9, 1, 0, 3), -1);
    for (int i = 0; i < emptyBetween; ++i)
        course.addDrawingAction(new TQDrawingActionNone(course.getDrawingActionCount()), -1);
    const int p = course.getDrawingActionCount();
    course.addDrawingAction(line(sameStroke ? 9 : 10, 1, 8, 3), -1);
    const QString before = shape(course);

    course.mergeLineActions(p);
    QCOMPARE(course.getDrawingActionCount(), p + 1);
    if (!merged) {
        QCOMPARE(shape(course), before);
        return;
    }
    QCOMPARE(shape(course), "L" + QString(p, '.'));
    const auto *joined = static_cast<TQDrawingActionLine *>(course.drawingActionAt(0));
    QCOMPARE(joined->points.size(), size_t(5)); // the shared point once
    QCOMPARE(joined->drawingIndex, 0);

    // Out of range and non-line positions are ignored.
    course.mergeLineActions(-1);
    course.mergeLineActions(p + 1);
    course.mergeLineActions(p);
    QCOMPARE(shape(course), "L" + QString(p, '.'));
}

void TestDrawingHistory::properStart_data()
{
    QTest::addColumn<QString>("tokens");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<int>("expected");
    QTest::newRow("short range") << "C L*19" << 5 << 12 << 5;
    QTest::newRow("no trace") << "L*20" << 0 << 15 << 19;
    QTest::newRow("no trace, end 0") << "L*20" << 0 << 0 << 19;
    QTest::newRow("one material selection") << "C L*30" << 0 << 0 << 0;
    QTest::newRow("negative start, end past the history") << "L*20" << -4 << 500 << 19;
    QTest::newRow("last page visited first") << "C L*10 G1 L*10" << 0 << 0 << 0;
    QTest::newRow("back to an earlier page") << "L*5 C L*5 G1 L*5 G2 L*5 G1 L*5" << 0 << 0 << 11;
}

void TestDrawingHistory::properStart()
{
    QFETCH(QString, tokens);
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(int, expected);
    CourseDetailBean course{QJsonObject()};
    ::append(course, tokens);
    QCOMPARE(course.getProperStartIndex(start, end), expected);
}

void TestDrawingHistory::replaceOutOfRange()
{
    CourseDetailBean course{QJsonObject()};
    ::append(course, "L S");
    TestLogCapture log;
    for (int index : {-2, 2}) {
        std::unique_ptr<TQDrawingAction> kept(line(1));
        course.addDrawingAction(kept.get(), index);
        QVERIFY(TestLogCapture::currentLogFileText().contains(
            QStringLiteral("LiveBroadcast: out of boundary index %1, total is 2").arg(index)));
    }
    QCOMPARE(shape(course), QStringLiteral("LS"));

    // A replace in range deletes the old action; the same object stays.
    course.addDrawingAction(new TQDrawingActionSave, 0);
    course.addDrawingAction(course.drawingActionAt(1), 1);
    QCOMPARE(shape(course), QStringLiteral("SS"));
}

void TestDrawingHistory::shortBulkMessage()
{
    CourseDetailBean course{QJsonObject()};
    ::append(course, "C S M");
    TQLateRequestFetch fetch;
    fetch.uids = {7, 8};
    fetch.end = 2;
    fetch.properStart = 1;
    std::unique_ptr<TQControlBulkMessage> message(course.buildBulkMessage(fetch, true));
    QVERIFY(message);
    const QString expected = "," + text(course.drawingActionAt(0)) + "," + text(course.drawingActionAt(1)) + ","
        + text(course.drawingActionAt(2));
    QCOMPARE(QString::fromStdString(message->mDrawingText), expected);
    QVERIFY(message->isEnd);
    QVERIFY(message->isFastMode);
    QCOMPARE(message->mProperStartIndex, 1);
    QCOMPARE(message->mMaxIndex, 2);
    QCOMPARE(message->mArrayOfUserIds, (std::vector<int>{7, 8}));
    QCOMPARE(fetch.start, 3);
    QVERIFY(!course.buildBulkMessage(fetch, true)); // exhausted

    TQLateRequestFetch backwards;
    backwards.start = 2;
    backwards.end = 1;
    QVERIFY(!course.buildBulkMessage(backwards, true));
    TQLateRequestFetch negative;
    negative.start = -3;
    negative.end = 1;
    QVERIFY(!course.buildBulkMessage(negative, true));
}

void TestDrawingHistory::lateStudentReplay()
{
    // A long class: strokes with their saves and pointer moves, scroll runs,
    // pictures replaced, texts edited, undos and page turns.
    CourseDetailBean course{QJsonObject()};
    ::append(course, "C");
    int stroke = 0;
    while (course.getDrawingActionCount() < 5000) {
        const int n = course.getDrawingActionCount();
        switch (stroke++ % 9) {
        case 0: ::append(course, "L L S"); break;
        case 1: ::append(course, "P P M M S M"); break;
        case 2: ::append(course, QStringLiteral("I%1 I%1").arg(stroke % 4)); break;
        case 3: ::append(course, QStringLiteral("T%1 L S T%1").arg(stroke % 5 + 1)); break;
        case 4: ::append(course, QStringLiteral("S L L R%1").arg(n)); break;
        case 5: ::append(course, QStringLiteral("G%1 L S").arg(stroke % 3)); break;
        case 6: ::append(course, "E L*3 S"); break;
        default: ::append(course, "L S"); break;
        }
        for (int i = n; i < course.getDrawingActionCount(); ++i)
            course.mergeLineActions(i);
    }
    QStringList kept;
    int texts = 0;
    for (int i = 0; i < course.getDrawingActionCount(); ++i) {
        const TQDrawingAction *a = course.drawingActionAt(i);
        if (typeid(*a) == typeid(TQDrawingActionNone))
            continue;
        kept << text(a);
        texts += typeid(*a) == typeid(TQDrawingActionDrawText);
    }
    QVERIFY(kept.size() < course.getDrawingActionCount());
    QVERIFY(texts >= 5); // the board's texts reach the late student

    TQLateRequestFetch fetch;
    fetch.uids = {20001};
    fetch.properStart = course.getProperStartIndex(0, 0);
    fetch.end = course.getDrawingActionCount() - 1;
    TQMessagePackagingService packaging;
    QStringList replayed;
    int chunks = 0;
    bool finished = false;
    while (!finished) {
        std::unique_ptr<TQControlBulkMessage> chunk(course.buildBulkMessage(fetch, true));
        QVERIFY(chunk);
        QVERIFY(++chunks < 1000);
        finished = chunk->isEnd;
        QVERIFY(chunk->mDrawingText.size() < size_t(CourseDetailBean::kBulkTextChars + 2000));
        const std::string envelope = packaging.packMessage({chunk.get()});
        std::unique_ptr<TQActionsFromNet> received(packaging.unpackMessage(envelope, nullptr, 1));
        QVERIFY(received);
        std::vector<TQAction *> actions = received->takeActions();
        QVERIFY(!actions.empty());
        QVERIFY(dynamic_cast<TQControlBulkMessage *>(actions.front()));
        for (size_t i = 1; i < actions.size(); ++i) {
            if (!dynamic_cast<TQDrawingActionNone *>(actions[i]))
                replayed << text(actions[i]);
        }
        for (TQAction *a : actions)
            delete a;
    }
    QVERIFY(chunks > 5);
    QCOMPARE(replayed.size(), kept.size());
    QCOMPARE(replayed, kept);
    QVERIFY(!course.buildBulkMessage(fetch, true));
}

void TestDrawingHistory::clearKeepsNothing()
{
    CourseDetailBean course{QJsonObject()};
    ::append(course, "C L R0 G2 L");
    QVERIFY(course.hasMoreThanFiveDrawingActions() == false);
    course.deleteDrawingActions();
    QCOMPARE(course.getDrawingActionCount(), 0);
    QCOMPARE(course.mPageVisitTraces.size(), 2);
    ::append(course, "G1 L");
    course.clearDrawings();
    QCOMPARE(course.getDrawingActionCount(), 0);
    QVERIFY(course.mRestoreMarks.empty());
    QVERIFY(course.mPageVisitTraces.isEmpty());
    QCOMPARE(course.mCurrentTraceMaterial, -1);
    QCOMPARE(course.mCurrentTracePage, -1);
}

QTEST_GUILESS_MAIN(TestDrawingHistory)
#include "tst_drawinghistory.moc"
