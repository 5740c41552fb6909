#include "TestLogCapture.h"
#include "utils/CDataHelper.h"
#include "utils/KV.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

class TestDataHelper : public QObject
{
    Q_OBJECT

private slots:
    void coercions_data();
    void coercions();
    void stdStringIsUtf8();
    void versionComparison_data();
    void versionComparison();
    void versionComparisonLogs();
    void checkPhone_data();
    void checkPhone();
    void checkVerifyCode();
    void intFromString_data();
    void intFromString();
    void allDigits_data();
    void allDigits();
    void dirExists();
    void deviceIdIsMadeOnceAndKept();
};

void TestDataHelper::coercions_data()
{
    QTest::addColumn<QJsonValue>("value");
    QTest::addColumn<int>("asInt");
    QTest::addColumn<qint32>("asLong");
    QTest::addColumn<qint64>("asLongLong");
    QTest::addColumn<double>("asDouble");
    QTest::addColumn<QString>("asString");

    const double two31 = 2147483648.0;
    const double two53 = 9007199254740992.0;

    QTest::newRow("true") << QJsonValue(true) << 1 << 1 << qint64(1) << 1.0 << "1";
    QTest::newRow("false") << QJsonValue(false) << 0 << 0 << qint64(0) << 0.0 << "0";
    QTest::newRow("null") << QJsonValue() << 0 << 0 << qint64(0) << 0.0 << "";
    QTest::newRow("missing") << QJsonValue(QJsonValue::Undefined) << 0 << 0 << qint64(0) << 0.0 << "";

    QTest::newRow("text 42") << QJsonValue("42") << 42 << 42 << qint64(42) << 42.0 << "42";
    QTest::newRow("text blanks and sign") << QJsonValue(" -7 ") << -7 << -7 << qint64(-7) << -7.0 << " -7 ";
    QTest::newRow("text plus") << QJsonValue("+5") << 5 << 5 << qint64(5) << 5.0 << "+5";
    QTest::newRow("text 4x") << QJsonValue("4x") << 0 << 0 << qint64(0) << 0.0 << "4x";
    QTest::newRow("text fraction") << QJsonValue("2.5") << 0 << 0 << qint64(0) << 2.5 << "2.5";
    QTest::newRow("text exponent") << QJsonValue("1e3") << 0 << 0 << qint64(0) << 1000.0 << "1e3";
    QTest::newRow("text 2^31") << QJsonValue("2147483648") << 0 << 0 << qint64(2147483648LL) << two31 << "2147483648";
    QTest::newRow("text beyond 64 bit") << QJsonValue("9223372036854775808") << 0 << 0 << qint64(0)
                                        << 9223372036854775808.0 << "9223372036854775808";
    QTest::newRow("text empty") << QJsonValue("") << 0 << 0 << qint64(0) << 0.0 << "";
    QTest::newRow("text nan") << QJsonValue("nan") << 0 << 0 << qint64(0) << 0.0 << "nan";
    QTest::newRow("text chinese") << QJsonValue("王's") << 0 << 0 << qint64(0) << 0.0 << "王's";

    QTest::newRow("number 42.0") << QJsonValue(42.0) << 42 << 42 << qint64(42) << 42.0 << "42";
    QTest::newRow("number 2.5") << QJsonValue(2.5) << 0 << 2 << qint64(2) << 2.5 << "2.5";
    QTest::newRow("number -2.5") << QJsonValue(-2.5) << 0 << -2 << qint64(-2) << -2.5 << "-2.5";
    QTest::newRow("number 0.25") << QJsonValue(0.25) << 0 << 0 << qint64(0) << 0.25 << "0.25";
    QTest::newRow("number -0") << QJsonValue(-0.0) << 0 << 0 << qint64(0) << -0.0 << "0";
    QTest::newRow("number 2^31") << QJsonValue(two31) << 0 << 0 << qint64(2147483648LL) << two31 << "2147483648";
    QTest::newRow("number -2^31") << QJsonValue(-two31) << int(INT_MIN) << qint32(INT_MIN) << qint64(INT_MIN)
                                  << -two31 << "-2147483648";
    // Ids and times read as text stay exact up to 2^53.
    QTest::newRow("user id") << QJsonValue(12345678) << 12345678 << 12345678 << qint64(12345678) << 12345678.0
                             << "12345678";
    QTest::newRow("seven digits") << QJsonValue(1234567) << 1234567 << 1234567 << qint64(1234567) << 1234567.0
                                  << "1234567";
    QTest::newRow("millisecond time") << QJsonValue(1609459200123.0) << 0 << 0 << qint64(1609459200123LL)
                                      << 1609459200123.0 << "1609459200123";
    QTest::newRow("2^53") << QJsonValue(two53) << 0 << 0 << qint64(9007199254740992LL) << two53
                          << "9007199254740992";
    QTest::newRow("-2^53") << QJsonValue(-two53) << 0 << 0 << qint64(-9007199254740992LL) << -two53
                           << "-9007199254740992";
    QTest::newRow("beyond 2^53") << QJsonValue(two53 + 2) << 0 << 0 << qint64(9007199254740994LL) << two53 + 2
                                 << "9.0072e+15";
    QTest::newRow("1e20") << QJsonValue(1e20) << 0 << 0 << qint64(0) << 1e20 << "1e+20";
    QTest::newRow("six significant") << QJsonValue(123456.75) << 0 << 123456 << qint64(123456) << 123456.75
                                     << "123457";
    QTest::newRow("fraction above 1e6") << QJsonValue(1234567.5) << 0 << 1234567 << qint64(1234567) << 1234567.5
                                        << "1.23457e+06";
    QTest::newRow("1e-4") << QJsonValue(0.0001) << 0 << 0 << qint64(0) << 0.0001 << "0.0001";
    QTest::newRow("1e-5") << QJsonValue(0.00001) << 0 << 0 << qint64(0) << 0.00001 << "1e-05";

    QTest::newRow("object") << QJsonValue(QJsonObject{{"a", 1}, {"b", "x y"}}) << 0 << 0 << qint64(0) << 0.0
                            << "{\"a\":1,\"b\":\"x y\"}";
    QTest::newRow("array") << QJsonValue(QJsonArray{1, "二", true}) << 0 << 0 << qint64(0) << 0.0
                           << "[1,\"二\",true]";
    QTest::newRow("empty object") << QJsonValue(QJsonObject()) << 0 << 0 << qint64(0) << 0.0 << "{}";
}

void TestDataHelper::coercions()
{
    QFETCH(QJsonValue, value);
    QFETCH(int, asInt);
    QFETCH(qint32, asLong);
    QFETCH(qint64, asLongLong);
    QFETCH(double, asDouble);
    QFETCH(QString, asString);

    QCOMPARE(CDataHelper::jsonValueToInt(value), asInt);
    QCOMPARE(CDataHelper::jsonValueToLong(value), asLong);
    QCOMPARE(CDataHelper::jsonValueToLongLong(value), asLongLong);
    QCOMPARE(CDataHelper::jsonValueToDouble(value), asDouble);
    QCOMPARE(CDataHelper::jsonValueToString(value), asString);

    // The same member read out of a parsed object gives the same results.
    const QJsonObject holder{{"v", value}};
    if (!value.isUndefined())
        QCOMPARE(CDataHelper::jsonValueToString(holder.value("v")), asString);
}

void TestDataHelper::stdStringIsUtf8()
{
    QCOMPARE(CDataHelper::jsonValueToStdString(QJsonValue("课件")), std::string("\xe8\xaf\xbe\xe4\xbb\xb6"));
    QCOMPARE(CDataHelper::jsonValueToStdString(QJsonObject().value("missing")), std::string());
}

void TestDataHelper::versionComparison_data()
{
    QTest::addColumn<QString>("version1");
    QTest::addColumn<QString>("version2");
    QTest::addColumn<bool>("bigger");
    QTest::newRow("numbers not texts") << "5.10.0" << "5.9.9" << false;
    QTest::newRow("newer minor") << "5.9.9" << "5.10.0" << true;
    QTest::newRow("equal") << "1.2" << "1.2" << false;
    QTest::newRow("shorter but newer") << "1.2.1" << "1.3" << true;
    QTest::newRow("extra parts ignored") << "1.2" << "1.2.3.4" << false;
    QTest::newRow("fewer parts") << "1.2.3" << "1.2" << false;
    QTest::newRow("older major") << "10.0" << "9.99" << false;
    QTest::newRow("empty middle part") << "1..2" << "1.0.3" << true;
    QTest::newRow("non-number part") << "1.a" << "1.1" << true;
    QTest::newRow("empty first") << "" << "1" << true;
}

void TestDataHelper::versionComparison()
{
    QFETCH(QString, version1);
    QFETCH(QString, version2);
    QFETCH(bool, bigger);
    QCOMPARE(CDataHelper::isVersion2Bigger(version1, version2), bigger);
}

void TestDataHelper::versionComparisonLogs()
{
    CDataHelper::isVersion2Bigger("5.9.9", "5.10.0");
    QVERIFY(TestLogCapture::currentLogFileText().contains(
        "CDataHelper::isVersion2Bigger [DEBUG] compare 5.9.9,5.10.0=>1\r\n"));
}

void TestDataHelper::checkPhone_data()
{
    QTest::addColumn<QString>("phone");
    QTest::addColumn<int>("code");
    QTest::newRow("empty") << "" << 11;
    QTest::newRow("ten digits") << "1380013800" << 13;
    QTest::newRow("twelve digits") << "138001380001" << 12;
    QTest::newRow("letter") << "1380013800a" << 14;
    QTest::newRow("full-width digits") << "１３８００１３８０００" << 14;
    QTest::newRow("valid") << "13800138000" << 0;
}

void TestDataHelper::checkPhone()
{
    QFETCH(QString, phone);
    QFETCH(int, code);
    QCOMPARE(CDataHelper::checkPhone(phone), code);
}

void TestDataHelper::checkVerifyCode()
{
    QCOMPARE(CDataHelper::checkVerifyCode(""), 21);
    QCOMPARE(CDataHelper::checkVerifyCode("1234"), 0);
}

void TestDataHelper::intFromString_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("number");
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("x5") << "x5" << 5;
    QTest::newRow("id12x") << "id12x" << 12;
    QTest::newRow("sign not part") << "-5" << 5;
    QTest::newRow("leading zeros") << "007" << 7;
    QTest::newRow("no digit") << "abc" << 0;
    QTest::newRow("int max") << "2147483647" << 2147483647;
    QTest::newRow("beyond int") << "99999999999" << 0;
}

void TestDataHelper::intFromString()
{
    QFETCH(QString, text);
    QFETCH(int, number);
    QCOMPARE(CDataHelper::getIntFromString(text.toStdString()), number);
}

void TestDataHelper::allDigits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("digits");
    QTest::newRow("empty") << "" << false;
    QTest::newRow("digits") << "0123456789" << true;
    QTest::newRow("letter") << "12a" << false;
    QTest::newRow("sign") << "-1" << false;
    QTest::newRow("blank") << "1 2" << false;
}

void TestDataHelper::allDigits()
{
    QFETCH(QString, text);
    QFETCH(bool, digits);
    QCOMPARE(CDataHelper::isAllDigits(text.toStdString()), digits);
}

void TestDataHelper::dirExists()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(CDataHelper::isDirExists(dir.path()));
    QFile file(dir.filePath("f"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(!CDataHelper::isDirExists(file.fileName()));
    QVERIFY(!CDataHelper::isDirExists(dir.filePath("missing")));
    QVERIFY(!CDataHelper::isDirExists(""));
}

void TestDataHelper::deviceIdIsMadeOnceAndKept()
{
    QCOMPARE(CDataHelper::deviceIdKey(), std::string("key_deviece_id"));
    QVERIFY(KV::remove(CDataHelper::deviceIdKey()));

    const QString first = CDataHelper::getDeviceId();
    QVERIFY(!first.isEmpty());
    QVERIFY(!first.contains(':') && !first.contains('-') && !first.contains('_'));
    QCOMPARE(KV::get(CDataHelper::deviceIdKey()), first);
    QCOMPARE(CDataHelper::getDeviceId(), first);

    // Once stored, the stored id is the id: the interfaces are not asked again.
    QVERIFY(KV::set(CDataHelper::deviceIdKey(), "stored-id"));
    QCOMPARE(CDataHelper::getDeviceId(), QStringLiteral("stored-id"));
}

QTEST_GUILESS_MAIN(TestDataHelper)
#include "tst_datahelper.moc"
