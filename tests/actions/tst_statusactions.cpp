#include "ActionTestSupport.h"

#include "actions/TQActionsFromNet.h"
#include "actions/TQMessagePackagingService.h"
#include "actions/status/TQPPTPlayStatus.h"
#include "actions/status/TQSessionStatus.h"
#include "actions/status/TQStatusActionCameraVideo.h"
#include "actions/status/TQStatusFallback.h"
#include "actions/status/TQStatusUserResponse.h"
#include "actions/status/TQVideoCardStatus.h"

#include "TestLogCapture.h"

#include <QtTest>

#include <typeinfo>

namespace {

using UserStatus = TQSessionStatus::TQUserStatus;

const char *const kNewSnapshot =
    "[-1,109,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1,1,0,0,5,0,-1,0,0,0,0,,()]";

// A snapshot as the teacher fills one: every field set, a title that needs
// Base64, black-room students and `users` people in the video room.
std::shared_ptr<TQSessionStatus> busySnapshot(int users)
{
    auto status = std::make_shared<TQSessionStatus>();
    status->classStateA = 0;
    status->isOnsiteHomeworkRunning = true;
    status->interactionType = 4;
    status->interactionOptions = 1;
    status->interactionID = 987654321;
    status->maxDrawingIndex = 4321;
    status->isRandomSelectRunning = true;
    status->interactionTime = 30;
    status->onsiteHomeworkID = 55;
    status->materialID = 123456;
    status->pageIndex = 7;
    status->blackboardClosedAt = 20000000;
    status->isFreeTalkEnabled = true;
    status->boardWidth = 1000;
    status->boardHeight = 640;
    status->isTakingPicture = true;
    status->pictureUserID = 100200;
    status->pictureID = 66;
    status->blackboardDrawingIndex = 12;
    status->blackboardPosition = 3;
    status->clientText = "2";
    status->isAllAudioOn = false;
    status->teacherVideoScreenMode = 2;
    status->classSessionID = 424242;
    status->countDownCurrent = 45;
    status->correctAnswerCount = 2;
    status->countDownState = 1;
    status->countDownTotal = 60;
    status->countDownTitle = "倒计时, [限时]";
    status->blackRoomUserIDs = {"300", "301"};
    for (int i = 0; i < users; ++i)
        status->userStatuses.push_back(new UserStatus(100000 + i, i % 2, i % 3 == 0, i % 5 == 0, i % 7 == 0, i % 3,
                                                      true, i == 4, i % 2 == 0, i % 4 == 0,
                                                      "学生" + std::to_string(i) + ",(]"));
    return status;
}

} // namespace

// Status snapshots and the students' reports.
class TestStatusActions : public QObject
{
    Q_OBJECT

private slots:
    void writes_data();
    void writes();
    void snapshotRoundTrips_data();
    void snapshotRoundTrips();
    void snapshotParsing_data();
    void snapshotParsing();
    void userEntry();
    void reports_data();
    void reports();
    void reportFields();
};

void TestStatusActions::writes_data()
{
    QTest::addColumn<ActionPtr>("action");
    QTest::addColumn<QString>("text");
    QTest::newRow("new snapshot") << makeRecord<TQSessionStatus>() << kNewSnapshot;
    QTest::newRow("snapshot with one user") << ActionPtr(make<TQSessionStatus>([](TQSessionStatus &a) {
        a.userStatuses.push_back(new UserStatus(7, false, false, false, false, 1, false, false, false, false, "Ann"));
    })) << "[-1,109,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1,1,0,0,5,0,-1,0,0,0,0,,(),(7,0,0,0,0,1,0,0,0,0,QW5u)]";
    QTest::newRow("157") << makeRecord<TQStatusUserResponse>()
                         << "[-1,157,1,1,1,0,0,0,0,0,0,0,0,0]";
    QTest::newRow("159") << makeRecord<TQStatusFallback>() << "[-1,159,1,0]";
    QTest::newRow("164 empty title") << make<TQVideoCardStatus>([](TQVideoCardStatus &a) {
        a.playState = 1;
        a.playID = 77;
        a.drawingWidth = 1000;
        a.drawingHeight = 640;
        a.startX = 10;
        a.startY = 20;
        a.playerWidth = 400;
        a.playerHeight = 300;
        a.playerCurrent = 1500;
        a.url = "u";
    }) << "[-1,164,1,0,77,1000,640,10,20,400,300,1500,u,]";
    QTest::newRow("165") << make<TQPPTPlayStatus>([](TQPPTPlayStatus &a) {
        a.playState = 2;
        a.url = "http://x/a.mp4";
        a.title = "第一页";
        a.nextStopTime = 3000;
    }) << "[-1,165,2,0,0,0,0,0,0,0,0,0,http://x/a.mp4,56ys5LiA6aG1,3000]";
    QTest::newRow("165 new") << makeRecord<TQPPTPlayStatus>() << "[-1,165,0,0,0,0,0,0,0,0,0,0,,,-1]";
    QTest::newRow("166") << make<TQStatusActionCameraVideo>([](TQStatusActionCameraVideo &a) {
        a.userID = 100;
        a.videoState = 2;
        a.videoReason = 3;
    }) << "[-1,166,100,2,3]";
}

void TestStatusActions::writes()
{
    QFETCH(ActionPtr, action);
    QFETCH(QString, text);
    QCOMPARE(textOf(action), text);
    TQMessagePackagingService service;
    std::unique_ptr<TQAction> parsed(service.constructionActionFromStr(withoutBrackets(text), 1));
    QVERIFY(parsed);
    QCOMPARE(typeid(*parsed).name(), typeid(*action).name());
    QCOMPARE(textOf(*parsed), text);
}

void TestStatusActions::snapshotRoundTrips_data()
{
    QTest::addColumn<int>("users");
    QTest::newRow("no users") << 0;
    QTest::newRow("one user") << 1;
    QTest::newRow("50 users") << 50;
}

// A busy snapshot survives the envelope: every field, every user, names with
// separators and Chinese text.
void TestStatusActions::snapshotRoundTrips()
{
    QFETCH(int, users);
    const auto status = busySnapshot(users);
    TQMessagePackagingService service;
    const std::string packed = service.packMessage({status.get()});
    QVERIFY(packed.find("\"tqType\":\"1\"") != std::string::npos);
    std::unique_ptr<TQActionsFromNet> result(service.unpackMessage(packed, nullptr, 1));
    QVERIFY(result);
    QCOMPARE(result->mActionArray.size(), size_t(1));
    auto *parsed = dynamic_cast<TQSessionStatus *>(result->mActionArray.front());
    QVERIFY(parsed);
    QCOMPARE(textOf(*parsed), textOf(*status));
    QCOMPARE(parsed->userStatuses.size(), size_t(users));
    for (int i = 0; i < users; ++i) {
        const UserStatus *expected = status->userStatuses[size_t(i)];
        const UserStatus *actual = parsed->userStatuses[size_t(i)];
        QCOMPARE(actual->userID, expected->userID);
        QCOMPARE(actual->isHandPicked, expected->isHandPicked);
        QCOMPARE(actual->isRandomlyPicked, expected->isRandomlyPicked);
        QCOMPARE(actual->userName, expected->userName);
    }
    QCOMPARE(parsed->countDownTitle, status->countDownTitle);
    QCOMPARE(parsed->clientText, std::string("2"));
    QCOMPARE(parsed->blackRoomUserIDs, status->blackRoomUserIDs);
    QCOMPARE(parsed->interactionID, 987654321);
    QCOMPARE(parsed->isAllAudioOn, false);
}

void TestStatusActions::snapshotParsing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("record");
    QTest::addColumn<int>("users");
    const QString fresh = QString(kNewSnapshot).mid(1).chopped(1);
    QTest::newRow("empty black room gives one empty id") << fresh << kNewSnapshot << 0;
    QTest::newRow("35 elements") << "-1,109,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1,1,0,0,5,0,-1,0,0,0,0"
                                 << "" << 0;
    QTest::newRow("word in element 28") << QString(fresh).replace(",5,0,-1,", ",x,0,-1,") << "" << 0;
    QTest::newRow("words after element 28 read 0")
        << QString(fresh).replace(",5,0,-1,0,0,0,0,", ",5,a,b,c,d,e,f,")
        << "[-1,109,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1,1,0,0,5,0,0,0,0,0,0,,()]" << 0;
    QTest::newRow("bad entry skipped") << fresh + ",(7,0,0,0,x,1,0,0,0,0,QW5u),(8,0,0,0,0,1,0,0,0,0,)"
                                       << QString(kNewSnapshot).chopped(1) + ",(8,0,0,0,0,1,0,0,0,0,)]" << 1;
    QTest::newRow("short entry skipped") << fresh + ",(7,0,0),(8,1,1,1,1,2,1,1,1,1,QW5u)"
                                         << QString(kNewSnapshot).chopped(1) + ",(8,1,1,1,1,2,1,1,1,1,QW5u)]" << 1;
    QTest::newRow("no groups") << fresh.chopped(3) << kNewSnapshot << 0;
    QTest::newRow("open group at the end") << fresh + ",(" << kNewSnapshot << 0;
}

void TestStatusActions::snapshotParsing()
{
    QFETCH(QString, text);
    QFETCH(QString, record);
    QFETCH(int, users);
    std::unique_ptr<TQSessionStatus> parsed(TQSessionStatus::classStatusFromString(text.toStdString()));
    QCOMPARE(parsed ? textOf(*parsed) : QString(), record);
    if (parsed)
        QCOMPARE(int(parsed->userStatuses.size()), users);
}

void TestStatusActions::userEntry()
{
    const UserStatus ann(7, false, false, false, false, 1, false, false, false, false, "Ann");
    QCOMPARE(QString::fromStdString(ann.toString()), QStringLiteral("(7,0,0,0,0,1,0,0,0,0,QW5u)"));
    std::unique_ptr<UserStatus> parsed(UserStatus::fromString("7,0,0,0,0,1,0,0,0,0,QW5u"));
    QVERIFY(parsed);
    QCOMPARE(parsed->userID, 7);
    QCOMPARE(parsed->isHandPicked, 1);
    QCOMPARE(parsed->isVideoOn, false);
    QCOMPARE(parsed->userName, std::string("Ann"));
    std::unique_ptr<UserStatus> flags(UserStatus::fromString("7,1,2,1,1,2,1,1,1,1,"));
    QCOMPARE(flags->isVideoOn, true);
    QCOMPARE(flags->isAudioOn, false);
    QCOMPARE(flags->isShouldAudioOn, true);
    QVERIFY(!UserStatus::fromString("7,0,0,0,x,1,0,0,0,0,QW5u"));
    QVERIFY(!UserStatus::fromString("7,0,0,0,0,1,0,0,0,0"));
}

// Students' reports: a record or a refusal with its log line.
void TestStatusActions::reports_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("record");
    QTest::addColumn<QString>("log");
    QTest::newRow("157 granted") << "-1,157,1,1,1,0,2,300,310,50,0,0,0,1" << "[-1,157,1,1,1,0,2,300,310,50,0,0,0,1]"
                                 << "";
    QTest::newRow("157 2 is not granted") << "-1,157,2,2,2,0,2,300,310,50,0,0,0,2"
                                          << "[-1,157,0,0,0,0,2,300,310,50,0,0,0,0]" << "";
    QTest::newRow("157 13 elements") << "-1,157,1,1,1,0,2,300,310,50,0,0,0" << "" << "";
    QTest::newRow("157 word") << "-1,157,1,1,1,0,x,300,310,50,0,0,0,1" << ""
                              << "LiveBroadcast: 6 of -1,157,1,1,1,0,x,300,310,50,0,0,0,1 is non numeric";
    QTest::newRow("157 words after 9 read 0") << "-1,157,1,1,1,0,2,300,310,50,a,b,c,d"
                                              << "[-1,157,1,1,1,0,2,300,310,50,0,0,0,0]" << "";
    QTest::newRow("159") << "-1,159,0,4" << "[-1,159,0,4]" << "";
    QTest::newRow("159 word") << "-1,159,x,4" << "" << "LiveBroadcast: 2 of -1,159,x,4 is non numeric";
    QTest::newRow("164") << "-1,164,1,0,77,1000,640,10,20,400,300,1500,u,QQ=="
                         << "[-1,164,1,0,77,1000,640,10,20,400,300,1500,u,QQ==]" << "";
    QTest::newRow("164 13 elements") << "-1,164,1,0,77,1000,640,10,20,400,300,1500,u" << "" << "";
    QTest::newRow("164 word") << "-1,164,1,0,77,1000,640,10,20,400,300,y,u," << ""
                              << "LiveBroadcast: 11 of -1,164,1,0,77,1000,640,10,20,400,300,y,u, is non numeric";
    QTest::newRow("165 14 elements") << "-1,165,1,0,77,1000,640,10,20,400,300,1500,u," << ""
                                     << "[ERROR] TQPPTPlayStatus::pptPlayStatusFromString get error length 14";
    QTest::newRow("165 word") << "-1,165,x,0,77,1000,640,10,20,400,300,1500,u,,5" << ""
                              << "LiveBroadcast: 2 of -1,165,x,0,77,1000,640,10,20,400,300,1500,u,,5 is non numeric";
    QTest::newRow("166") << "-1,166,7,2,3" << "[-1,166,7,2,3]" << "";
    QTest::newRow("166 word") << "-1,166,7,x,3" << "" << "";
    QTest::newRow("166 short") << "-1,166,7,2" << "" << "";
}

void TestStatusActions::reports()
{
    QFETCH(QString, text);
    QFETCH(QString, record);
    QFETCH(QString, log);
    TestLogCapture capture;
    TQMessagePackagingService service;
    std::unique_ptr<TQAction> parsed(service.constructionActionFromStr(text.toStdString(), 1));
    QCOMPARE(parsed ? textOf(*parsed) : QString(), record);
    const QString lines = capture.messages().join('\n');
    if (log.isEmpty())
        QVERIFY2(!lines.contains("non numeric") && !lines.contains("error length"), qPrintable(lines));
    else
        QVERIFY2(lines.contains(log), qPrintable(lines));
}

void TestStatusActions::reportFields()
{
    std::unique_ptr<TQStatusUserResponse> response(
        TQStatusUserResponse::userResponseFromString("-1,157,1,2,1,9,2,300,310,50,11,12,13,1"));
    QCOMPARE(response->isCameraPermitted, true);
    QCOMPARE(response->isPhotoRollPermitted, false);
    QCOMPARE(response->isMicrophonePermitted, true);
    QCOMPARE(response->responseValueA, 9);
    QCOMPARE(response->clientDeviceType, 2);
    QCOMPARE(response->clientUsingVersion, 300);
    QCOMPARE(response->clientNewestVersion, 310);
    QCOMPARE(response->studentBalance, 50);
    QCOMPARE(response->responseValueD, 13);
    QCOMPARE(response->isWritingLost, true);
    std::unique_ptr<TQStatusActionCameraVideo> camera(TQStatusActionCameraVideo::cameraVideoFromString("-1,166,7,2,3"));
    QCOMPARE(camera->userID, 7);
    QCOMPARE(camera->videoState, 2);
    QCOMPARE(camera->videoReason, 3);
    std::unique_ptr<TQPPTPlayStatus> ppt(
        TQPPTPlayStatus::pptPlayStatusFromString("-1,165,1,0,77,1000,640,10,20,400,300,1500,u,56ys5LiA6aG1,x"));
    QCOMPARE(ppt->title, std::string("第一页"));
    QCOMPARE(ppt->nextStopTime, 0);
    QCOMPARE(ppt->startX, 10);
    QCOMPARE(ppt->playerWidth, 400);
}

QTEST_GUILESS_MAIN(TestStatusActions)
#include "tst_statusactions.moc"
