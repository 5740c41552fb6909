// The transport against the local stand-in: form bodies, headers, multipart
// uploads, the client pool and cookies that survive a restart.
#include "RequestProbe.h"
#include "StandInService.h"
#include "TestChildProcess.h"

#include "platform/http/AppInfo.h"
#include "platform/http/httpRequest.h"
#include "utils/CCustomNetworkAccessManagerFactory.h"
#include "utils/CHttpClient.h"
#include "utils/FileUtils.h"
#include "utils/GlobalConfig.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkDiskCache>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kPath = QStringLiteral("/biz_mv/edu/test/echo");

// Sends one form POST through a bare client and waits for its reply.
int postAndWait(CHttpClient &client, const QString &url, const QMap<QString, QString> &params)
{
    QSignalSpy commit(&client, &CHttpClient::requestCommit_signal);
    client.post(url, params);
    if (!commit.wait(10000))
        return -1;
    return commit.size();
}

// What the child process does after a "restart": one plain call.
int childMain(const QString &mode)
{
    GlobalConfig().setValue(QStringLiteral("api_host"), mode.section(QLatin1Char(' '), 1));
    auto *request = new httpRequest(kPath, {{QStringLiteral("k"), QStringLiteral("v")}});
    RequestProbe probe(request);
    const bool gone = probe.execAndWait();
    TestChildProcess::report({{"gone", gone}, {"succeeded", probe.succeeded()}});
    return 0;
}

} // namespace

class TestHttpClient : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void buildQueryString_data();
    void buildQueryString();
    void formPost();
    void userAgent();
    void poolIds();
    void multipart();
    void multipartWithoutFile();
    void cookies();
    void qmlNetworkCache();

private:
    StandInService m_service;
};

void TestHttpClient::initTestCase()
{
    QVERIFY(m_service.listen());
    GlobalConfig().setValue(QStringLiteral("api_host"), m_service.baseUrl());
}

void TestHttpClient::init()
{
    m_service.clearReplies();
    m_service.clearRequests();
    m_service.setReply(kPath, StandInService::Reply::ok());
}

void TestHttpClient::buildQueryString_data()
{
    QTest::addColumn<QVariantMap>("params");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty") << QVariantMap() << QString();
    QTest::newRow("key order") << QVariantMap{{"b", "2"}, {"a", "1"}} << "a=1&b=2";
    QTest::newRow("separators and text are encoded")
        << QVariantMap{{"k", QStringLiteral("a&b=c+d 中")}} << "k=a%26b%3Dc%2Bd%20%E4%B8%AD";
    QTest::newRow("keys too, empty values kept") << QVariantMap{{"x y", ""}, {"z", "~._-"}} << "x%20y=&z=~._-";
}

void TestHttpClient::buildQueryString()
{
    QFETCH(QVariantMap, params);
    QFETCH(QString, expected);
    QMap<QString, QString> map;
    for (auto it = params.cbegin(); it != params.cend(); ++it)
        map.insert(it.key(), it.value().toString());
    QCOMPARE(CHttpClient::buildQueryString(map), expected);
}

void TestHttpClient::formPost()
{
    std::unique_ptr<CHttpClient> client(CHttpClient::createClient());
    const QMap<QString, QString> params{{QStringLiteral("zeta"), QStringLiteral("a&b=c+d 中")},
                                        {QStringLiteral("alpha"), QString()},
                                        {QStringLiteral("Mid"), QStringLiteral("100%")}};
    QCOMPARE(postAndWait(*client, m_service.baseUrl() + kPath, params), 1);
    CHttpClient::removeFromPool(client->poolId());

    const auto seen = m_service.requestsTo(kPath);
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen[0].method, QByteArray("POST"));
    // Keys in byte order (upper case first), values exactly as given.
    QCOMPARE(seen[0].formKeys(), (QStringList{"Mid", "alpha", "zeta"}));
    QCOMPARE(seen[0].formValue("zeta"), QStringLiteral("a&b=c+d 中"));
    QCOMPARE(seen[0].formValue("Mid"), QStringLiteral("100%"));
    QCOMPARE(seen[0].formValue("alpha"), QString());
    QCOMPARE(seen[0].header("Content-Type"), QByteArray("application/x-www-form-urlencoded"));
    QCOMPARE(seen[0].header("Accept"), QByteArray("application/json, text/plain, */*"));
    QCOMPARE(seen[0].header("User-Agent"), CHttpClient::getUserAgent().toUtf8());
    QVERIFY(seen[0].header("Cookie").isEmpty());

    // No parameters: an empty body with the same headers.
    m_service.clearRequests();
    std::unique_ptr<CHttpClient> empty(CHttpClient::createClient());
    QCOMPARE(postAndWait(*empty, m_service.baseUrl() + kPath, {}), 1);
    CHttpClient::removeFromPool(empty->poolId());
    const auto bare = m_service.requestsTo(kPath);
    QCOMPARE(bare.size(), 1);
    QVERIFY(bare[0].body.isEmpty());
    QCOMPARE(bare[0].header("User-Agent"), CHttpClient::getUserAgent().toUtf8());
}

void TestHttpClient::userAgent()
{
    QCOMPARE(AppInfo::formatOsVersion(QStringLiteral("Windows"), QVersionNumber(10, 0, 19041)),
             QStringLiteral("Windows_10.0.19041"));
    const QRegularExpression shape(
        QStringLiteral("^os/(\\S+) AT_Axiebdy_Tmtjdvi appVersion/5\\.10\\.0 appCode/5100 osVersion/(\\S+)_\\d+\\.\\d+\\.\\d+$"));
    const auto match = shape.match(CHttpClient::getUserAgent());
    QVERIFY2(match.hasMatch(), qPrintable(CHttpClient::getUserAgent()));
    QVERIFY(!match.captured(1).isEmpty());
    QCOMPARE(match.captured(2), match.captured(1));

    // A stored version code never reaches the header.
    QCOMPARE(AppInfo::getCurrentVersionCode(), 5100);
    AppInfo::setVersionCode(5200);
    QCOMPARE(AppInfo::getCurrentVersionCode(), 5200);
    QVERIFY(CHttpClient::getUserAgent().contains(QLatin1String("appCode/5100 ")));
    AppInfo::setVersionCode(0);
    QCOMPARE(AppInfo::getCurrentVersionCode(), 5100);
}

void TestHttpClient::poolIds()
{
    const int before = CHttpClient::poolSize();
    std::unique_ptr<CHttpClient> a(CHttpClient::createClient());
    std::unique_ptr<CHttpClient> b(CHttpClient::createClient());
    QVERIFY(a->poolId() >= 2);
    QCOMPARE(b->poolId(), a->poolId() + 1);
    QCOMPARE(CHttpClient::poolSize(), before + 2);
    CHttpClient::removeFromPool(a->poolId());
    CHttpClient::removeFromPool(a->poolId()); // a second removal is nothing
    CHttpClient::removeFromPool(-7);
    QCOMPARE(CHttpClient::poolSize(), before + 1);
    CHttpClient::removeFromPool(b->poolId());
    std::unique_ptr<CHttpClient> c(CHttpClient::createClient());
    QCOMPARE(c->poolId(), b->poolId() + 1); // ids are never reused
    CHttpClient::removeFromPool(c->poolId());
    QCOMPARE(CHttpClient::poolSize(), before);
}

void TestHttpClient::multipart()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // PNG signature, zero bytes and something that looks like a boundary.
    const QByteArray bytes = QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(3, '\0') + "\r\n--boundary\r\n"
                             + QByteArray(70000, 'x') + QByteArray("\xff\xfe", 2);
    const QString path = dir.filePath(QStringLiteral("课件 \"一\".png"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    auto *request = new httpRequest(kPath, {{"userID", "7"}, {"b", "a&b=c+d 中"}, {"a", ""}}, {{"binaryFile", path}});
    RequestProbe probe(request);
    QVERIFY(probe.execAndWait());
    QVERIFY(probe.succeeded());

    const auto seen = m_service.requestsTo(kPath);
    QCOMPARE(seen.size(), 1);
    QVERIFY(seen[0].header("Content-Type").startsWith("multipart/form-data; boundary="));
    QCOMPARE(seen[0].parts.size(), 4);
    const StandInService::Part &filePart = seen[0].parts[0];
    QCOMPARE(filePart.name, QByteArray("binaryFile"));
    // The name only, never the local folder; quotes cannot end the value.
    QCOMPARE(QString::fromUtf8(filePart.fileName), QStringLiteral("课件 %22一%22.png"));
    QCOMPARE(filePart.contentType, QByteArray("image/png"));
    QCOMPARE(filePart.data, bytes);
    QStringList names;
    for (int i = 1; i < seen[0].parts.size(); ++i)
        names.append(QString::fromUtf8(seen[0].parts[i].name));
    QCOMPARE(names, (QStringList{"a", "b", "userID"}));
    QCOMPARE(QString::fromUtf8(seen[0].parts[2].data), QStringLiteral("a&b=c+d 中"));
    QVERIFY(seen[0].parts[1].data.isEmpty());
    QVERIFY(QFile::exists(path)); // only removed when asked to
}

void TestHttpClient::multipartWithoutFile()
{
    QTemporaryDir dir;
    const QString empty = dir.filePath(QStringLiteral("empty.bin"));
    QFile file(empty);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    auto *request = new httpRequest(kPath, {{"k", "v"}},
                                    {{"a_missing", dir.filePath(QStringLiteral("gone.png"))}, {"b_empty", empty}});
    RequestProbe probe(request);
    QVERIFY(probe.execAndWait());
    const auto seen = m_service.requestsTo(kPath);
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen[0].parts.size(), 1);
    QCOMPARE(seen[0].parts[0].name, QByteArray("k"));
    QVERIFY(seen[0].parts[0].fileName.isEmpty());
}

void TestHttpClient::cookies()
{
    const QString host = QStringLiteral("127.0.0.1");
    auto call = [this](const StandInService::Reply &reply) {
        m_service.queueReply(kPath, reply);
        auto *request = new httpRequest(kPath, {});
        RequestProbe probe(request);
        return probe.execAndWait();
    };

    StandInService::Reply setting = StandInService::Reply::ok();
    setting.headers = {{"Set-Cookie", "sid=abc=def==; Path=/; HttpOnly"}, {"Set-Cookie", "lang=zh"}};
    QVERIFY(call(setting));
    const QList<QNetworkCookie> stored = CHttpClient::loadCookiesFromDb(host);
    QCOMPARE(stored.size(), 2);
    QMap<QByteArray, QByteArray> byName;
    for (const QNetworkCookie &cookie : stored)
        byName.insert(cookie.name(), cookie.value());
    QCOMPARE(byName.value("sid"), QByteArray("abc=def=="));
    QCOMPARE(byName.value("lang"), QByteArray("zh"));

    // A new client object sends them back.
    m_service.clearRequests();
    QVERIFY(call(StandInService::Reply::ok()));
    const QByteArray sent = m_service.requestsTo(kPath).value(0).header("Cookie");
    QVERIFY2(sent.contains("sid=abc=def==") && sent.contains("lang=zh"), sent.constData());

    // After a restart of the program (a fresh process over the same data
    // folder) they come from the database.
    QVERIFY(call(setting));
    m_service.clearRequests();
    const TestChildProcess::Result child =
        TestChildProcess::run(QStringLiteral("cookies ") + m_service.baseUrl());
    QVERIFY2(child.finished && child.exitCode == 0, child.err.constData());
    QVERIFY2(child.out.contains("\"succeeded\":true"), child.out.constData());
    const QByteArray afterRestart = m_service.requestsTo(kPath).value(0).header("Cookie");
    QVERIFY2(afterRestart.contains("sid=abc=def==") && afterRestart.contains("lang=zh"), afterRestart.constData());

    // A failed reply leaves them alone.
    StandInService::Reply broken = StandInService::Reply::raw("oops", 500);
    broken.headers = {{"Set-Cookie", "sid=other"}};
    QVERIFY(call(broken));
    QCOMPARE(CHttpClient::loadCookiesFromDb(host).size(), 2);

    // A success that sets nothing keeps them (the restart's call was one);
    // one that sets a cookie replaces that one, or removes it when expired.
    QVERIFY(call(StandInService::Reply::ok()));
    QCOMPARE(CHttpClient::loadCookiesFromDb(host).size(), 2);
    StandInService::Reply changing = StandInService::Reply::ok();
    changing.headers = {{"Set-Cookie", "lang=; Max-Age=0"}, {"Set-Cookie", "sid=new"}};
    QVERIFY(call(changing));
    const QList<QNetworkCookie> left = CHttpClient::loadCookiesFromDb(host);
    QCOMPARE(left.size(), 1);
    QCOMPARE(left[0].name(), QByteArray("sid"));
    QCOMPARE(left[0].value(), QByteArray("new"));
    m_service.clearRequests();
    QVERIFY(call(StandInService::Reply::ok()));
    QCOMPARE(m_service.requestsTo(kPath).value(0).header("Cookie"), QByteArray("sid=new"));
}

// The managers QML gets keep what they fetched in the data folder.
void TestHttpClient::qmlNetworkCache()
{
    const QString path = QStringLiteral("/files/cached.png");
    StandInService::Reply image = StandInService::Reply::raw(QByteArray(2048, 'p'), 200, "image/png");
    image.headers = {{"Cache-Control", "max-age=600"}};
    m_service.setReply(path, image);

    CCustomNetworkAccessManagerFactory factory;
    QObject owner;
    QNetworkAccessManager *manager = factory.create(&owner);
    QCOMPARE(manager->parent(), &owner);
    auto *cache = qobject_cast<QNetworkDiskCache *>(manager->cache());
    QVERIFY(cache);
    QCOMPARE(cache->maximumCacheSize(), qint64(100) * 1024 * 1024);
    QVERIFY(cache->cacheDirectory().startsWith(FileUtils::getQmlCacheDir()));

    QList<bool> fromCache;
    for (int i = 0; i < 2; ++i) {
        QScopedPointer<QNetworkReply> reply(manager->get(QNetworkRequest(QUrl(m_service.baseUrl() + path))));
        QSignalSpy finished(reply.data(), &QNetworkReply::finished);
        QVERIFY(reply->isFinished() || finished.wait(5000));
        QCOMPARE(reply->readAll().size(), 2048);
        fromCache.append(reply->attribute(QNetworkRequest::SourceIsFromCacheAttribute).toBool());
    }
    QCOMPARE(fromCache, (QList<bool>{false, true}));
    QCOMPARE(m_service.requestsTo(path).size(), 1);
}

VELTRO_TEST_MAIN_WITH_CHILD(TestHttpClient, childMain)
#include "tst_httpclient.moc"
