// The stand-in service is what every HTTP test trusts: check that it parses
// what a real client sends and misbehaves exactly as asked.
#include "StandInService.h"

#include <QHttpMultiPart>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QtTest>

class TestStandIn : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_service.listen()); }
    void init()
    {
        m_service.clearReplies();
        m_service.clearRequests();
    }
    void formAndRecording();
    void multipart();
    void misbehaviour_data();
    void misbehaviour();
    void fixtures();

private:
    QNetworkReply *finished(QNetworkReply *reply)
    {
        QSignalSpy spy(reply, &QNetworkReply::finished);
        if (!reply->isFinished())
            spy.wait(5000);
        return reply;
    }
    StandInService m_service;
    QNetworkAccessManager m_manager;
};

void TestStandIn::formAndRecording()
{
    m_service.setReply(QStringLiteral("biz_mv/edu/x"), StandInService::Reply::ok({{"a", 1}}));
    QNetworkRequest request(QUrl(m_service.baseUrl() + QStringLiteral("/biz_mv/edu/x")));
    request.setHeader(QNetworkRequest::ContentTypeHeader, "application/x-www-form-urlencoded");
    QScopedPointer<QNetworkReply> reply(finished(m_manager.post(request, "b=2&a=%E4%B8%AD+x%26y&empty=")));
    QCOMPARE(reply->error(), QNetworkReply::NoError);
    QCOMPARE(reply->readAll(), QByteArray(R"({"errorMsg":"","returnResult":{"a":1},"statusCode":0})"));

    const auto seen = m_service.requestsTo(QStringLiteral("/biz_mv/edu/x"));
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen[0].method, QByteArray("POST"));
    QCOMPARE(seen[0].formKeys(), (QStringList{"b", "a", "empty"}));
    QCOMPARE(seen[0].formValue("a"), QStringLiteral("中 x&y"));
}

void TestStandIn::multipart()
{
    auto *multi = new QHttpMultiPart(QHttpMultiPart::FormDataType);
    QHttpPart file;
    file.setHeader(QNetworkRequest::ContentDispositionHeader, R"(form-data; name="binaryFile"; filename="a.png")");
    file.setHeader(QNetworkRequest::ContentTypeHeader, "image/png");
    const QByteArray bytes("\x89PNG\r\n\x1a\n\0\0binary\r\n--", 20);
    file.setBody(bytes);
    multi->append(file);
    QHttpPart text;
    text.setHeader(QNetworkRequest::ContentDispositionHeader, R"(form-data; name="userID")");
    text.setBody("42");
    multi->append(text);
    QScopedPointer<QNetworkReply> reply(
        finished(m_manager.post(QNetworkRequest(QUrl(m_service.baseUrl() + "/up")), multi)));
    delete multi;

    const auto seen = m_service.requestsTo(QStringLiteral("/up"));
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen[0].parts.size(), 2);
    QCOMPARE(seen[0].parts[0].name, QByteArray("binaryFile"));
    QCOMPARE(seen[0].parts[0].fileName, QByteArray("a.png"));
    QCOMPARE(seen[0].parts[0].data, bytes);
    QCOMPARE(seen[0].parts[1].name, QByteArray("userID"));
    QCOMPARE(seen[0].parts[1].data, QByteArray("42"));
    QCOMPARE(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 404);
}

void TestStandIn::misbehaviour_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("error");
    QTest::addColumn<QByteArray>("body");
    QTest::newRow("gzip") << "gzip" << int(QNetworkReply::NoError) << QByteArray("{\"statusCode\":0}");
    QTest::newRow("drop") << "drop" << int(QNetworkReply::RemoteHostClosedError) << QByteArray();
    QTest::newRow("500") << "500" << int(QNetworkReply::InternalServerError) << QByteArray("boom");
    QTest::newRow("delay") << "delay" << int(QNetworkReply::NoError) << QByteArray("late");
    QTest::newRow("stalled body times out") << "stall" << int(QNetworkReply::OperationCanceledError) << QByteArray();
}

void TestStandIn::misbehaviour()
{
    QFETCH(QString, mode);
    QFETCH(int, error);
    QFETCH(QByteArray, body);

    StandInService::Reply reply = StandInService::Reply::raw(body.isEmpty() ? QByteArray(400, 'x') : body);
    reply.gzip = mode == "gzip";
    reply.drop = mode == "drop";
    reply.delayMs = mode == "delay" ? 300 : 0;
    reply.stallAfterBytes = mode == "stall" ? 10 : -1;
    if (mode == "500")
        reply.status = 500;
    m_service.setReply(QStringLiteral("/m"), reply);

    QNetworkRequest request(QUrl(m_service.baseUrl() + "/m"));
    request.setTransferTimeout(1000);
    QElapsedTimer timer;
    timer.start();
    QScopedPointer<QNetworkReply> answer(finished(m_manager.get(request)));
    QCOMPARE(int(answer->error()), error);
    if (error == QNetworkReply::NoError || mode == "500")
        QCOMPARE(answer->readAll(), body);
    if (mode == "delay")
        QVERIFY(timer.elapsed() >= 250);
}

void TestStandIn::fixtures()
{
    QScopedPointer<QNetworkReply> file(
        finished(m_manager.get(QNetworkRequest(QUrl(m_service.baseUrl() + "/files/hello.txt")))));
    QCOMPARE(file->readAll(), QByteArray("fixture-bytes\n"));
    QScopedPointer<QNetworkReply> escape(
        finished(m_manager.get(QNetworkRequest(QUrl(m_service.baseUrl() + "/files/../../CMakeLists.txt")))));
    QVERIFY(escape->error() != QNetworkReply::NoError);
}

QTEST_GUILESS_MAIN(TestStandIn)
#include "tst_standin.moc"
