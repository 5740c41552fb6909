#include "TestLogCapture.h"
#include "utils/CSqliteHelper.h"
#include "utils/FileUtils.h"
#include "utils/KV.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkCookie>
#include <QSqlDatabase>
#include <QtTest>

#include <atomic>
#include <thread>

namespace {

// How SQLite itself holds the value of a key: its type and text.
QPair<QString, QString> storedValue(const QString &key)
{
    const auto query =
        CSqliteHelper::executeRead(QStringLiteral("select typeof(value), value from tq_mmkvs where key=?"), {key});
    if (!query || !query->next())
        return {};
    return {query->value(0).toString(), query->value(1).toString()};
}

int rowCount(const QString &key)
{
    const auto query = CSqliteHelper::executeRead(QStringLiteral("select count(*) from tq_mmkvs where key=?"), {key});
    return query && query->next() ? query->value(0).toInt() : -1;
}

QString longText()
{
    QString text;
    for (int i = 0; text.size() < 1024 * 1024; ++i)
        text += QStringLiteral("第%1行 it's \"quoted\" ; -- \\n\n").arg(i);
    return text;
}

} // namespace

class TestSqliteStore : public QObject
{
    Q_OBJECT

private slots:
    void freshStartCreatesFileAndTables();
    void textRoundTrip_data();
    void textRoundTrip();
    void jsonRoundTrip_data();
    void jsonRoundTrip();
    void overwriteGetMissingAndRemove();
    void failedStatementsReportAndLog();
    void failedKeyValueWritesNameTheKey_data();
    void failedKeyValueWritesNameTheKey();
    void cookies_data();
    void cookies();
    void storedCookieTextIsParsedAtFirstEquals();
    void secondThreadUsesItsOwnConnection();
};

void TestSqliteStore::freshStartCreatesFileAndTables()
{
    const QString path = FileUtils::getAppDataDir() + QStringLiteral("/db/veltro.sqlite");
    QCOMPARE(CSqliteHelper::databasePath(), path);
    QVERIFY(CSqliteHelper::instance());
    QVERIFY(QFileInfo(path).isFile());
    QCOMPARE(CSqliteHelper::currentConnectionName(), QStringLiteral("veltro_sqlite_connect"));
    QVERIFY(QSqlDatabase::database(QStringLiteral("veltro_sqlite_connect"), false).isOpen());

    const auto query = CSqliteHelper::executeRead(
        QStringLiteral("select name, sql from sqlite_master where type='table' order by name"));
    QVERIFY(query);
    QMap<QString, QString> tables;
    while (query->next())
        tables.insert(query->value(0).toString(), query->value(1).toString());
    QCOMPARE(tables.keys(), QStringList({"tq_cookies", "tq_mmkvs", "tq_user_infos"}));
    QVERIFY(tables.value("tq_user_infos")
                .endsWith("('userID' INTERGER primary key, 'token' TEXT, 'mobilePhone' TEXT,  'nickName' TEXT, "
                          "'imageFile' TEXT, 'isMainUser' INTERGER, 'updateTime' DATETIME)"));
    QVERIFY(tables.value("tq_cookies").endsWith("('host' TEXT primary key,'cookie' TEXT)"));
    QVERIFY(tables.value("tq_mmkvs").endsWith("('key' TEXT primary key,'value' TEXT)"));

    // A second "start" of the store in the same process changes nothing.
    QCOMPARE(CSqliteHelper::instance(), CSqliteHelper::instance());
}

void TestSqliteStore::textRoundTrip_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("plain") << "key_camera_index" << "1";
    QTest::newRow("one apostrophe") << "nick" << "O'Brien";
    QTest::newRow("two apostrophes") << "two" << "it''s";
    QTest::newRow("statement in value") << "inject" << "x'); drop table tq_mmkvs; --";
    QTest::newRow("apostrophe in key") << "1024key_it's" << "v";
    QTest::newRow("chinese") << "1024key_selected_org_id" << "王老师的机构「一」";
    QTest::newRow("chinese key") << "键" << "值";
    QTest::newRow("empty") << "empty" << "";
    QTest::newRow("controls and quotes") << "ctl" << "a\tb\nc\r\n\"d\" \\e %1 ?";
    QTest::newRow("emoji") << "emoji" << "笑😀";
    QTest::newRow("long") << "long" << longText();
}

void TestSqliteStore::textRoundTrip()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    QVERIFY(KV::set(key.toStdString(), value));
    QCOMPARE(KV::get(key.toStdString()), value);
    // Always a text in the table, also when empty.
    QCOMPARE(storedValue(key), qMakePair(QStringLiteral("text"), value));
}

void TestSqliteStore::jsonRoundTrip_data()
{
    QTest::addColumn<QJsonValue>("value");
    QTest::addColumn<QString>("storedText");
    QTest::addColumn<QJsonValue>("readBack");

    const QJsonObject object{{"name", "王's \"课\""}, {"id", "12345678"}, {"n", 1234567}, {"nested", QJsonObject{{"a", QJsonArray{1, true}}}}};
    const QString objectText = QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
    QTest::newRow("object") << QJsonValue(object) << objectText << QJsonValue(object);
    const QJsonArray array{"a'b", 2, QJsonObject{{"k", "v"}}};
    QTest::newRow("array") << QJsonValue(array) << QStringLiteral("[\"a'b\",2,{\"k\":\"v\"}]") << QJsonValue(array);
    QTest::newRow("empty object") << QJsonValue(QJsonObject()) << "{}" << QJsonValue(QJsonObject());
    // Scalars are kept as their bare text and do not read back as JSON.
    QTest::newRow("string") << QJsonValue("it's") << "it's" << QJsonValue();
    QTest::newRow("number") << QJsonValue(1609459200123.0) << "1609459200123" << QJsonValue();
    QTest::newRow("bool") << QJsonValue(true) << "1" << QJsonValue();
    QTest::newRow("null") << QJsonValue() << "" << QJsonValue();
}

void TestSqliteStore::jsonRoundTrip()
{
    QFETCH(QJsonValue, value);
    QFETCH(QString, storedText);
    QFETCH(QJsonValue, readBack);
    const std::string key = std::string("json_") + QTest::currentDataTag();
    QVERIFY(KV::setJsonValue(key, value));
    QCOMPARE(KV::get(key), storedText);
    QCOMPARE(KV::getJsonValue(key), readBack);
}

void TestSqliteStore::overwriteGetMissingAndRemove()
{
    QVERIFY(KV::set("twice", "first"));
    QVERIFY(KV::set("twice", "second"));
    QCOMPARE(KV::get("twice"), QStringLiteral("second"));
    QCOMPARE(rowCount("twice"), 1);

    QCOMPARE(KV::get("never_set"), QString());
    QCOMPARE(KV::getJsonValue("never_set"), QJsonValue());
    QVERIFY(KV::remove("never_set"));

    QVERIFY(KV::remove("twice"));
    QCOMPARE(rowCount("twice"), 0);
    QCOMPARE(KV::get("twice"), QString());
}

void TestSqliteStore::failedStatementsReportAndLog()
{
    TestLogCapture capture;
    QCOMPARE(CSqliteHelper::executeQuery(QStringLiteral("insert into no_such_table values (?)"), {1}), -1);
    QVERIFY(!CSqliteHelper::executeRead(QStringLiteral("select * from no_such_table")));
    // More values than placeholders is a failure, not a silently cut statement.
    QCOMPARE(CSqliteHelper::executeQuery(QStringLiteral("delete from tq_mmkvs where key=?"), {"a", "b"}), -1);

    const QString log = TestLogCapture::currentLogFileText();
    QVERIFY(log.contains("[DEBUG] CSqliteHelper::executeQuery [insert into no_such_table values (?)] failed\r\n"));
    QVERIFY(log.contains("CSqliteHelper::executeRead [ERROR] exec select * from no_such_table failed\r\n"));
}

void TestSqliteStore::failedKeyValueWritesNameTheKey_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("logLine");
    QTest::newRow("set") << "set"
                         << "KV::set [ERROR] replace into tq_mmkvs (key, value) values ('k_token', ?)execure error\r\n";
    QTest::newRow("setJsonValue") << "setJsonValue"
                                  << "KV::setJsonValue [ERROR] replace into tq_mmkvs (key, value) values ('k_token', "
                                     "?)execure error\r\n";
    QTest::newRow("remove") << "remove" << "KV::remove [ERROR] delete from tq_mmkvs where key='k_token'execure error\r\n";
}

void TestSqliteStore::failedKeyValueWritesNameTheKey()
{
    QFETCH(QString, operation);
    QFETCH(QString, logLine);
    QVERIFY(KV::set("k_token", "old"));
    // Every write of this key fails; the table itself stays sound.
    QVERIFY(CSqliteHelper::executeQuery(QStringLiteral(
                "create temp trigger refuse_insert before insert on tq_mmkvs when new.key = 'k_token' "
                "begin select raise(fail, 'refused'); end"))
            >= 0);
    QVERIFY(CSqliteHelper::executeQuery(QStringLiteral(
                "create temp trigger refuse_delete before delete on tq_mmkvs when old.key = 'k_token' "
                "begin select raise(fail, 'refused'); end"))
            >= 0);
    TestLogCapture capture;
    bool done = true;
    if (operation == QLatin1String("set"))
        done = KV::set("k_token", "secret-value");
    else if (operation == QLatin1String("setJsonValue"))
        done = KV::setJsonValue("k_token", QJsonObject{{"t", "secret-value"}});
    else
        done = KV::remove("k_token");
    CSqliteHelper::executeQuery(QStringLiteral("drop trigger refuse_insert"));
    CSqliteHelper::executeQuery(QStringLiteral("drop trigger refuse_delete"));
    QVERIFY(!done);
    QCOMPARE(KV::get("k_token"), QStringLiteral("old"));
    const QString log = TestLogCapture::currentLogFileText();
    QVERIFY2(log.contains(logLine), qPrintable(log.right(1500)));
    QVERIFY(!log.contains("secret-value"));
    QVERIFY(KV::remove("k_token"));
}

void TestSqliteStore::cookies_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<QList<QNetworkCookie>>("cookies");
    QTest::addColumn<QString>("storedText");

    QTest::newRow("two") << "api.veltro.example"
                         << QList<QNetworkCookie>{QNetworkCookie("a", "1"), QNetworkCookie("b", "2")} << "a=1;b=2";
    QTest::newRow("value with equals") << "127.0.0.1:8080"
                                       << QList<QNetworkCookie>{QNetworkCookie("sid", "YWJj==x=y"), QNetworkCookie("c", "")}
                                       << "sid=YWJj==x=y;c=";
    QTest::newRow("apostrophe host") << "it's.example"
                                     << QList<QNetworkCookie>{QNetworkCookie("n", "O'Brien")} << "n=O'Brien";
    QTest::newRow("none") << "empty.example" << QList<QNetworkCookie>() << "";
}

void TestSqliteStore::cookies()
{
    QFETCH(QString, host);
    QFETCH(QList<QNetworkCookie>, cookies);
    QFETCH(QString, storedText);

    QVERIFY(CSqliteHelper::saveCookies(host, {QNetworkCookie("old", "gone")}));
    QVERIFY(CSqliteHelper::saveCookies(host, cookies));
    const auto query = CSqliteHelper::executeRead(QStringLiteral("select cookie from tq_cookies where host=?"), {host});
    QVERIFY(query && query->next());
    QCOMPARE(query->value(0).toString(), storedText);

    const QList<QNetworkCookie> loaded = CSqliteHelper::loadCookies(host);
    QCOMPARE(loaded.size(), cookies.size());
    for (int i = 0; i < loaded.size(); ++i) {
        QCOMPARE(loaded.at(i).name(), cookies.at(i).name());
        QCOMPARE(loaded.at(i).value(), cookies.at(i).value());
    }
}

void TestSqliteStore::storedCookieTextIsParsedAtFirstEquals()
{
    QCOMPARE(CSqliteHelper::executeQuery(QStringLiteral("replace into tq_cookies (host, cookie) values (?, ?)"),
                                         {"hand.example", " a=1 ; b=x=y;;junk; =nameless;c=3"}),
             1);
    const QList<QNetworkCookie> loaded = CSqliteHelper::loadCookies("hand.example");
    QCOMPARE(loaded.size(), 3);
    QCOMPARE(loaded.at(0).toRawForm(QNetworkCookie::NameAndValueOnly), QByteArray("a=1"));
    QCOMPARE(loaded.at(1).value(), QByteArray("x=y"));
    QCOMPARE(loaded.at(2).name(), QByteArray("c"));
    QVERIFY(CSqliteHelper::loadCookies("unknown.example").isEmpty());
}

void TestSqliteStore::secondThreadUsesItsOwnConnection()
{
    QVERIFY(KV::set("from_main", "written by the main thread"));
    TestLogCapture capture;

    constexpr int kWrites = 60;
    QString workerConnection;
    QString workerRead;
    std::atomic<int> workerFailures{0};
    std::thread worker([&] {
        workerRead = KV::get("from_main");
        for (int i = 0; i < kWrites; ++i) {
            if (!KV::set("worker_" + std::to_string(i), QStringLiteral("w'%1").arg(i)))
                ++workerFailures;
        }
        CSqliteHelper::saveCookies("worker.example", {QNetworkCookie("t", "1=2")});
        workerConnection = CSqliteHelper::currentConnectionName();
    });
    // The main thread writes at the same time over its own connection.
    int mainFailures = 0;
    for (int i = 0; i < kWrites; ++i) {
        if (!KV::set("main_" + std::to_string(i), QStringLiteral("m'%1").arg(i)))
            ++mainFailures;
    }
    worker.join();

    QCOMPARE(workerFailures.load(), 0);
    QCOMPARE(mainFailures, 0);
    QCOMPARE(workerRead, QStringLiteral("written by the main thread"));
    QVERIFY(workerConnection.startsWith(QStringLiteral("veltro_sqlite_connect_")));
    for (int i = 0; i < kWrites; ++i) {
        QCOMPARE(KV::get("worker_" + std::to_string(i)), QStringLiteral("w'%1").arg(i));
        QCOMPARE(KV::get("main_" + std::to_string(i)), QStringLiteral("m'%1").arg(i));
    }
    QCOMPARE(CSqliteHelper::loadCookies("worker.example").value(0).value(), QByteArray("1=2"));

    // The thread's connection went with the thread; the main one stays.
    QVERIFY(!QSqlDatabase::contains(workerConnection));
    QVERIFY(QSqlDatabase::contains(QStringLiteral("veltro_sqlite_connect")));
    for (const QString &message : capture.messages())
        QVERIFY2(!message.contains("does not belong to the calling thread"), qPrintable(message));
}

QTEST_GUILESS_MAIN(TestSqliteStore)
#include "tst_sqlitestore.moc"
