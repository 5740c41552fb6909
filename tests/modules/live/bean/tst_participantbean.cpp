#include "actions/TQActionHelpers.h"
#include "modules/live/bean/CParticipantBean.h"
#include "modules/live/bean/TQInClassMessage.h"
#include "modules/live/communications/TQCallQualityStats.h"
#include "modules/live/popover/TQPopoverRequestDataStudentIcon.h"
#include "utils/TimeUtils.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QtTest>

#include "StdTestPrinting.h"
#include "TestClock.h"

#include <memory>

namespace {

QJsonObject parse(const char *json)
{
    return QJsonDocument::fromJson(QByteArray(json)).object();
}

} // namespace

class TestParticipantBean : public QObject
{
    Q_OBJECT

private slots:
    void entryVariants_data();
    void entryVariants();
    void plainConstructor();
    void lectureTeacher();
    void copyRules();
    void resetLiveState();
    void toJson();
    void roleType_data();
    void roleType();
    void displayName_data();
    void displayName();
    void mapStudentElementId();
    void iconRequest_data();
    void iconRequest();
    void iconRequestFromJsonParticipant();
    void debugTexts();
};

void TestParticipantBean::entryVariants_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<int>("userId");
    QTest::addColumn<QString>("userIdText");
    QTest::addColumn<QString>("nickName");
    QTest::addColumn<QString>("remarkName");
    QTest::addColumn<QString>("bystander");
    QTest::addColumn<int>("role");
    QTest::addColumn<int>("gold");
    QTest::addColumn<int>("picks");
    QTest::addColumn<int>("raises");
    QTest::addColumn<QString>("participantUserId");
    QTest::addColumn<QString>("phone");

    QTest::newRow("complete")
        << QByteArray(R"({"participant_user_id":"p-1","bystander":"0","gold_cup_num":3,"hand_pick_num":2,
                          "hand_raise_num":5,"remark_name":"小明同学",
                          "user_brief_info":{"user_id":"123","user_nick_name":"小明","mobile_phone":"13800000000",
                                             "image_file_addr":"http://h/a.png"}})")
        << 123 << "123" << "小明" << "小明同学" << "0" << 0 << 3 << 2 << 5 << "p-1" << "13800000000";
    QTest::newRow("id as number")
        << QByteArray(R"({"bystander":"1","user_brief_info":{"user_id":123,"user_nick_name":"红"}})")
        << 123 << "" << "红" << "红" << "1" << 1 << 0 << 0 << 0 << "" << "";
    QTest::newRow("large id text")
        << QByteArray(R"({"user_brief_info":{"user_id":"2000000123"}})")
        << 2000000123 << "2000000123" << "" << "" << "" << 0 << 0 << 0 << 0 << "" << "";
    QTest::newRow("id beyond int")
        << QByteArray(R"({"user_brief_info":{"user_id":"99999999999"}})")
        << 0 << "99999999999" << "" << "" << "" << 0 << 0 << 0 << 0 << "" << "";
    QTest::newRow("empty remark")
        << QByteArray(R"({"remark_name":"","bystander":"2","user_brief_info":{"user_id":"7","user_nick_name":"Nick"}})")
        << 7 << "7" << "Nick" << "Nick" << "2" << 2 << 0 << 0 << 0 << "" << "";
    QTest::newRow("numeric bystander and texts as numbers")
        << QByteArray(R"({"bystander":1,"participant_user_id":55,"remark_name":9,
                          "user_brief_info":{"user_id":"8","user_nick_name":8,"mobile_phone":138}})")
        << 8 << "8" << "" << "" << "" << 0 << 0 << 0 << 0 << "" << "";
    QTest::newRow("counters as text, fraction, null")
        << QByteArray(R"({"gold_cup_num":"3","hand_pick_num":1.5,"hand_raise_num":null,
                          "user_brief_info":{"user_id":"9"}})")
        << 9 << "9" << "" << "" << "" << 0 << 0 << 0 << 0 << "" << "";
    QTest::newRow("brief info not an object")
        << QByteArray(R"({"user_brief_info":"123","bystander":"3"})")
        << 0 << "" << "" << "" << "3" << 3 << 0 << 0 << 0 << "" << "";
    QTest::newRow("empty entry") << QByteArray("{}")
                                 << 0 << "" << "" << "" << "" << 0 << 0 << 0 << 0 << "" << "";
}

void TestParticipantBean::entryVariants()
{
    QFETCH(QByteArray, json);
    QFETCH(int, userId);
    QFETCH(QString, userIdText);
    QFETCH(QString, nickName);
    QFETCH(QString, remarkName);
    QFETCH(QString, bystander);
    QFETCH(int, role);
    QFETCH(int, gold);
    QFETCH(int, picks);
    QFETCH(int, raises);
    QFETCH(QString, participantUserId);
    QFETCH(QString, phone);

    const QJsonObject object = QJsonDocument::fromJson(json).object();
    QVERIFY2(!object.isEmpty() || json == "{}", "fixture row is not JSON");
    const CParticipantBean p(object);
    QCOMPARE(p.mUserId, userId);
    QCOMPARE(p.userBriefInfo.userId, userIdText.toStdString());
    QCOMPARE(p.getUserId(), userIdText.toStdString());
    QCOMPARE(p.userBriefInfo.userNickName, nickName.toStdString());
    QCOMPARE(p.remarkName, remarkName.toStdString());
    QCOMPARE(p.bystander, bystander.toStdString());
    QCOMPARE(p.getRoleType(), role);
    QCOMPARE(p.goldCupNum, gold);
    QCOMPARE(p.handPickNum, picks);
    QCOMPARE(p.handRaiseNum, raises);
    QCOMPARE(p.participantUserId, participantUserId.toStdString());
    QCOMPARE(p.userBriefInfo.mobilePhone, phone.toStdString());
    QCOMPARE(p.toJson().value("userName").toString(), remarkName);
    // Read from JSON: live state at its defaults and no statistics holder yet.
    QCOMPARE(p.mAvgAudioVideoQuality.get(), nullptr);
    QCOMPARE(p.silverCupNum, -1);
    QCOMPARE(p.sliverCupNum, -1);
    QCOMPARE(p.mVideoReason, 4);
    QCOMPARE(p.mLocalPathID, -1);
    QVERIFY(p.mShouldAudioOn);
    QVERIFY(!p.mClassJoinedInData);
}

void TestParticipantBean::plainConstructor()
{
    const CParticipantBean p;
    QVERIFY(p.mAvgAudioVideoQuality);
    QCOMPARE(p.goldCupNum, -1);
    QCOMPARE(p.handPickNum, -1);
    QCOMPARE(p.handRaiseNum, -1);
    QCOMPARE(p.userBriefInfo.userType, -1);
    QCOMPARE(p.mLastConvertedPathID, -1);
    QVERIFY(p.mCameraPermitted && p.mPhotoRollPermitted && p.mMicrophonePermitted);
    QVERIFY(p.mShouldVideoOn);
    QCOMPARE(p.mAudioReason, 4);
    QCOMPARE(p.bystander, std::string());
}

void TestParticipantBean::lectureTeacher()
{
    const CParticipantBean teacher(parse(R"({"user_id":"1024","user_nick_name":"王老师","image_file_addr":"http://h/t.png",
                                            "mobile_phone":"139","user_brief_info":{"user_id":"5"},"remark_name":"x",
                                            "gold_cup_num":4})"),
                                   true);
    QCOMPARE(teacher.mUserId, 1024);
    QCOMPARE(teacher.userBriefInfo.userId, std::string("1024"));
    QCOMPARE(teacher.userBriefInfo.userNickName, std::string("王老师"));
    QCOMPARE(teacher.userBriefInfo.imageFileAddr, std::string("http://h/t.png"));
    QCOMPARE(teacher.userBriefInfo.mobilePhone, std::string());
    QCOMPARE(teacher.bystander, std::string("5"));
    QCOMPARE(teacher.remarkName, std::string("王老师"));
    QCOMPARE(teacher.goldCupNum, -1);
    QCOMPARE(teacher.getRoleType(), 0);
    QCOMPARE(teacher.mAvgAudioVideoQuality.get(), nullptr);

    const CParticipantBean numeric(parse(R"({"user_id":1024})"), true);
    QCOMPARE(numeric.mUserId, 1024);
    QCOMPARE(numeric.userBriefInfo.userId, std::string());
}

void TestParticipantBean::copyRules()
{
    CParticipantBean source(parse(R"({"participant_user_id":"p","bystander":"1","gold_cup_num":3,"hand_pick_num":2,
                                      "hand_raise_num":5,"remark_name":"R",
                                      "user_brief_info":{"user_id":"77","user_nick_name":"N","mobile_phone":"M",
                                                         "image_file_addr":"I"}})"));
    source.resetLiveState();
    source.courseId = "c";
    source.mClassJoinedInData = true;
    source.mWritingEnabled = true;
    source.silverCupNum = 9;
    source.userBriefInfo.userTrueName = "T";

    const CParticipantBean copy(source);
    QCOMPARE(copy.mUserId, 77);
    QCOMPARE(copy.userBriefInfo.userId, std::string("77"));
    QCOMPARE(copy.userBriefInfo.userNickName, std::string("N"));
    QCOMPARE(copy.userBriefInfo.mobilePhone, std::string("M"));
    QCOMPARE(copy.userBriefInfo.imageFileAddr, std::string("I"));
    QCOMPARE(copy.bystander, std::string("1"));
    QCOMPARE(copy.goldCupNum, 3);
    QCOMPARE(copy.handPickNum, 2);
    QCOMPARE(copy.handRaiseNum, 5);
    QCOMPARE(copy.remarkName, std::string("R"));
    // Everything else at its default, and no statistics holder.
    QCOMPARE(copy.participantUserId, std::string());
    QCOMPARE(copy.courseId, std::string());
    QCOMPARE(copy.userBriefInfo.userTrueName, std::string());
    QCOMPARE(copy.silverCupNum, -1);
    QVERIFY(!copy.mClassJoinedInData);
    QCOMPARE(copy.mAvgAudioVideoQuality.get(), nullptr);

    CParticipantBean target;
    target.mClassJoinedInData = true;
    target.courseId = "kept";
    TQCallQualityStats *holder = target.mAvgAudioVideoQuality.get();
    target = source;
    QCOMPARE(target.mUserId, 77);
    QCOMPARE(target.remarkName, std::string("R"));
    QCOMPARE(target.courseId, std::string("kept"));
    QVERIFY(target.mClassJoinedInData);
    QCOMPARE(target.mAvgAudioVideoQuality.get(), holder);
    CParticipantBean &self = target;
    target = self;
    QCOMPARE(target.mUserId, 77);
}

void TestParticipantBean::resetLiveState()
{
    CParticipantBean p(parse(R"({"bystander":"1","gold_cup_num":3,"hand_pick_num":2,"hand_raise_num":5,
                                 "remark_name":"R","user_brief_info":{"user_id":"77"}})"));
    p.channelGroupId = "g";
    p.mRandomlyPickedForDiscussion = true;
    p.mTimeStampLiveRoomJoined = 11;
    p.mTimeStampVideoStateChanged = 12;
    p.mRemoteVideoMuted = true;
    p.mClassJoinedInData = true;
    p.mClassJoinedInMedia = true;
    p.mPickedForTalk = 1;
    p.mInsideBlackroom = true;
    p.mSelectedToVideoRoom = true;
    p.mVideoRoomEntryTimeStamp = 5;
    p.mCameraPermitted = false;
    p.mClientDeviceType = 200;
    p.mReportedFlag = true;
    p.mVideoState = 2;
    p.mAudioReason = 1;
    p.mShouldAudioOn = false;
    p.mOnSiteHomeworkStatus = 3;
    p.mServerInfoRequestCount = 2;
    p.mLocalPathID = 44;
    TQInClassMessage message;
    p.mArrayOfPrivateMessages.append(&message);
    p.mHasNewPrivateMessages = true;
    p.mTimeStampInBackground = 99;

    setSequenceCounterForTest(500);
    p.resetLiveState();
    QVERIFY(p.mAvgAudioVideoQuality);
    QCOMPARE(p.mLastConvertedPathID, 1000000501);
    QCOMPARE(p.mLocalPathID, -1);
    QVERIFY(p.mArrayOfPrivateMessages.isEmpty());
    QVERIFY(!p.mHasNewPrivateMessages);
    QCOMPARE(p.mTimeStampInBackground, 0);
    QVERIFY(!p.mClassJoinedInData && !p.mClassJoinedInMedia && !p.mInsideBlackroom && !p.mSelectedToVideoRoom);
    QCOMPARE(p.mPickedForTalk, 0);
    QCOMPARE(p.mVideoRoomEntryTimeStamp, 0);
    QVERIFY(p.mCameraPermitted);
    QCOMPARE(p.mClientDeviceType, 0);
    QVERIFY(!p.mReportedFlag);
    QCOMPARE(p.mVideoState, 0);
    QCOMPARE(p.mAudioReason, 4);
    QVERIFY(p.mShouldAudioOn);
    QCOMPARE(p.mOnSiteHomeworkStatus, 0);
    QCOMPARE(p.mServerInfoRequestCount, 0);
    // Kept: counters, names, role and what belongs to the room rather than the class.
    QCOMPARE(p.goldCupNum, 3);
    QCOMPARE(p.handPickNum, 2);
    QCOMPARE(p.handRaiseNum, 5);
    QCOMPARE(p.remarkName, std::string("R"));
    QCOMPARE(p.bystander, std::string("1"));
    QCOMPARE(p.channelGroupId, std::string("g"));
    QVERIFY(p.mRandomlyPickedForDiscussion);
    QCOMPARE(p.mTimeStampLiveRoomJoined, 11);
    QCOMPARE(p.mTimeStampVideoStateChanged, 12);
    QVERIFY(p.mRemoteVideoMuted);

    // The holder is replaced by an empty one.
    p.mAvgAudioVideoQuality->addNetworkQuality({currentTimeMillis(), 1, 1});
    p.resetLiveState();
    QVERIFY(p.mAvgAudioVideoQuality->networkSamples().empty());
    QCOMPARE(p.mLastConvertedPathID, 1000000502);
}

void TestParticipantBean::toJson()
{
    CParticipantBean p(parse(R"({"remark_name":"R","user_brief_info":{"user_id":"77","user_nick_name":"N",
                                 "mobile_phone":"M","image_file_addr":"I"}})"));
    p.mClassJoinedInData = true;
    const QJsonObject json = p.toJson();
    QCOMPARE(json, (QJsonObject{{"userName", "R"}, {"mobilePhone", "M"}, {"imageServerPath", "I"},
                                {"userID", "77"}, {"isOnline", true}, {"isInBlackRoom", false}}));
    p.remarkName.clear();
    p.mInsideBlackroom = true;
    QCOMPARE(p.toJson().value("userName").toString(), QString("N"));
    QCOMPARE(p.toJson().value("isInBlackRoom").toBool(), true);
}

void TestParticipantBean::roleType_data()
{
    QTest::addColumn<QString>("bystander");
    QTest::addColumn<int>("role");
    for (int i = 0; i <= 4; ++i)
        QTest::addRow("%d", i) << QString::number(i) << i;
    QTest::newRow("teacher") << "5" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("01") << "01" << 0;
    QTest::newRow("-1") << "-1" << 0;
    QTest::newRow("word") << "x" << 0;
}

void TestParticipantBean::roleType()
{
    QFETCH(QString, bystander);
    QFETCH(int, role);
    CParticipantBean p;
    p.bystander = bystander.toStdString();
    QCOMPARE(p.getRoleType(), role);
}

void TestParticipantBean::displayName_data()
{
    QTest::addColumn<QString>("remark");
    QTest::addColumn<QString>("nick");
    QTest::addColumn<QString>("name");
    QTest::newRow("remark") << "R" << "N" << "R";
    QTest::newRow("nick") << "" << "N" << "N";
    QTest::newRow("none") << "" << "" << "无备注";
}

void TestParticipantBean::displayName()
{
    QFETCH(QString, remark);
    QFETCH(QString, nick);
    QFETCH(QString, name);
    CParticipantBean p;
    p.remarkName = remark.toStdString();
    p.userBriefInfo.userNickName = nick.toStdString();
    QCOMPARE(QString::fromStdString(p.getDisplayName()), name);
}

void TestParticipantBean::mapStudentElementId()
{
    CParticipantBean p;
    p.resetLiveState();
    const int first = p.mapStudentElementId(7);
    QCOMPARE(p.mapStudentElementId(7), first);
    const int second = p.mapStudentElementId(8);
    QVERIFY(second != first);
    const int third = p.mapStudentElementId(7);
    QVERIFY(third != first && third != second);
    // Local ids of students' strokes stay apart from the board's own ids.
    QVERIFY(first > 1000000000 && second > 1000000000 && third > 1000000000);
}

void TestParticipantBean::iconRequest_data()
{
    QTest::addColumn<int>("device");
    QTest::addColumn<QString>("deviceText");
    QTest::newRow("android") << 1 << "安卓设备";
    QTest::newRow("iphone") << 100 << "苹果手机";
    QTest::newRow("ipad") << 200 << "iPad";
    QTest::newRow("windows") << 300 << "Windows";
    QTest::newRow("0") << 0 << "未知设备";
    QTest::newRow("2") << 2 << "未知设备";
}

void TestParticipantBean::iconRequest()
{
    QFETCH(int, device);
    QFETCH(QString, deviceText);
    TestClock clock(1700000000000);
    CParticipantBean p(parse(R"({"remark_name":"","hand_raise_num":-1,"hand_pick_num":4,"gold_cup_num":-3,
                                 "user_brief_info":{"user_id":"88","user_nick_name":"N","mobile_phone":"M"}})"));
    p.resetLiveState();
    p.mClientDeviceType = device;
    p.mClientUsingVersion = 3;
    p.mClientNewestVersion = 5;
    p.mStudentBalance = 120;
    p.mClassJoinedInData = true;
    p.mAudioState = 2;
    p.mVideoState = 1;
    p.mPickedForTalk = 2;
    p.mWritingEnabled = true;
    p.mSelectedToVideoRoom = true;
    p.mTimeStampInBackground = Q_INT64_C(0x100000005);
    p.mAvgAudioVideoQuality->addNetworkQuality({clock.now(), 2, 3});

    const std::unique_ptr<TQPopoverRequestDataStudentIcon> data(p.createStudentIconRequestData(true, false));
    QCOMPARE(QString::fromStdString(data->deviceStr), deviceText);
    QCOMPARE(data->studentName, std::string("N"));
    QCOMPARE(data->studentId, 88);
    QVERIFY(data->isOnline);
    QVERIFY(!data->isVoiceMuted);
    QVERIFY(data->isVideoMuted);
    QVERIFY(data->isOnStage);
    QVERIFY(data->isWritingEnabled);
    QVERIFY(data->isAllowedToPostPhoto);
    QVERIFY(!data->secondFlag);
    QCOMPARE(data->numOfHandRaised, 0);
    QCOMPARE(data->numOfHandPicked, 4);
    QCOMPARE(data->numOfGold, 0);
    QVERIFY(data->versionNeedsUpdate);
    QCOMPARE(data->studentBalance, 120);
    QCOMPARE(data->quality.networkLevel, 3);
    QCOMPARE(data->quality.networkText, std::string("网络输出优秀. 网络接收良好. "));
    QCOMPARE(data->quality.audioText, std::string("音频已启用"));
    QCOMPARE(data->quality.videoLevel, 1);
    QCOMPARE(data->classType, std::string());
    QVERIFY(data->isOnVideoRoom);
    QVERIFY(!data->isInBlackRoom);
    QCOMPARE(data->phoneNumber, std::string("M"));
    QCOMPARE(data->inBackgroundType, 5);
    // A request record is deleted through its base.
    std::unique_ptr<TQPopoverRequestData> base(p.createStudentIconRequestData(true, true));
    QVERIFY(dynamic_cast<TQPopoverRequestDataStudentIcon *>(base.get()));
}

void TestParticipantBean::iconRequestFromJsonParticipant()
{
    // Read from JSON and never reset: no statistics holder, yet no crash.
    const CParticipantBean p(parse(R"({"user_brief_info":{"user_id":"5"}})"));
    const std::unique_ptr<TQPopoverRequestDataStudentIcon> data(p.createStudentIconRequestData(true, true));
    QCOMPARE(data->quality.networkText, std::string("网络状况未知，正在检测。"));
    QCOMPARE(data->quality.audioText, std::string("声音关闭"));
    QCOMPARE(data->quality.videoText, std::string("关闭了视频"));
    QVERIFY(data->isVoiceMuted && data->isVideoMuted);
    QVERIFY(!data->versionNeedsUpdate);
}

void TestParticipantBean::debugTexts()
{
    TQInClassMessage message;
    message.mMessageBody = "你好 %2";
    message.mFromUserID = 7;
    message.mFromSeqNum = 8;
    message.mAlreadyRead = true;
    message.mIndexStamp = 9;
    message.mReceivingTimeStamp = 10;
    message.mFromUserName = "学生";
    QCOMPARE(message.toString(), std::string("TQInClassMessage(mMessageBody='你好 %2', mFromUserID=7, mFromSeqNum=8, "
                                             "mAlreadyRead=1, mIndexStamp=9, mReceivingTimeStamp=10, "
                                             "mFromUserName='学生')"));

    CParticipantBean p;
    p.userBriefInfo.userNickName = "%1%16";
    p.userBriefInfo.addressStr = "end";
    const std::string brief = p.userBriefInfo.toString();
    QVERIFY(brief.rfind("UserBriefInfoBean(userId='', userNickName='%1%16', ", 0) == 0);
    QVERIFY(brief.find("userType=-1") != std::string::npos);
    QVERIFY(brief.find("addressStr='end')") != std::string::npos);

    p.mArrayOfPrivateMessages << &message << &message;
    const std::string text = p.toString();
    QVERIFY(text.rfind("CParticipantBean(courseId='', courseScheduleId='', participantUserId='', bystander=, "
                       "goldCupNum=-1, silverCupNum=-1, ", 0) == 0);
    QVERIFY(text.find("userBriefInfo=" + brief + ", channelGroupId=") != std::string::npos);
    QVERIFY(text.find("mAvgAudioVideoQuality=, mCameraPermitted=1, ") != std::string::npos);
    QVERIFY(text.find("mStudentBalance=0, mTimeStampOfLastStudentMessage=0, ") != std::string::npos);
    QVERIFY(text.find("mArrayOfPrivateMessages=" + message.toString() + "," + message.toString()
                      + ", mTimeStampInBackground=0") != std::string::npos);
    QVERIFY(text.size() > 2 && text.substr(text.size() - 24) == "mOnSiteHomeworkStatus=0)");
}

QTEST_GUILESS_MAIN(TestParticipantBean)
#include "tst_participantbean.moc"
