#include "ActionTestSupport.h"

#include "actions/TQActionsFromNet.h"
#include "actions/TQMessagePackagingService.h"
#include "actions/message/TQPrivateMessageAction.h"
#include "actions/message/TQPublicMessageAction.h"
#include "actions/message/TQStudentDurationAction.h"
#include "actions/message/TQStudentJoinAction.h"
#include "modules/live/bean/TQInClassMessage.h"
#include "modules/live/communications/binary/TQBinaryPartition.h"

#include "TestClock.h"
#include "TestLogCapture.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

namespace {

const std::string kMark = "&#12&+-X?";
const std::string kSeparator = "!;<&8&yc$";

TQInClassMessage *message(qint64 index, int from, qint64 seq, const std::string &body)
{
    auto *m = new TQInClassMessage;
    m->mIndexStamp = index;
    m->mFromUserID = from;
    m->mFromSeqNum = seq;
    m->mMessageBody = body;
    return m;
}

// A public record that frees its messages with it, for the tests.
struct OwnedPublic
{
    ~OwnedPublic()
    {
        if (action)
            action->deleteMessages();
    }
    std::unique_ptr<TQPublicMessageAction> action;
};

std::string envelopeOfType(int type, const std::string &payload)
{
    QJsonObject object;
    object.insert("tqMsg", QString::fromStdString(payload));
    object.insert("tqRec", "-1");
    object.insert("tqTm", "5");
    object.insert("tqType", QString::number(type));
    return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

} // namespace

// Chat and duration records, and the envelope types that carry them.
class TestMessageActions : public QObject
{
    Q_OBJECT

private slots:
    void publicMessageText();
    void publicBodies_data();
    void publicBodies();
    void publicPiecesThatAreNoMessage();
    void publicFromText();
    void privateMessage();
    void privateMessageNames();
    void durationAndJoin_data();
    void durationAndJoin();
    void envelopeTypes();
    void partitionEnvelopes_data();
    void partitionEnvelopes();
    void unclaimedMessagesAreFreed();
};

void TestMessageActions::publicMessageText()
{
    OwnedPublic record{std::make_unique<TQPublicMessageAction>()};
    QCOMPARE(textOf(*record.action), QString());
    record.action->mMessages = {message(3, 5, 0, "hi"), message(4, 6, 0, "yo")};
    const QString text = textOf(*record.action);
    QCOMPARE(text, QStringLiteral("3,5,0,&#12&+-X?hi!;<&8&yc$4,6,0,&#12&+-X?yo"));

    TestClock clock(1700000000000);
    OwnedPublic parsed{std::unique_ptr<TQPublicMessageAction>(
        TQPublicMessageAction::publicMessagesFromString(text.toStdString()))};
    QCOMPARE(parsed.action->mMessages.size(), size_t(2));
    const TQInClassMessage *second = parsed.action->mMessages[1];
    QCOMPARE(second->mIndexStamp, 4);
    QCOMPARE(second->mFromUserID, 6);
    QCOMPARE(second->mFromSeqNum, 0);
    QCOMPARE(second->mMessageBody, std::string("yo"));
    QCOMPARE(second->mAlreadyRead, false);
    QCOMPARE(second->mFromUserName, std::string());
    QCOMPARE(second->mReceivingTimeStamp, 1700000000000);
}

// Bodies written and parsed again: what comes back, message by message.
void TestMessageActions::publicBodies_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<QStringList>("back");
    QTest::newRow("commas and brackets") << "a,b],[c" << QStringList{"a,b],[c"};
    QTest::newRow("chinese") << "同学们好，请看黑板" << QStringList{"同学们好，请看黑板"};
    QTest::newRow("base64 text") << "5L2g5aW9LF0=" << QStringList{"5L2g5aW9LF0="};
    QTest::newRow("empty") << "" << QStringList{""};
    QTest::newRow("separator cuts in two") << QString::fromStdString("x" + kSeparator + "y")
                                           << QStringList{"x"};
    QTest::newRow("mark drops the rest") << QString::fromStdString("x" + kMark + "y") << QStringList{"x"};
}

void TestMessageActions::publicBodies()
{
    QFETCH(QString, body);
    QFETCH(QStringList, back);
    OwnedPublic record{std::make_unique<TQPublicMessageAction>()};
    record.action->mMessages = {message(1700000000123LL, 5, 9, body.toStdString())};
    OwnedPublic parsed{std::unique_ptr<TQPublicMessageAction>(
        TQPublicMessageAction::publicMessagesFromString(textOf(*record.action).toStdString()))};
    QStringList bodies;
    for (const TQInClassMessage *m : parsed.action->mMessages)
        bodies << QString::fromStdString(m->mMessageBody);
    QCOMPARE(bodies, back);
    QCOMPARE(parsed.action->mMessages.front()->mIndexStamp, 1700000000123LL);
    QCOMPARE(parsed.action->mMessages.front()->mFromSeqNum, 9);
}

void TestMessageActions::publicPiecesThatAreNoMessage()
{
    const std::string text = "1,2" + kMark + "short header" + kSeparator + "no mark" + kSeparator + "x,y,z" + kMark
        + "words read 0" + kSeparator + "";
    OwnedPublic parsed{std::unique_ptr<TQPublicMessageAction>(TQPublicMessageAction::publicMessagesFromString(text))};
    QCOMPARE(parsed.action->mMessages.size(), size_t(1));
    QCOMPARE(parsed.action->mMessages[0]->mMessageBody, std::string("words read 0"));
    QCOMPARE(parsed.action->mMessages[0]->mFromUserID, 0);
    OwnedPublic empty{std::unique_ptr<TQPublicMessageAction>(TQPublicMessageAction::publicMessagesFromString(""))};
    QVERIFY(empty.action);
    QVERIFY(empty.action->mMessages.empty());
}

void TestMessageActions::publicFromText()
{
    QVERIFY(!TQPublicMessageAction::publicMessageFromText("", 1, "老师"));
    TestClock clock(1234);
    OwnedPublic record{std::unique_ptr<TQPublicMessageAction>(
        TQPublicMessageAction::publicMessageFromText("hello", 100, "老师"))};
    QCOMPARE(record.action->mMessages.size(), size_t(1));
    const TQInClassMessage *m = record.action->mMessages.front();
    QCOMPARE(m->mFromUserName, std::string("老师"));
    QCOMPARE(m->mReceivingTimeStamp, 1234);
    QCOMPARE(m->mIndexStamp, 0);
    QCOMPARE(record.action->receiver, TQAction::GENERAL_AUDIENCE);
}

void TestMessageActions::privateMessage()
{
    TQPrivateMessageAction action;
    QCOMPARE(textOf(action), QString());
    action.mMessage->mMessageBody = "a, b";
    QCOMPARE(textOf(action), QStringLiteral("a, b"));
    QVERIFY(!TQPrivateMessageAction::privateMessageFromString("", 7));
}

void TestMessageActions::privateMessageNames()
{
    TestClock clock(777);
    TestLogCapture capture;
    std::unique_ptr<TQPrivateMessageAction> unknown(TQPrivateMessageAction::privateMessageFromString("hi", 7));
    QVERIFY(unknown);
    QCOMPARE(unknown->mMessage->mMessageBody, std::string("hi"));
    QCOMPARE(unknown->mMessage->mFromUserID, 7);
    QCOMPARE(unknown->mMessage->mFromUserName, std::string());
    QCOMPARE(unknown->mMessage->mReceivingTimeStamp, 777);
    QCOMPARE(unknown->mMessage->mAlreadyRead, false);
    const QString lines = capture.messages().join('\n');
    QVERIFY(lines.contains("[LOG] TQPrivateMessageAction::privateMessageFromString get private message from 7"));
    QVERIFY(lines.contains("[LOG] TQPrivateMessageAction::privateMessageFromString failed to find 7"));

    TQPrivateMessageAction::setDisplayNameLookup([](int userId, std::string *name) {
        if (userId != 8)
            return false;
        *name = "小明";
        return true;
    });
    capture.clear();
    std::unique_ptr<TQPrivateMessageAction> known(TQPrivateMessageAction::privateMessageFromString("hi", 8));
    QCOMPARE(known->mMessage->mFromUserName, std::string("小明"));
    QVERIFY(!capture.messages().join('\n').contains("failed to find"));
    std::unique_ptr<TQPrivateMessageAction> other(TQPrivateMessageAction::privateMessageFromString("hi", 9));
    QCOMPARE(other->mMessage->mFromUserName, std::string());
    TQPrivateMessageAction::setDisplayNameLookup(nullptr);
}

void TestMessageActions::durationAndJoin_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("parsed");
    QTest::addColumn<QString>("student");
    QTest::addColumn<int>("duration");
    QTest::addColumn<QString>("key");
    QTest::newRow("whole payload") << "[-1,162,abc,120]" << true << "abc" << 120 << "abc_120";
    QTest::newRow("three elements") << "[-1,162,abc]" << false << "" << 0 << "";
    QTest::newRow("five elements") << "[-1,162,abc,1,2]" << false << "" << 0 << "";
    QTest::newRow("word duration") << "[-1,162,abc,x]" << true << "abc" << 0 << "abc_0";
    QTest::newRow("empty duration") << "-1,162,abc," << true << "abc" << 0 << "abc_0";
}

void TestMessageActions::durationAndJoin()
{
    QFETCH(QString, text);
    QFETCH(bool, parsed);
    QFETCH(QString, student);
    QFETCH(int, duration);
    QFETCH(QString, key);
    std::unique_ptr<TQStudentDurationAction> action(TQStudentDurationAction::durationFromString(text.toStdString()));
    QCOMPARE(bool(action), parsed);
    if (!action)
        return;
    QCOMPARE(QString::fromStdString(action->studentID), student);
    QCOMPARE(action->duration, duration);
    QCOMPARE(QString::fromStdString(action->durationKey), key);

    TQStudentDurationAction written;
    written.studentID = "abc";
    written.duration = 120;
    QCOMPARE(textOf(written), QStringLiteral("[-1,162,abc,120]"));
    TQStudentJoinAction join;
    join.studentID = "abc";
    QCOMPARE(textOf(join), QStringLiteral("[-1,163,abc]"));
}

// Types 2, 5 and 7 go to their own parsers with the whole payload, packed by
// the same service.
void TestMessageActions::envelopeTypes()
{
    TQMessagePackagingService service;
    TQPrivateMessageAction outgoing;
    outgoing.receiver = 31;
    outgoing.mMessage->mMessageBody = "私聊, [1,9,0] \"quoted\"";
    const std::string privateEnvelope = service.packMessage({&outgoing});
    std::unique_ptr<TQActionsFromNet> result(service.unpackMessage(privateEnvelope, nullptr, 31));
    QCOMPARE(result->type, 2);
    QCOMPARE(result->mReceiptID, 31);
    QCOMPARE(result->mActionArray.size(), size_t(1));
    auto *incoming = dynamic_cast<TQPrivateMessageAction *>(result->mActionArray.front());
    QVERIFY(incoming);
    QCOMPARE(incoming->mMessage->mMessageBody, outgoing.mMessage->mMessageBody);
    QCOMPARE(incoming->mMessage->mFromUserID, 31);

    OwnedPublic chat{std::unique_ptr<TQPublicMessageAction>(
        TQPublicMessageAction::publicMessageFromText("大家好, [ok]", 100, "老师"))};
    result.reset(service.unpackMessage(service.packMessage({chat.action.get()}), nullptr, 100));
    QCOMPARE(result->type, 5);
    auto *publicIncoming = dynamic_cast<TQPublicMessageAction *>(result->mActionArray.front());
    QVERIFY(publicIncoming);
    QCOMPARE(publicIncoming->mMessages.front()->mMessageBody, std::string("大家好, [ok]"));

    TQStudentDurationAction duration;
    duration.studentID = "55";
    duration.duration = 600;
    result.reset(service.unpackMessage(service.packMessage({&duration}), nullptr, 55));
    QCOMPARE(result->type, 7);
    QCOMPARE(dynamic_cast<TQStudentDurationAction *>(result->mActionArray.front())->durationKey,
             std::string("55_600"));

    // A payload its parser refuses still gives a result, without actions.
    result.reset(service.unpackMessage(envelopeOfType(2, ""), nullptr, 1));
    QVERIFY(result && result->mActionArray.empty());
    result.reset(service.unpackMessage(envelopeOfType(7, "[-1,162,abc]"), nullptr, 1));
    QVERIFY(result && result->mActionArray.empty());
}

// Type 6: the partition with the raw bytes and the sender, or a refusal.
void TestMessageActions::partitionEnvelopes_data()
{
    QTest::addColumn<QString>("json");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("numbers as text") << R"({"serverURL":"u/1","partitionBody":"","partitionMD":"ab12",)"
                                        R"("partitionIndex":"1","partitionTotal":"3","partitionFormat":"1",)"
                                        R"("receiptID":"-1","useageType":"0"})"
                                     << true;
    QTest::newRow("numbers as numbers") << R"({"serverURL":"u/1","partitionIndex":0,"partitionTotal":1})" << true;
    QTest::newRow("index equals total") << R"({"serverURL":"u","partitionIndex":"3","partitionTotal":"3"})" << false;
    QTest::newRow("negative index") << R"({"serverURL":"u","partitionIndex":-1,"partitionTotal":3})" << false;
    QTest::newRow("no total") << R"({"serverURL":"u","partitionIndex":0})" << false;
    QTest::newRow("huge total") << R"({"serverURL":"u","partitionIndex":0,"partitionTotal":"2000000000"})" << false;
    QTest::newRow("bad body") << R"({"serverURL":"u","partitionIndex":0,"partitionTotal":1,"partitionBody":"*/"})"
                              << false;
    QTest::newRow("good body") << R"({"serverURL":"u","partitionIndex":0,"partitionTotal":1,"partitionBody":"QW5u"})"
                               << true;
    QTest::newRow("not JSON") << "not json" << false;
}

void TestMessageActions::partitionEnvelopes()
{
    QFETCH(QString, json);
    QFETCH(bool, accepted);
    TestLogCapture capture;
    TQMessagePackagingService service;
    QByteArray raw("raw slice bytes");
    const std::string envelope = service.packPartitionMessage(json.toStdString(), -1);
    std::unique_ptr<TQActionsFromNet> result(service.unpackMessage(envelope, &raw, 42));
    QCOMPARE(bool(result), accepted);
    if (!accepted) {
        QVERIFY(capture.messages().join('\n').contains("partition is not valid."));
        QVERIFY(capture.messages().join('\n').contains("TQBinaryPartition::fromJson refused partition of"));
        return;
    }
    QCOMPARE(result->type, 6);
    QVERIFY(result->mActionArray.empty());
    QVERIFY(result->partition);
    QCOMPARE(result->partition->raw, raw);
    QCOMPARE(result->partition->fromId, std::string("42"));
    QCOMPARE(result->partition->serverURL.front(), 'u');
    std::unique_ptr<TQBinaryPartition> taken(result->takePartition());
    QVERIFY(!result->partition);

    // Without raw bytes (the media data stream) the partition has none.
    result.reset(service.unpackMessage(envelope, nullptr, 42));
    QVERIFY(result->partition->raw.isEmpty());
}

// Messages of a received public record that nobody took go with the result
// (the sanitizer build of the fuzz target would report a leak otherwise).
void TestMessageActions::unclaimedMessagesAreFreed()
{
    TQMessagePackagingService service;
    const std::string text = "1,2,3" + kMark + "a" + kSeparator + "4,5,6" + kMark + "b";
    std::unique_ptr<TQActionsFromNet> result(service.unpackMessage(envelopeOfType(5, text), nullptr, 1));
    QCOMPARE(static_cast<TQPublicMessageAction *>(result->mActionArray.front())->mMessages.size(), size_t(2));
    std::vector<TQAction *> kept = result->takeActions();
    result.reset();
    auto *publicMessages = static_cast<TQPublicMessageAction *>(kept.front());
    QCOMPARE(publicMessages->mMessages.size(), size_t(2));
    publicMessages->deleteMessages();
    delete publicMessages;
}

QTEST_GUILESS_MAIN(TestMessageActions)
#include "tst_messageactions.moc"
