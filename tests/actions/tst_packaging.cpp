#include "ActionTestSupport.h"

#include "actions/TQActionsFromNet.h"
#include "actions/TQControlAction.h"
#include "actions/TQMessageEnvelope.h"
#include "actions/TQMessagePackagingService.h"
#include "actions/control/TQControlRandomSelectIDsAndRolls.h"
#include "actions/control/TQControlSilence.h"
#include "actions/message/TQPrivateMessageAction.h"
#include "actions/message/TQPublicMessageAction.h"
#include "actions/message/TQStudentDurationAction.h"
#include "actions/status/TQSessionStatus.h"
#include "actions/status/TQStatusActionCameraVideo.h"
#include "actions/drawing/TQDrawingActionDrawText.h"
#include "modules/live/bean/TQInClassMessage.h"
#include "modules/live/communications/binary/TQBinaryPartition.h"
#include "actions/drawing/TQDrawingActionLine.h"
#include "actions/drawing/TQDrawingActionNone.h"

#include "TestClock.h"
#include "TestLogCapture.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

namespace {

QString envelope(const QString &msg, const QString &rec, const QString &tm, const QString &type)
{
    return QStringLiteral("{\"tqMsg\":%1,\"tqRec\":%2,\"tqTm\":%3,\"tqType\":%4}").arg(msg, rec, tm, type);
}

// A valid envelope of exactly `bytes` bytes holding one placeholder record.
std::string envelopeOfSize(int bytes)
{
    const QString empty = envelope("\"[1,9,0],\"", "\"-1\"", "\"5\"", "\"0\"");
    const QString padded = envelope("\"[1,9,0]," + QString(bytes - empty.size(), ' ') + "\"", "\"-1\"", "\"5\"",
                                    "\"0\"");
    return padded.toStdString();
}

QStringList textsOf(const TQActionsFromNet &result)
{
    QStringList texts;
    for (const TQAction *action : result.mActionArray)
        texts << textOf(*action);
    return texts;
}

std::unique_ptr<TQDrawingActionLine> someLine()
{
    auto line = std::make_unique<TQDrawingActionLine>();
    line->strokeId = 3;
    line->points = {TQPointW(1, 2), TQPointW(3, 4)};
    return line;
}

} // namespace

// The envelope, the packaging service and the action factory.
class TestPackaging : public QObject
{
    Q_OBJECT

private slots:
    void unpacks_data();
    void unpacks();
    void packsExactEnvelope();
    void packRoundTrip();
    void packTypeFollowsFirstAction();
    void packSeparators();
    void emptyPackKeepsTimestamp();
    void timestampsIncrease();
    void partitionEnvelope();
    void envelopeCoercions_data();
    void envelopeCoercions();
    void factory_data();
    void factory();
    void resultOwnsActions();
    void everyEnvelopeTypeRoundTrips_data();
    void everyEnvelopeTypeRoundTrips();
};

// Received envelopes: null (with the log line) or the header and the texts of
// the rebuilt records.
void TestPackaging::unpacks_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("receipt");
    QTest::addColumn<qint64>("tm");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("log");

    const QString ok = "\"[1,9,0]\"";
    QTest::newRow("exactly 20480 bytes") << QByteArray::fromStdString(envelopeOfSize(20480)) << false << 0 << -1
                                         << qint64(5) << QStringList{"[1,9,0]"} << "";
    QTest::newRow("20481 bytes") << QByteArray::fromStdString(envelopeOfSize(20481)) << true << 0 << 0 << qint64(0)
                                 << QStringList{}
                                 << "from $fromUserID, message length 20481, message too large";
    QTest::newRow("far too large keeps its line") << QByteArray::fromStdString(envelopeOfSize(100000)) << true << 0 << 0
                                                  << qint64(0) << QStringList{}
                                                  << "message length 100000, message too large";
    QTest::newRow("numbers as JSON numbers and a string type")
        << envelope(ok, "-1", "5", "\"0\"").toUtf8() << false << 0 << -1 << qint64(5) << QStringList{"[1,9,0]"}
        << "";
    QTest::newRow("booleans") << envelope(ok, "true", "false", "true").toUtf8() << false << 1 << 1 << qint64(0)
                              << QStringList{"[1,9,0]"} << "";
    QTest::newRow("nulls") << envelope(ok, "null", "null", "null").toUtf8() << false << 0 << 0 << qint64(0)
                           << QStringList{"[1,9,0]"} << "";
    QTest::newRow("words read as 0") << envelope(ok, "\"x\"", "\"5s\"", "\"3.0\"").toUtf8() << false << 0 << 0
                                     << qint64(0) << QStringList{"[1,9,0]"} << "";
    QTest::newRow("fractions") << envelope(ok, "2.5", "1600000000123.9", "3").toUtf8() << false << 3 << 0
                               << qint64(1600000000123) << QStringList{"[1,9,0]"} << "";
    QTest::newRow("huge time") << envelope(ok, "1", "1e300", "0").toUtf8() << false << 0 << 1 << qint64(0)
                               << QStringList{"[1,9,0]"} << "";
    QTest::newRow("64-bit time text") << envelope(ok, "1", "\"9007199254740993\"", "0").toUtf8() << false << 0 << 1
                                      << qint64(9007199254740993LL) << QStringList{"[1,9,0]"} << "";
    QTest::newRow("message not a string") << envelope("[1]", "1", "1", "0").toUtf8() << false << 0 << 1 << qint64(1)
                                          << QStringList{} << "";
    QTest::newRow("keys only inside tqMsg") << QByteArray("{\"tqMsg\":\"tqType tqRec tqTm\"}") << false << 0 << 0
                                            << qint64(0) << QStringList{} << "";
    QTest::newRow("key missing") << QByteArray("{\"tqMsg\":\"[1,9,0]\",\"tqType\":0,\"tqRec\":1}") << true << 0 << 0
                                 << qint64(0) << QStringList{}
                                 << "does not contain tqMsg, tqType, tqRec, or tqTm";
    QTest::newRow("not JSON") << QByteArray("tqMsg tqType tqRec tqTm [1,9,0]") << false << 0 << 0 << qint64(0)
                              << QStringList{} << "";
    QTest::newRow("JSON array") << QByteArray("[\"tqMsg\",\"tqType\",\"tqRec\",\"tqTm\"]") << false << 0 << 0
                                << qint64(0) << QStringList{} << "";
    QTest::newRow("type 8") << envelope(ok, "1", "1", "\"8\"").toUtf8() << true << 0 << 0 << qint64(0)
                            << QStringList{} << "meta type is not valid.";
    QTest::newRow("type -1") << envelope(ok, "1", "1", "\"-1\"").toUtf8() << true << 0 << 0 << qint64(0)
                             << QStringList{} << "meta type is not valid.";
    QTest::newRow("empty piece between records") << envelope("\"[1,9,0],,[2,9,0]\"", "1", "1", "0").toUtf8() << false
                                                 << 0 << 1 << qint64(1) << QStringList{"[1,9,0]", "[2,9,0]"} << "";
    QTest::newRow("trailing open bracket") << envelope("\"[1,9,0][\"", "1", "1", "0").toUtf8() << false << 0 << 1
                                           << qint64(1) << QStringList{"[1,9,0]"} << "";
    QTest::newRow("bad record skipped") << envelope("\"[1,9,0],[2,4,x,0,0,0],[3,9,0]\"", "1", "1", "0").toUtf8()
                                        << false << 0 << 1 << qint64(1) << QStringList{"[1,9,0]", "[3,9,0]"} << "";
    QTest::newRow("nested brackets") << envelope("\"[[[1,9,0]]]\"", "1", "1", "3").toUtf8() << false << 3 << 1
                                     << qint64(1) << QStringList{"[1,9,0]"} << "";
    // What peers send is read in place; every other form goes through the JSON parser, with the same result.
    const QByteArray compact("{\"tqMsg\":\"[1,9,0]\",\"tqRec\":\"-1\",\"tqTm\":\"5\",\"tqType\":\"3\"}");
    QTest::newRow("compact") << compact << false << 3 << -1 << qint64(5) << QStringList{"[1,9,0]"} << "";
    QTest::newRow("compact, blanks and signs in numbers")
        << QByteArray("{\"tqMsg\":\"[1,9,0]\",\"tqRec\":\" +4 \",\"tqTm\":\"-6\",\"tqType\":\"1\"}") << false << 1 << 4
        << qint64(-6) << QStringList{"[1,9,0]"} << "";
    QTest::newRow("blank after the object") << compact + " \r\n" << false << 3 << -1 << qint64(5)
                                            << QStringList{"[1,9,0]"} << "";
    QTest::newRow("text after the object") << compact + "x" << false << 0 << 0 << qint64(0) << QStringList{} << "";
    QTest::newRow("no closing brace") << compact.left(compact.size() - 1) << false << 0 << 0 << qint64(0)
                                      << QStringList{} << "";
    QTest::newRow("raw control character in the payload")
        << QByteArray("{\"tqMsg\":\"[1,9,0]\t\",\"tqRec\":\"1\",\"tqTm\":\"1\",\"tqType\":\"3\"}") << false << 3 << 1
        << qint64(1) << QStringList{"[1,9,0]"} << "";
    QTest::newRow("raw UTF-8 in the payload")
        << QByteArray("{\"tqMsg\":\"[-1,151,5,\xe5\x9b\xbe.png,77]\",\"tqRec\":\"1\",\"tqTm\":\"1\",\"tqType\":\"3\"}")
        << false << 3 << 1 << qint64(1) << QStringList{QString::fromUtf8("[-1,151,5,\xe5\x9b\xbe.png,77]")} << "";
    QTest::newRow("members in another order")
        << QByteArray("{\"tqRec\":\"1\",\"tqType\":\"3\",\"tqTm\":\"2\",\"tqMsg\":\"[1,9,0]\"}") << false << 3 << 1
        << qint64(2) << QStringList{"[1,9,0]"} << "";
    QTest::newRow("member given twice: the last counts") << compact.left(compact.size() - 1) + ",\"tqType\":\"0\"}" << false
                                        << 0 << -1 << qint64(5) << QStringList{"[1,9,0]"} << "";
    QTest::newRow("escaped text") << envelope("\"[5,14,0,0,0,0,0,0,0,0,0,0,0,,\\\"q\\\\,f\\u00e9,0,0]\"", "1", "1", "0")
                                         .toUtf8()
                                  << false << 0 << 1 << qint64(1)
                                  << QStringList{QString::fromUtf8("[5,14,0,0,0,0,0,0,0,0,0,0,0,,\"q\\,f\xc3\xa9,0,0]")}
                                  << "";
}

void TestPackaging::unpacks()
{
    QFETCH(QByteArray, input);
    QFETCH(bool, refused);
    QFETCH(int, type);
    QFETCH(int, receipt);
    QFETCH(qint64, tm);
    QFETCH(QStringList, texts);
    QFETCH(QString, log);

    TestLogCapture capture;
    TQMessagePackagingService service;
    std::unique_ptr<TQActionsFromNet> result(service.unpackMessage(input.toStdString(), nullptr, 42));
    QCOMPARE(!result, refused);
    if (!log.isEmpty())
        QVERIFY2(capture.messages().join('\n').contains("TQMessagePackagingService::unpackMessage strFromNetwork is ")
                     && capture.messages().join('\n').contains(log),
                 qPrintable(capture.messages().join('\n').left(400)));
    if (refused)
        return;
    QCOMPARE(result->from, 42);
    QCOMPARE(result->type, type);
    QCOMPARE(result->mReceiptID, receipt);
    QCOMPARE(result->tm, tm);
    QCOMPARE(result->isChasingEnd, false);
    QCOMPARE(textsOf(*result), texts);
}

void TestPackaging::packsExactEnvelope()
{
    TestClock clock(1700000000000);
    auto line = someLine();
    line->drawingIndex = 7;
    TQDrawingActionNone none(8);
    TQDrawingActionDrawText text;
    text.fontFamily = "A \"quoted\" \\ family\n";
    text.colour = "红";
    TQMessagePackagingService service;
    const std::string packed = service.packMessage({line.get(), &none, &text});
    QCOMPARE(QString::fromStdString(packed),
             QString::fromUtf8("{\"tqMsg\":\"[7,0,0,0,0,0,0,0,3,1,0,0,0,3,000000FF,0,(1,2,0),(3,4,0)],[8,9,0],"
                               "[0,14,0,0,0,0,0,0,0,0,0,0,0,,红,A \\\"quoted\\\" \\\\ family\\n,0,0]\","
                               "\"tqRec\":\"-1\",\"tqTm\":\"1700000000000\",\"tqType\":\"0\"}"));
    // Qt's reader agrees with our writer.
    const QJsonObject object = QJsonDocument::fromJson(QByteArray::fromStdString(packed)).object();
    QCOMPARE(object.value("tqMsg").toString().toStdString(),
             TQMessageEnvelope::fromJson(object).tqMsg);
    QVERIFY(object.value("tqMsg").toString().endsWith(QString::fromUtf8("红,A \"quoted\" \\ family\n,0,0]")));
}

void TestPackaging::packRoundTrip()
{
    auto line = someLine();
    TQDrawingActionNone none(8);
    TQDrawingActionDrawText text;
    text.text = "引号\"和\\,]";
    text.fontFamily = "Microsoft YaHei";
    TQMessagePackagingService sender;
    const std::string packed = sender.packMessage({line.get(), &none, &text});
    TQMessagePackagingService receiver;
    std::unique_ptr<TQActionsFromNet> result(receiver.unpackMessage(packed, nullptr, 9));
    QVERIFY(result);
    QCOMPARE(textsOf(*result), (QStringList{textOf(*line), textOf(none), textOf(text)}));
    QCOMPARE(static_cast<TQDrawingActionDrawText *>(result->mActionArray[2])->text, text.text);
}

void TestPackaging::packTypeFollowsFirstAction()
{
    TQMessagePackagingService service;
    TQControlAction control(119);
    control.receiver = 77;
    auto line = someLine();
    const QJsonObject controlFirst =
        QJsonDocument::fromJson(QByteArray::fromStdString(service.packMessage({&control, line.get()}))).object();
    QCOMPARE(controlFirst.value("tqType").toString(), QStringLiteral("3"));
    QCOMPARE(controlFirst.value("tqRec").toString(), QStringLiteral("77"));
    const QJsonObject lineFirst =
        QJsonDocument::fromJson(QByteArray::fromStdString(service.packMessage({line.get(), &control}))).object();
    QCOMPARE(lineFirst.value("tqType").toString(), QStringLiteral("0"));
    QCOMPARE(lineFirst.value("tqRec").toString(), QStringLiteral("-1"));
    TQAction bare(500);
    const QJsonObject unknown =
        QJsonDocument::fromJson(QByteArray::fromStdString(service.packMessage({&bare}))).object();
    QCOMPARE(unknown.value("tqType").toString(), QStringLiteral("0"));
}

// No "," while the payload is shorter than two characters: an empty text
// (the bare control base) swallows the separator before the next one.
void TestPackaging::packSeparators()
{
    TQMessagePackagingService service;
    TQControlAction empty(119);
    TQDrawingActionNone none(1);
    const auto payload = [&service](const std::vector<TQAction *> &actions) {
        return QJsonDocument::fromJson(QByteArray::fromStdString(service.packMessage(actions)))
            .object()
            .value("tqMsg")
            .toString();
    };
    QCOMPARE(payload({&empty, &none}), QStringLiteral("[1,9,0]"));
    QCOMPARE(payload({&none, &empty, &none}), QStringLiteral("[1,9,0],,[1,9,0]"));
}

void TestPackaging::emptyPackKeepsTimestamp()
{
    TestClock clock(1000);
    TQMessagePackagingService service;
    QCOMPARE(service.packMessage({}), std::string());
    QCOMPARE(service.nextTimestamp(), 1000);
}

void TestPackaging::timestampsIncrease()
{
    TestClock clock(5000);
    TQMessagePackagingService service;
    TQDrawingActionNone none(1);
    const auto stamp = [&service, &none]() {
        return QJsonDocument::fromJson(QByteArray::fromStdString(service.packMessage({&none})))
            .object()
            .value("tqTm")
            .toString()
            .toLongLong();
    };
    QCOMPARE(stamp(), 5000);
    QCOMPARE(stamp(), 5001);
    clock.set(4000);
    QCOMPARE(stamp(), 5002);
    clock.set(9000);
    QCOMPARE(stamp(), 9000);
}

void TestPackaging::partitionEnvelope()
{
    TestClock clock(77);
    TQMessagePackagingService service;
    QCOMPARE(QString::fromStdString(service.packPartitionMessage("{\"serverURL\":\"u\"}", 12)),
             QStringLiteral("{\"tqMsg\":\"{\\\"serverURL\\\":\\\"u\\\"}\",\"tqRec\":\"12\",\"tqTm\":\"77\",\"tqType\":\"6\"}"));
}

void TestPackaging::envelopeCoercions_data()
{
    QTest::addColumn<QString>("json");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("receiver");
    QTest::addColumn<qint64>("time");
    QTest::newRow("int range") << "{\"tqType\":2147483648,\"tqRec\":-2147483648,\"tqTm\":-5}" << 0 << INT_MIN
                               << qint64(-5);
    QTest::newRow("blanks in text") << "{\"tqType\":\" 3 \",\"tqRec\":\"+4\",\"tqTm\":\" -6\"}" << 3 << 4 << qint64(-6);
    QTest::newRow("objects") << "{\"tqType\":{},\"tqRec\":[1],\"tqTm\":{\"a\":1}}" << 0 << 0 << qint64(0);
    QTest::newRow("64-bit text overflow") << "{\"tqTm\":\"9223372036854775808\"}" << 0 << 0 << qint64(0);
    QTest::newRow("negative huge time") << "{\"tqTm\":-1e19}" << 0 << 0 << qint64(0);
}

void TestPackaging::envelopeCoercions()
{
    QFETCH(QString, json);
    QFETCH(int, type);
    QFETCH(int, receiver);
    QFETCH(qint64, time);
    const TQMessageEnvelope envelope =
        TQMessageEnvelope::fromJson(QJsonDocument::fromJson(json.toUtf8()).object());
    QCOMPARE(envelope.tqType, type);
    QCOMPARE(envelope.tqRec, receiver);
    QCOMPARE(envelope.tqTm, time);
    QCOMPARE(envelope.tqMsg, std::string());
}

// Texts given to the factory: the class's code, or null with or without the
// "not parsed" line.
void TestPackaging::factory_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("logged");
    QTest::newRow("empty") << "" << -1 << false;
    QTest::newRow("one element") << "7" << -1 << false;
    QTest::newRow("word code") << "7,x" << -1 << false;
    QTest::newRow("empty code") << "7," << -1 << false;
    QTest::newRow("page zoom has no parser") << "1,13,0,0,0,0,0,0" << -1 << true;
    QTest::newRow("7") << "1,7,0" << -1 << true;
    QTest::newRow("private message") << "0,118,5" << -1 << true;
    QTest::newRow("public message") << "0,129,5" << -1 << true;
    QTest::newRow("duration") << "-1,162,5,5" << -1 << true;
    QTest::newRow("join") << "-1,163,5" << -1 << true;
    QTest::newRow("negative") << "-1,-5,0" << -1 << true;
    QTest::newRow("code beyond 32 bits") << "-1,4294967296,0" << -1 << false;
    QTest::newRow("placeholder") << "3,9,0" << 9 << false;
    QTest::newRow("code with blanks") << "3, 9 ,0" << 9 << false;
    QTest::newRow("refused by its parser") << "3,9,0,0" << -1 << false;
}

void TestPackaging::factory()
{
    QFETCH(QString, text);
    QFETCH(int, code);
    QFETCH(bool, logged);
    TestLogCapture capture;
    TQMessagePackagingService service;
    std::unique_ptr<TQAction> action(service.constructionActionFromStr(text.toStdString(), 66));
    QCOMPARE(action ? action->type : -1, code);
    if (action)
        QCOMPARE(action->receiver, TQAction::GENERAL_AUDIENCE);
    const QString line = capture.messages().join('\n');
    QCOMPARE(line.contains("TQMessagePackagingService::constructionActionFromStr: message type"), logged);
    if (logged) {
        const QStringList elements = text.split(',');
        QVERIFY2(line.contains(QStringLiteral("message type %1 from 66 not parsed %2").arg(elements[1], text)),
                 qPrintable(line));
    }
}

void TestPackaging::resultOwnsActions()
{
    TQMessagePackagingService service;
    const std::string packed = envelope("\"[1,9,0],[2,9,0]\"", "1", "1", "0").toStdString();
    std::unique_ptr<TQActionsFromNet> result(service.unpackMessage(packed, nullptr, 1));
    QVERIFY(result);
    std::vector<TQAction *> taken = result->takeActions();
    QCOMPARE(taken.size(), size_t(2));
    QVERIFY(result->mActionArray.empty());
    for (TQAction *action : taken)
        delete action;
}

using ActionList = std::vector<ActionPtr>;
Q_DECLARE_METATYPE(ActionList)

// Envelopes of every type, packed, unpacked and packed again at the same
// instant, are byte for byte the same. (A board-history chunk is not: its
// student list is read by nobody, tst_controlactions shows how it comes apart.)
void TestPackaging::everyEnvelopeTypeRoundTrips_data()
{
    QTest::addColumn<ActionList>("actions");
    QTest::addColumn<int>("type");
    auto line = std::shared_ptr<TQDrawingActionLine>(someLine());
    auto text = std::make_shared<TQDrawingActionDrawText>();
    text->text = "黑板, [1]";
    QTest::newRow("0 drawing") << ActionList{line, std::make_shared<TQDrawingActionNone>(3), text} << 0;
    auto snapshot = std::make_shared<TQSessionStatus>();
    snapshot->userStatuses.push_back(
        new TQSessionStatus::TQUserStatus(7, true, false, true, false, 2, true, false, true, false, "小红"));
    QTest::newRow("1 status") << ActionList{snapshot, std::make_shared<TQStatusActionCameraVideo>()} << 1;
    auto privateMessage = std::make_shared<TQPrivateMessageAction>();
    privateMessage->receiver = 31;
    privateMessage->mMessage->mMessageBody = "第3题, \"再想想\" [ok]";
    QTest::newRow("2 private") << ActionList{privateMessage} << 2;
    auto silence = std::make_shared<TQControlSilence>();
    silence->targetUserId = 5;
    silence->receiver = 5;
    auto roll = std::make_shared<TQControlRandomSelectIDsAndRolls>();
    roll->mCandidateIDs = {"11", "12"};
    QTest::newRow("3 control") << ActionList{silence, roll} << 3;
    std::shared_ptr<TQPublicMessageAction> chat(TQPublicMessageAction::publicMessageFromText("同学们好, [ok]", 100, "老师"));
    chat->mMessages.push_back(new TQInClassMessage);
    chat->mMessages.back()->mMessageBody = "second";
    QTest::newRow("5 public") << ActionList{chat} << 5;
    auto duration = std::make_shared<TQStudentDurationAction>();
    duration->studentID = "55";
    duration->duration = 600;
    QTest::newRow("7 duration") << ActionList{duration} << 7;
}

void TestPackaging::everyEnvelopeTypeRoundTrips()
{
    QFETCH(ActionList, actions);
    QFETCH(int, type);
    TestClock clock(1700000000000);
    std::vector<TQAction *> list;
    for (const ActionPtr &action : actions)
        list.push_back(action.get());
    TQMessagePackagingService sender;
    const std::string packed = sender.packMessage(list);

    TQMessagePackagingService relay;
    std::unique_ptr<TQActionsFromNet> result(relay.unpackMessage(packed, nullptr, 1));
    QVERIFY(result);
    QCOMPARE(result->type, type);
    QVERIFY(!result->mActionArray.empty());
    result->mActionArray.front()->receiver = result->mReceiptID;
    QCOMPARE(QString::fromStdString(relay.packMessage(result->mActionArray)), QString::fromStdString(packed));
    if (auto *chat = dynamic_cast<TQPublicMessageAction *>(actions.front().get()))
        chat->deleteMessages();

    // The partition envelope, likewise.
    TQBinaryPartition partition("user/image/100/1", "9f3c", 1, 2, 1, -1, 1);
    const std::string partitionEnvelope = sender.packPartitionMessage(partition.toJson(), -1);
    result.reset(relay.unpackMessage(partitionEnvelope, nullptr, 1));
    QVERIFY(result && result->partition);
    QCOMPARE(relay.packPartitionMessage(result->partition->toJson(), result->mReceiptID), partitionEnvelope);
}

QTEST_GUILESS_MAIN(TestPackaging)
#include "tst_packaging.moc"
