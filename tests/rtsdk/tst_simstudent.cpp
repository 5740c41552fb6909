// SimStudent against a teacher's client of the stand-in SDK that speaks
// through the product's envelope and partition code: the student's literal
// envelopes are read by TQMessagePackagingService, the teacher's envelopes
// and raw image partitions are decoded and put together by the student.
#include "RtmTestClient.h"
#include "SimStudent.h"

#include "actions/TQActionsFromNet.h"
#include "actions/TQMessageEnvelope.h"
#include "actions/TQMessagePackagingService.h"
#include "modules/live/communications/binary/TQBinaryPartition.h"
#include "rtsdk/StandInControl.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QtTest>

#include <memory>

using rtsdk::StandInControl;

namespace {

const qint64 kTeacher = 12345;
const qint64 kCourse = 678;

// The teacher's side: logged in as 12345_rtm, in both class channels.
struct Teacher
{
    RtmTestClient<AgoraRtm> client;
    TQMessagePackagingService packaging;
    bool enter() { return client.login("12345_rtm") && client.join("678_rtm") && client.join("678_alt"); }
};


// Slices in the product's partition form with their raw bytes; the tag is
// the MD5 of the last slice unless `tag` is given.
QList<QPair<std::string, QByteArray>> partitions(const QByteArray &bytes, const QString &url, const QString &tag = {})
{
    QList<QByteArray> slices;
    for (int offset = 0; offset < bytes.size(); offset += TQBinaryPartition::kSliceBytes)
        slices << bytes.mid(offset, TQBinaryPartition::kSliceBytes);
    const QString md5 = QCryptographicHash::hash(slices.last(), QCryptographicHash::Md5).toHex();
    const std::string md = (tag.isEmpty() ? md5.right(4) : tag).toStdString();
    QList<QPair<std::string, QByteArray>> out;
    for (int i = 0; i < slices.size(); ++i) {
        const TQBinaryPartition partition(url.toStdString(), md, i, slices.size(), 1, -1, 1);
        out << qMakePair(partition.toJson(), slices[i]);
    }
    return out;
}

QByteArray pattern(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + i / 251) & 0xff);
    return bytes;
}

} // namespace

class TestSimStudent : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { StandInControl::reset(); }

    void entersBothChannels();
    void envelopeText_data();
    void envelopeText();
    void productReadsStudentEnvelopes();
    void studentReadsTeacherEnvelopes();
    void imagesFromRawPartitions_data();
    void imagesFromRawPartitions();
};

void TestSimStudent::entersBothChannels()
{
    Teacher teacher;
    QVERIFY(teacher.enter());
    SimStudent student(42, kCourse);
    QCOMPARE(student.loginId(), QStringLiteral("42_rtm"));
    QVERIFY(student.enter());
    QVERIFY(teacher.client.log.waitFor("678_rtm member joined 42_rtm in 678_rtm"));
    QVERIFY(teacher.client.log.waitFor("678_alt member joined 42_rtm in 678_alt"));
    QCOMPARE(student.events(), (QStringList{"state 2 1", "state 3 2", "login ok", "joined 678_rtm", "joined 678_alt"}));

    student.leave();
    QVERIFY(teacher.client.log.waitFor("678_rtm member left 42_rtm in 678_rtm"));
    QVERIFY(!StandInControl::isOnline("42_rtm"));
}

void TestSimStudent::envelopeText_data()
{
    QTest::addColumn<QString>("tqMsg");
    QTest::addColumn<int>("tqType");
    QTest::addColumn<qint64>("tqRec");

    QTest::newRow("drawing actions") << "[1,9,0],[2,9,0]" << 0 << qint64(-1);
    QTest::newRow("quotes and backslashes") << "say \"hi\" \\ bye" << 5 << qint64(-1);
    QTest::newRow("line ends and tab") << "a\nb\r\tc" << 2 << qint64(12345);
    QTest::newRow("Chinese text") << QStringLiteral("好的") << 5 << qint64(-1);
}

// The literal wire text is the product writer's, byte for byte.
void TestSimStudent::envelopeText()
{
    QFETCH(QString, tqMsg);
    QFETCH(int, tqType);
    QFETCH(qint64, tqRec);

    TQMessageEnvelope envelope;
    envelope.tqMsg = tqMsg.toStdString();
    envelope.tqType = tqType;
    envelope.tqRec = int(tqRec);
    envelope.tqTm = 1715913000123;
    QCOMPARE(SimStudent::envelopeText(tqMsg, tqType, tqRec, 1715913000123),
             QByteArray::fromStdString(envelope.toJson()));
}

void TestSimStudent::productReadsStudentEnvelopes()
{
    Teacher teacher;
    QVERIFY(teacher.enter());
    SimStudent student(42, kCourse);
    QVERIFY(student.enter());
    QVERIFY(StandInControl::waitIdle());
    teacher.client.log.clear();

    const int n = 20;
    for (int i = 0; i < n; ++i)
        QCOMPARE(student.sendEnvelope(QStringLiteral("[1,9,%1]").arg(i), 0, i % 2 == 0), 0);
    QCOMPARE(student.sendEnvelopeToPeer(kTeacher, QStringLiteral("[1,9,99]"), 0), 0);
    QVERIFY(teacher.client.log.waitUntil([&](const QStringList &all) { return all.size() == n + 1; }));

    const QList<qint64> times = student.sentTimes();
    QCOMPARE(times.size(), n + 1);
    for (int i = 1; i < times.size(); ++i)
        QVERIFY2(times[i] > times[i - 1], "tqTm strictly increasing");

    // The recorder shows "CH from U: TEXT"; the product unpacks TEXT.
    const QStringList texts = teacher.client.log.texts();
    for (int i = 0; i < texts.size(); ++i) {
        const bool peer = i == n;
        QCOMPARE(texts[i].section(' ', 0, 0), peer ? QString("peer") : i % 2 == 0 ? QString("678_rtm") : "678_alt");
        const std::string wire = texts[i].section(": ", 1).toStdString();
        std::unique_ptr<TQActionsFromNet> unpacked(teacher.packaging.unpackMessage(wire, nullptr, 42));
        QVERIFY(unpacked);
        QCOMPARE(unpacked->tm, times[i]);
        QCOMPARE(unpacked->type, 0);
        QCOMPARE(unpacked->mReceiptID, peer ? int(kTeacher) : -1);
        QCOMPARE(unpacked->mActionArray.size(), size_t(1));
        qDeleteAll(unpacked->takeActions());
    }
}

void TestSimStudent::studentReadsTeacherEnvelopes()
{
    Teacher teacher;
    QVERIFY(teacher.enter());
    SimStudent student(42, kCourse);
    QVERIFY(student.enter());

    TQMessageEnvelope envelope;
    envelope.tqMsg = "say \"hi\"";
    envelope.tqType = 5;
    envelope.tqRec = -1;
    envelope.tqTm = 1715913000123;
    QCOMPARE(teacher.client.send("678_alt", envelope.toJson()), 0);
    envelope.tqRec = 42;
    QCOMPARE(teacher.client.sendToPeer("42_rtm", envelope.toJson()), 0);
    QCOMPARE(teacher.client.send("678_rtm", "not json"), 0);
    QVERIFY(student.waitForEnvelopes(2));
    QVERIFY(SimStudent::waitUntil([&] { return !student.refused().isEmpty(); }));

    const QList<SimStudent::Envelope> got = student.envelopes();
    QCOMPARE(got.size(), 2);
    QCOMPARE(got[0].tqMsg, QStringLiteral("say \"hi\""));
    QCOMPARE(got[0].tqType, 5);
    QCOMPARE(got[0].tqRec, qint64(-1));
    QCOMPARE(got[0].tqTm, qint64(1715913000123));
    QCOMPARE(got[0].fromUid, kTeacher);
    QCOMPARE(got[0].channel, QStringLiteral("678_alt"));
    QVERIFY(!got[0].peer);
    QVERIFY(got[1].peer);
    QCOMPARE(got[1].tqRec, qint64(42));
    QCOMPARE(student.refused(), QStringList{"not json"});
}

void TestSimStudent::imagesFromRawPartitions_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<bool>("tagMatches");
    QTest::addColumn<bool>("reversed");

    QTest::newRow("one slice") << 28000 << QString() << true << false;
    QTest::newRow("two slices, the last of one byte") << 28001 << QString() << true << false;
    QTest::newRow("slices arriving out of order") << 3 * 28000 + 5 << QString() << true << true;
    QTest::newRow("wrong tag") << 28001 << "0000" << false << false;
}

void TestSimStudent::imagesFromRawPartitions()
{
    QFETCH(int, size);
    QFETCH(QString, tag);
    QFETCH(bool, tagMatches);
    QFETCH(bool, reversed);

    Teacher teacher;
    QVERIFY(teacher.enter());
    SimStudent student(42, kCourse);
    QVERIFY(student.enter());

    const QByteArray bytes = pattern(size);
    QList<QPair<std::string, QByteArray>> parts = partitions(bytes, "user/image/12345/1715913000123", tag);
    if (reversed)
        std::reverse(parts.begin(), parts.end());
    for (const auto &part : parts) {
        const std::string text = teacher.packaging.packPartitionMessage(part.first, -1);
        QCOMPARE(teacher.client.send("678_rtm", text, part.second), 0);
    }
    QVERIFY(student.waitForImages(1));
    const SimStudent::Image image = student.images().first();
    QCOMPARE(image.url, QStringLiteral("user/image/12345/1715913000123"));
    QCOMPARE(image.bytes.size(), size);
    QVERIFY(image.bytes == bytes);
    QCOMPARE(image.tagMatches, tagMatches);
    QCOMPARE(image.useageType, 1);
    QCOMPARE(image.fromUid, kTeacher);
    QCOMPARE(student.envelopes().size(), parts.size());
}

QTEST_GUILESS_MAIN(TestSimStudent)
#include "tst_simstudent.moc"
