// The recording uploader against the local stand-in, on real files in the
// data folder: which recording goes up when, where every file ends up, and
// when the cache lets go of it.
#include "StandInService.h"
#include "TestClock.h"
#include "TestLogCapture.h"
#include "UploadParts.h"

#include "modules/record/TQVideoUploder.h"
#include "platform/http/ApiPaths.h"
#include "utils/CHttpClient.h"
#include "utils/FileUtils.h"
#include "utils/GlobalConfig.h"

#include <QDir>
#include <QFile>
#include <QMutex>
#include <QtTest>

#include <memory>

namespace {

// The clock of every test; recordings start shortly before it.
constexpr qint64 kNow = 1700000000000LL;
constexpr qint64 kT = kNow - 3600 * 1000;
constexpr qint64 kThirtyDaysMs = 2592000LL * 1000;

QString name(qint64 start, long course = 11, long schedule = 101)
{
    return QStringLiteral("7_%1_%2_%3.mp4").arg(course).arg(schedule).arg(start);
}

QByteArray content(const QString &fileName, int size)
{
    QByteArray data = fileName.toUtf8();
    data.append(QByteArray(qMax(0, size - data.size()), 'v'));
    return data.left(size);
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList entries(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
}

void emptyFolder(const QString &dir)
{
    for (const QString &entry : entries(dir))
        QFile::remove(dir + '/' + entry);
}

} // namespace

class TestVideoUploader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void uploadsOldestFirstEachAfterThePreviousResult();
    void scanSetsAsideOrSkipsUnusableFiles_data();
    void scanSetsAsideOrSkipsUnusableFiles();
    void resultMovesFileToCache_data();
    void resultMovesFileToCache();
    void cacheKeepsThirtyDays_data();
    void cacheKeepsThirtyDays();
    void scanWhileUploadingDoesNotSendTheFileAgain();
    void uploadsAgainAfterRelease();

private:
    QString recordFile(const QString &fileName, int size = 4096);
    QList<qint64> uploadedStarts() const;
    bool logged(const QString &text) const;

    StandInService m_service;
    // Per test function: Qt Test sets its own message handler before the first.
    std::unique_ptr<TestLogCapture> m_log;
    TestClock m_clock{kNow};
    TQVideoUploder *m_uploader = nullptr;
};

void TestVideoUploader::initTestCase()
{
    QVERIFY(m_service.listen());
    GlobalConfig().setValue(QStringLiteral("api_host"), m_service.baseUrl());
    m_uploader = TQVideoUploder::instance();
    QCOMPARE(TQVideoUploder::instance(), m_uploader);
}

void TestVideoUploader::init()
{
    m_service.clearReplies();
    m_service.clearRequests();
    m_clock.set(kNow);
    emptyFolder(FileUtils::getRecordDir());
    emptyFolder(FileUtils::getRecordTempDir());
    emptyFolder(FileUtils::getRecordCacheDir());
    m_log = std::make_unique<TestLogCapture>();
}

void TestVideoUploader::cleanup()
{
    m_service.clearReplies();
    QTRY_COMPARE(CHttpClient::poolSize(), 0);
    m_log.reset();
}

QString TestVideoUploader::recordFile(const QString &fileName, int size)
{
    const QString path = FileUtils::getRecordDir() + '/' + fileName;
    if (!writeFile(path, content(fileName, size)))
        return QString();
    return path;
}

QList<qint64> TestVideoUploader::uploadedStarts() const
{
    QList<qint64> starts;
    for (const auto &request : m_service.requestsTo(ApiPaths::kPushCourseScheduleBinaryRecord))
        starts << UploadParts::textFields(request).value("sketchNum").toLongLong();
    return starts;
}

bool TestVideoUploader::logged(const QString &text) const
{
    for (const QString &message : m_log->messages()) {
        if (message.contains(text))
            return true;
    }
    return false;
}

void TestVideoUploader::uploadsOldestFirstEachAfterThePreviousResult()
{
    // What the cache held when each upload reached the service.
    QMutex mutex;
    QList<QStringList> cacheAtRequest;
    m_service.setHandler(ApiPaths::kPushCourseScheduleBinaryRecord, [&](const StandInService::Request &) {
        QMutexLocker lock(&mutex);
        cacheAtRequest << entries(FileUtils::getRecordCacheDir());
        StandInService::Reply reply = StandInService::Reply::ok();
        reply.delayMs = 50;
        return reply;
    });
    const QString expired = name(kNow - kThirtyDaysMs - 1000, 9, 90);
    QVERIFY(writeFile(FileUtils::getRecordCacheDir() + '/' + expired, "old"));
    const QList<QString> files = {recordFile(name(kT + 100, 1, 10)), recordFile(name(kT + 300, 3, 30)),
                                  recordFile(name(kT + 200, 2, 20))};
    for (const QString &file : files)
        QVERIFY(!file.isEmpty());
    QMap<QString, QByteArray> sent;
    for (const QString &file : files)
        sent.insert(QFileInfo(file).fileName(), readFile(file));

    m_uploader->checkUploadVideo(-1);
    QTRY_VERIFY(logged("[VideoRecord]:TQVideoUploder::checkUploadVideo() upload done"));

    QCOMPARE(uploadedStarts(), QList<qint64>({kT + 100, kT + 200, kT + 300}));
    QCOMPARE(cacheAtRequest, QList<QStringList>({{expired},
                                                 {name(kT + 100, 1, 10), expired},
                                                 {name(kT + 100, 1, 10), name(kT + 200, 2, 20), expired}}));
    // The cache check ran once nothing was left to upload.
    QCOMPARE(entries(FileUtils::getRecordCacheDir()),
             QStringList({name(kT + 100, 1, 10), name(kT + 200, 2, 20), name(kT + 300, 3, 30)}));
    QCOMPARE(entries(FileUtils::getRecordDir()), QStringList());

    const auto requests = m_service.requestsTo(ApiPaths::kPushCourseScheduleBinaryRecord);
    for (int i = 0; i < requests.size(); ++i) {
        const auto fields = UploadParts::textFields(requests.at(i));
        QCOMPARE(fields.value("courseID"), QString::number(i + 1));
        QCOMPARE(fields.value("courseScheduleID"), QString::number((i + 1) * 10));
        const auto part = UploadParts::fileParts(requests.at(i)).value("binary_file");
        QCOMPARE(part.data, sent.value(QString::fromUtf8(part.fileName)));
    }
    QVERIFY(logged(QStringLiteral("[VideoRecord]:TQVideoUploder::checkUploadVideo() upload file is:%1 courseId=1 "
                                  "courseScheduleId=10 sketchNum=%2")
                       .arg(files.first())
                       .arg(kT + 100)));
}

void TestVideoUploader::scanSetsAsideOrSkipsUnusableFiles_data()
{
    // The first file of a folder that also holds a good, newer recording.
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("takenInTemp");
    QTest::addColumn<QString>("endsIn"); // folder of the first file after the scan
    QTest::addColumn<QList<qint64>>("uploads");
    QTest::addColumn<QString>("logLine");

    const QString good = name(kT + 100);
    const QString renamed = QStringLiteral("[VideoRecord] rename %1/%3=>%2/%3 ok")
                                .arg(FileUtils::getRecordDir(), FileUtils::getRecordTempDir(), good);
    QTest::newRow("2048 bytes") << good << 2048 << false << "record_cache" << QList<qint64>{kT + 100, kT + 200}
                                << "upload file is:";
    QTest::newRow("2047 bytes") << good << 2047 << false << "record_temp" << QList<qint64>{kT + 200} << renamed;
    QTest::newRow("course id 0") << name(kT + 100, 0) << 4096 << false << "record_temp" << QList<qint64>{kT + 200}
                                 << "rename";
    QTest::newRow("schedule id 0") << name(kT + 100, 11, 0) << 4096 << false << "record_temp"
                                   << QList<qint64>{kT + 200} << "rename";
    // A start time of 0 ends the scan: the good file waits for the next one.
    QTest::newRow("start time unreadable") << "7_11_101_x.mp4" << 4096 << false << "record_temp" << QList<qint64>{}
                                           << "rename";
    QTest::newRow("no \"_\" in the name")
        << "clip.mp4" << 4096 << false << "record" << QList<qint64>{kT + 200}
        << "[VideoRecord]:TQVideoUploder::checkUploadVideo get error file clip.mp4 in RecordDir";
    QTest::newRow("three parts") << "7_11_101.mp4" << 4096 << false << "record" << QList<qint64>{kT + 200}
                                 << "get error file 7_11_101.mp4 in RecordDir";
    // The older namesake in "/record_temp" makes room; the file moves at a later scan.
    QTest::newRow("2047 bytes, name taken in /record_temp")
        << good << 2047 << true << "record" << QList<qint64>{kT + 200}
        << QStringLiteral("[VideoRecord] exists %1/%2 remove ok").arg(FileUtils::getRecordTempDir(), good);
}

void TestVideoUploader::scanSetsAsideOrSkipsUnusableFiles()
{
    QFETCH(QString, fileName);
    QFETCH(int, size);
    QFETCH(bool, takenInTemp);
    QFETCH(QString, endsIn);
    QFETCH(QList<qint64>, uploads);
    QFETCH(QString, logLine);
    const QString first = recordFile(fileName, size);
    const QString next = recordFile(name(kT + 200, 12, 102));
    QVERIFY(!first.isEmpty() && !next.isEmpty());
    const QString tempPath = FileUtils::getRecordTempDir() + '/' + fileName;
    if (takenInTemp)
        QVERIFY(writeFile(tempPath, "older"));

    m_uploader->checkUploadVideo(-1);
    const QString cache = FileUtils::getRecordCacheDir();
    QTRY_COMPARE(QFile::exists(cache + '/' + name(kT + 200, 12, 102)), uploads.contains(kT + 200));

    QCOMPARE(uploadedStarts(), uploads);
    QCOMPARE(QFile::exists(next), !uploads.contains(kT + 200));
    const QString endPath = FileUtils::getAppDataDir() + '/' + endsIn + '/' + fileName;
    QCOMPARE(readFile(endPath), content(fileName, size));
    QCOMPARE(entries(FileUtils::getRecordTempDir()),
             endsIn == QLatin1String("record_temp") ? QStringList{fileName} : QStringList());
    QVERIFY2(logged(logLine), qPrintable(logLine));
    if (logLine.startsWith(QLatin1String("[VideoRecord] ")))
        QVERIFY(logged("[ERROR] TQVideoUploder::checkUploadVideo " + logLine));

    if (takenInTemp) {
        // The next scan sets it aside.
        m_uploader->checkUploadVideo(-1);
        QCOMPARE(readFile(tempPath), content(fileName, size));
        QVERIFY(!QFile::exists(first));
    }
}

void TestVideoUploader::resultMovesFileToCache_data()
{
    QTest::addColumn<bool>("refused");
    QTest::addColumn<bool>("nameTaken");
    QTest::newRow("uploaded") << false << false;
    QTest::newRow("refused") << true << false;
    QTest::newRow("uploaded, name taken in /record_cache") << false << true;
    QTest::newRow("refused, name taken in /record_cache") << true << true;
}

void TestVideoUploader::resultMovesFileToCache()
{
    QFETCH(bool, refused);
    QFETCH(bool, nameTaken);
    if (refused) {
        m_service.setReply(ApiPaths::kPushCourseScheduleBinaryRecord,
                           StandInService::Reply::failure(4107, QStringLiteral("文件过大")));
    }
    const QString fileName = name(kT + 100);
    const QString cachePath = FileUtils::getRecordCacheDir() + '/' + fileName;
    if (nameTaken)
        QVERIFY(writeFile(cachePath, "earlier copy"));
    const QString path = recordFile(fileName);
    QVERIFY(!path.isEmpty());
    const QByteArray data = readFile(path);
    m_clock.advance(7);

    m_uploader->checkUploadVideo(-1);
    QTRY_VERIFY(!QFile::exists(path));
    QTRY_VERIFY(logged("upload done"));

    const QString slot = refused ? QStringLiteral("onVideoUploadFailed") : QStringLiteral("onVideoUploadSuccess");
    QVERIFY(logged(QStringLiteral("[VideoRecord]:TQVideoUploder::%1() %2 11 101 %3").arg(slot, path).arg(kT + 100)));
    const QString suffixed = fileName + ".cache" + QString::number(kNow + 7);
    QCOMPARE(entries(FileUtils::getRecordCacheDir()),
             nameTaken ? QStringList({fileName, suffixed}) : QStringList{fileName});
    QCOMPARE(readFile(nameTaken ? FileUtils::getRecordCacheDir() + '/' + suffixed : cachePath), data);
    if (nameTaken)
        QCOMPARE(readFile(cachePath), QByteArray("earlier copy"));
    // Never sent again, refused or not.
    m_uploader->checkUploadVideo(-1);
    QTest::qWait(50);
    QCOMPARE(uploadedStarts(), QList<qint64>{kT + 100});
}

void TestVideoUploader::cacheKeepsThirtyDays_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("kept");
    QTest::newRow("exactly 30 days") << name(kNow - kThirtyDaysMs) << true;
    QTest::newRow("30 days and 999 ms") << name(kNow - kThirtyDaysMs - 999) << true;
    QTest::newRow("30 days and a second") << name(kNow - kThirtyDaysMs - 1000) << false;
    QTest::newRow("30 days and a second, renamed on a clash")
        << name(kNow - kThirtyDaysMs - 1000) + ".cache" + QString::number(kNow - 5) << false;
    QTest::newRow("started later than now") << name(kNow + 60000) << true;
    QTest::newRow("three parts") << "7_11_101.mp4" << true;
}

void TestVideoUploader::cacheKeepsThirtyDays()
{
    QFETCH(QString, fileName);
    QFETCH(bool, kept);
    const QString path = FileUtils::getRecordCacheDir() + '/' + fileName;
    QVERIFY(writeFile(path, "cached"));

    // Nothing waits in "/record": the scan checks the cache.
    m_uploader->checkUploadVideo(-1);
    QCOMPARE(QFile::exists(path), kept);
    QCOMPARE(logged("get error file 7_11_101.mp4 in RecordCacheDi"), fileName == QLatin1String("7_11_101.mp4"));
}

void TestVideoUploader::scanWhileUploadingDoesNotSendTheFileAgain()
{
    StandInService::Reply slow = StandInService::Reply::ok();
    slow.delayMs = 300;
    m_service.setReply(ApiPaths::kPushCourseScheduleBinaryRecord, slow);
    const QString first = recordFile(name(kT + 100));
    QVERIFY(!first.isEmpty());

    m_uploader->checkUploadVideo(-1);
    QVERIFY(m_service.waitForRequests(1));
    // A segment finishes while the first recording is still going up.
    QVERIFY(!recordFile(name(kT + 200, 12, 102)).isEmpty());
    m_uploader->checkUploadVideo(-1);

    QTRY_COMPARE(entries(FileUtils::getRecordCacheDir()), QStringList({name(kT + 100), name(kT + 200, 12, 102)}));
    QTest::qWait(50);
    QCOMPARE(uploadedStarts(), QList<qint64>({kT + 100, kT + 200}));
    QVERIFY(logged("is uploading"));
}

void TestVideoUploader::uploadsAgainAfterRelease()
{
    m_uploader->release();
    m_uploader->release();
    QCOMPARE(TQVideoUploder::instance(), m_uploader);
    const QString path = recordFile(name(kT + 100));
    QVERIFY(!path.isEmpty());

    m_uploader->checkUploadVideo(-1);
    QTRY_VERIFY(QFile::exists(FileUtils::getRecordCacheDir() + '/' + name(kT + 100)));
    QCOMPARE(uploadedStarts(), QList<qint64>{kT + 100});
}

QTEST_MAIN(TestVideoUploader)
#include "tst_videouploader.moc"
