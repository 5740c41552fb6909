#include "ActionTestSupport.h"

#include "actions/TQActionParsers.h"
#include "actions/TQActionsFromNet.h"
#include "actions/TQMessagePackagingService.h"
#include "actions/control/TQControlAnswerMachineAnswer.h"
#include "actions/control/TQControlBulkMessage.h"
#include "actions/control/TQControlClearAll.h"
#include "actions/control/TQControlDisableWriting.h"
#include "actions/control/TQControlEnableWriting.h"
#include "actions/control/TQControlEndOnsiteWork.h"
#include "actions/control/TQControlGradeOnsiteHomework.h"
#include "actions/control/TQControlMuteAll.h"
#include "actions/control/TQControlMuteVideo.h"
#include "actions/control/TQControlRaiseHand.h"
#include "actions/control/TQControlRandomSelectComplete.h"
#include "actions/control/TQControlRandomSelectExit.h"
#include "actions/control/TQControlRandomSelectIDsAndRolls.h"
#include "actions/control/TQControlRandomSelectPick.h"
#include "actions/control/TQControlRandomSelectSetUp.h"
#include "actions/control/TQControlRedoOnsiteHomework.h"
#include "actions/control/TQControlReloadHomeworkImage.h"
#include "actions/control/TQControlRequestBulkData.h"
#include "actions/control/TQControlSendMedal.h"
#include "actions/control/TQControlSilence.h"
#include "actions/control/TQControlStartOnsiteWork.h"
#include "actions/control/TQControlStudentEnterBackground.h"
#include "actions/control/TQControlStudentEnterForeground.h"
#include "actions/control/TQControlStudentJoinClass.h"
#include "actions/control/TQControlStudentLeaveClass.h"
#include "actions/control/TQControlStudentOffStage.h"
#include "actions/control/TQControlStudentOnStage.h"
#include "actions/control/TQControlStudentPermissionInfo.h"
#include "actions/control/TQControlTeacherOffStage.h"
#include "actions/control/TQControlTeacherOnStage.h"
#include "actions/control/TQControlTeacherVideoScreenMode.h"
#include "actions/control/TQControlUnMuteAll.h"
#include "actions/control/TQControlUnSilence.h"
#include "actions/control/TQControlUnmuteVideo.h"

#include "TestLogCapture.h"

#include <QtTest>

#include <typeinfo>

namespace {

template <class A>
ActionPtr targeted(int target)
{
    return make<A>([target](A &a) { a.targetUserId = target; });
}

std::string className(const TQAction *action)
{
    return action ? typeid(*action).name() : "null";
}

template <class A>
std::string nameOf()
{
    return typeid(A).name();
}

ActionPtr bulkChunk(bool fast, std::vector<int> users, const std::string &text, bool end)
{
    return make<TQControlBulkMessage>([=](TQControlBulkMessage &a) {
        a.isFastMode = fast;
        a.mProperStartIndex = 40;
        a.mMaxIndex = 99;
        a.mArrayOfUserIds = users;
        a.mDrawingText = text;
        a.isEnd = end;
    });
}


} // namespace

// Classroom commands and notices, and the board-history records.
class TestControlActions : public QObject
{
    Q_OBJECT

private slots:
    void writes_data();
    void writes();
    void roundTrips_data();
    void roundTrips();
    void parses_data();
    void parses();
    void backgroundStateIsOptional();
    void listFields();
    void bulkMessageNamesItsStudents();
    void factoryCoversEveryCode();
};

// Records and their exact texts; roundTrips is false where a field is not
// read back (or, for 131 and 158, the code has no parser).
std::vector<Golden> goldens()
{
    std::vector<Golden> rows;
    const auto add = [&rows](const char *name, ActionPtr action, const char *text, bool roundTrips) {
        rows.push_back({name, std::move(action), text, roundTrips});
    };
    add("101 silence", targeted<TQControlSilence>(5), "[-1,101,5]", true);
    add("102 unsilence", targeted<TQControlUnSilence>(5), "[-1,102,5]", true);
    add("103 mute video", targeted<TQControlMuteVideo>(5), "[-1,103,5]", true);
    add("104 unmute video", targeted<TQControlUnmuteVideo>(5), "[-1,104,5]", true);
    add("105 enable writing", targeted<TQControlEnableWriting>(5), "[-1,105,5]", true);
    add("106 disable writing", make<TQControlDisableWriting>([](TQControlDisableWriting &a) {
        a.targetUserId = 5;
        a.mReason = 2;
    }), "[-1,106,5,2]", true);
    add("107 request", make<TQControlRequestBulkData>([](TQControlRequestBulkData &a) {
        a.mRequestStart = 5;
        a.targetUserId = 9;
    }), "[-1,107,5,0]", true);
    add("110 raise hand", targeted<TQControlRaiseHand>(7), "[-1,110,7]", true);
    add("111 on stage", targeted<TQControlStudentOnStage>(7), "[-1,111,7]", true);
    add("112 onsite work starts", make<TQControlStartOnsiteWork>([](TQControlStartOnsiteWork &a) {
        a.mMaterialID = 3;
        a.mOnsiteParam = 100;
        a.mHomeworkID = 123456;
        a.targetUserId = 9;
    }), "[-1,112,3,0,100,123456]", true);
    add("113 onsite work ends", make<TQControlEndOnsiteWork>([](TQControlEndOnsiteWork &a) {
        a.mMaterialID = 3;
        a.mPageIndex = 2;
        a.mHomeworkID = 123456;
    }), "[-1,113,3,2,123456]", true);
    add("116 answers", make<TQControlAnswerMachineAnswer>([](TQControlAnswerMachineAnswer &a) {
        a.mAnswers = {"65", "67"};
    }), "[-1,116,65_67]", true);
    add("116 no answers", makeRecord<TQControlAnswerMachineAnswer>(), "[-1,116,]", false);
    add("117 medal", targeted<TQControlSendMedal>(5), "[-1,117,5,1]", true);
    add("119 clear all", targeted<TQControlClearAll>(5), "[-1,119,0]", false);
    add("121 off stage", targeted<TQControlStudentOffStage>(5), "[-1,121,5]", true);
    add("122 random set up", makeRecord<TQControlRandomSelectSetUp>(), "[-1,122,]", true);
    add("123 candidates", make<TQControlRandomSelectIDsAndRolls>([](TQControlRandomSelectIDsAndRolls &a) {
        a.mCandidateIDs = {"11", "12", "13"};
    }), "[-1,123,11,12,13]", true);
    add("123 no candidates", makeRecord<TQControlRandomSelectIDsAndRolls>(), "[-1,123,]", false);
    add("124 pick", make<TQControlRandomSelectPick>([](TQControlRandomSelectPick &a) { a.mText = "42"; }), "[-1,124,42]", true);
    add("125 exit", makeRecord<TQControlRandomSelectExit>(), "[-1,125,]", true);
    add("127 joined", targeted<TQControlStudentJoinClass>(5), "[0,127,0]", false);
    add("128 left", targeted<TQControlStudentLeaveClass>(5), "[0,128,0]", false);
    add("131 complete", make<TQControlRandomSelectComplete>([](TQControlRandomSelectComplete &a) {
        a.mText = "7";
    }), "[-1,131,7]", false);
    add("147 mute all", makeRecord<TQControlMuteAll>(), "[-1,147,0]", true);
    add("148 unmute all", targeted<TQControlUnMuteAll>(-1), "[-1,148,0]", false);
    add("149 redo", make<TQControlRedoOnsiteHomework>([](TQControlRedoOnsiteHomework &a) {
        a.targetUserId = 5;
        a.mHomeworkID = 77;
    }), "[-1,149,5,77]", true);
    add("150 grade", make<TQControlGradeOnsiteHomework>([](TQControlGradeOnsiteHomework &a) {
        a.targetUserId = 5;
        a.mGrade = 90;
        a.mHomeworkID = 77;
    }), "[-1,150,5,90,77]", true);
    add("151 reload image", make<TQControlReloadHomeworkImage>([](TQControlReloadHomeworkImage &a) {
        a.targetUserId = 5;
        a.mImageUrl = "http://x/p.png";
        a.mHomeworkID = 77;
    }), "[-1,151,5,http://x/p.png,77]", true);
    add("152 background", make<TQControlStudentEnterBackground>([](TQControlStudentEnterBackground &a) {
        a.targetUserId = 9;
        a.mBackgroundState = 3;
    }), "[0,152,0,0]", false);
    add("153 foreground", targeted<TQControlStudentEnterForeground>(7), "[0,153,0]", false);
    add("154 teacher on stage", targeted<TQControlTeacherOnStage>(100), "[-1,154,100]", true);
    add("155 teacher off stage", targeted<TQControlTeacherOffStage>(100), "[-1,155,100]", true);
    const auto permission = [](int target, const char *url) {
        return make<TQControlStudentPermissionInfo>([=](TQControlStudentPermissionInfo &a) {
            a.targetUserId = target;
            a.mHeadImageUrl = url;
        });
    };
    add("156 no head image", permission(-1, ""), "[-1,156,-1,default]", false);
    add("156 one character", permission(-1, "x"), "[-1,156,-1,default]", false);
    add("156 one wide character", permission(5, "头"), "[-1,156,5,default]", false);
    add("156 head image", permission(5, "http://x/h.png"), "[-1,156,5,http://x/h.png]", true);
    add("158 screen mode writes 161", makeRecord<TQControlTeacherVideoScreenMode>(2), "[-1,161,2]", false);
    add("108 fast chunk, last", bulkChunk(true, {12, 34}, ",[a],[b]", true),
        "[-1,108,0,40,0,0,99,0],[12,34],[a],[b],[end]", false);
    add("108 slow chunk", bulkChunk(false, {7}, ",[c]", false), "[-1,108,1,0,0,0,0,0],[7],[c]", false);
    return rows;
}

void TestControlActions::writes_data()
{
    addGoldenTextRows(goldens());
}

void TestControlActions::writes()
{
    QFETCH(ActionPtr, action);
    QFETCH(QString, text);
    QCOMPARE(textOf(action), text);
    QCOMPARE(action->receiver, TQAction::GENERAL_AUDIENCE);
    QCOMPARE(action->kind(), 3);
}

void TestControlActions::roundTrips_data()
{
    addRoundTripRows(goldens());
}

// parse(write(x)) is x again: same class, same text, receiver -1. The target
// is compared too where the text carries it.
void TestControlActions::roundTrips()
{
    QFETCH(ActionPtr, action);
    const QString text = textOf(action);
    TQMessagePackagingService service;
    std::unique_ptr<TQAction> parsed(service.constructionActionFromStr(withoutBrackets(text), 1));
    QCOMPARE(className(parsed.get()), className(action.get()));
    QCOMPARE(textOf(*parsed), text);
    QCOMPARE(parsed->receiver, TQAction::GENERAL_AUDIENCE);
    const bool writesTarget = !dynamic_cast<TQControlStartOnsiteWork *>(action.get())
        && !dynamic_cast<TQControlRequestBulkData *>(action.get());
    if (writesTarget)
        QCOMPARE(static_cast<TQControlAction *>(parsed.get())->targetUserId,
                 static_cast<TQControlAction *>(action.get())->targetUserId);
}

// Received texts: the class and text of the record they give, or a refusal,
// and the log line expected on the way.
void TestControlActions::parses_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("klass");
    QTest::addColumn<QString>("record");
    QTest::addColumn<int>("target");
    QTest::addColumn<QString>("log");
    const QString none;
    const auto row = [](const char *name, const char *text, const std::string &klass, const char *record, int target,
                        const QString &log = QString()) {
        QTest::newRow(name) << QString::fromUtf8(text) << QString::fromStdString(klass) << QString::fromUtf8(record)
                            << target << log;
    };
    const auto refused = [&row](const char *name, const char *text, const QString &log = QString()) {
        row(name, text, "null", "", 0, log);
    };
    row("101", "-1,101,5", nameOf<TQControlSilence>(), "[-1,101,5]", 5);
    refused("101 short", "-1,101");
    refused("101 word target", "-1,101,abc");
    row("102", "-1,102,5", nameOf<TQControlUnSilence>(), "[-1,102,5]", 5);
    row("103", "-1,103,5", nameOf<TQControlMuteVideo>(), "[-1,103,5]", 5);
    row("104", "-1,104,5", nameOf<TQControlUnmuteVideo>(), "[-1,104,5]", 5);
    row("105", "-1,105,5", nameOf<TQControlEnableWriting>(), "[-1,105,5]", 5);
    row("106", "-1,106,5,8", nameOf<TQControlDisableWriting>(), "[-1,106,5,8]", 5);
    refused("106 short", "-1,106,5");
    row("107 both 0", "-1,107,0,0", nameOf<TQControlRequestBulkData>(), "[-1,107,0,0]", 0);
    refused("107 short", "-1,107,5");
    refused("107 word", "-1,107,5,x");
    row("107 word element 0", "x,107,5,6", nameOf<TQControlRequestBulkData>(), "[-1,107,5,6]", 0);
    row("108 fast header", "-1,108,0,40,0,0,99,0", nameOf<TQControlBulkMessage>(), "[-1,108,0,40,0,0,99,0],[]", 0,
        "LiveBroadcast:userID missing in TQControlBulkMessage,mArrayOfUserIds count == 0");
    row("108 slow header", "-1,108,1,40,0,0,99,0", nameOf<TQControlBulkMessage>(), "[-1,108,1,0,0,0,0,0],[]", 0);
    refused("108 seven elements", "-1,108,0,40,0,0,99");
    refused("108 word", "-1,108,0,40,0,x,99,0");
    row("110 word element 0", "x,110,7", nameOf<TQControlRaiseHand>(), "[-1,110,7]", 7);
    refused("110 word target", "-1,110,x,7");
    row("111", "-1,111,5", nameOf<TQControlStudentOnStage>(), "[-1,111,5]", 5,
        "[LOG] TQControlStudentOnStage::studentOnStageFromString get onstage command -1,111,5");
    row("112", "-1,112,3,0,100,123456", nameOf<TQControlStartOnsiteWork>(), "[-1,112,3,0,100,123456]", 0);
    refused("112 short", "-1,112,3,0,100");
    row("113", "-1,113,3,0,77", nameOf<TQControlEndOnsiteWork>(), "[-1,113,3,0,77]", 0);
    row("116", "-1,116,65_67", nameOf<TQControlAnswerMachineAnswer>(), "[-1,116,65_67]", 0);
    row("116 empty answer", "-1,116,", nameOf<TQControlAnswerMachineAnswer>(), "[-1,116,]", 0);
    row("116 element 3 ignored", "-1,116,65,67", nameOf<TQControlAnswerMachineAnswer>(), "[-1,116,65]", 0);
    row("116 nothing checked", "x,116,65_", nameOf<TQControlAnswerMachineAnswer>(), "[-1,116,65_]", 0);
    refused("116 short", "-1,116");
    row("117", "-1,117,5,1", nameOf<TQControlSendMedal>(), "[-1,117,5,1]", 5);
    refused("117 short", "-1,117,5");
    row("119", "-1,119,0", nameOf<TQControlClearAll>(), "[-1,119,0]", 0);
    row("121", "-1,121,5", nameOf<TQControlStudentOffStage>(), "[-1,121,5]", 5);
    row("122", "-1,122,", nameOf<TQControlRandomSelectSetUp>(), "[-1,122,]", 0);
    row("123", "-1,123,11,12,13", nameOf<TQControlRandomSelectIDsAndRolls>(), "[-1,123,11,12,13]", 0);
    refused("123 word code", "-1,12x,11");
    row("124", "-1,124,42", nameOf<TQControlRandomSelectPick>(), "[-1,124,42]", 0);
    row("124 comma cuts the text", "-1,124,a,b", nameOf<TQControlRandomSelectPick>(), "[-1,124,a]", 0);
    row("125", "-1,125,", nameOf<TQControlRandomSelectExit>(), "[-1,125,]", 0);
    row("127", "0,127,0", nameOf<TQControlStudentJoinClass>(), "[0,127,0]", 0);
    row("127 target not read", "0,127,9", nameOf<TQControlStudentJoinClass>(), "[0,127,0]", 0);
    refused("127 word", "0,127,a", "joinClassFromString: 2 of 0,127,a is non numeric");
    refused("128 word", "0,128,a", "leaveClassFromString: 2 of 0,128,a is non numeric");
    row("128", "0,128,3", nameOf<TQControlStudentLeaveClass>(), "[0,128,0]", 0);
    refused("131 not parsed", "-1,131,x", "message type 131 from 1 not parsed -1,131,x");
    row("147", "-1,147,0", nameOf<TQControlMuteAll>(), "[-1,147,0]", 0);
    refused("147 word", "-1,147,x", "muteAllFromString: 2 of -1,147,x is non numeric");
    row("148", "-1,148,0", nameOf<TQControlUnMuteAll>(), "[-1,148,0]", 0);
    refused("148 word", "-1,148,x", "muteAllFromString: 2 of -1,148,x is non numeric");
    row("149", "-1,149,5,77", nameOf<TQControlRedoOnsiteHomework>(), "[-1,149,5,77]", 5);
    refused("150 short", "-1,150,5,90");
    row("150", "-1,150,5,90,77", nameOf<TQControlGradeOnsiteHomework>(), "[-1,150,5,90,77]", 5);
    row("150 unchecked homework", "-1,150,5,90,x", nameOf<TQControlGradeOnsiteHomework>(), "[-1,150,5,90,0]", 5);
    row("151", "-1,151,5,pic.png,77", nameOf<TQControlReloadHomeworkImage>(), "[-1,151,5,pic.png,77]", 5);
    refused("151 word homework", "-1,151,5,u,x");
    refused("151 word target", "-1,151,x,u,7");
    row("152", "0,152,7", nameOf<TQControlStudentEnterBackground>(), "[0,152,0,0]", 7);
    refused("152 word", "0,152,x", "LiveBroadcast: 2 of 0,152,x is non numeric");
    row("153", "0,153,7", nameOf<TQControlStudentEnterForeground>(), "[0,153,0]", 7);
    refused("153 word", "0,153,x",
            "TQControlStudentEnterForeground:enterForegroundFromString 2 of 0,153,x is non numeric");
    row("154", "-1,154,5", nameOf<TQControlTeacherOnStage>(), "[-1,154,5]", 5);
    row("155", "-1,155,5", nameOf<TQControlTeacherOffStage>(), "[-1,155,5]", 5);
    refused("156 short", "-1,156,5",
            "[LOG] TQControlStudentPermissionInfo::studentPermissionInfoFromString student permission -1,156,5");
    row("156", "-1,156,5,default", nameOf<TQControlStudentPermissionInfo>(), "[-1,156,5,default]", 5);
    refused("156 word element 0", "x,156,5,u", "studentPermissionInfoFromString: 0 of x,156,5,u is non numeric");
    row("158", "-1,158,2", nameOf<TQControlTeacherVideoScreenMode>(), "[-1,161,2]", 0);
    refused("158 word", "-1,158,x");
}

void TestControlActions::parses()
{
    QFETCH(QString, text);
    QFETCH(QString, klass);
    QFETCH(QString, record);
    QFETCH(int, target);
    QFETCH(QString, log);
    TestLogCapture capture;
    TQMessagePackagingService service;
    std::unique_ptr<TQAction> parsed(service.constructionActionFromStr(text.toStdString(), 1));
    QCOMPARE(QString::fromStdString(className(parsed.get())), klass);
    if (parsed) {
        QCOMPARE(textOf(*parsed), record);
        QCOMPARE(static_cast<TQControlAction *>(parsed.get())->targetUserId, target);
        QCOMPARE(parsed->receiver, TQAction::GENERAL_AUDIENCE);
    }
    const QString lines = capture.messages().join('\n');
    if (log.isEmpty())
        QVERIFY2(!lines.contains("non numeric") && !lines.contains("not parsed"), qPrintable(lines));
    else
        QVERIFY2(lines.contains(log), qPrintable(lines));
}

void TestControlActions::backgroundStateIsOptional()
{
    std::unique_ptr<TQControlStudentEnterBackground> plain(TQControlStudentEnterBackground::enterBackgroundFromString("0,152,7"));
    QCOMPARE(plain->mBackgroundState, 0);
    std::unique_ptr<TQControlStudentEnterBackground> state(
        TQControlStudentEnterBackground::enterBackgroundFromString("0,152,7,3"));
    QCOMPARE(state->targetUserId, 7);
    QCOMPARE(state->mBackgroundState, 3);
    std::unique_ptr<TQControlTeacherVideoScreenMode> mode(
        TQControlTeacherVideoScreenMode::teacherVideoScreenModeFromString("-1,158,2"));
    QCOMPARE(mode->type, 161);
    QCOMPARE(mode->mScreenMode, 2);
}

void TestControlActions::listFields()
{
    std::unique_ptr<TQControlAnswerMachineAnswer> answers(
        TQControlAnswerMachineAnswer::answerMachineAnswerFromString("-1,116,65__70"));
    QCOMPARE(answers->mAnswers, (std::vector<std::string>{"65", "", "70"}));
    answers.reset(TQControlAnswerMachineAnswer::answerMachineAnswerFromString("-1,116,"));
    QCOMPARE(answers->mAnswers, std::vector<std::string>{""});
    std::unique_ptr<TQControlRandomSelectIDsAndRolls> roll(
        TQControlRandomSelectIDsAndRolls::randomSelectIDsAndRollsFromString("-1,123,11,,13"));
    QCOMPARE(roll->mCandidateIDs, (std::vector<std::string>{"11", "", "13"}));
    std::unique_ptr<TQControlRequestBulkData> request(TQControlRequestBulkData::requestBulkDataFromString("-1,107,0,0"));
    QCOMPARE(request->mRequestStart, 0);
    QCOMPARE(request->mRequestEnd, 0);
    std::unique_ptr<TQControlBulkMessage> header(TQControlBulkMessage::bulkMessageFromString("-1,108,0,40,0,0,99,0"));
    QVERIFY(header->isFastMode);
    QCOMPARE(header->mProperStartIndex, 40);
    QCOMPARE(header->mMaxIndex, 99);
    QVERIFY(!header->isEnd);
    header.reset(TQControlBulkMessage::bulkMessageFromString("-1,108,1,40,0,0,99,0"));
    QVERIFY(!header->isFastMode);
    QCOMPARE(header->mProperStartIndex, 0);
    QCOMPARE(header->mMaxIndex, 0);
}

// A chunk travels as type 0 and comes apart into its header and the history
// records; the user list and the end mark are no records.
void TestControlActions::bulkMessageNamesItsStudents()
{
    TestLogCapture capture;
    const ActionPtr empty = bulkChunk(true, {}, ",[3,9,0]", false);
    QCOMPARE(textOf(empty), QStringLiteral("[-1,108,0,40,0,0,99,0],[],[3,9,0]"));
    QVERIFY(capture.messages().join('\n').contains(
        "LiveBroadcast:userID missing in TQControlBulkMessage,mArrayOfUserIds count == 0"));

    TQMessagePackagingService service;
    const ActionPtr chunk = bulkChunk(true, {12, 34}, ",[3,9,0],[4,9,0]", true);
    const std::string packed = service.packMessage({chunk.get()});
    QVERIFY(packed.find("\"tqType\":\"0\"") != std::string::npos);
    std::unique_ptr<TQActionsFromNet> result(service.unpackMessage(packed, nullptr, 5));
    QVERIFY(result);
    QStringList texts;
    for (const TQAction *action : result->mActionArray)
        texts << textOf(*action);
    QCOMPARE(texts, (QStringList{"[-1,108,0,40,0,0,99,0],[]", "[3,9,0]", "[4,9,0]"}));
}

// The factory knows exactly these codes; every other gives the "not parsed" line.
void TestControlActions::factoryCoversEveryCode()
{
    const QSet<int> parsed{0,   1,   2,   3,   4,   5,   6,   8,   9,   10,  11,  12,  14,  101, 102,
                           103, 104, 105, 106, 107, 108, 109, 110, 111, 112, 113, 116, 117, 119, 121,
                           122, 123, 124, 125, 127, 128, 147, 148, 149, 150, 151, 152, 153, 154, 155,
                           156, 157, 158, 159, 164, 165, 166};
    for (int code = -3; code <= 300; ++code)
        QVERIFY2((actionParserForCode(code) != nullptr) == parsed.contains(code), qPrintable(QString::number(code)));
    for (int code : {7, 13, 114, 118, 129, 131, 162, 163, -1, -7}) {
        TestLogCapture capture;
        TQMessagePackagingService service;
        QVERIFY(!service.constructionActionFromStr(QStringLiteral("-1,%1,0").arg(code).toStdString(), 3));
        QVERIFY(capture.messages().join('\n').contains(
            QStringLiteral("message type %1 from 3 not parsed -1,%1,0").arg(code)));
    }
}

QTEST_GUILESS_MAIN(TestControlActions)
#include "tst_controlactions.moc"
