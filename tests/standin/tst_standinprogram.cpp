// The stand-in as the run script starts it: a program on a given port that
// answers the client's sign-in, course lists and course detail from the
// fixture folder, through the client's own request layer.
#include "RequestProbe.h"

#include "common/CommonRequestFactory.h"
#include "common/CommonRequestParams.h"
#include "modules/coach/course/CourseRequestFactory.h"
#include "modules/coach/course/CourseRequestParams.h"
#include "platform/http/ApiPaths.h"
#include "platform/http/AppInfo.h"
#include "platform/http/httpRequest.h"
#include "utils/GlobalConfig.h"

#include <QDate>
#include <QImage>
#include <QJsonArray>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QTcpServer>
#include <QtTest>

class TestStandInProgram : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void signIn();
    void courseLists();
    void courseDetailWithPages();
    void configuration();

private:
    QJsonObject call(httpRequest *request);

    QProcess m_process;
    QString m_base;
};

void TestStandInProgram::initTestCase()
{
    const QString program = qEnvironmentVariable("VELTRO_STANDIN_BINARY");
    QVERIFY2(QFile::exists(program), "VELTRO_STANDIN_BINARY names no program");
    quint16 port = 0;
    {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        port = probe.serverPort();
    }
    m_process.setProgram(program);
    m_process.setArguments({QStringLiteral("--port"), QString::number(port)});
    m_process.start();
    QVERIFY(m_process.waitForStarted(5000));
    m_base = QStringLiteral("http://127.0.0.1:%1").arg(port);
    QByteArray out;
    QVERIFY(QTest::qWaitFor([&] {
        out += m_process.readAllStandardOutput();
        return out.contains("listening on " + m_base.toUtf8()) || m_process.state() != QProcess::Running;
    }, 10000));
    QVERIFY2(out.contains("listening on " + m_base.toUtf8()), out.constData());
    GlobalConfig().setValue(QStringLiteral("api_host"), m_base);
}

void TestStandInProgram::cleanupTestCase()
{
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

QJsonObject TestStandInProgram::call(httpRequest *request)
{
    RequestProbe probe(request);
    if (!probe.execAndWait() || !probe.succeeded())
        return QJsonObject();
    return probe.response().value(QStringLiteral("returnResult")).toObject();
}

void TestStandInProgram::signIn()
{
    const QJsonObject result = call(new httpRequest(
        ApiPaths::kLoginCheck, {{"mobilePhone", "13800000001"}, {"loginMode", "3"}, {"passwordStr", "any"},
                                {"fromStudentPoint", "0"}, {"loginForUserType", "8"}}));
    QVERIFY(!result.value("tokenStatus").toObject().value("token").toString().isEmpty());
    const QJsonObject user = result.value("accountDetails").toObject();
    QCOMPARE(user.value("user_id").toString(), QStringLiteral("10001"));
    const QJsonArray orgs = user.value("orgs").toArray();
    QCOMPARE(orgs.size(), 2);
    for (const QJsonValue &org : orgs) {
        QVERIFY(org.toObject().value("org_id").isString());
        // The organisation reader takes "user_id" first: it must not be there.
        QVERIFY(!org.toObject().contains("user_id"));
    }
    const QJsonObject code =
        call(new httpRequest(ApiPaths::kSendVerificationCode, {{"mobilePhone", "13800000001"}}));
    QCOMPARE(code.value("forLogin").toInt(), 1);
}

void TestStandInProgram::courseLists()
{
    const QJsonArray week =
        call(CourseRequestFactory::getCourseSchedulesForLecturer(
                 CourseRequestParams::getCourseSchedulesForLecturer(1, 2, 3, 20, QString(), QString())))
            .value("course_schedules")
            .toArray();
    QCOMPARE(week.size(), 7);
    const QDate today = QDate::currentDate();
    for (int i = 0; i < week.size(); ++i) {
        const QJsonObject schedule = week[i].toObject();
        QVERIFY(schedule.value("course_schedule_id").isString());
        QVERIFY(schedule.value("current_size").isDouble());
        QCOMPARE(schedule.value("lecture_teacher_id").toString(), QStringLiteral("10001"));
        const QDateTime start =
            QDateTime::fromString(schedule.value("course_time").toString(), QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        QCOMPARE(start.date(), today.addDays(i));
    }
    const QJsonArray past =
        call(CourseRequestFactory::getCourseSchedulesForLecturer(
                 CourseRequestParams::getCourseSchedulesForLecturer(1, 3, 20, 5, QString(), QString())))
            .value("course_schedules")
            .toArray();
    QCOMPARE(past.size(), 3);
    for (const QJsonValue &schedule : past) {
        const QString time = schedule.toObject().value("course_time").toString();
        QVERIFY(QDateTime::fromString(time, QStringLiteral("yyyy-MM-dd hh:mm:ss")).date() < today);
    }
}

void TestStandInProgram::courseDetailWithPages()
{
    const QJsonObject detail = call(CourseRequestFactory::getCourseScheduleDetailForLecturer(
        CourseRequestParams::getCourseScheduleDetailForLecturer(30001, 0)));
    QCOMPARE(detail.value("course_schedule_id").toString(), QStringLiteral("30001"));
    QCOMPARE(detail.value("participants").toArray().size(), 4);
    const QJsonArray pages = detail.value("course_materials").toArray().at(0).toObject().value("file_items").toArray();
    QCOMPARE(pages.size(), 3);
    QNetworkAccessManager manager;
    for (const QJsonValue &page : pages) {
        const QString url = page.toObject().value("file_url").toString();
        QVERIFY2(url.startsWith(m_base + QStringLiteral("/files/course/")), qPrintable(url));
        QScopedPointer<QNetworkReply> reply(manager.get(QNetworkRequest(QUrl(url))));
        QSignalSpy finished(reply.data(), &QNetworkReply::finished);
        QVERIFY(reply->isFinished() || finished.wait(5000));
        const QByteArray bytes = reply->readAll();
        QCOMPARE(QByteArray::number(bytes.size()), page.toObject().value("file_size").toString().toUtf8());
        QVERIFY(!QImage::fromData(bytes).isNull());
    }
}

void TestStandInProgram::configuration()
{
    const QJsonObject remote = call(CommonRequestFactory::getAppRemoteConfig(
        CommonRequestParams::getAppRemoteConfig(AppInfo::getPlatformType())));
    QCOMPARE(remote.value("upgradeInfo").toObject().value("currentVersion").toString(), AppInfo::getAppVersion());
    const QJsonObject live =
        call(CommonRequestFactory::getLiveConfig(CommonRequestParams::getLiveConfig()));
    QCOMPARE(live.value("default_live_profiles").toArray().size(), 2);
}

QTEST_GUILESS_MAIN(TestStandInProgram)
#include "tst_standinprogram.moc"
