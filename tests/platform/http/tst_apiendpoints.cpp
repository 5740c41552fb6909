// Every endpoint made by its builder and factory and sent to the local
// stand-in: the path, the body type and exactly the parameters the server
// receives, in the order they are sent.
#include "RequestProbe.h"
#include "StandInService.h"

#include "common/CommonRequestFactory.h"
#include "common/CommonRequestParams.h"
#include "modules/coach/course/CourseRequestFactory.h"
#include "modules/coach/course/CourseRequestParams.h"
#include "modules/coach/material/MaterialRequestFactory.h"
#include "modules/coach/material/MaterialRequestParams.h"
#include "modules/login/LoginManager.h"
#include "platform/http/ApiPaths.h"
#include "platform/http/AppInfo.h"
#include "platform/http/httpRequest.h"
#include "utils/GlobalConfig.h"

#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <vector>

namespace {

const QString kToken = QStringLiteral("tk=1 &+");

struct EndpointCase
{
    QString name;
    std::function<httpRequest *()> make;
    QString path;      // as the server sees it
    QString fileField; // empty for a form
    ParamMap params;   // every field sent besides the file
};

// The endpoint's own fields plus the common ones it does not set itself.
ParamMap common(ParamMap params = {})
{
    const ParamMap signedIn{{QStringLiteral("userID"), QStringLiteral("10001")},
                            {QStringLiteral("userToken"), kToken},
                            {QStringLiteral("orgID"), QStringLiteral("101")}};
    for (auto it = signedIn.cbegin(); it != signedIn.cend(); ++it) {
        if (!params.contains(it.key()))
            params.insert(it.key(), it.value());
    }
    return params;
}

std::vector<EndpointCase> makeCases(const QString &file)
{
    using C = CourseRequestParams;
    using CF = CourseRequestFactory;
    const QString odd = QStringLiteral("a&b=c+d 中");
    auto form = [](auto factory, ParamMap params) {
        return std::function<httpRequest *()>([=] { return factory(params); });
    };
    auto upload = [](auto factory, UploadParams pair) {
        return std::function<httpRequest *()>([=] { return factory(pair.params, pair.files); });
    };
    auto path = [](const char *rest) { return QStringLiteral("/biz_mv/edu/") + QLatin1String(rest); };

    return {
        {"new schedule list",
         form(CF::getCourseSchedulesForLecturer,
              C::getCourseSchedulesForLecturer(1, 2, 3, 20, "2024-05-06", "2024-05-12")),
         path("v3/courses/getCourseSchedulesForLecturer"), {},
         common({{"page", "1"}, {"sortOrder", "2"}, {"courseScheduleStatus", "3"}, {"pageSize", "20"},
                 {"periodStart", "2024-05-06"}, {"periodEnd", "2024-05-12"}})},
        {"past schedule list without periods",
         form(CF::getCourseSchedulesForLecturer, C::getCourseSchedulesForLecturer(1, 3, 20, 5, "", "")),
         path("v3/courses/getCourseSchedulesForLecturer"), {},
         common({{"page", "1"}, {"sortOrder", "3"}, {"courseScheduleStatus", "20"}, {"pageSize", "5"}})},
        {"schedule list without page size",
         form(CF::getCourseSchedulesForLecturer, C::getCourseSchedulesForLecturer(2, 2, 3, 0, "", "2024-05-12")),
         path("v3/courses/getCourseSchedulesForLecturer"), {},
         common({{"page", "2"}, {"sortOrder", "2"}, {"courseScheduleStatus", "3"}, {"periodEnd", "2024-05-12"}})},
        {"student schedule list", form(CF::schedulesForStudent, C::schedulesForStudent(1, 3, 20, 10, "", "")),
         path("courses/schedulesForStudent"), {},
         common({{"page", "1"}, {"sortOrder", "3"}, {"courseScheduleStatus", "20"}, {"pageSize", "10"}})},
        {"detail for a rehearsal",
         form(CF::getCourseScheduleDetailForLecturer, C::getCourseScheduleDetailForLecturer(30001, 2)),
         path("v3/courses/getCourseScheduleDetailForLecturer"), {},
         common({{"courseScheduleID", "30001"}, {"preview", "1"}})},
        {"detail for a live class",
         form(CF::getCourseScheduleDetailForLecturer, C::getCourseScheduleDetailForLecturer(30001, 3)),
         path("v3/courses/getCourseScheduleDetailForLecturer"), {}, common({{"courseScheduleID", "30001"}})},
        {"detail for a student", form(CF::getCourseScheduleDetailForStudent, C::getCourseScheduleDetailForStudent(-5)),
         path("v3/courses/getCourseScheduleDetailForStudent"), {}, common({{"courseScheduleID", "-5"}})},
        {"participant", form(CF::getCourseScheduleParticipant, C::getCourseScheduleParticipant(30001, "")),
         path("v2/courses/getCourseScheduleParticipant"), {},
         common({{"courseScheduleID", "30001"}, {"studentID", ""}})},
        {"prepare schedule",
         form(CF::prepareCourseSchedule, C::prepareCourseSchedule(2001, 30001, R"([{"materialID":5001}])", false)),
         path("courses/prepareCourseSchedule"), {},
         common({{"courseID", "2001"}, {"scheduleID", "30001"}, {"assignType", "1"}, {"undo", "0"},
                 {"prepareData", R"([{"materialID":5001}])"}})},
        {"feedback",
         form(CF::pushCourseScheduleFeedback,
              C::pushCourseScheduleFeedback(2001, 30001, 5001, 3, "20001", 2, odd.toUtf8(), 1234567890123LL, 4)),
         path("courses/pushCourseScheduleFeedback"), {},
         common({{"courseID", "2001"}, {"courseScheduleID", "30001"}, {"materialID", "5001"}, {"pageNum", "3"},
                 {"targetUserID", "20001"}, {"feedbackType", "2"}, {"feedbackStr", odd},
                 {"timeIntervalSinceClassStart", "1234567890123"}, {"maxVideoIndex", "4"}})},
        {"homework picture without homework and target",
         upload(CF::pushParticipantCourseScheduleBinaryRecord,
              C::pushParticipantCourseScheduleBinaryRecord(2001, 30001, 5001, 0, file, 0, "")),
         path("courses/pushParticipantCourseScheduleBinaryRecord"), "binary_file",
         common({{"courseID", "2001"}, {"courseScheduleID", "30001"}, {"materialID", "5001"}, {"pageNum", "0"}})},
        {"homework picture",
         upload(CF::pushParticipantCourseScheduleBinaryRecord,
              C::pushParticipantCourseScheduleBinaryRecord(2001, 30001, 5001, 1, file, 9, "20001")),
         path("courses/pushParticipantCourseScheduleBinaryRecord"), "binary_file",
         common({{"courseID", "2001"}, {"courseScheduleID", "30001"}, {"materialID", "5001"}, {"pageNum", "1"},
                 {"homeworkID", "9"}, {"targetUserID", "20001"}})},
        {"live config with nothing to change", form(CF::updateLiveConfig, C::updateLiveConfig(2, "", -1)),
         path("v1/user/liveConfig"), {}, common()},
        {"live config", form(CF::updateLiveConfig, C::updateLiveConfig(0, "http://x/p.png?a=1&b=2", 0)),
         path("v1/user/liveConfig"), {},
         common({{"cameraOn", "0"}, {"liveProfileURL", "http://x/p.png?a=1&b=2"}, {"profileFilter", "0"}})},
        {"class log upload", upload(CF::pushCourseScheduleStudentLog, C::pushCourseScheduleStudentLog(file)),
         path("courses/pushCourseScheduleStudentLog"), "course_log", common()},
        {"live statistics without lecturer data", form(CF::pushLiveStatistics, C::pushLiveStatistics(30001, "", "")),
         path("trade/pushLiveStatistics"), {}, common({{"courseScheduleID", "30001"}, {"data", ""}})},
        {"live statistics", form(CF::pushLiveStatistics, C::pushLiveStatistics(30001, R"({"a":1})", R"({"b":2})")),
         path("trade/pushLiveStatistics"), {},
         common({{"courseScheduleID", "30001"}, {"data", R"({"a":1})"}, {"lecturerData", R"({"b":2})"}})},
        {"stage statistics", form(CF::pushScheduleStatistics, C::pushStageStatistics(30001, "[1,2]")),
         path("courses/pushScheduleStatistics"), {},
         common({{"courseScheduleID", "30001"}, {"type", "1"}, {"data", "[1,2]"}})},
        {"sign-in statistics", form(CF::pushScheduleStatistics, C::pushSignInStatistics(30001, "[3]")),
         path("courses/pushScheduleStatistics"), {},
         common({{"courseScheduleID", "30001"}, {"type", "2"}, {"data", "[3]"}})},
        {"moments", form(CF::pushScheduleMoments, C::pushScheduleMoments("30001", odd)),
         path("courses/pushScheduleMoments"), {}, common({{"courseScheduleID", "30001"}, {"moments", odd}})},
        {"live stream", form(CF::getScheduleLiveStream, C::getScheduleLiveStream("30001")),
         path("courses/getScheduleLiveStream"), {}, common({{"courseScheduleID", "30001"}})},
        {"up stream", form(CF::getScheduleUpStream, C::getScheduleUpStream(30001)),
         path("courses/getScheduleUpStream"), {}, common({{"courseScheduleID", "30001"}})},
        {"messages from the start",
         form([](const ParamMap &p) { return CF::createRequest(ApiPaths::kGetScheduleMessages, p); },
              C::getScheduleMessages(30001, "0")),
         path("courses/getScheduleMessages"), {}, common({{"courseScheduleID", "30001"}, {"pageSize", "50"}})},
        {"messages with a ten-character offset",
         form([](const ParamMap &p) { return CF::createRequest(ApiPaths::kGetScheduleMessages, p); },
              C::getScheduleMessages(30001, "1234567890")),
         path("courses/getScheduleMessages"), {}, common({{"courseScheduleID", "30001"}, {"pageSize", "50"}})},
        {"messages after an offset",
         form([](const ParamMap &p) { return CF::createRequest(ApiPaths::kGetScheduleMessages, p); },
              C::getScheduleMessages(30001, "12345678901")),
         path("courses/getScheduleMessages"), {},
         common({{"courseScheduleID", "30001"}, {"pageSize", "50"}, {"offset", "12345678901"}})},
        {"publish message",
         form([](const ParamMap &p) { return CF::createRequest(ApiPaths::kPubScheduleMessage, p); },
              C::pubScheduleMessage(30001, odd)),
         path("courses/pubScheduleMessage"), {}, common({{"courseScheduleID", "30001"}, {"body", odd}})},
        {"test live stream", form(CF::getTestLiveStream, C::getTestLiveStream()),
         path("file/getTestLiveStream"), {}, {{"userID", "10001"}, {"userToken", kToken}}},
        {"participate", form(CF::participateInCourse, C::participateInCourse("30001", 1)),
         path("v1/courses/participateInCourse"), {},
         common({{"courseScheduleID", "30001"}, {"studentID", "10001"}, {"bystander", "1"}})},
        {"product search",
         form([](const ParamMap &p) { return CF::createRequest(ApiPaths::kSearchProductList, p); },
              C::searchProductList(odd)),
         path("trade/searchProductList"), {},
         common({{"includeAllOpenCourses", "1"}, {"includeVideoProduct", "1"}, {"includeCourseProduct", "1"},
                 {"orgSearchOption", "2"}, {"nameOrID", odd}})},
        {"product detail", form(CF::getProductDetail, C::getProductDetail("202", "1,2")),
         path("trade/getProductDetail"), {},
         common({{"productIDs", "[1,2]"}, {"needPurchaseInfo", "1"}, {"orgID", "202"}})},
        {"purchase order", form(CF::getPurchaseOrder, C::getPurchaseOrder("p1", "")),
         path("trade/getPurchaseOrder"), {},
         common({{"productID", "p1"}, {"purchasedFor", "10001"}, {"contactUserName", QStringLiteral("王老师")},
                 {"contactUserPhoneNumber", "13800000001"}})},
        {"purchase order with sku", form(CF::getPurchaseOrder, C::getPurchaseOrder("p1", "s2")),
         path("trade/getPurchaseOrder"), {},
         common({{"productID", "p1"}, {"skuID", "s2"}, {"purchasedFor", "10001"},
                 {"contactUserName", QStringLiteral("王老师")}, {"contactUserPhoneNumber", "13800000001"}})},
        {"root directory",
         form(MaterialRequestFactory::getDirContents, MaterialRequestParams::getDirContents(0, 1, 20, -1)),
         path("file/getDirContents"), {}, common({{"materialType", "-1"}, {"page", "1"}, {"pageSize", "20"}})},
        {"directory", form(MaterialRequestFactory::getDirContents, MaterialRequestParams::getDirContents(7, 2, 10, 1)),
         path("file/getDirContents"), {},
         common({{"dirID", "7"}, {"materialType", "1"}, {"page", "2"}, {"pageSize", "10"}})},
        {"material",
         form(MaterialRequestFactory::getCourseMaterialDetail, MaterialRequestParams::getCourseMaterialDetail(5001, 0)),
         path("v1/materials/getCourseMaterialDetail"), {}, common({{"materialID", "5001"}})},
        {"material with raw material",
         form(MaterialRequestFactory::getCourseMaterialDetail,
              MaterialRequestParams::getCourseMaterialDetail(5001, 5000)),
         path("v1/materials/getCourseMaterialDetail"), {}, common({{"materialID", "5001"}, {"rawMaterialID", "5000"}})},
        {"remote configuration",
         form(CommonRequestFactory::getAppRemoteConfig,
              CommonRequestParams::getAppRemoteConfig(AppInfo::getPlatformType())),
         path("config/appRemoteConfig"), {}, {{"apptype", "lecturerWindows"}}},
        {"live configuration", form(CommonRequestFactory::getLiveConfig, CommonRequestParams::getLiveConfig()),
         path("v1/user/getLiveConfig"), {}, common()},
        {"live picture upload",
         upload(CommonRequestFactory::uploadLiveProfile, CommonRequestParams::uploadLiveProfile(file)),
         path("v1/user/liveConfig"), "live_profile", common()},
        {"temporary file with a short store key",
         upload(CommonRequestFactory::uploadTempFile, CommonRequestParams::uploadTempFile(file, 1, "ab")),
         path("file/uploadTempFile"), "binaryFile", common({{"convert", "1"}})},
        {"temporary file",
         upload(CommonRequestFactory::uploadTempFile, CommonRequestParams::uploadTempFile(file, 0, "abc")),
         path("file/uploadTempFile"), "binaryFile", common({{"convert", "0"}, {"storeKey", "abc"}})},
        {"class video",
         upload(CommonRequestFactory::pushCourseScheduleBinaryRecord,
              CommonRequestParams::pushCourseScheduleBinaryRecord(file, 2001, 30001, 1717000000123LL)),
         path("courses/pushCourseScheduleBinaryRecord"), "binary_file",
         common({{"courseID", "2001"}, {"courseScheduleID", "30001"}, {"materialID", "0"}, {"formatType", "2"},
                 {"forPurpose", "1"}, {"sketchNum", "1717000000123"}})},
        {"uploaded temporary file",
         form(CommonRequestFactory::getUploadedTempFile, CommonRequestParams::getUploadedTempFile("k")),
         path("file/getUploadedTempFile"), {}, common({{"storeKey", "k"}})},
    };
}

} // namespace

class TestApiEndpoints : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void endpoint_data();
    void endpoint();
    void nobodySignedIn();

private:
    // The pairs the server received, in the order received.
    QList<QPair<QString, QString>> received(const StandInService::Request &request, const QString &fileField);

    StandInService m_service;
    QTemporaryDir m_dir;
    QString m_file;
    QByteArray m_fileBytes;
    std::vector<EndpointCase> m_cases;
};

void TestApiEndpoints::initTestCase()
{
    QVERIFY(m_service.listen());
    GlobalConfig().setValue(QStringLiteral("api_host"), m_service.baseUrl());
    LoginManager::saveLoginInfo(QJsonObject{
        {"tokenStatus", QJsonObject{{"token", kToken}}},
        {"accountDetails", QJsonObject{{"user_id", "10001"}, {"user_nick_name", QStringLiteral("王老师")},
                                       {"mobile_phone", "13800000001"}}}});
    AppInfo::setOrgId(QStringLiteral("101"));
    QVERIFY(m_dir.isValid());
    m_file = m_dir.filePath(QStringLiteral("photo.jpg"));
    m_fileBytes = QByteArray("\xff\xd8\xff\xe0", 4) + QByteArray(5000, '\x5a') + QByteArray("\r\n--\0", 5);
    QFile file(m_file);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(m_fileBytes);
    file.close();
    m_cases = makeCases(m_file);
}

void TestApiEndpoints::init()
{
    m_service.clearRequests();
}

void TestApiEndpoints::endpoint_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(m_cases.size()); ++i)
        QTest::newRow(qPrintable(m_cases[i].name)) << i;
}

QList<QPair<QString, QString>> TestApiEndpoints::received(const StandInService::Request &request,
                                                          const QString &fileField)
{
    if (fileField.isEmpty())
        return request.form;
    QList<QPair<QString, QString>> pairs;
    for (int i = 1; i < request.parts.size(); ++i)
        pairs.append({QString::fromUtf8(request.parts[i].name), QString::fromUtf8(request.parts[i].data)});
    return pairs;
}

void TestApiEndpoints::endpoint()
{
    QFETCH(int, index);
    const EndpointCase &c = m_cases[size_t(index)];
    m_service.setReply(c.path, StandInService::Reply::ok());

    httpRequest *request = c.make();
    QCOMPARE(request->url(), m_service.baseUrl() + c.path);
    RequestProbe probe(request);
    QVERIFY(probe.execAndWait());
    QVERIFY(probe.succeeded());

    const auto seen = m_service.requests();
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen[0].method, QByteArray("POST"));
    QCOMPARE(seen[0].path, c.path);
    if (c.fileField.isEmpty()) {
        QVERIFY(seen[0].header("Content-Type").startsWith("application/x-www-form-urlencoded"));
    } else {
        QVERIFY(seen[0].header("Content-Type").startsWith("multipart/form-data"));
        QVERIFY(!seen[0].parts.isEmpty());
        QCOMPARE(QString::fromUtf8(seen[0].parts[0].name), c.fileField);
        QCOMPARE(seen[0].parts[0].fileName, QByteArray("photo.jpg"));
        QCOMPARE(seen[0].parts[0].data, m_fileBytes);
    }
    // A map lists its keys in the order they must be sent.
    QList<QPair<QString, QString>> expected;
    for (auto it = c.params.cbegin(); it != c.params.cend(); ++it)
        expected.append({it.key(), it.value()});
    QCOMPARE(received(seen[0], c.fileField), expected);
}

void TestApiEndpoints::nobodySignedIn()
{
    LoginManager::cleanLoginInfo();
    AppInfo::setOrgId(QString());
    m_service.setReply(ApiPaths::kGetLiveConfig, StandInService::Reply::ok());
    RequestProbe probe(CommonRequestFactory::getLiveConfig(CommonRequestParams::getLiveConfig()));
    QVERIFY(probe.execAndWait());
    const auto seen = m_service.requestsTo(ApiPaths::kGetLiveConfig);
    QCOMPARE(seen.size(), 1);
    // Present and empty, not missing.
    QCOMPARE(seen[0].body, QByteArray("orgID=&userID=&userToken="));
}

QTEST_GUILESS_MAIN(TestApiEndpoints)
#include "tst_apiendpoints.moc"
