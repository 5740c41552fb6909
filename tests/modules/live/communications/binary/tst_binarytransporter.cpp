// The binary transporter on its own: slicing, the two send queues and their
// pacing on a settable clock (through a recording transporter interface that
// can also refuse), and both receive paths fed with partitions directly:
// what gets joined, what is refused (nothing written, nothing handed out),
// and a soak of image-mode frames from ten students that counts the entries
// the manager holds.

#include "modules/live/communications/binary/TQBinaryTransporterManager.h"

#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/MaterialDetailBean.h"
#include "modules/live/bean/TQDataModelBean.h"
#include "modules/live/communications/binary/TQBinaryPartition.h"
#include "modules/live/communications/binary/TQBinaryTransporterInterface.h"
#include "modules/login/LoginManager.h"
#include "utils/FileUtils.h"
#include "utils/TimeUtils.h"

#include <QCryptographicHash>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include "TestClock.h"

#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr qint64 kStart = 1700000000000;

// What the channel was handed, in order; refuses while `refuse` says so.
class RecordingTransporter : public TQBinaryTransporterInterface
{
public:
    struct Sent
    {
        QJsonObject record;
        QByteArray raw;
        int receiptID = 0;
    };

    bool sendPartition(const std::string &partitionJson, const QByteArray *raw, int receiptID) override
    {
        if (refuse && refuse(int(sent.size())))
            return false;
        sent.push_back(
            {QJsonDocument::fromJson(QByteArray::fromStdString(partitionJson)).object(), raw ? *raw : QByteArray(),
             receiptID});
        return true;
    }

    QStringList urls() const
    {
        QStringList out;
        for (const Sent &s : sent)
            out << s.record.value("serverURL").toString();
        return out;
    }

    std::vector<Sent> sent;
    std::function<bool(int)> refuse;
};

QByteArray pattern(int size, int seed = 0)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 31 + seed * 7 + i / 253) & 0xff);
    return bytes;
}

QString md5Tail(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex()).right(4);
}

// Puts `bytes` into the shared download cache under `url`.
void cache(const QString &url, const QByteArray &bytes)
{
    QFile file(FileUtils::getResourceFileFromUrl(url));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

// A sender's partitions of `bytes` as they come off the wire: raw, or with
// the slice as Base64 in the body.
std::vector<TQBinaryPartition *> wire(const QByteArray &bytes, const std::string &url, int useageType,
                                      const std::string &from, bool raw)
{
    std::unique_ptr<std::vector<TQBinaryPartition *>> list(
        TQBinaryTransporterManager::sliceRawData(bytes, url, useageType, 1, -1));
    for (TQBinaryPartition *p : *list) {
        p->fromId = from;
        if (!raw) {
            p->partitionBody = p->raw.toBase64().toStdString();
            p->raw.clear();
        }
    }
    return *list;
}

// Every file under the data folder's download cache, the received folder included.
QStringList cachedFiles()
{
    QStringList files;
    QDirIterator it(FileUtils::getResourceDir(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    return files;
}

using Mutation = std::function<void(std::vector<TQBinaryPartition *> &)>;

} // namespace

Q_DECLARE_METATYPE(Mutation)

class TestBinaryTransporter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void slicing_data();
    void slicing();
    void queuesArePacedInBatches();
    void sameUrlQueuedOnce();
    void lostHandOverIsSentAgain();
    void framesGoAtOnce();

    void joinsOnBothPaths_data();
    void joinsOnBothPaths();
    void fileOnlyWhereExpected();
    void malformedSetsAreRefused_data();
    void malformedSetsAreRefused();
    void soakOfFramesStaysFlat();

private:
    void receive(const std::vector<TQBinaryPartition *> &partitions, bool raw);

    std::unique_ptr<TQBinaryTransporterManager> m_manager;
    RecordingTransporter m_channel;
    std::unique_ptr<TestClock> m_clock;
    CourseDetailBean *m_course = nullptr;
    // The last frames handed out: (sender, bytes); and how many there were.
    QList<QPair<QString, QByteArray>> m_frames;
    int m_frameCount = 0;
};

void TestBinaryTransporter::initTestCase()
{
    LoginManager::saveLoginInfo(QJsonObject{
        {"tokenStatus", QJsonObject{{"token", "t"}}},
        {"accountDetails", QJsonObject{{"user_id", "900"}, {"user_nick_name", "T"}}}});
}

void TestBinaryTransporter::init()
{
    QDir(FileUtils::getResourceDir()).removeRecursively();
    m_clock = std::make_unique<TestClock>(kStart);
    m_channel = RecordingTransporter();
    m_manager = std::make_unique<TQBinaryTransporterManager>();
    m_manager->setTransporterInterface(&m_channel);
    m_frames.clear();
    m_frameCount = 0;
    connect(m_manager.get(), &TQBinaryTransporterManager::dispatchBinaryData, this,
            [this](const QString &from, int useType, QByteArray *bytes) {
                QCOMPARE(useType, 1);
                ++m_frameCount;
                m_frames << qMakePair(from, *bytes);
                if (m_frames.size() > 4)
                    m_frames.removeFirst();
                delete bytes;
            });
    // One material whose one page is "http://files/page0.png".
    m_course = new CourseDetailBean(QJsonObject{});
    auto *material = new MaterialDetailBean;
    material->materialId = 7;
    material->mFileItems.emplace_back();
    material->mFileItems.back().fileUrl = "http://files/page0.png";
    m_course->course_materials << material;
    TQDataModelBean::m_pOngoingCourse = m_course;
}

void TestBinaryTransporter::cleanup()
{
    m_manager.reset();
    m_clock.reset();
    TQDataModelBean::m_pOngoingCourse = nullptr;
    delete m_course;
    m_course = nullptr;
}

void TestBinaryTransporter::receive(const std::vector<TQBinaryPartition *> &partitions, bool raw)
{
    for (TQBinaryPartition *p : partitions) {
        if (raw)
            m_manager->receiveRawBinaryPartitions(p);
        else
            m_manager->receivePartitions(p);
    }
}

// Sending ------------------------------------------------------------------------

void TestBinaryTransporter::slicing_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QList<int>>("sliceSizes");
    QTest::newRow("empty") << 0 << QList<int>{};
    QTest::newRow("one byte") << 1 << QList<int>{1};
    QTest::newRow("exactly one slice") << 28000 << QList<int>{28000};
    QTest::newRow("one byte over") << 28001 << QList<int>{28000, 1};
    QTest::newRow("three slices") << 70000 << QList<int>{28000, 28000, 14000};
}

void TestBinaryTransporter::slicing()
{
    QFETCH(int, size);
    QFETCH(QList<int>, sliceSizes);
    const QByteArray bytes = pattern(size);
    std::unique_ptr<std::vector<TQBinaryPartition *>> list(
        TQBinaryTransporterManager::sliceRawData(bytes, "u/x", 0, 3, 42));
    if (sliceSizes.isEmpty()) {
        QVERIFY(!list);
        return;
    }
    QVERIFY(list);
    std::vector<std::unique_ptr<TQBinaryPartition>> owned(list->begin(), list->end());
    QCOMPARE(int(owned.size()), sliceSizes.size());
    QByteArray joined;
    for (int i = 0; i < sliceSizes.size(); ++i) {
        const TQBinaryPartition &p = *owned[size_t(i)];
        QCOMPARE(p.raw.size(), sliceSizes[i]);
        QCOMPARE(p.partitionIndex, i);
        QCOMPARE(p.partitionTotal, sliceSizes.size());
        QCOMPARE((QList<int>{p.partitionFormat, p.receiptID, p.useageType}), (QList<int>{3, 42, 0}));
        QCOMPARE(QString::fromStdString(p.partitionMD), md5Tail(owned.back()->raw));
        QVERIFY(p.partitionBody.empty());
        joined += p.raw;
    }
    QCOMPARE(joined, bytes);
}

void TestBinaryTransporter::queuesArePacedInBatches()
{
    // 20 immediate partitions and 3 normal ones.
    cache("http://files/big.png", pattern(20 * 28000, 1));
    cache("http://files/small.png", pattern(2 * 28000 + 5, 2));
    m_manager->sendImageFileForUrl("http://files/big.png", 1, -1, true, false);
    QCOMPARE(m_channel.sent.size(), size_t(15));
    QVERIFY(!m_manager->isUrlTransported("http://files/big.png"));

    m_clock->advance(100);
    m_manager->sendImageFileForUrl("http://files/small.png", 1, -1, false, false);
    QCOMPARE(m_channel.sent.size(), size_t(15));
    m_clock->advance(400); // 500 ms after the first batch: not yet
    m_manager->sendPendingPartitions();
    QCOMPARE(m_channel.sent.size(), size_t(15));
    m_clock->advance(1);
    m_manager->sendPendingPartitions();
    QCOMPARE(m_channel.sent.size(), size_t(20));
    QVERIFY(m_manager->isUrlTransported("http://files/big.png"));
    QVERIFY(!m_manager->isUrlTransported("http://files/small.png"));
    m_clock->advance(501);
    m_manager->sendPendingPartitions();
    QCOMPARE(m_channel.sent.size(), size_t(23));
    QVERIFY(m_manager->isUrlTransported("http://files/small.png"));
    QStringList order;
    for (int i = 0; i < 8; ++i)
        order << (i < 5 ? "http://files/big.png" : "http://files/small.png");
    QCOMPARE(m_channel.urls().mid(15), order);

    // Every partition carries its slice raw, its record names it, and the
    // file comes back whole from the slices.
    QByteArray big;
    for (int i = 0; i < 20; ++i) {
        const RecordingTransporter::Sent &s = m_channel.sent[size_t(i)];
        QCOMPARE(s.record.value("partitionIndex").toString(), QString::number(i));
        QCOMPARE(s.record.value("partitionTotal").toString(), QStringLiteral("20"));
        QCOMPARE(s.record.value("partitionBody").toString(), QString());
        QCOMPARE(s.receiptID, -1);
        big += s.raw;
    }
    QCOMPARE(big, pattern(20 * 28000, 1));
    QCOMPARE(m_channel.sent[19].record.value("partitionMD").toString(), md5Tail(m_channel.sent[19].raw));
    m_clock->advance(501);
    m_manager->sendPendingPartitions();
    QCOMPARE(m_channel.sent.size(), size_t(23));
}

void TestBinaryTransporter::sameUrlQueuedOnce()
{
    cache("http://files/a.png", pattern(100));
    QVERIFY(m_manager->isUrlTransported("a"));
    m_manager->sendImageFileForUrl("a", 1, -1, true, false);
    m_manager->sendImageFileForUrl("http://files/missing.png", 1, -1, true, false);
    QVERIFY(m_channel.sent.empty());

    m_manager->sendImageFileForUrl("http://files/a.png", 1, -1, false, false);
    m_manager->sendImageFileForUrl("http://files/a.png", 1, -1, false, false); // queued already
    for (int i = 0; i < 3; ++i) {
        m_clock->advance(501);
        m_manager->sendPendingPartitions();
    }
    QCOMPARE(m_channel.sent.size(), size_t(1));
    m_manager->sendImageFileForUrl("http://files/a.png", 1, -1, false, false); // sent already
    m_clock->advance(501);
    m_manager->sendImageFileForUrl("http://files/a.png", 1, -1, false, true);
    QCOMPARE(m_channel.sent.size(), size_t(2));
}

void TestBinaryTransporter::lostHandOverIsSentAgain()
{
    // The channel loses the second partition of three: the third is not
    // sent, the URL does not count as transported, and the next request
    // sends the file whole.
    cache("http://files/c.png", pattern(3 * 28000, 3));
    m_channel.refuse = [](int alreadySent) { return alreadySent == 1; };
    m_manager->sendImageFileForUrl("http://files/c.png", 1, -1, true, false);
    QCOMPARE(m_channel.sent.size(), size_t(1));
    QCOMPARE(m_manager->queuedPartitionCount(), 0);
    QVERIFY(!m_manager->isUrlTransported("http://files/c.png"));

    m_channel.refuse = nullptr;
    m_channel.sent.clear();
    m_clock->advance(501);
    m_manager->sendImageFileForUrl("http://files/c.png", 1, -1, true, false);
    QCOMPARE(m_channel.sent.size(), size_t(3));
    QVERIFY(m_manager->isUrlTransported("http://files/c.png"));
}

void TestBinaryTransporter::framesGoAtOnce()
{
    cache("http://files/d.png", pattern(10));
    m_manager->sendImageFileForUrl("http://files/d.png", 1, -1, true, false);
    m_manager->sendImageData(pattern(28001, 4));
    m_manager->sendImageData(QByteArray());
    QCOMPARE(m_channel.sent.size(), size_t(3)); // no pacing for frames
    for (size_t i = 1; i < 3; ++i) {
        const QJsonObject &record = m_channel.sent[i].record;
        QCOMPARE(record.value("serverURL").toString(), QStringLiteral("user/image/900/%1").arg(kStart));
        QCOMPARE(record.value("useageType").toString(), QStringLiteral("1"));
        QCOMPARE(record.value("partitionFormat").toString(), QStringLiteral("1"));
        QCOMPARE(m_channel.sent[i].receiptID, -1);
    }
    QVERIFY(!m_manager->isUrlTransported(QStringLiteral("user/image/900/%1").arg(kStart).toStdString()));
}

// Receiving ------------------------------------------------------------------------

void TestBinaryTransporter::joinsOnBothPaths_data()
{
    QTest::addColumn<bool>("raw");
    QTest::newRow("raw") << true;
    QTest::newRow("text") << false;
}

void TestBinaryTransporter::joinsOnBothPaths()
{
    QFETCH(bool, raw);
    // Out of order, with a copy of one partition: joined once, in index
    // order, with the id of the sender.
    const QByteArray frame = pattern(2 * 28000 + 77, 5);
    std::vector<TQBinaryPartition *> parts = wire(frame, "user/image/42/1", 1, "42", raw);
    auto *copy = new TQBinaryPartition(*parts[1]);
    receive({parts[2], parts[1], copy, parts[0]}, raw);
    QCOMPARE(m_frames.size(), 1);
    QCOMPARE(m_frames[0].first, QStringLiteral("42"));
    QCOMPARE(m_frames[0].second, frame);
    QCOMPARE(m_manager->pendingSetCount(), 0);

    // A late copy of a joined transfer is dropped, not started again.
    receive(wire(frame, "user/image/42/1", 1, "42", raw), raw);
    QCOMPARE(m_frameCount, 1);
    QCOMPARE(m_manager->pendingSetCount(), 0);
    QVERIFY(cachedFiles().isEmpty());
}

void TestBinaryTransporter::fileOnlyWhereExpected()
{
    const QByteArray photo = pattern(40000, 6);
    const std::string url = "http://files/homework/42.jpg";
    const QString received = TQBinaryTransporterManager::receivedFilePath("42", url);

    // Another student cannot deliver what is expected from 42.
    m_manager->expectFileFrom("42", url);
    receive(wire(photo, url, 0, "43", true), true);
    QVERIFY(cachedFiles().isEmpty());

    receive(wire(photo, url, 0, "42", true), true);
    QCOMPARE(cachedFiles(), QStringList{received});
    QCOMPARE(FileUtils::getFileContent(received), photo);
    QVERIFY(!QFile::exists(FileUtils::getResourceFileFromUrl(QString::fromStdString(url))));
    QCOMPARE(m_manager->expectedFileCount(), 0);
    QVERIFY(m_frames.isEmpty());
}

void TestBinaryTransporter::malformedSetsAreRefused_data()
{
    QTest::addColumn<bool>("raw");
    QTest::addColumn<int>("useageType");
    QTest::addColumn<QString>("url");
    QTest::addColumn<Mutation>("mutate");
    QTest::addColumn<bool>("resendTaken"); // the intact set afterwards is joined

    const QString frame = QStringLiteral("user/image/42/7");
    const QString file = QStringLiteral("http://files/expected.png");
    auto each = [](std::function<void(TQBinaryPartition &)> f) {
        return Mutation([f](std::vector<TQBinaryPartition *> &ps) {
            for (TQBinaryPartition *p : ps)
                f(*p);
        });
    };
    auto last = [](std::function<void(TQBinaryPartition &)> f) {
        return Mutation([f](std::vector<TQBinaryPartition *> &ps) { f(*ps.back()); });
    };

    QTest::newRow("raw, wrong tag") << true << 1 << frame << each([](TQBinaryPartition &p) { p.partitionMD = "0000"; })
                                    << true;
    QTest::newRow("raw, empty tag") << true << 1 << frame << each([](TQBinaryPartition &p) { p.partitionMD.clear(); })
                                    << true;
    QTest::newRow("raw, last slice changed") << true << 0 << file << last([](TQBinaryPartition &p) { p.raw[0] = 'X'; })
                                             << true;
    QTest::newRow("text, wrong tag") << false << 0 << file
                                     << each([](TQBinaryPartition &p) { p.partitionMD = "abcd"; }) << true;
    QTest::newRow("text, body no base64")
        << false << 1 << frame << last([](TQBinaryPartition &p) { p.partitionBody = "**not base64**"; }) << true;
    QTest::newRow("index past total") << true << 1 << frame
                                      << last([](TQBinaryPartition &p) { p.partitionIndex = p.partitionTotal; })
                                      << false;
    QTest::newRow("index below 0") << true << 1 << frame << last([](TQBinaryPartition &p) { p.partitionIndex = -1; })
                                   << false;
    QTest::newRow("total 0") << true << 1 << frame << each([](TQBinaryPartition &p) {
        p.partitionTotal = 0;
        p.partitionIndex = 0;
    }) << true;
    QTest::newRow("total above cap") << true << 1 << frame << each([](TQBinaryPartition &p) {
        p.partitionTotal = TQBinaryPartition::kMaxTotal + 1;
    }) << true;
    QTest::newRow("second total for the url")
        << true << 1 << frame << last([](TQBinaryPartition &p) { p.partitionTotal += 1; }) << false;
    QTest::newRow("unknown use type") << true << 2 << frame << Mutation() << false;
    QTest::newRow("file not expected") << true << 0 << QStringLiteral("http://files/planted.png") << Mutation() << false;
    QTest::newRow("file is a course page") << true << 0 << QStringLiteral("http://files/page0.png") << Mutation()
                                           << false;
    QTest::newRow("text, file not expected")
        << false << 0 << QStringLiteral("http://files/planted.png") << Mutation() << false;
}

void TestBinaryTransporter::malformedSetsAreRefused()
{
    QFETCH(bool, raw);
    QFETCH(int, useageType);
    QFETCH(QString, url);
    QFETCH(Mutation, mutate);
    QFETCH(bool, resendTaken);

    const std::string u = url.toStdString();
    m_manager->expectFileFrom("42", "http://files/expected.png");
    m_manager->expectFileFrom("42", "http://files/page0.png");
    const QByteArray bytes = pattern(2 * 28000 + 9, 8);
    std::vector<TQBinaryPartition *> parts = wire(bytes, u, useageType, "42", raw);
    if (mutate)
        mutate(parts);
    receive(parts, raw);
    QVERIFY(m_frames.isEmpty());
    QVERIFY(cachedFiles().isEmpty());

    // Whatever was kept of it is dropped with the incomplete set.
    m_clock->advance(TQBinaryTransporterManager::kPendingSetTimeoutMs + 1);
    m_manager->sendPendingPartitions();
    QCOMPARE(m_manager->pendingSetCount(), 0);

    // A corrupted transfer leaves no trace: sent again intact, it is taken.
    if (!resendTaken)
        return;
    receive(wire(bytes, u, useageType, "42", raw), raw);
    if (useageType == 1) {
        QCOMPARE(m_frames.size(), 1);
        QCOMPARE(m_frames[0].second, bytes);
    } else {
        QCOMPARE(FileUtils::getFileContent(TQBinaryTransporterManager::receivedFilePath("42", u)), bytes);
    }
}

void TestBinaryTransporter::soakOfFramesStaysFlat()
{
    // Ten students send ten frames a second each for three simulated
    // minutes. Every 7th frame loses its last partition and every 5th comes
    // twice. What the manager holds must stay bounded all along and empty
    // out once the senders stop.
    constexpr int kStudents = 10;
    constexpr int kSeconds = 180;
    const QByteArray firstSlice = pattern(28000, 9); // shared, not copied per frame
    int framesSent = 0;
    int framesLost = 0;
    int maxSets = 0;
    int maxPartitions = 0;
    int maxCompleted = 0;
    for (int tick = 0; tick < kSeconds * 10; ++tick) {
        m_clock->advance(100);
        for (int s = 0; s < kStudents; ++s) {
            const int n = framesSent++;
            const std::string url = QStringLiteral("user/image/%1/%2").arg(100 + s).arg(currentTimeMillis()).toStdString();
            const QByteArray lastSlice = QByteArray::number(n);
            const std::string tag = md5Tail(lastSlice).toStdString();
            auto partition = [&](int index) {
                auto *p = new TQBinaryPartition(url, tag, index, 2, 1, -1, 1);
                p->raw = index == 0 ? firstSlice : lastSlice;
                p->fromId = std::to_string(100 + s);
                return p;
            };
            m_manager->receiveRawBinaryPartitions(partition(0));
            if (n % 5 == 0)
                m_manager->receiveRawBinaryPartitions(partition(0));
            if (n % 7 == 0) {
                ++framesLost;
                continue;
            }
            m_manager->receiveRawBinaryPartitions(partition(1));
            if (n % 5 == 0)
                m_manager->receiveRawBinaryPartitions(partition(1));
        }
        if (tick % 10 == 0)
            m_manager->sendPendingPartitions(); // the status tick
        maxSets = qMax(maxSets, m_manager->pendingSetCount());
        maxPartitions = qMax(maxPartitions, m_manager->pendingPartitionCount());
        maxCompleted = qMax(maxCompleted, m_manager->completedUrlCount());
    }
    QCOMPARE(m_frameCount, framesSent - framesLost);
    QCOMPARE(m_frames.last().second, firstSlice + QByteArray::number(framesSent - 1));
    QVERIFY2(maxSets <= TQBinaryTransporterManager::kMaxPendingSets, qPrintable(QString::number(maxSets)));
    QVERIFY(maxPartitions <= TQBinaryTransporterManager::kMaxPendingSets);
    QCOMPARE(maxCompleted, TQBinaryTransporterManager::kCompletedUrlMemory);

    m_clock->advance(TQBinaryTransporterManager::kPendingSetTimeoutMs + 1);
    m_manager->sendPendingPartitions();
    QCOMPARE(m_manager->pendingSetCount(), 0);
    QCOMPARE(m_manager->pendingPartitionCount(), 0);
}

QTEST_GUILESS_MAIN(TestBinaryTransporter)
#include "tst_binarytransporter.moc"
