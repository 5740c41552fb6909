// The material service and the live material view model against the local
// stand-in: the library, a material's pages and adding materials to the
// running schedule, each reply's "returnResult" passed on.
#include "ServiceCheck.h"
#include "StandInService.h"

#include "modules/coach/course/CourseService.h"
#include "modules/coach/material/MaterialService.h"
#include "modules/coach/material/TQLiveMaterialViewModel.h"
#include "modules/login/LoginManager.h"
#include "platform/http/ApiPaths.h"
#include "platform/http/ApiRequestParams.h"
#include "platform/http/AppInfo.h"
#include "utils/GlobalConfig.h"

#include <QJsonArray>
#include <QtTest>

#include <vector>

namespace {

ParamMap common(const ParamMap &own = {})
{
    return ServiceCheck::withCommon(own, {{"userID", "10001"}, {"userToken", "tk"}, {"orgID", "101"}});
}

struct MaterialResults
{
    explicit MaterialResults(TQLiveMaterialViewModel &model)
    {
        using M = TQLiveMaterialViewModel;
        record(model, &M::requestDirContentSuccess_signal, "dir");
        record(model, &M::requestMaterialDetailSuccess_signal, "detail");
        record(model, &M::requestAddCourseMaterialsSuccess_signal, "add");
        QObject::connect(&model, &M::failure_signal, [this](Failure &f) {
            events << "failure";
            failure = f;
        });
    }
    void record(TQLiveMaterialViewModel &model, void (TQLiveMaterialViewModel::*signal)(QJsonObject &),
                const QString &name)
    {
        QObject::connect(&model, signal, [this, name](QJsonObject &result) {
            events << name;
            results.insert(name, result);
        });
    }
    bool waitFor(int count) { return QTest::qWaitFor([&] { return events.size() >= count; }, 10000); }

    QStringList events;
    QHash<QString, QJsonObject> results;
    Failure failure;
};

} // namespace

class TestMaterialService : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void operation_data();
    void operation();
    void viewModel_data();
    void viewModel();
    void overlappingRequests();

private:
    StandInService m_service;
    MaterialService m_materials;
    CourseService m_courses;
    std::vector<ServiceCheck::Case> m_cases;
};

void TestMaterialService::initTestCase()
{
    QVERIFY(m_service.listen());
    GlobalConfig().setValue(QStringLiteral("api_host"), m_service.baseUrl());
    LoginManager::saveLoginInfo(QJsonObject{{"tokenStatus", QJsonObject{{"token", "tk"}}},
                                            {"accountDetails", QJsonObject{{"user_id", "10001"}}}});
    AppInfo::setOrgId(QStringLiteral("101"));

    MaterialService *s = &m_materials;
    const QString base = m_service.baseUrl();
    m_cases = {
        {"library top level", [=] { return s->getDirContents(0, 1, 20, 1); }, ApiPaths::kGetDirContents,
         common({{"materialType", "1"}, {"page", "1"}, {"pageSize", "20"}}), {}, "returnResult/dirs/0/dir_name",
         QStringLiteral("初一数学")},
        {"negative values sent as they are", [=] { return s->getDirContents(-3, -1, -20, -1); },
         ApiPaths::kGetDirContents, common({{"materialType", "-1"}, {"page", "-1"}, {"pageSize", "-20"}}), {},
         "returnResult/dir_id", "0"},
        {"directory", [=] { return s->getDirContents(7, 2, 10, 1); }, ApiPaths::kGetDirContents,
         common({{"dirID", "7"}, {"materialType", "1"}, {"page", "2"}, {"pageSize", "10"}}), {},
         "returnResult/materials/1/material_id", "5002"},
        {"material", [=] { return s->getCourseMaterialDetail(5001, 0); }, ApiPaths::kGetCourseMaterialDetail,
         common({{"materialID", "5001"}}), {}, "returnResult/files/1/file_url", base + "/files/pages/page2.png"},
        {"material with its raw material", [=] { return s->getCourseMaterialDetail(5001, 5000); },
         ApiPaths::kGetCourseMaterialDetail, common({{"materialID", "5001"}, {"rawMaterialID", "5000"}}), {},
         "returnResult/raw_material_id", "5000"},
    };
}

void TestMaterialService::init()
{
    m_service.clearReplies();
    m_service.clearRequests();
}

void TestMaterialService::operation_data()
{
    ServiceCheck::addRows(m_cases);
}

void TestMaterialService::operation()
{
    ServiceCheck::verifyRow(m_service, m_cases);
}

void TestMaterialService::viewModel_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("reply"); // empty: the fixture answers
    QTest::addColumn<QString>("event");
    QTest::addColumn<QString>("resultPath"); // in the result passed on
    QTest::addColumn<QString>("resultText");

    QTest::newRow("library") << "dir" << ApiPaths::kGetDirContents << QByteArray() << "dir"
                             << "materials/0/material_name" << QStringLiteral("一元一次方程");
    QTest::newRow("material pages") << "detail" << ApiPaths::kGetCourseMaterialDetail << QByteArray() << "detail"
                                    << "files/0/file_id" << "6001";
    QTest::newRow("add to the schedule") << "add" << ApiPaths::kPrepareCourseSchedule << QByteArray() << "add"
                                         << "course_materials/0/material_id" << "5001";
    // Nothing is checked beyond the request layer: no result is an empty one.
    QTest::newRow("no returnResult") << "detail" << ApiPaths::kGetCourseMaterialDetail
                                     << QByteArray(R"({"statusCode":0,"errorMsg":""})") << "detail" << "" << "{}";
    QTest::newRow("returnResult no object") << "dir" << ApiPaths::kGetDirContents
                                            << QByteArray(R"({"statusCode":0,"returnResult":[1,2]})") << "dir" << ""
                                            << "{}";
    QTest::newRow("refused") << "add" << ApiPaths::kPrepareCourseSchedule
                             << QByteArray(R"({"statusCode":30004,"errorMsg":"课件已添加"})") << "failure" << ""
                             << "";
}

void TestMaterialService::viewModel()
{
    QFETCH(QString, operation);
    QFETCH(QString, path);
    QFETCH(QByteArray, reply);
    QFETCH(QString, event);
    QFETCH(QString, resultPath);
    QFETCH(QString, resultText);
    if (!reply.isEmpty())
        m_service.setReply(path, StandInService::Reply::raw(reply, 200, "application/json"));

    // The configuration service is not used by these requests.
    TQLiveMaterialViewModel model(&m_materials, &m_courses, nullptr);
    MaterialResults results(model);
    if (operation == "dir")
        model.requestDirContent(0, 1, 20, 1);
    else if (operation == "detail")
        model.requestMaterialDetail(5001, 0);
    else
        model.requestAddCourseMaterials(2001, 30001, R"([{"material_id":"5001"}])", false);
    QVERIFY(results.waitFor(1));
    QTest::qWait(30);
    QCOMPARE(results.events, QStringList{event});
    QCOMPARE(m_service.requests().value(0).path, path);
    if (event == "failure") {
        QCOMPARE(results.failure.getCode(), 30004);
        QCOMPARE(results.failure.getMessageForUser(), QStringLiteral("课件已添加"));
        return;
    }
    QCOMPARE(ServiceCheck::textAt(results.results.value(event), resultPath), resultText);
}

void TestMaterialService::overlappingRequests()
{
    // The adding list asks for the detail of what it added; answers come in
    // any order, each as its own signal.
    StandInService::Reply slow = StandInService::Reply::ok({{"course_materials", QJsonArray()}});
    slow.delayMs = 300;
    m_service.queueReply(ApiPaths::kPrepareCourseSchedule, slow);
    TQLiveMaterialViewModel model(&m_materials, &m_courses, nullptr);
    MaterialResults results(model);
    model.requestAddCourseMaterials(2001, 30001, "[]", false);
    QVERIFY(m_service.waitForRequests(1));
    model.requestMaterialDetail(5001, 5000);
    QVERIFY(results.waitFor(2));
    QCOMPARE(results.events, (QStringList{"detail", "add"}));
    QCOMPARE(m_service.requestsTo(ApiPaths::kPrepareCourseSchedule).value(0).formValue("assignType"),
             QStringLiteral("1"));
}

QTEST_GUILESS_MAIN(TestMaterialService)
#include "tst_materialservice.moc"
