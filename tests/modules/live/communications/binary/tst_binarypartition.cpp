#include "modules/live/communications/binary/TQBinaryPartition.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <memory>

namespace {

std::unique_ptr<TQBinaryPartition> fromText(const QByteArray &json)
{
    return std::unique_ptr<TQBinaryPartition>(TQBinaryPartition::fromJson(QJsonDocument::fromJson(json).object()));
}

} // namespace

// The image partition record and its JSON.
class TestBinaryPartition : public QObject
{
    Q_OBJECT

private slots:
    void writesEveryValueAsText();
    void readsBack();
    void coercions_data();
    void coercions();
    void refusals_data();
    void refusals();
};

void TestBinaryPartition::writesEveryValueAsText()
{
    const TQBinaryPartition partition("user/image/100/1700000000000", "9f3c", 1, 2, 1, -1, 1);
    const QJsonObject object =
        QJsonDocument::fromJson(QByteArray::fromStdString(partition.toJson())).object();
    QCOMPARE(object.size(), 8);
    QCOMPARE(object.value("serverURL").toString(), QStringLiteral("user/image/100/1700000000000"));
    QCOMPARE(object.value("partitionBody").toString(), QString());
    QCOMPARE(object.value("partitionMD").toString(), QStringLiteral("9f3c"));
    QCOMPARE(object.value("partitionIndex").toString(), QStringLiteral("1"));
    QCOMPARE(object.value("partitionTotal").toString(), QStringLiteral("2"));
    QCOMPARE(object.value("partitionFormat").toString(), QStringLiteral("1"));
    QCOMPARE(object.value("receiptID").toString(), QStringLiteral("-1"));
    QCOMPARE(object.value("useageType").toString(), QStringLiteral("1"));
    QVERIFY(!QByteArray::fromStdString(partition.toJson()).contains(' '));
    QVERIFY(partition.fromId.empty());
    QVERIFY(partition.raw.isEmpty());
}

void TestBinaryPartition::readsBack()
{
    TQBinaryPartition partition("http://x/a.png", "beef", 2, 3, 4, 77, 0);
    partition.partitionBody = "QW5u";
    const auto back = fromText(QByteArray::fromStdString(partition.toJson()));
    QVERIFY(back);
    QCOMPARE(back->toJson(), partition.toJson());
    QCOMPARE(back->receiptID, 77);
    QCOMPARE(back->partitionBody, std::string("QW5u"));
}

void TestBinaryPartition::coercions_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("receipt");
    QTest::addColumn<int>("useage");
    QTest::newRow("numbers") << QByteArray(R"({"partitionIndex":1,"partitionTotal":2,"receiptID":-1,"useageType":1})")
                             << 1 << 2 << -1 << 1;
    QTest::newRow("receipt truncated") << QByteArray(R"({"partitionTotal":1,"receiptID":7.9})") << 0 << 1 << 7 << 0;
    QTest::newRow("booleans") << QByteArray(R"({"partitionIndex":false,"partitionTotal":true,"useageType":true})")
                              << 0 << 1 << 0 << 1;
    QTest::newRow("text with blanks") << QByteArray(R"({"partitionIndex":" 0","partitionTotal":"1 ","receiptID":"x"})")
                                      << 0 << 1 << 0 << 0;
}

void TestBinaryPartition::coercions()
{
    QFETCH(QByteArray, json);
    QFETCH(int, index);
    QFETCH(int, total);
    QFETCH(int, receipt);
    QFETCH(int, useage);
    const auto partition = fromText(json);
    QVERIFY(partition);
    QCOMPARE(partition->partitionIndex, index);
    QCOMPARE(partition->partitionTotal, total);
    QCOMPARE(partition->receiptID, receipt);
    QCOMPARE(partition->useageType, useage);
    QCOMPARE(partition->serverURL, std::string());
}

// Received records the transporter could not assemble safely.
void TestBinaryPartition::refusals_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("last index") << QByteArray(R"({"partitionIndex":1023,"partitionTotal":1024})") << true;
    QTest::newRow("index at total") << QByteArray(R"({"partitionIndex":2,"partitionTotal":2})") << false;
    QTest::newRow("negative index") << QByteArray(R"({"partitionIndex":-1,"partitionTotal":2})") << false;
    QTest::newRow("total 0") << QByteArray(R"({"partitionIndex":0,"partitionTotal":0})") << false;
    QTest::newRow("negative total") << QByteArray(R"({"partitionIndex":0,"partitionTotal":-5})") << false;
    QTest::newRow("total above the cap") << QByteArray(R"({"partitionIndex":0,"partitionTotal":1025})") << false;
    QTest::newRow("empty object") << QByteArray("{}") << false;
    QTest::newRow("body with a blank") << QByteArray(R"({"partitionTotal":1,"partitionBody":"QW 5u"})") << false;
    QTest::newRow("body with bad padding") << QByteArray(R"({"partitionTotal":1,"partitionBody":"QW5u="})") << false;
    QTest::newRow("body without padding") << QByteArray(R"({"partitionTotal":1,"partitionBody":"QW5"})") << true;
}

void TestBinaryPartition::refusals()
{
    QFETCH(QByteArray, json);
    QFETCH(bool, accepted);
    QCOMPARE(bool(fromText(json)), accepted);
}

QTEST_GUILESS_MAIN(TestBinaryPartition)
#include "tst_binarypartition.moc"
