// The course service and the course list view model against the local
// stand-in: every course operation's fields and reply, and the week's and
// the past schedules as the main window asks for them.
#include "ServiceCheck.h"
#include "StandInService.h"

#include "modules/coach/course/CourseService.h"
#include "modules/coach/course/CourseViewModel.h"
#include "modules/live/bean/CourseScheduleFeedback.h"
#include "modules/live/bean/SendCourseSchedulePictureBean.h"
#include "modules/login/LoginManager.h"
#include "platform/http/ApiPaths.h"
#include "platform/http/ApiRequestParams.h"
#include "platform/http/AppInfo.h"
#include "platform/http/httpRequest.h"
#include "utils/GlobalConfig.h"

#include <QDate>
#include <QJsonArray>
#include <QTemporaryDir>
#include <QtTest>

#include <vector>

namespace {

const QString kUserID = QStringLiteral("10001");
const QString kToken = QStringLiteral("tk=1 &+");
const QString kOrgID = QStringLiteral("101");
const QByteArray kOk = R"({"statusCode":0,"errorMsg":"","returnResult":{"ok":1}})";

ParamMap common(const ParamMap &own = {})
{
    return ServiceCheck::withCommon(own, {{"userID", kUserID}, {"userToken", kToken}, {"orgID", kOrgID}});
}

QString path(const char *rest)
{
    return ApiPaths::kPrefix + QLatin1String(rest);
}

// Every signal of the view model, by name, with what it carried.
struct CourseResults
{
    explicit CourseResults(CourseViewModel &model)
    {
        using M = CourseViewModel;
        record(model, &M::getNewCourseSchedulesSuccess_signal, "new");
        record(model, &M::getPastCourseSchedulesSuccess_signal, "past");
        record(model, &M::getNewCourseSchedulesForStudentSuccess_signal, "newForStudent");
        record(model, &M::getPastCourseSchedulesForStudentSuccess_signal, "pastForStudent");
        record(model, &M::searchDataSuccessForStudent_signal, "search");
        record(model, &M::requestBystander_signal, "bystander");
        record(model, &M::getProductDetailSuccess_singal, "productDetail");
        record(model, &M::getOrderForFreeSuccess_singal, "order");
        QObject::connect(&model, &M::failure_signal, [this](Failure &f) {
            events << "failure";
            failures << f;
        });
    }
    void record(CourseViewModel &model, void (CourseViewModel::*signal)(QJsonObject &), const QString &name)
    {
        QObject::connect(&model, signal, [this, name](QJsonObject &reply) {
            events << name;
            replies.insert(name, reply);
        });
    }
    bool waitFor(int count) { return QTest::qWaitFor([&] { return events.size() >= count; }, 10000); }
    QJsonArray schedules(const QString &name) const
    {
        return replies.value(name).value("returnResult").toObject().value("course_schedules").toArray();
    }

    QStringList events;
    QHash<QString, QJsonObject> replies;
    QList<Failure> failures;
};

} // namespace

class TestCourseService : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void operation_data();
    void operation();
    void missingRecordsMakeNoRequest();
    void weekAndPastSchedules();
    void pastReplyFirst();
    void listFailures_data();
    void listFailures();
    void otherListOperations_data();
    void otherListOperations();

private:
    StandInService m_service;
    CourseService m_courses;
    QTemporaryDir m_dir;
    CourseScheduleFeedback m_feedback;
    SendCourseSchedulePictureBean m_picture;
    SendCourseSchedulePictureBean m_bareHomework;
    std::vector<ServiceCheck::Case> m_cases;
};

void TestCourseService::initTestCase()
{
    QVERIFY(m_service.listen());
    GlobalConfig().setValue(QStringLiteral("api_host"), m_service.baseUrl());
    LoginManager::saveLoginInfo(QJsonObject{
        {"tokenStatus", QJsonObject{{"token", kToken}}},
        {"accountDetails", QJsonObject{{"user_id", kUserID}, {"user_nick_name", QStringLiteral("王老师")},
                                       {"mobile_phone", "13800000001"}}}});
    AppInfo::setOrgId(kOrgID);

    QVERIFY(m_dir.isValid());
    const QString file = m_dir.filePath(QStringLiteral("homework.jpg"));
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(QByteArray("\xff\xd8\xff\xe0 picture", 12));
    out.close();

    const QString odd = QStringLiteral("a&b=c+d 中");
    m_feedback = {2001, 30001, 5001, 3, "20001", 5, odd.toStdString(), 1234567890123LL, 4};
    m_picture = {2001, 30001, 5001, 2, file.toStdString(), file.toStdString(), 9, "20001", "", false};
    m_bareHomework = {2001, 30001, 5001, 0, file.toStdString(), file.toStdString(), 0, "", "", true};

    CourseService *s = &m_courses;
    const QString week0 = QStringLiteral("2024-05-06 00:00:00");
    const QString week1 = QStringLiteral("2024-05-12 23:59:59");
    const QString base = m_service.baseUrl();
    m_cases = {
        {"week's schedules", [=] { return s->getNewCourseSchedules(week0, week1); },
         path("v3/courses/getCourseSchedulesForLecturer"),
         common({{"page", "1"}, {"pageSize", "20"}, {"sortOrder", "2"}, {"courseScheduleStatus", "3"},
                 {"periodStart", week0}, {"periodEnd", week1}}),
         {}, "returnResult/course_schedules/0/course_schedule_id", "30001"},
        {"new schedules, a later page of any size", [=] { return s->getNewCourseSchedules(2, 0, "", week1); },
         path("v3/courses/getCourseSchedulesForLecturer"),
         common({{"page", "2"}, {"sortOrder", "2"}, {"courseScheduleStatus", "3"}, {"periodEnd", week1}}), {},
         "returnResult/course_schedules/0/course_id", "2001"},
        {"past schedules", [=] { return s->getPastCourseSchedules("", ""); },
         path("v3/courses/getCourseSchedulesForLecturer"),
         common({{"page", "1"}, {"pageSize", "5"}, {"sortOrder", "3"}, {"courseScheduleStatus", "20"}}), {},
         "returnResult/course_schedules/0/course_schedule_id", "30008"},
        {"past schedules, paged", [=] { return s->getPastCourseSchedules(3, 10, week0, ""); },
         path("v3/courses/getCourseSchedulesForLecturer"),
         common({{"page", "3"}, {"pageSize", "10"}, {"sortOrder", "3"}, {"courseScheduleStatus", "20"},
                 {"periodStart", week0}}),
         {}, "returnResult/total", "3"},
        {"student's past schedules",
         [=] { return s->schedulesForStudent(CourseService::kPastSchedulesForStudent, "", ""); },
         path("courses/schedulesForStudent"),
         common({{"page", "1"}, {"pageSize", "10"}, {"sortOrder", "3"}, {"courseScheduleStatus", "20"}}), {},
         "returnResult/ok", "1", kOk},
        {"detail for a rehearsal", [=] { return s->getCourseScheduleDetailForLecturer(30001, 2); },
         path("v3/courses/getCourseScheduleDetailForLecturer"), common({{"courseScheduleID", "30001"}, {"preview", "1"}}),
         {}, "returnResult/ok", "1", kOk},
        {"detail for a live class", [=] { return s->getCourseScheduleDetailForLecturer(30001, 0); },
         path("v3/courses/getCourseScheduleDetailForLecturer"), common({{"courseScheduleID", "30001"}}), {},
         "returnResult/ok", "1", kOk},
        {"detail for a student", [=] { return s->getCourseScheduleDetailForStudent(30001); },
         path("v3/courses/getCourseScheduleDetailForStudent"), common({{"courseScheduleID", "30001"}}), {},
         "returnResult/ok", "1", kOk},
        {"participant", [=] { return s->getCourseScheduleParticipant(30001, "20001"); },
         path("v2/courses/getCourseScheduleParticipant"), common({{"courseScheduleID", "30001"}, {"studentID", "20001"}}),
         {}, "returnResult/user_brief_info/user_nick_name", QStringLiteral("李明")},
        {"add materials", [=] { return s->prepareCourseSchedule(2001, 30002, R"([{"material_id":"5001"}])", true); },
         path("courses/prepareCourseSchedule"),
         common({{"courseID", "2001"}, {"scheduleID", "30002"}, {"assignType", "2"}, {"undo", "0"},
                 {"prepareData", R"([{"material_id":"5001"}])"}}),
         {}, "returnResult/course_materials/0/raw_material_id", "5000"},
        {"feedback", [=] { return s->pushCourseScheduleFeedback(&m_feedback); }, path("courses/pushCourseScheduleFeedback"),
         common({{"courseID", "2001"}, {"courseScheduleID", "30001"}, {"materialID", "5001"}, {"pageNum", "3"},
                 {"targetUserID", "20001"}, {"feedbackType", "5"}, {"feedbackStr", odd},
                 {"timeIntervalSinceClassStart", "1234567890123"}, {"maxVideoIndex", "4"}}),
         {}, "statusCode", "0"},
        {"homework picture", [=] { return s->pushParticipantCourseScheduleBinaryRecord(&m_picture); },
         path("courses/pushParticipantCourseScheduleBinaryRecord"),
         common({{"courseID", "2001"}, {"courseScheduleID", "30001"}, {"materialID", "5001"}, {"pageNum", "2"},
                 {"homeworkID", "9"}, {"targetUserID", "20001"}}),
         "binary_file", "returnResult/file_url", base + "/files/board.png"},
        {"photo without homework and target", [=] { return s->pushParticipantCourseScheduleBinaryRecord(&m_bareHomework); },
         path("courses/pushParticipantCourseScheduleBinaryRecord"),
         common({{"courseID", "2001"}, {"courseScheduleID", "30001"}, {"materialID", "5001"}, {"pageNum", "0"}}),
         "binary_file", "returnResult/file_url", base + "/files/board.png"},
        {"live config, nothing valid", [=] { return s->updateLiveConfig(2, "", -1); }, path("v1/user/liveConfig"),
         common(), {}, "returnResult/ok", "1", kOk},
        {"live config", [=] { return s->updateLiveConfig(1, "http://127.0.0.1/p.png", 3); }, path("v1/user/liveConfig"),
         common({{"cameraOn", "1"}, {"liveProfileURL", "http://127.0.0.1/p.png"}, {"profileFilter", "3"}}), {},
         "returnResult/ok", "1", kOk},
        {"class log", [=] { return s->pushCourseScheduleStudentLog(file); }, path("courses/pushCourseScheduleStudentLog"),
         common(), "course_log", "statusCode", "0"},
        {"live statistics", [=] { return s->pushLiveStatistics(30001, R"({"a":1})", ""); },
         path("trade/pushLiveStatistics"), common({{"courseScheduleID", "30001"}, {"data", R"({"a":1})"}}), {},
         "returnResult/l_balance", "280"},
        {"live statistics with the lecturer's", [=] { return s->pushLiveStatistics(30001, "", "[2]"); },
         path("trade/pushLiveStatistics"),
         common({{"courseScheduleID", "30001"}, {"data", ""}, {"lecturerData", "[2]"}}), {}, "returnResult/l_balance",
         "280"},
        {"stage statistics", [=] { return s->pushStageStatistics(30001, "[1]"); }, path("courses/pushScheduleStatistics"),
         common({{"courseScheduleID", "30001"}, {"type", "1"}, {"data", "[1]"}}), {}, "statusCode", "0"},
        {"sign-in statistics", [=] { return s->pushSignInStatistics(30001, "[2]"); },
         path("courses/pushScheduleStatistics"), common({{"courseScheduleID", "30001"}, {"type", "2"}, {"data", "[2]"}}),
         {}, "statusCode", "0"},
        {"moments", [=] { return s->pushScheduleMoments("30001", odd); }, path("courses/pushScheduleMoments"),
         common({{"courseScheduleID", "30001"}, {"moments", odd}}), {}, "statusCode", "0"},
        {"live stream", [=] { return s->getScheduleLiveStream("30001"); }, path("courses/getScheduleLiveStream"),
         common({{"courseScheduleID", "30001"}}), {}, "returnResult/stream", "rtmp://127.0.0.1/live/30001"},
        {"up stream", [=] { return s->getScheduleUpStream(30001); }, path("courses/getScheduleUpStream"),
         common({{"courseScheduleID", "30001"}}), {}, "returnResult/rtmp", "rtmp://127.0.0.1/live/30001?key=standin"},
        {"newest messages", [=] { return s->getScheduleMessages(30001, "0"); }, path("courses/getScheduleMessages"),
         common({{"courseScheduleID", "30001"}, {"pageSize", "50"}}), {}, "returnResult/0/body", QStringLiteral("老师好")},
        {"messages after a cursor", [=] { return s->getScheduleMessages(30001, "17170000001234"); },
         path("courses/getScheduleMessages"),
         common({{"courseScheduleID", "30001"}, {"pageSize", "50"}, {"offset", "17170000001234"}}), {},
         "returnResult/0/microtime", "1717000000123456"},
        {"publish message", [=] { return s->pubScheduleMessage(30001, odd); }, path("courses/pubScheduleMessage"),
         common({{"courseScheduleID", "30001"}, {"body", odd}}), {}, "statusCode", "0"},
        {"test live stream", [=] { return s->getTestLiveStream(); }, path("file/getTestLiveStream"),
         {{"userID", kUserID}, {"userToken", kToken}}, {}, "returnResult/ok", "1", kOk},
        {"participate", [=] { return s->participateInCourse("30001", 1); }, path("v1/courses/participateInCourse"),
         common({{"courseScheduleID", "30001"}, {"studentID", kUserID}, {"bystander", "1"}}), {}, "returnResult/ok",
         "1", kOk},
        {"product search", [=] { return s->searchProductList(odd); }, path("trade/searchProductList"),
         common({{"includeAllOpenCourses", "1"}, {"includeVideoProduct", "1"}, {"includeCourseProduct", "1"},
                 {"orgSearchOption", "2"}, {"nameOrID", odd}}),
         {}, "returnResult/ok", "1", kOk},
        {"product detail", [=] { return s->getProductDetail("202", "7,8"); }, path("trade/getProductDetail"),
         common({{"orgID", "202"}, {"productIDs", "[7,8]"}, {"needPurchaseInfo", "1"}}), {}, "returnResult/ok", "1", kOk},
        {"purchase order", [=] { return s->getPurchaseOrder("p1", ""); }, path("trade/getPurchaseOrder"),
         common({{"productID", "p1"}, {"purchasedFor", kUserID}, {"contactUserName", QStringLiteral("王老师")},
                 {"contactUserPhoneNumber", "13800000001"}}),
         {}, "returnResult/ok", "1", kOk},
    };
}

void TestCourseService::init()
{
    m_service.clearReplies();
    m_service.clearRequests();
}

void TestCourseService::operation_data()
{
    ServiceCheck::addRows(m_cases);
}

void TestCourseService::operation()
{
    ServiceCheck::verifyRow(m_service, m_cases);
}

void TestCourseService::missingRecordsMakeNoRequest()
{
    QVERIFY(!m_courses.pushCourseScheduleFeedback(nullptr));
    QVERIFY(!m_courses.pushParticipantCourseScheduleBinaryRecord(nullptr));
    QTest::qWait(50);
    QVERIFY(m_service.requests().isEmpty());
}

void TestCourseService::weekAndPastSchedules()
{
    // As the main window asks: today's week, then the past without a period.
    const QDateTime start(QDate::currentDate(), QTime(0, 0));
    const QString periodStart = start.toString("yyyy-MM-dd hh:mm:ss");
    const QString periodEnd = start.addSecs(604799).toString("yyyy-MM-dd hh:mm:ss");
    CourseViewModel model(&m_courses);
    CourseResults results(model);
    model.getNewCourseSchedules(periodStart, periodEnd);
    model.getPastCourseSchedules(QString(), QString());
    QVERIFY(results.waitFor(2));
    QTest::qWait(50);
    QCOMPARE(results.events.size(), 2);
    QVERIFY(results.events.contains("new"));
    QVERIFY(results.events.contains("past"));

    const auto sent = m_service.requests();
    QCOMPARE(sent.size(), 2);
    for (const auto &request : sent) {
        const bool past = request.formValue("courseScheduleStatus") == "20";
        QCOMPARE(request.formValue("pageSize"), past ? QStringLiteral("5") : QStringLiteral("20"));
        QCOMPARE(request.formValue("sortOrder"), past ? QStringLiteral("3") : QStringLiteral("2"));
        QCOMPARE(request.formKeys().contains("periodStart"), !past);
        QCOMPARE(request.formKeys().contains("periodEnd"), !past);
        if (!past)
            QCOMPARE(request.formValue("periodEnd"), periodEnd);
    }

    // The whole reply is passed on; the schedules are the fixture's.
    const QJsonArray week = results.schedules("new");
    QCOMPARE(results.replies.value("new").value("statusCode").toInt(-1), 0);
    QVERIFY(week.size() >= 7);
    for (int i = 0; i < 7; ++i) {
        const QJsonObject schedule = week.at(i).toObject();
        QCOMPARE(schedule.value("course_schedule_id").toString(), QString::number(30001 + i));
        const QDate day = QDate::fromString(schedule.value("course_time").toString().left(10), "yyyy-MM-dd");
        QCOMPARE(day, QDate::currentDate().addDays(i));
        QCOMPARE(schedule.value("lecture_teacher_id").toString(), kUserID);
    }
    const QJsonArray past = results.schedules("past");
    QCOMPARE(past.size(), 3);
    QCOMPARE(past.at(0).toObject().value("course_schedule_id").toString(), QStringLiteral("30008"));
    QCOMPARE(past.at(1).toObject().value("course_schedule_status").toInt(), 16);
    QCOMPARE(past.at(2).toObject().value("course_content").toString(), QStringLiteral("英语 第10讲"));
}

void TestCourseService::pastReplyFirst()
{
    // The week's reply is slow; each list is passed on when it arrives.
    StandInService::Reply slow =
        StandInService::Reply::ok({{"course_schedules", QJsonArray{QJsonObject{{"course_schedule_id", "slow"}}}}});
    slow.delayMs = 300;
    m_service.queueReply(ApiPaths::kGetCourseSchedulesForLecturer, slow);
    CourseViewModel model(&m_courses);
    CourseResults results(model);
    model.getNewCourseSchedules("", "");
    QVERIFY(m_service.waitForRequests(1));
    model.getPastCourseSchedules("", "");
    QVERIFY(results.waitFor(2));
    QCOMPARE(results.events, (QStringList{"past", "new"}));
    QCOMPARE(results.schedules("new").at(0).toObject().value("course_schedule_id").toString(), QStringLiteral("slow"));
    QCOMPARE(results.schedules("past").size(), 3);
}

void TestCourseService::listFailures_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("code");
    QTest::newRow("service refusal") << QByteArray(R"({"statusCode":10002,"errorMsg":"请重新登录"})") << 200
                                     << int(Failure::kOperation) << 10002;
    QTest::newRow("statusCode as text") << QByteArray(R"({"statusCode":"10002","errorMsg":"请重新登录"})") << 200
                                        << int(Failure::kOperation) << 10002;
    QTest::newRow("statusCode unreadable") << QByteArray(R"({"statusCode":"ok","returnResult":{}})") << 200
                                           << int(Failure::kData) << 0;
    QTest::newRow("server error page") << QByteArray("<html>502</html>") << 502 << int(Failure::kNetwork) << -1;
}

void TestCourseService::listFailures()
{
    QFETCH(QByteArray, body);
    QFETCH(int, status);
    QFETCH(int, kind);
    QFETCH(int, code);
    m_service.setReply(ApiPaths::kGetCourseSchedulesForLecturer, StandInService::Reply::raw(body, status));
    CourseViewModel model(&m_courses);
    CourseResults results(model);
    model.getNewCourseSchedules("", "");
    model.getPastCourseSchedules("", "");
    QVERIFY(results.waitFor(2));
    QTest::qWait(50);
    // Both lists report through the one failure signal, never as a success.
    QCOMPARE(results.events, (QStringList{"failure", "failure"}));
    for (const Failure &failure : results.failures) {
        QCOMPARE(failure.getKind(), kind);
        if (code >= 0)
            QCOMPARE(failure.getCode(), code);
    }
}

void TestCourseService::otherListOperations_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("event");
    QTest::newRow("student's new schedules") << "newForStudent" << path("courses/schedulesForStudent") << "pageSize"
                                             << "20" << "newForStudent";
    QTest::newRow("student's past schedules") << "pastForStudent" << path("courses/schedulesForStudent") << "pageSize"
                                              << "10" << "pastForStudent";
    QTest::newRow("search") << "search" << path("trade/searchProductList") << "nameOrID" << "30001" << "search";
    QTest::newRow("bystander") << "bystander" << path("v1/courses/participateInCourse") << "bystander" << "1"
                               << "bystander";
    QTest::newRow("product detail") << "productDetail" << path("trade/getProductDetail") << "productIDs" << "[7]"
                                    << "productDetail";
    QTest::newRow("free order") << "order" << path("trade/getPurchaseOrder") << "skuID" << "s2" << "order";
}

void TestCourseService::otherListOperations()
{
    QFETCH(QString, operation);
    QFETCH(QString, path);
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, event);
    m_service.setReply(path, StandInService::Reply::ok({{"ok", 1}}));
    CourseViewModel model(&m_courses);
    CourseResults results(model);
    if (operation == "newForStudent")
        model.getNewCourseSchedulesForStudent("", "");
    else if (operation == "pastForStudent")
        model.getPastCourseSchedulesForStudent("", "");
    else if (operation == "search")
        model.searchDataForStudent("30001");
    else if (operation == "bystander")
        model.requestBystander("30001", 1);
    else if (operation == "productDetail")
        model.getProductDetail("202", "7");
    else
        model.getOrderForFree("p1", "s2");
    QVERIFY(results.waitFor(1));
    QCOMPARE(results.events, QStringList{event});
    QCOMPARE(m_service.requests().value(0).path, path);
    QCOMPARE(m_service.requests().value(0).formValue(field), value);
    QCOMPARE(results.replies.value(event).value("returnResult").toObject().value("ok").toInt(), 1);
}

QTEST_GUILESS_MAIN(TestCourseService)
#include "tst_courseservice.moc"
