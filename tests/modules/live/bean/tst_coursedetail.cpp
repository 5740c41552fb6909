#include "actions/message/TQPrivateMessageAction.h"
#include "modules/live/bean/CParticipantBean.h"
#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/MaterialDetailBean.h"
#include "modules/live/bean/TQDataModelBean.h"
#include "modules/live/bean/TQInClassMessage.h"
#include "modules/live/broadcast/TQLiveStreamInfo.h"
#include "modules/live/broadcast/TQStageTimeTracker.h"
#include "modules/live/communications/TQCallQualityStats.h"
#include "modules/live/draws/TQBoardSize.h"
#include "modules/live/draws/TQDrawingElement.h"
#include "modules/live/draws/TQPreSendingImage.h"
#include "actions/TQActionHelpers.h"
#include "utils/CDataHelper.h"
#include "utils/TimeUtils.h"

#include <QCryptographicHash>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QtTest>

#include "CourseFixture.h"
#include "StandInService.h"
#include "StdTestPrinting.h"
#include "TestClock.h"
#include "TestLogCapture.h"

#include <memory>

namespace {

QString q(const std::string &text)
{
    return QString::fromStdString(text);
}

// Every member the parse fills or defaults, by name; the lists by size and
// the records they point at by a few fields.
QVariantMap memberValues(const CourseDetailBean &c)
{
    QVariantMap m{
        {"course_id", q(c.course_id)},
        {"course_schedule_id", q(c.course_schedule_id)},
        {"course_content", q(c.course_content)},
        {"course_prototype_id", q(c.course_prototype_id)},
        {"lecture_teacher_user_id", q(c.lecture_teacher_user_id)},
        {"substitute_teacher_id", q(c.substitute_teacher_id)},
        {"is_prepared", c.is_prepared},
        {"current_size", q(c.current_size)},
        {"course_time", q(c.course_time)},
        {"max_video_index", c.max_video_index},
        {"bystander_size", q(c.bystander_size)},
        {"bystander_entered", q(c.bystander_entered)},
        {"lecturer_invalid", q(c.lecturer_invalid)},
        {"course_end_time", q(c.course_end_time)},
        {"course_progress", q(c.course_progress)},
        {"course_schedule_progress", q(c.course_schedule_progress)},
        {"course_schedule_status", q(c.course_schedule_status)},
        {"courseDurationSecs", c.courseDurationSecs},
        {"course_category_type", q(c.course_category_type)},
        {"course_knowledge", q(c.course_knowledge)},
        {"record_video_status", q(c.record_video_status)},
        {"record_video_file_id", q(c.record_video_file_id)},
        {"applicants_count", c.applicants_count},
        {"allow_bystander", q(c.allow_bystander)},
        {"entry_class_state", c.entry_class_state},
        {"entry_class_state_info", q(c.entry_class_state_info)},
        {"app_id", q(c.app_id)},
        {"dynamic_key", q(c.dynamic_key)},
        {"rtm_token", q(c.rtm_token)},
        {"signaling_token", q(c.signaling_token)},
        {"data_channel", c.data_channel},
        {"rtm", c.rtm},
        {"evaluated", c.evaluated},
        {"in_student_list", c.in_student_list},
        {"state", c.state},
        {"state_msg", q(c.state_msg)},
        {"bystander", c.bystander},
        {"lecture_teacher.mUserId", c.lecture_teacher ? c.lecture_teacher->mUserId : -1},
        {"lecture_teacher.nick", c.lecture_teacher ? q(c.lecture_teacher->userBriefInfo.userNickName) : "null"},
        {"lecture_teacher.bystander", c.lecture_teacher ? q(c.lecture_teacher->bystander) : "null"},
        {"mSelfParticipant", bool(c.mSelfParticipant)},
        {"course_materials", c.course_materials.size()},
        {"mExtraMaterials", c.mExtraMaterials.size()},
        {"participants", c.participants.size()},
        {"bystanders", c.bystanders.size()},
        {"supervisors", c.supervisors.size()},
        {"mFourthGroup", c.mFourthGroup.size()},
        {"mRecordFile.fileUrl", q(c.mRecordFile.fileUrl)},
        {"mStatusZeroA", c.mStatusZeroA},
        {"mRandomPickRunning", c.mRandomPickRunning},
        {"mStatusZeroB", c.mStatusZeroB},
        {"mBlackBoardErasedTime", c.mBlackBoardErasedTime},
        {"mStatusZeroC", c.mStatusZeroC},
        {"mFreeTalkEnabled", c.mFreeTalkEnabled},
        {"mCutImagePortionValue", c.mCutImagePortionValue},
        {"mSmallBlackBoardValue", c.mSmallBlackBoardValue},
        {"mTeacherAudioMuted", c.mTeacherAudioMuted},
        {"mTeacherVideoState", c.mTeacherVideoState},
        {"mTeacherVideoOff", c.mTeacherVideoOff},
        {"mTeacherOnStage", c.mTeacherOnStage},
        {"mCallQualityStats", bool(c.mCallQualityStats)},
        {"mTeacherHeadImage", q(c.mTeacherHeadImage)},
        {"mTeacherViewMode", c.mTeacherViewMode},
        {"time_available", c.time_available},
        {"pay_for_communication", c.pay_for_communication},
        {"price_type", c.price_type},
        {"teaching_method", c.teaching_method},
        {"mShareDialogOpen", c.mShareDialogOpen},
        {"price_per_minute", c.price_per_minute},
        {"l_balance", c.l_balance},
        {"org_id", c.org_id},
        {"mDeviceId", q(c.mDeviceId)},
        {"mClassEntryStamp", c.mClassEntryStamp},
        {"popup_id", q(c.popup_id)},
        {"popup_msg", q(c.popup_msg)},
        {"coin_available", c.coin_available},
        {"bonus_coin_available", c.bonus_coin_available},
        {"high_price", c.high_price},
        {"price_per_hour", c.price_per_hour},
        {"mPlayMode", c.mPlayMode},
        {"mLiveStreamInfo", bool(c.mLiveStreamInfo)},
        {"mRotationWasOn", c.mRotationWasOn},
        {"mStageCapacity", c.mStageCapacity},
        {"mRotationSeconds", c.mRotationSeconds},
        {"mSessionStatusDue", c.mSessionStatusDue},
        {"mArrayOfNewlyAddedStudents", c.mArrayOfNewlyAddedStudents.size()},
        {"m_pOngoingMaterial", c.m_pOngoingMaterial != nullptr},
        {"mUserMap", int(c.mUserMap.size())},
        {"mLatestDurationActions", int(c.mLatestDurationActions.size())},
        {"mNewStudentInfos", int(c.mNewStudentInfos.size())},
        {"mPublicMessages", c.mPublicMessages.size()},
        {"mDefaultStudentAudioOn", c.mDefaultStudentAudioOn},
        {"mTeacherMessageLogs", c.mTeacherMessageLogs.privateMessages.size() + c.mTeacherMessageLogs.notices.size()},
        {"mStageTimeTracker", c.mStageTimeTracker && c.mStageTimeTracker->records.empty()},
    };
    if (c.mLiveStreamInfo) {
        m.insert("stream.stream", c.mLiveStreamInfo->stream);
        m.insert("stream.duration", c.mLiveStreamInfo->duration);
        m.insert("stream.width", c.mLiveStreamInfo->width);
    }
    return m;
}

// A fresh record of the given JSON text.
std::unique_ptr<CourseDetailBean> parse(const QByteArray &json)
{
    return std::make_unique<CourseDetailBean>(QJsonDocument::fromJson(json).object());
}

QJsonObject material(qint64 id, int type, int state, const QStringList &pageUrls)
{
    QJsonArray pages;
    for (const QString &url : pageUrls)
        pages.append(QJsonObject{{"file_url", url}});
    return QJsonObject{{"material_id", QString::number(id)},
                       {"raw_material_id", QString::number(id + 1000)},
                       {"material_type", type},
                       {"material_file_process_state", state},
                       {"file_items", pages}};
}

std::unique_ptr<CourseDetailBean> courseWithMaterials(const QJsonArray &materials)
{
    return std::make_unique<CourseDetailBean>(QJsonObject{{"course_materials", materials}});
}

TQInClassMessage *messageOf(int bytes, char fill = 'x')
{
    auto *message = new TQInClassMessage;
    message->mMessageBody.assign(size_t(bytes), fill);
    return message;
}

} // namespace

class TestCourseDetail : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void fixtureMembers_data();
    void fixtureMembers();
    void fixtureRecords();
    void fixturePagesAreServed();
    void currentCourseIsReplaced();
    void malformed_data();
    void malformed();
    void parseNeverCrashes_data();
    void parseNeverCrashes();
    void coursePredicates_data();
    void coursePredicates();
    void qualityTextInSpeedMode();
    void defaultMaterialAndPage_data();
    void defaultMaterialAndPage();
    void clearDrawings();
    void prepareNewMaterial();
    void changeOngoingMaterial();
    void findMaterialPageByUrl_data();
    void findMaterialPageByUrl();
    void publicMessageBodies_data();
    void publicMessageBodies();
    void publicMessageBound();
    void publicMessageStamps();
    void recentPublicMessages_data();
    void recentPublicMessages();
    void classSessionId();
    void displayNameLookup();

private:
    QJsonObject m_reply;
    std::unique_ptr<CourseDetailBean> m_course;
};

void TestCourseDetail::initTestCase()
{
    // The reply travels through the stand-in service like the client's request.
    StandInService service;
    QVERIFY(service.listen());
    QNetworkAccessManager manager;
    QNetworkRequest request(QUrl(service.baseUrl() + "/biz_mv/edu/v3/courses/getCourseScheduleDetailForLecturer"));
    request.setHeader(QNetworkRequest::ContentTypeHeader, "application/x-www-form-urlencoded");
    std::unique_ptr<QNetworkReply> reply(manager.post(request, QByteArray("course_schedule_id=30001")));
    QSignalSpy finished(reply.get(), &QNetworkReply::finished);
    QVERIFY(finished.wait(10000));
    QCOMPARE(reply->error(), QNetworkReply::NoError);
    // The expectations below name the address the stand-in has under scripts/run.
    const QByteArray bytes = reply->readAll().replace(service.baseUrl().toUtf8(), "http://127.0.0.1:18480");
    const QJsonObject envelope = QJsonDocument::fromJson(bytes).object();
    QCOMPARE(envelope.value("statusCode").toInt(-1), 0);
    QCOMPARE(envelope.value("errorMsg").toString(), QString());
    m_reply = envelope.value("returnResult").toObject();
    QVERIFY(!m_reply.isEmpty());
    m_course = std::make_unique<CourseDetailBean>(m_reply);
}

void TestCourseDetail::cleanup()
{
    setTestClockMillis(0);
    setBoardSize(1000, 640);
}

void TestCourseDetail::fixtureMembers_data()
{
    QTest::addColumn<QString>("member");
    QTest::addColumn<QVariant>("expected");
    const QVariantMap expected{
        {"course_id", "3001"},
        {"course_schedule_id", "30001"},
        {"course_content", "二次函数的图像与性质"},
        {"course_prototype_id", "5501"},
        {"lecture_teacher_user_id", "12345678"},
        {"substitute_teacher_id", ""},
        {"is_prepared", 1},
        {"current_size", "3"},
        {"course_time", "2024-03-01 10:00:00"},
        {"max_video_index", 2},
        {"bystander_size", "1"},
        {"bystander_entered", "0"},
        {"lecturer_invalid", "0"},
        {"course_end_time", "2024-03-01 11:30:00"},
        {"course_progress", "5"},
        {"course_schedule_progress", "2"},
        {"course_schedule_status", "1"},
        {"courseDurationSecs", 5400},
        {"course_category_type", "2"},
        {"course_knowledge", "函数图像"},
        {"record_video_status", "0"},
        {"record_video_file_id", ""},
        {"applicants_count", 3},
        {"allow_bystander", "1"},
        {"entry_class_state", 1},
        {"entry_class_state_info", ""},
        {"app_id", "standin-app-id"},
        {"dynamic_key", "standin-dynamic-key"},
        {"rtm_token", "standin-rtm-token"},
        {"signaling_token", "standin-signaling-token"},
        {"data_channel", 1},
        {"rtm", 0},
        {"evaluated", 0},
        {"in_student_list", 0},
        {"state", 0},
        {"state_msg", ""},
        {"bystander", 1},
        {"lecture_teacher.mUserId", 12345678},
        {"lecture_teacher.nick", "王老师"},
        {"lecture_teacher.bystander", "5"},
        {"mSelfParticipant", false},
        {"course_materials", 3},
        {"mExtraMaterials", 0},
        {"participants", 3},
        {"bystanders", 1},
        {"supervisors", 1},
        {"mFourthGroup", 0},
        {"mRecordFile.fileUrl", ""},
        {"mStatusZeroA", 0},
        {"mRandomPickRunning", false},
        {"mStatusZeroB", 0},
        {"mBlackBoardErasedTime", 0},
        {"mStatusZeroC", 0},
        {"mFreeTalkEnabled", true},
        {"mCutImagePortionValue", 0},
        {"mSmallBlackBoardValue", 0},
        {"mTeacherAudioMuted", false},
        {"mTeacherVideoState", 3},
        {"mTeacherVideoOff", false},
        {"mTeacherOnStage", 0},
        {"mCallQualityStats", true},
        {"mTeacherHeadImage", ""},
        {"mTeacherViewMode", 0},
        {"time_available", 3600},
        {"pay_for_communication", 0},
        {"price_type", 0},
        {"teaching_method", 1},
        {"mShareDialogOpen", false},
        {"price_per_minute", 2.5},
        {"l_balance", 600},
        {"org_id", 12},
        {"mDeviceId", ""},
        {"mClassEntryStamp", 0},
        {"popup_id", "0"},
        {"popup_msg", ""},
        {"coin_available", 12.5},
        {"bonus_coin_available", 3.0},
        {"high_price", 0},
        {"price_per_hour", 150.0},
        {"mPlayMode", 0},
        {"mLiveStreamInfo", false},
        {"mRotationWasOn", true},
        {"mStageCapacity", 12},
        {"mRotationSeconds", 300},
        {"mSessionStatusDue", 0},
        {"mArrayOfNewlyAddedStudents", 0},
        {"m_pOngoingMaterial", false},
        {"mUserMap", 0},
        {"mLatestDurationActions", 0},
        {"mNewStudentInfos", 0},
        {"mPublicMessages", 0},
        {"mDefaultStudentAudioOn", true},
        {"mTeacherMessageLogs", 0},
        {"mStageTimeTracker", true},
    };
    for (auto it = expected.begin(); it != expected.end(); ++it)
        QTest::newRow(qPrintable(it.key())) << it.key() << it.value();
}

void TestCourseDetail::fixtureMembers()
{
    QFETCH(QString, member);
    QFETCH(QVariant, expected);
    const QVariantMap values = memberValues(*m_course);
    QVERIFY2(values.contains(member), qPrintable(member));
    QCOMPARE(values.value(member).toString(), expected.toString());
}

void TestCourseDetail::fixtureRecords()
{
    const CourseDetailBean &c = *m_course;
    const CParticipantBean *first = c.participants.at(0);
    QCOMPARE(first->mUserId, 20001);
    QCOMPARE(first->participantUserId, std::string("90001"));
    QCOMPARE(first->bystander, std::string("0"));
    QCOMPARE(first->goldCupNum, 3);
    QCOMPARE(first->handPickNum, 2);
    QCOMPARE(first->handRaiseNum, 5);
    QCOMPARE(first->remarkName, std::string("小明（三班）"));
    QCOMPARE(first->userBriefInfo.mobilePhone, std::string("13800020001"));
    QCOMPARE(first->userBriefInfo.imageFileAddr, std::string("http://127.0.0.1:18480/files/avatar/student.png"));
    QCOMPARE(c.participants.at(1)->remarkName, std::string("小红")); // no remark: the nick name
    QCOMPARE(c.participants.at(2)->remarkName, std::string("Leo"));  // empty remark: the nick name
    QCOMPARE(c.bystanders.at(0)->userBriefInfo.userNickName, std::string("旁听家长"));
    QCOMPARE(c.supervisors.at(0)->mUserId, 40001);
    QCOMPARE(c.lecture_teacher->userBriefInfo.imageFileAddr, std::string("http://127.0.0.1:18480/files/avatar/teacher.png"));

    const MaterialDetailBean *lecture = c.course_materials.at(0);
    QCOMPARE(lecture->materialId, Q_INT64_C(7001));
    QCOMPARE(lecture->rawMaterialId, Q_INT64_C(6001));
    QCOMPARE(lecture->materialName, std::string("二次函数讲义"));
    QCOMPARE(int(lecture->mFileItems.size()), 3);
    QCOMPARE(lecture->mFileItems[0].attribute.width, 400);
    QCOMPARE(lecture->mFileItems[1].attribute.timeLine, (std::vector<int>{5, 15}));
    QCOMPARE(lecture->mFileItems[0].materialPageExtras.at(0).attribute.timeLine, (std::vector<int>{10, 20, 30}));
    QCOMPARE(lecture->mFileItems[0].correlations.at(0).type, 2);
    // A material still being converted is listed all the same.
    QCOMPARE(c.course_materials.at(1)->materialFileProcessState, 2);
    QVERIFY(!c.course_materials.at(1)->isFileProcessed());
    QVERIFY(c.course_materials.at(2)->isVideoMaterial());

    const std::unique_ptr<TQPreSendingImage> image(lecture->createPageBackgroundElement(0));
    QCOMPARE(image->url, std::string("http://127.0.0.1:18480/files/course/page1.png"));
    QVERIFY(image->currentPage);
    QCOMPARE(image->extraUrls, std::vector<std::string>{"http://127.0.0.1:18480/files/course/page1_note.png"});
}

void TestCourseDetail::fixturePagesAreServed()
{
    StandInService service;
    QVERIFY(service.listen());
    QNetworkAccessManager manager;
    int checked = 0;
    for (const MaterialDetailBean *m : m_course->course_materials) {
        for (const FileBean &page : m->mFileItems) {
            std::vector<const FileBaseBean *> files{&page};
            for (const FileBaseBean &extra : page.materialPageExtras)
                files.push_back(&extra);
            for (const FileBaseBean *file : files) {
                const QUrl url(q(file->fileUrl));
                QCOMPARE(url.host(), QString("127.0.0.1"));
                std::unique_ptr<QNetworkReply> reply(manager.get(QNetworkRequest(QUrl(service.baseUrl() + url.path()))));
                QSignalSpy finished(reply.get(), &QNetworkReply::finished);
                QVERIFY(finished.wait(10000));
                QCOMPARE(reply->error(), QNetworkReply::NoError);
                const QByteArray bytes = reply->readAll();
                QCOMPARE(QByteArray::number(bytes.size()).toStdString(), file->fileSize);
                QCOMPARE(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex().toStdString(), file->fileMd5);
                const QImage picture = QImage::fromData(bytes);
                QVERIFY2(!picture.isNull(), qPrintable(url.path()));
                QCOMPARE(picture.width(), file->attribute.width);
                QCOMPARE(picture.height(), file->attribute.height);
                ++checked;
            }
        }
    }
    QCOMPARE(checked, 5);
}

void TestCourseDetail::currentCourseIsReplaced()
{
    // What the class window does on every course-detail reply.
    QCOMPARE(TQDataModelBean::m_pOngoingCourse, nullptr);
    for (int round = 0; round < 2; ++round) {
        delete TQDataModelBean::m_pOngoingCourse;
        TQDataModelBean::m_pOngoingCourse = nullptr;
        TQDataModelBean::m_pOngoingCourse = new CourseDetailBean(m_reply);
        CourseDetailBean *c = TQDataModelBean::m_pOngoingCourse;
        c->stampClassEntry();
        c->resetParticipantsForNewSession();
        c->clearDrawings();
        QCOMPARE(c->m_pOngoingMaterial, c->course_materials.at(1)); // the last one with pages
        const auto defaults = c->getDefaultMaterialAndPage();
        QCOMPARE(defaults.first, Q_INT64_C(7001));
        QVERIFY(c->changeOngoingMaterial(int(defaults.first)));
        QVERIFY(c->m_pOngoingMaterial->changeOngoingPage(defaults.second));
        QCOMPARE(c->m_pOngoingMaterial->m_pOngoingPage->mReservoirBackgroundElements.first()->height, 750);
        QVERIFY(c->checkStudentStatus(777, true));
        c->addPublicMessage(messageOf(10));
        c->mLatestDurationActions["20001_60"].reset();
    }
    delete TQDataModelBean::m_pOngoingCourse;
    TQDataModelBean::m_pOngoingCourse = nullptr;
}

void TestCourseDetail::malformed_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("member");
    QTest::addColumn<QVariant>("expected");
    QTest::newRow("empty: course_id") << QByteArray("{}") << "course_id" << QVariant("");
    QTest::newRow("empty: lecturer record") << QByteArray("{}") << "lecture_teacher.bystander" << QVariant("5");
    QTest::newRow("empty: statistics") << QByteArray("{}") << "mCallQualityStats" << QVariant(true);
    QTest::newRow("empty: is_prepared reads 0") << QByteArray("{}") << "is_prepared" << QVariant(0);
    QTest::newRow("empty: price_per_minute reads 0") << QByteArray("{}") << "price_per_minute" << QVariant(0.0);
    QTest::newRow("empty: duration") << QByteArray("{}") << "courseDurationSecs" << QVariant(0);
    QTest::newRow("course_id as number") << QByteArray(R"({"course_id":3001})") << "course_id" << QVariant("");
    QTest::newRow("price_type as text") << QByteArray(R"({"price_type":"1"})") << "price_type" << QVariant(1);
    QTest::newRow("is_prepared as text") << QByteArray(R"({"is_prepared":"1"})") << "is_prepared" << QVariant(0);
    QTest::newRow("rtm as bool") << QByteArray(R"({"rtm":true})") << "rtm" << QVariant(1);
    QTest::newRow("org_id fraction") << QByteArray(R"({"org_id":1.5})") << "org_id" << QVariant(0);
    QTest::newRow("huge max_video_index") << QByteArray(R"({"max_video_index":1e300})") << "max_video_index" << QVariant(0);
    QTest::newRow("popup_id number") << QByteArray(R"({"popup_id":1234567})") << "popup_id" << QVariant("1234567");
    QTest::newRow("popup_msg object") << QByteArray(R"({"popup_msg":{"a":1}})") << "popup_msg" << QVariant(R"({"a":1})");
    QTest::newRow("price_per_hour text") << QByteArray(R"({"price_per_hour":"90.5"})") << "price_per_hour" << QVariant(90.5);
    QTest::newRow("duration without end") << QByteArray(R"({"course_time":"2024-03-01 10:00:00"})")
                                          << "courseDurationSecs"
                                          << QVariant(-dateStringToSecs("2024-03-01 10:00:00", "yyyy-MM-dd hh:mm:ss"));
    QTest::newRow("lecturer as text") << QByteArray(R"({"lecture_teacher":"1024"})") << "lecture_teacher_user_id"
                                      << QVariant("");
    QTest::newRow("lecturer id as number") << QByteArray(R"({"lecture_teacher":{"user_id":1024}})")
                                           << "lecture_teacher.mUserId" << QVariant(1024);
    QTest::newRow("lecturer id number: no id text") << QByteArray(R"({"lecture_teacher":{"user_id":1024}})")
                                                    << "lecture_teacher_user_id" << QVariant("");
    QTest::newRow("participants not an array") << QByteArray(R"({"participants":{"user_brief_info":{}}})")
                                               << "participants" << QVariant(0);
    // Entries without a user id read as id 0, the number of the missing
    // lecturer id: they are taken for the lecturer and left out.
    QTest::newRow("participants of non-objects") << QByteArray(R"({"participants":[1,"x",null,[]]})")
                                                 << "participants" << QVariant(0);
    QTest::newRow("bystanders of non-objects") << QByteArray(R"({"bystanders":[1,"x",null,[]]})")
                                               << "bystanders" << QVariant(4);
    QTest::newRow("lecturer listed as participant is left out")
        << QByteArray(R"({"lecture_teacher":{"user_id":"5"},
                          "participants":[{"user_brief_info":{"user_id":"5"}},{"user_brief_info":{"user_id":6}}]})")
        << "participants" << QVariant(1);
    QTest::newRow("lecturer listed as bystander stays")
        << QByteArray(R"({"lecture_teacher":{"user_id":"5"},"bystanders":[{"user_brief_info":{"user_id":"5"}}],
                          "supervisors":[{"user_brief_info":{"user_id":"5"}}]})")
        << "bystanders" << QVariant(1);
    QTest::newRow("materials not an array") << QByteArray(R"({"course_materials":"7001"})") << "course_materials"
                                            << QVariant(0);
    QTest::newRow("materials of non-objects") << QByteArray(R"({"course_materials":[null,3,{"file_items":7}]})")
                                              << "course_materials" << QVariant(3);
    QTest::newRow("stream empty") << QByteArray(R"({"stream":{}})") << "mLiveStreamInfo" << QVariant(false);
    QTest::newRow("stream text") << QByteArray(R"({"stream":"rtmp://x"})") << "mLiveStreamInfo" << QVariant(false);
    QTest::newRow("stream with address only") << QByteArray(R"({"stream":{"stream":"rtmp://x/live"}})")
                                              << "stream.width" << QVariant(0);
    QTest::newRow("stream address") << QByteArray(R"({"stream":{"stream":"rtmp://x/live","duration":"3600"}})")
                                    << "stream.stream" << QVariant("rtmp://x/live");
    QTest::newRow("stream duration as text") << QByteArray(R"({"stream":{"stream":"rtmp://x/live","duration":"3600"}})")
                                             << "stream.duration" << QVariant(3600);
}

void TestCourseDetail::malformed()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, member);
    QFETCH(QVariant, expected);
    QJsonParseError error;
    QJsonDocument::fromJson(json, &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    const auto c = parse(json);
    const QVariantMap values = memberValues(*c);
    QVERIFY2(values.contains(member), qPrintable(member));
    QCOMPARE(values.value(member).toString(), expected.toString());
}

void TestCourseDetail::parseNeverCrashes_data()
{
    QTest::addColumn<QByteArray>("json");
    // Every key of the reply given a value of every wrong type.
    const QStringList keys = m_reply.keys();
    const QList<QPair<const char *, QJsonValue>> wrong{
        {"null", QJsonValue()},      {"true", true},           {"number", -1e308},
        {"text", "x"},               {"array", QJsonArray{1}}, {"object", QJsonObject{{"k", QJsonArray{}}}},
    };
    for (const auto &value : wrong) {
        QJsonObject broken = m_reply;
        for (const QString &key : keys)
            broken.insert(key, value.second);
        QTest::newRow(value.first) << QJsonDocument(broken).toJson();
    }
    // Lists whose entries have every key wrong.
    QJsonObject nested = m_reply;
    QJsonArray entries;
    for (const auto &value : wrong)
        entries.append(QJsonObject{{"user_brief_info", value.second}, {"file_items", value.second},
                                   {"videos", value.second}, {"bystander", value.second},
                                   {"material_id", value.second}, {"attribute", value.second}});
    for (const char *list : {"participants", "bystanders", "supervisors", "course_materials"})
        nested.insert(list, entries);
    QTest::newRow("entries") << QJsonDocument(nested).toJson();
}

void TestCourseDetail::parseNeverCrashes()
{
    QFETCH(QByteArray, json);
    const auto c = parse(json);
    c->resetParticipantsForNewSession();
    c->clearDrawings();
    c->getDefaultMaterialAndPage();
    c->findMaterialPageByUrl("http://127.0.0.1:18480/files/course/page1.png");
    QVERIFY(c->lecture_teacher);
    QVERIFY(c->mCallQualityStats);
}

void TestCourseDetail::coursePredicates_data()
{
    QTest::addColumn<int>("playMode");
    QTest::addColumn<int>("priceType");
    QTest::addColumn<int>("rtm");
    QTest::addColumn<int>("teachingMethod");
    // live, rtcVideo, speed, imageVideo, bigClass
    QTest::addColumn<QString>("truth");
    QTest::newRow("ordinary") << 0 << 0 << 0 << 0 << "TTFFF";
    QTest::newRow("speed, rtm 0") << 0 << 1 << 0 << 0 << "TTTFF";
    QTest::newRow("speed, rtm 1") << 0 << 1 << 1 << 0 << "TFTTF";
    QTest::newRow("speed, rtm 2") << 0 << 1 << 2 << 0 << "TFTFF";
    QTest::newRow("image-video") << 0 << 2 << 0 << 0 << "TTFTF";
    QTest::newRow("rtm 1 without speed") << 0 << 0 << 1 << 0 << "TTFTF";
    QTest::newRow("big class 3") << 0 << 3 << 0 << 0 << "TTFFT";
    QTest::newRow("big class 4") << 0 << 4 << 2 << 0 << "TTFFT";
    QTest::newRow("teaching method 5") << 0 << 0 << 0 << 5 << "TTFFT";
    QTest::newRow("teaching method 4") << 0 << 0 << 0 << 4 << "TTFFF";
    QTest::newRow("rehearsal") << 2 << 0 << 0 << 0 << "FFFFF";
    QTest::newRow("rehearsal, big class") << 2 << 3 << 1 << 5 << "FFFTT";
}

void TestCourseDetail::coursePredicates()
{
    QFETCH(int, playMode);
    QFETCH(int, priceType);
    QFETCH(int, rtm);
    QFETCH(int, teachingMethod);
    QFETCH(QString, truth);
    auto c = parse(QJsonDocument(QJsonObject{{"price_type", priceType}, {"rtm", rtm}, {"teaching_method", teachingMethod}})
                       .toJson());
    c->mPlayMode = playMode;
    const QString actual = QString(c->isLiveMode() ? "T" : "F") + (c->isRtcVideoEnabled() ? "T" : "F")
                           + (c->isSpeedMode() ? "T" : "F") + (c->isImageVideoMode() ? "T" : "F")
                           + (c->isBigClass() ? "T" : "F");
    QCOMPARE(actual, truth);
    QVERIFY(c->isTeacherRole());

    QVERIFY(!c->isPayForCommunication());
    QVERIFY(!c->isOrgCourse());
    c->pay_for_communication = 1;
    c->org_id = 3;
    QVERIFY(c->isPayForCommunication());
    QVERIFY(c->isOrgCourse());
}

void TestCourseDetail::qualityTextInSpeedMode()
{
    TQCallQualityStats stats;
    QCOMPARE(stats.describeQuality(0, 0).videoText, std::string("关闭了视频"));
    TQDataModelBean::m_pOngoingCourse = new CourseDetailBean(QJsonObject{{"price_type", 1}, {"rtm", 1}});
    const TQMediaQualityInfo info = stats.describeQuality(0, 0);
    QCOMPARE(info.videoText, std::string("极速模式下无法使用摄像头"));
    QCOMPARE(info.videoLevel, 0);
    delete TQDataModelBean::m_pOngoingCourse;
    TQDataModelBean::m_pOngoingCourse = nullptr;
}

void TestCourseDetail::defaultMaterialAndPage_data()
{
    QTest::addColumn<QJsonArray>("materials");
    QTest::addColumn<qint64>("id");
    QTest::addColumn<int>("page");
    QTest::newRow("unconverted first, type 4 second")
        << QJsonArray{material(1, 1, 2, {"a"}), material(2, 4, 0, {"b", "c"})} << qint64(2) << 0;
    QTest::newRow("only audio and video") << QJsonArray{material(1, 6, 0, {"a"}), material(2, 3, 4, {"b"})}
                                          << qint64(0) << 0;
    QTest::newRow("none") << QJsonArray{} << qint64(0) << 0;
    QTest::newRow("state 4 counts") << QJsonArray{material(9, 1, 4, {})} << qint64(9) << 0;
}

void TestCourseDetail::defaultMaterialAndPage()
{
    QFETCH(QJsonArray, materials);
    QFETCH(qint64, id);
    QFETCH(int, page);
    const auto c = courseWithMaterials(materials);
    const auto result = c->getDefaultMaterialAndPage();
    QCOMPARE(result.first, id);
    QCOMPARE(result.second, page);
}

void TestCourseDetail::clearDrawings()
{
    TestLogCapture log;
    auto empty = courseWithMaterials({});
    empty->clearDrawings();
    QCOMPARE(empty->m_pOngoingMaterial, nullptr);

    auto c = courseWithMaterials({material(11, 1, 0, {"a", "b"}), material(12, 1, 0, {"c"}), material(13, 3, 0, {})});
    c->course_materials.at(0)->changeOngoingPage(1);
    c->course_materials.at(0)->mOngoingPageIndex = 1;
    c->clearDrawings();
    QCOMPARE(c->m_pOngoingMaterial, c->course_materials.at(1));
    QVERIFY(log.messages().join("\n").contains("get material 1:[12]"));
    const MaterialDetailBean *first = c->course_materials.at(0);
    QCOMPARE(first->mOngoingPageIndex, 0);
    QCOMPARE(first->m_pOngoingPage, &first->mFileItems.front());
    for (const MaterialDetailBean *m : c->course_materials) {
        for (const FileBean &page : m->mFileItems) {
            QCOMPARE(page.mReservoirBackgroundElements.size(), 1);
            QCOMPARE(page.mReservoirBackgroundElements.first()->url, QString::fromStdString(page.fileUrl));
        }
    }

    auto noPages = courseWithMaterials({material(21, 3, 0, {}), material(22, 6, 0, {})});
    noPages->clearDrawings();
    QCOMPARE(noPages->m_pOngoingMaterial, noPages->course_materials.at(0));
}

void TestCourseDetail::prepareNewMaterial()
{
    auto c = courseWithMaterials({material(11, 1, 0, {"a"})});
    MaterialDetailBean known(material(11, 1, 0, {"x"}));
    c->prepareNewMaterial(&known);
    QCOMPARE(known.m_pOngoingPage, nullptr);
    QVERIFY(known.mFileItems[0].mReservoirBackgroundElements.isEmpty());

    MaterialDetailBean fresh(material(12, 1, 0, {"y", "z"}));
    c->prepareNewMaterial(&fresh);
    QCOMPARE(fresh.m_pOngoingPage, &fresh.mFileItems.front());
    QCOMPARE(fresh.mFileItems[1].mReservoirBackgroundElements.size(), 1);
    QCOMPARE(c->course_materials.size(), 1); // not added
    c->prepareNewMaterial(nullptr);

    QVERIFY(c->hasMaterial(&known));
    MaterialDetailBean otherRaw(material(11, 1, 0, {}));
    otherRaw.rawMaterialId = 5;
    QVERIFY(!c->hasMaterial(&otherRaw));
    QVERIFY(!c->hasMaterial(&fresh));
}

void TestCourseDetail::changeOngoingMaterial()
{
    TestLogCapture log;
    auto c = courseWithMaterials({material(11, 1, 0, {"a"}), material(12, 1, 0, {"b"}), material(12, 4, 0, {"c"})});
    QVERIFY(c->changeOngoingMaterial(12));
    QCOMPARE(c->m_pOngoingMaterial, c->course_materials.at(1));
    QVERIFY(c->changeOngoingMaterial(12));
    QCOMPARE(c->m_pOngoingMaterial, c->course_materials.at(1));
    QVERIFY(!c->changeOngoingMaterial(99));
    QCOMPARE(c->m_pOngoingMaterial, c->course_materials.at(1));
    QVERIFY(log.messages().join("\n").contains("LiveBroadcast:can not find material with id 99"));
}

void TestCourseDetail::findMaterialPageByUrl_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<qint64>("id");
    QTest::addColumn<int>("page");
    QTest::newRow("page 2 of the second") << "http://h/m2p2" << qint64(12) << 2;
    QTest::newRow("first match wins") << "http://h/same" << qint64(11) << 1;
    QTest::newRow("first page") << "http://h/m1p0" << qint64(11) << 0;
    QTest::newRow("unknown") << "http://h/none" << qint64(-1) << -1;
    QTest::newRow("one character") << "h" << qint64(-1) << -1;
    QTest::newRow("empty") << "" << qint64(-1) << -1;
    QTest::newRow("null") << QString() << qint64(-1) << -1;
    QTest::newRow("prefix is no match") << "http://h/m2p" << qint64(-1) << -1;
}

void TestCourseDetail::findMaterialPageByUrl()
{
    QFETCH(QString, url);
    QFETCH(qint64, id);
    QFETCH(int, page);
    const auto c = courseWithMaterials({material(11, 1, 0, {"http://h/m1p0", "http://h/same"}),
                                        material(12, 1, 0, {"http://h/same", "http://h/m2p1", "http://h/m2p2"})});
    const auto found = c->findMaterialPageByUrl(url);
    QCOMPARE(found.first, id);
    QCOMPARE(found.second, page);
    QCOMPARE(courseWithMaterials({})->findMaterialPageByUrl("http://h/m2p2").first, qint64(-1));
}

void TestCourseDetail::publicMessageBodies_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("bytes");
    const QByteArray chinese = QString(400, QChar(0x4E2D)).toUtf8(); // "中": 3 bytes each, 1200 in all
    QTest::newRow("1200-byte Chinese") << chinese << 999;
    QTest::newRow("Chinese one byte off the boundary") << ("a" + chinese) << 997;
    QTest::newRow("Chinese two bytes off the boundary") << ("ab" + chinese) << 998;
    QTest::newRow("1000 bytes stay") << QByteArray(1000, 'x') << 1000;
    QTest::newRow("1001 bytes") << QByteArray(1001, 'x') << 999;
    QTest::newRow("emoji") << QString::fromUtf8("😀").repeated(300).toUtf8() << 996;
}

void TestCourseDetail::publicMessageBodies()
{
    QFETCH(QByteArray, body);
    QFETCH(int, bytes);
    auto c = courseWithMaterials({});
    auto *message = new TQInClassMessage;
    message->mMessageBody = body.toStdString();
    c->addPublicMessage(message);
    QCOMPARE(int(message->mMessageBody.size()), bytes);
    QVERIFY(body.startsWith(QByteArray::fromStdString(message->mMessageBody)));
    // The cut never leaves half a character behind.
    QCOMPARE(QString::fromUtf8(QByteArray::fromStdString(message->mMessageBody)).toUtf8(),
             QByteArray::fromStdString(message->mMessageBody));
}

void TestCourseDetail::publicMessageBound()
{
    auto c = courseWithMaterials({});
    QList<TQInClassMessage *> added;
    for (int i = 0; i < 501; ++i) {
        added.append(messageOf(1));
        c->addPublicMessage(added.last());
    }
    QCOMPARE(c->mPublicMessages.size(), 501);
    QCOMPARE(c->mPublicMessages.first(), added.first());

    auto *next = messageOf(2);
    c->addPublicMessage(next);
    QCOMPARE(c->mPublicMessages.size(), 501);
    QCOMPARE(c->mPublicMessages.first(), added.at(1));
    QCOMPARE(c->mPublicMessages.last(), next);
    // The message that left may still be on its way to the students.
    QCOMPARE(added.first()->mMessageBody, std::string("x"));

    // A message handed over twice is kept once.
    c->addPublicMessage(next);
    QCOMPARE(c->mPublicMessages.size(), 501);
    c->addPublicMessage(nullptr);
    QCOMPARE(c->mPublicMessages.size(), 501);
}

void TestCourseDetail::publicMessageStamps()
{
    TestClock clock(1700000000000);
    auto c = courseWithMaterials({});
    const qint64 now = secondsSinceReferenceDate();
    auto *first = messageOf(1);
    first->mIndexStamp = 5; // overwritten
    c->addPublicMessage(first);
    QCOMPARE(first->mIndexStamp, now);
    first->mIndexStamp = now + 1000; // a stamp in the future
    auto *second = messageOf(1);
    c->addPublicMessage(second);
    QCOMPARE(second->mIndexStamp, now + 1000);
    clock.advance(5000);
    auto *third = messageOf(1);
    c->addPublicMessage(third);
    QCOMPARE(third->mIndexStamp, now + 1000);
    clock.advance(2000000);
    auto *fourth = messageOf(1);
    c->addPublicMessage(fourth);
    QCOMPARE(fourth->mIndexStamp, now + 2005);
}

void TestCourseDetail::recentPublicMessages_data()
{
    QTest::addColumn<QList<int>>("sizes");
    QTest::addColumn<int>("returned");
    QTest::newRow("5000, 2000, 3000") << QList<int>{5000, 2000, 3000} << 3;
    QTest::newRow("the message crossing 8000 is included") << QList<int>{100, 3000, 3000, 3000} << 3;
    QTest::newRow("exactly 8000") << QList<int>{1, 4000, 4000} << 2;
    QTest::newRow("7999") << QList<int>{1, 3999, 4000} << 3;
    QTest::newRow("one long message") << QList<int>{1, 9000} << 1;
    QTest::newRow("none") << QList<int>{} << 0;
}

void TestCourseDetail::recentPublicMessages()
{
    QFETCH(QList<int>, sizes);
    QFETCH(int, returned);
    auto c = courseWithMaterials({});
    for (int size : sizes) {
        auto *message = new TQInClassMessage;
        message->mMessageBody.assign(size_t(size), 'x');
        message->mFromSeqNum = size;
        // Set the body after the cut so that sizes above 1000 stay.
        c->addPublicMessage(message);
        message->mMessageBody.assign(size_t(size), 'x');
    }
    const QList<TQInClassMessage *> recent = c->getRecentPublicMessages();
    QCOMPARE(recent.size(), returned);
    QCOMPARE(recent, c->mPublicMessages.mid(c->mPublicMessages.size() - returned));
}

void TestCourseDetail::classSessionId()
{
    auto c = parse(R"({"course_schedule_id":"30001","lecture_teacher":{"user_id":"1024"}})");
    const QString device = CDataHelper::getDeviceId();
    QCOMPARE(c->getClassSessionId(), QString("30001_1024_%1_0").arg(device));
    QCOMPARE(c->mDeviceId, device.toStdString());

    TestClock clock(QDateTime(QDate(2020, 1, 2), QTime(0, 0, 10)).toMSecsSinceEpoch());
    c->stampClassEntry();
    QCOMPARE(c->mClassEntryStamp, 86410);
    QCOMPARE(c->getClassSessionId(), QString("30001_1024_%1_86410").arg(device));
}

void TestCourseDetail::displayNameLookup()
{
    const auto lookup = CourseDetailBean::displayNameLookup();
    std::string name;
    QVERIFY(!lookup(20001, &name)); // no current course

    TQDataModelBean::m_pOngoingCourse = new CourseDetailBean(m_reply);
    TQDataModelBean::m_pOngoingCourse->resetParticipantsForNewSession();
    TQPrivateMessageAction::setDisplayNameLookup(CourseDetailBean::displayNameLookup());
    const std::unique_ptr<TQPrivateMessageAction> known(TQPrivateMessageAction::privateMessageFromString("老师好", 20001));
    QCOMPARE(known->mMessage->mFromUserName, std::string("小明（三班）"));
    const std::unique_ptr<TQPrivateMessageAction> nick(TQPrivateMessageAction::privateMessageFromString("hi", 20002));
    QCOMPARE(nick->mMessage->mFromUserName, std::string("小红"));
    const std::unique_ptr<TQPrivateMessageAction> unknown(TQPrivateMessageAction::privateMessageFromString("hi", 999));
    QCOMPARE(unknown->mMessage->mFromUserName, std::string());

    // The lookup reads the current course at each call.
    delete TQDataModelBean::m_pOngoingCourse;
    TQDataModelBean::m_pOngoingCourse = nullptr;
    const std::unique_ptr<TQPrivateMessageAction> later(TQPrivateMessageAction::privateMessageFromString("hi", 20001));
    QCOMPARE(later->mMessage->mFromUserName, std::string());
    TQPrivateMessageAction::setDisplayNameLookup(nullptr);
}

QTEST_GUILESS_MAIN(TestCourseDetail)
#include "tst_coursedetail.moc"
