// The request layer against the local stand-in: every kind of reply ends in
// exactly one signal of the right kind and the request object is gone; the
// API host rule, the log masking and the https-to-http fallback.
#include "RequestProbe.h"
#include "StandInService.h"
#include "TestLogCapture.h"

#include "platform/http/ApiPaths.h"
#include "platform/http/Failure.h"
#include "platform/http/httpRequest.h"
#include "utils/CHttpClient.h"
#include "utils/CLog.h"
#include "utils/GlobalConfig.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <atomic>

Q_DECLARE_METATYPE(StandInService::Reply)

namespace {

const QString kPath = QStringLiteral("/biz_mv/edu/test/reply");

QByteArray json(const char *text)
{
    return QByteArray(text);
}

StandInService::Reply body(const QByteArray &text)
{
    return StandInService::Reply::raw(text, 200, "application/json;charset=UTF-8");
}

} // namespace

class TestHttpRequest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void failureTexts_data();
    void failureTexts();
    void replyConventions_data();
    void replyConventions();
    void signalVariants_data();
    void signalVariants();
    void workerThread();
    void removeFilesAfterSuccess();
    void hostRule_data();
    void hostRule();
    void logMasksSecrets();
    // These change the process-wide host state; they run last.
    void fallbackRule_data();
    void fallbackRule();
    void hostAfterFallback();

private:
    StandInService m_service;
};

void TestHttpRequest::initTestCase()
{
    QVERIFY(m_service.listen());
    GlobalConfig().setValue(QStringLiteral("api_host"), m_service.baseUrl());
}

void TestHttpRequest::init()
{
    m_service.clearReplies();
    m_service.clearRequests();
    CHttpClient::setTransferTimeout(CHttpClient::kDefaultTransferTimeoutMs);
}

void TestHttpRequest::cleanup()
{
    // Whatever happened, no client may be left behind.
    QTRY_COMPARE(CHttpClient::poolSize(), 0);
}

void TestHttpRequest::failureTexts_data()
{
    QTest::addColumn<Failure>("failure");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("debug");
    Failure network = Failure::networkError();
    network.setCode(99);
    network.setMessage(QStringLiteral("unreachable"));
    QTest::newRow("network") << network << "网络错误" << "网络错误==错误码[99]==错误信息[unreachable]";
    QTest::newRow("server") << Failure::serverError() << "服务器异常" << "服务器错误";
    QTest::newRow("data") << Failure::dataError() << "数据错误" << "数据格式错误";
    QTest::newRow("operation without text") << Failure::operationError(5, QString()) << "错误码[5]"
                                            << "操作错误==错误码[5]";
    QTest::newRow("operation with text") << Failure::operationError(7, QStringLiteral("课程不存在"))
                                         << "课程不存在" << "操作错误==错误码[7]==错误信息[课程不存在]";
    QTest::newRow("upload") << Failure::uploadFileError() << "上传文件失败" << "上传文件错误";
    QTest::newRow("unknown kind") << Failure(9, 0, QString()) << QString() << QString();
}

void TestHttpRequest::failureTexts()
{
    QFETCH(Failure, failure);
    QFETCH(QString, user);
    QFETCH(QString, debug);
    QCOMPARE(failure.getMessageForUser(), user);
    QCOMPARE(failure.getDebugMessage(), debug);
    QCOMPARE(failure.isOperationError(), failure.getKind() == Failure::kOperation);
}

void TestHttpRequest::replyConventions_data()
{
    QTest::addColumn<StandInService::Reply>("reply");
    QTest::addColumn<int>("timeoutMs");
    QTest::addColumn<int>("kind"); // 0: success
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("userText");

    const int normal = 10000;
    QTest::newRow("statusCode 0") << body(json(R"({"statusCode":0,"errorMsg":"","returnResult":{"a":"1"}})"))
                                  << normal << 0 << 0 << QString();
    QTest::newRow("statusCode 5 without text") << body(json(R"({"statusCode":5})")) << normal
                                               << int(Failure::kOperation) << 5 << "错误码[5]";
    QTest::newRow("statusCode with errorMsg")
        << StandInService::Reply::failure(1003, QStringLiteral("密码错误")) << normal << int(Failure::kOperation)
        << 1003 << "密码错误";
    // The service may write its code as text, a bool or null; missing is 0.
    QTest::newRow("statusCode missing") << body(json(R"({"errorMsg":"","returnResult":{"a":"1"}})")) << normal << 0
                                        << 0 << QString();
    QTest::newRow("statusCode as text 0") << body(json(R"({"statusCode":"0","returnResult":{"a":"1"}})")) << normal
                                          << 0 << 0 << QString();
    QTest::newRow("statusCode null") << body(json(R"({"statusCode":null,"returnResult":{"a":"1"}})")) << normal << 0
                                     << 0 << QString();
    QTest::newRow("statusCode false") << body(json(R"({"statusCode":false,"returnResult":{"a":"1"}})")) << normal
                                      << 0 << 0 << QString();
    QTest::newRow("statusCode as text, lock-out")
        << body(json(R"({"statusCode":" 10030 ","errorMsg":"锁定"})")) << normal << int(Failure::kOperation) << 10030
        << "锁定";
    QTest::newRow("statusCode as negative text") << body(json(R"({"statusCode":"-2"})")) << normal
                                                 << int(Failure::kOperation) << -2 << "错误码[-2]";
    QTest::newRow("statusCode true") << body(json(R"({"statusCode":true})")) << normal << int(Failure::kOperation)
                                     << 1 << "错误码[1]";
    QTest::newRow("array document") << body(json(R"([{"statusCode":5}])")) << normal << 0 << 0 << QString();
    // A code that is no whole number in any form is never read as success.
    QTest::newRow("statusCode fraction") << body(json(R"({"statusCode":0.5})")) << normal << int(Failure::kData)
                                         << 0 << "数据错误";
    QTest::newRow("statusCode not a number") << body(json(R"({"statusCode":"ok"})")) << normal
                                             << int(Failure::kData) << 0 << "数据错误";
    QTest::newRow("statusCode text fraction") << body(json(R"({"statusCode":"0.5"})")) << normal
                                              << int(Failure::kData) << 0 << "数据错误";
    QTest::newRow("statusCode object") << body(json(R"({"statusCode":{}})")) << normal << int(Failure::kData) << 0
                                       << "数据错误";
    QTest::newRow("statusCode beyond int") << body(json(R"({"statusCode":"99999999999"})")) << normal
                                           << int(Failure::kData) << 0 << "数据错误";
    QTest::newRow("not JSON") << StandInService::Reply::raw("<html>busy</html>") << normal << int(Failure::kData)
                              << int(QJsonParseError::IllegalValue) << "数据错误";
    QTest::newRow("empty body") << StandInService::Reply::raw(QByteArray()) << normal << int(Failure::kData) << -1
                                << "数据错误";
    QTest::newRow("HTTP 404") << StandInService::Reply::raw("missing", 404) << normal << int(Failure::kNetwork)
                              << int(QNetworkReply::ContentNotFoundError) << "网络错误";
    // A success body behind an error status is not read.
    QTest::newRow("HTTP 500") << StandInService::Reply::json({{"statusCode", 0}}, 500) << normal
                              << int(Failure::kNetwork) << int(QNetworkReply::InternalServerError) << "网络错误";

    StandInService::Reply gzip = body(json(R"({"statusCode":0,"returnResult":{"a":"1"}})"));
    gzip.gzip = true;
    QTest::newRow("gzip body") << gzip << normal << 0 << 0 << QString();

    StandInService::Reply drop = StandInService::Reply::ok();
    drop.drop = true;
    QTest::newRow("dropped connection") << drop << normal << int(Failure::kNetwork)
                                        << int(QNetworkReply::RemoteHostClosedError) << "网络错误";
    StandInService::Reply cut = body(json(R"({"statusCode":0,"returnResult":{"long":"xxxxxxxxxxxxxxxx"}})"));
    cut.dropAfterBytes = 10;
    QTest::newRow("dropped within the body") << cut << normal << int(Failure::kNetwork)
                                             << int(QNetworkReply::RemoteHostClosedError) << "网络错误";

    StandInService::Reply slow = StandInService::Reply::ok();
    slow.delayMs = 2000;
    QTest::newRow("slower than the time-out") << slow << 400 << int(Failure::kNetwork)
                                              << int(QNetworkReply::OperationCanceledError) << "网络错误";
    StandInService::Reply stalled = StandInService::Reply::ok();
    stalled.stallAfterBytes = 5;
    QTest::newRow("body stalls") << stalled << 400 << int(Failure::kNetwork)
                                 << int(QNetworkReply::OperationCanceledError) << "网络错误";
}

void TestHttpRequest::replyConventions()
{
    QFETCH(StandInService::Reply, reply);
    QFETCH(int, timeoutMs);
    QFETCH(int, kind);
    QFETCH(int, code);
    QFETCH(QString, userText);

    // A standing reply: the network layer may send a dropped request again.
    m_service.setReply(kPath, reply);
    CHttpClient::setTransferTimeout(timeoutMs);
    auto *request = new httpRequest(kPath, {{"k", "v"}});
    RequestProbe probe(request);
    QVERIFY(probe.execAndWait());
    QCOMPARE(probe.total(), 1);
    // Nothing arrives later either.
    QTest::qWait(50);
    QCOMPARE(probe.total(), 1);

    if (kind == 0) {
        QCOMPARE(probe.count(RequestProbe::kSuccess), 1);
        // The whole object; an array document gives an empty one.
        const QJsonDocument sent = QJsonDocument::fromJson(reply.body);
        QCOMPARE(probe.response(), sent.isObject() ? sent.object() : QJsonObject());
        return;
    }
    QCOMPARE(probe.count(RequestProbe::kFailure), 1);
    QCOMPARE(probe.failure().getKind(), kind);
    if (code >= 0)
        QCOMPARE(probe.failure().getCode(), code);
    QCOMPARE(probe.failure().getMessageForUser(), userText);
}

void TestHttpRequest::signalVariants_data()
{
    QTest::addColumn<bool>("succeed");
    QTest::addColumn<bool>("withContext");
    QTest::addColumn<bool>("threadMode");
    QTest::addColumn<int>("expected");
    QTest::newRow("success") << true << false << false << int(RequestProbe::kSuccess);
    QTest::newRow("success, thread mode") << true << false << true << int(RequestProbe::kThreadSuccess);
    QTest::newRow("success, context") << true << true << false << int(RequestProbe::kSuccessWithContext);
    QTest::newRow("success, context and thread mode") << true << true << true
                                                      << int(RequestProbe::kSuccessWithContext);
    QTest::newRow("failure") << false << false << false << int(RequestProbe::kFailure);
    QTest::newRow("failure, thread mode") << false << false << true << int(RequestProbe::kFailure);
    QTest::newRow("failure, context") << false << true << false << int(RequestProbe::kFailureWithContext);
}

void TestHttpRequest::signalVariants()
{
    QFETCH(bool, succeed);
    QFETCH(bool, withContext);
    QFETCH(bool, threadMode);
    QFETCH(int, expected);

    m_service.setReply(kPath, succeed ? StandInService::Reply::ok({{"n", 1}})
                                      : StandInService::Reply::failure(3, QStringLiteral("no")));
    int token = 0;
    auto *request = new httpRequest(kPath, {});
    if (withContext)
        request->setContext(&token);
    if (threadMode)
        request->setThreadMode();
    RequestProbe probe(request);
    QVERIFY(probe.execAndWait());
    QCOMPARE(probe.total(), 1);
    QCOMPARE(probe.count(RequestProbe::Signal(expected)), 1);
    QCOMPARE(probe.context(), withContext ? static_cast<void *>(&token) : nullptr);
}

// A request made on a worker thread with its own event loop hands the reply
// by value to a receiver on this thread, and is deleted on its thread.
void TestHttpRequest::workerThread()
{
    m_service.setReply(kPath, StandInService::Reply::ok({{"worker", "yes"}}));
    QThread worker;
    QObject onWorker;
    onWorker.moveToThread(&worker);
    worker.start();
    QObject receiver;
    QJsonObject received;
    int receivedCount = 0;
    std::atomic<bool> destroyed{false};
    std::atomic<bool> destroyedOnWorker{false};
    QMetaObject::invokeMethod(
        &onWorker,
        [&] {
            auto *request = new httpRequest(kPath, {});
            request->setThreadMode();
            connect(request, &httpRequest::onThreadSuccess_signal, &receiver,
                    [&](QJsonObject response) {
                        received = response;
                        ++receivedCount;
                    },
                    Qt::QueuedConnection);
            connect(request, &QObject::destroyed, [&] {
                destroyedOnWorker = QThread::currentThread() == &worker;
                destroyed = true;
            });
            request->exec();
        },
        Qt::QueuedConnection);
    QTRY_VERIFY_WITH_TIMEOUT(destroyed.load(), 10000);
    QTRY_COMPARE(receivedCount, 1);
    worker.quit();
    QVERIFY(worker.wait(5000));
    QVERIFY(destroyedOnWorker.load());
    QCOMPARE(received.value("returnResult").toObject().value("worker").toString(), QStringLiteral("yes"));
}

void TestHttpRequest::removeFilesAfterSuccess()
{
    QTemporaryDir dir;
    auto upload = [&](const QString &name, const StandInService::Reply &reply) {
        const QString path = dir.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write("log lines\n");
        file.close();
        m_service.setReply(kPath, reply);
        auto *request = new httpRequest(kPath, {{"k", "v"}}, {{"course_log", path}});
        request->setRemoveFilesAfterSuccess();
        RequestProbe probe(request);
        probe.execAndWait();
        return path;
    };
    QVERIFY(!QFile::exists(upload(QStringLiteral("sent.log"), StandInService::Reply::ok())));
    QVERIFY(QFile::exists(upload(QStringLiteral("refused.log"), StandInService::Reply::failure(2, "full"))));
    QVERIFY(QFile::exists(upload(QStringLiteral("broken.log"), StandInService::Reply::raw("x", 500))));
}

void TestHttpRequest::hostRule_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("host");
    QTest::newRow("host") << "api.veltro.example" << "https://api.veltro.example";
    QTest::newRow("host and port") << "127.0.0.1:18480" << "https://127.0.0.1:18480";
    QTest::newRow("with scheme") << "http://127.0.0.1:18480" << "http://127.0.0.1:18480";
    QTest::newRow("https, trailing slash") << " https://api.veltro.example/ " << "https://api.veltro.example";
}

void TestHttpRequest::hostRule()
{
    QFETCH(QString, setting);
    QFETCH(QString, host);
    QCOMPARE(httpRequest::hostFromSetting(setting), host);

    GlobalConfig config;
    config.setValue(QStringLiteral("api_host"), setting);
    const std::unique_ptr<httpRequest> request(new httpRequest(ApiPaths::kLoginCheck, {}));
    QCOMPARE(request->url(), host + QStringLiteral("/biz_mv/edu/user/loginCheck"));
    QCOMPARE(httpRequest::getHost(), host);
    config.setValue(QStringLiteral("api_host"), m_service.baseUrl());

    QCOMPARE(httpRequest::buildUrl(QStringLiteral("/x"), QStringLiteral("http://h:1")), QStringLiteral("http://h:1/x"));
    QCOMPARE(httpRequest::buildUrl(QStringLiteral("http://other/y"), QString()), QStringLiteral("http://other/y"));
}

void TestHttpRequest::logMasksSecrets()
{
    TestLogCapture capture;
    const QString password = QStringLiteral("Pw#9183-secret");
    const QString code = QStringLiteral("864209");
    const QString token = QStringLiteral("standin-token-7f3a9c"); // in the fixture's sign-in reply
    const QList<QMap<QString, QString>> calls = {
        {{"mobilePhone", "13800000001"}, {"loginMode", "3"}, {"passwordStr", password}, {"fromStudentPoint", "0"},
         {"loginForUserType", "8"}},
        {{"mobilePhone", "13800000001"}, {"loginMode", "1"}, {"verificationCode", code}},
        {{"mobilePhone", "13800000001"}, {"loginMode", "2"}, {"userID", "10001"}, {"tokenPassed", token}},
    };
    for (const auto &params : calls) {
        auto *request = new httpRequest(ApiPaths::kLoginCheck, params);
        RequestProbe probe(request);
        QVERIFY(probe.execAndWait());
        QVERIFY(probe.succeeded());
        QCOMPARE(probe.response().value("returnResult").toObject().value("tokenStatus").toObject()
                     .value("token").toString(), token);
    }
    // A later call carries the token as a common parameter.
    m_service.setReply(kPath, StandInService::Reply::ok());
    auto *request = new httpRequest(kPath, {{"userID", "10001"}, {"userToken", token}, {"orgID", ""}});
    RequestProbe probe(request);
    QVERIFY(probe.execAndWait());
    // Bodies that are no JSON are masked as text: one cut short in the token,
    // and an error page that quotes it.
    const QByteArray signIn = R"({"statusCode":0,"returnResult":{"tokenStatus":{"token":")" + token.toUtf8() + "\"}}}";
    StandInService::Reply cut = body(signIn);
    cut.dropAfterBytes = signIn.indexOf("-token") + 3;
    StandInService::Reply page = StandInService::Reply::raw("<p>bad \"userToken\" : \"" + token.toUtf8() + "\"</p>", 500);
    for (const StandInService::Reply &reply : {cut, page}) {
        m_service.setReply(kPath, reply);
        RequestProbe failed(new httpRequest(kPath, {}));
        QVERIFY(failed.execAndWait());
        QVERIFY(failed.failed());
    }

    const QString file = TestLogCapture::currentLogFileText();
    const QString console = capture.messages().join(QLatin1Char('\n'));
    for (const QString &text : {file, console}) {
        for (const QString &secret : {password, code, token.left(11)})
            QVERIFY2(!text.contains(secret), qPrintable(secret));
        // The lines keep their shape.
        QVERIFY(text.contains(QLatin1String("loginMode=3&mobilePhone=13800000001&passwordStr=***")));
        QVERIFY(text.contains(QLatin1String("&verificationCode=***")));
        QVERIFY(text.contains(QLatin1String("&tokenPassed=***&userID=10001")));
        QVERIFY(text.contains(QLatin1String("orgID=&userID=10001&userToken=***")));
        QVERIFY(text.contains(QLatin1String("\"token\": \"***\"")));
        QVERIFY(text.contains(QStringLiteral("\"user_nick_name\": \"王老师\"")));
    }
    QCOMPARE(httpRequest::paramTextForLog({{"a", "1"}}, {{"f", "C:/x.png"}}), QStringLiteral("a=1&f=C:/x.png"));
}

void TestHttpRequest::fallbackRule_data()
{
    QTest::addColumn<bool>("allowed");
    QTest::addColumn<int>("retries");
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("retry");

    const int unknown = QNetworkReply::UnknownNetworkError;
    const QString https = QStringLiteral("https://api.veltro.example/biz_mv/edu/user/loginCheck");
    QTest::newRow("off by default") << false << 0 << unknown << https << false;
    QTest::newRow("allowed") << true << 0 << unknown << https << true;
    QTest::newRow("upper-case scheme") << true << 0 << unknown << "HTTPS://api.veltro.example/x" << true;
    QTest::newRow("other error") << true << 0 << int(QNetworkReply::SslHandshakeFailedError) << https << false;
    QTest::newRow("plain http") << true << 0 << unknown << "http://api.veltro.example/x" << false;
    QTest::newRow("last retry") << true << httpRequest::kMaxHttpRetries - 1 << unknown << https << true;
    QTest::newRow("retries used up") << true << httpRequest::kMaxHttpRetries << unknown << https << false;
}

void TestHttpRequest::fallbackRule()
{
    QFETCH(bool, allowed);
    QFETCH(int, retries);
    QFETCH(int, error);
    QFETCH(QString, url);
    QFETCH(bool, retry);

    GlobalConfig().setValue(QStringLiteral("allow_http_fallback"), allowed ? QStringLiteral("1") : QStringLiteral("0"));
    httpRequest::setHttpRetryCountForTesting(retries);
    QCOMPARE(httpRequest::mayRetryOverHttp(error, url), retry);
    httpRequest::setHttpRetryCountForTesting(0);
    GlobalConfig().setValue(QStringLiteral("allow_http_fallback"), QStringLiteral("0"));
}

void TestHttpRequest::hostAfterFallback()
{
    GlobalConfig().setValue(QStringLiteral("api_host"), QStringLiteral("api.veltro.example"));
    QCOMPARE(httpRequest::getHost(), QStringLiteral("https://api.veltro.example"));
    // After a retry the API host stays on http for the rest of the run.
    httpRequest::setHttpRetryCountForTesting(1);
    QCOMPARE(httpRequest::getHost(), QStringLiteral("http://api.veltro.example"));
    httpRequest::setHttpRetryCountForTesting(0);
    GlobalConfig().setValue(QStringLiteral("api_host"), m_service.baseUrl());
}

QTEST_GUILESS_MAIN(TestHttpRequest)
#include "tst_httprequest.moc"
