// The background worker: cache sizes and cache removal on real folders, and
// the log push against the local stand-in. Every job ends its thread; a
// pack leaves only after the service accepted it; clearing the cache keeps
// the recordings that still wait for their upload.
#include "StandInService.h"
#include "UploadParts.h"

#include "common/CommonService.h"
#include "modules/coach/course/CourseService.h"
#include "modules/login/UserService.h"
#include "common/uploadfile/UploadFileViewModel.h"
#include "platform/http/ApiPaths.h"
#include "utils/CHttpClient.h"
#include "utils/CLog.h"
#include "utils/CThreadWork.h"
#include "utils/FileUtils.h"
#include "utils/GlobalConfig.h"

#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(StandInService::Reply)

namespace {

struct Progress
{
    QString folder;
    int count = 0;
    qlonglong size = 0;
    bool isEnd = false;
};

bool writeFile(const QString &path, qint64 size)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    return file.write(QByteArray(int(size), 'c')) == size;
}

enum Job { kSizes, kRemoval };

// Runs one job to its end; empty when it did not end, or its thread did not.
QList<Progress> runJob(Job job, const QStringList &folders)
{
    CThreadWork worker;
    QList<Progress> reports;
    QObject::connect(&worker, &CThreadWork::calculateFloderSizeProgress_signal, &worker,
                     [&](QString folder, int count, qlonglong size, bool isEnd) {
                         reports << Progress{folder, count, size, isEnd};
                     });
    QObject::connect(&worker, &CThreadWork::removeFloderProgress_signal, &worker,
                     [&](QString folder, int count, bool isEnd) { reports << Progress{folder, count, 0, isEnd}; });
    if (job == kSizes)
        worker.calculateFloderSize(folders);
    else
        worker.removeFloders(folders);
    if (!QTest::qWaitFor([&] { return !reports.isEmpty() && reports.last().isEnd; }, 10000))
        return {};
    // The thread is over once the job is.
    if (!QTest::qWaitFor([&] { return worker.isFinished(); }, 5000))
        return {};
    return reports;
}

QStringList filesBelow(const QString &folder)
{
    QStringList found;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        found << it.next().mid(folder.size() + 1);
    found.sort();
    return found;
}

} // namespace

class TestThreadWork : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void sizeOfTrees_data();
    void sizeOfTrees();
    void removalClearsCacheButKeepsWaitingRecordings();
    void removalProgressAndParents();
    void linksAreNeverFollowed();
    void destroyingARunningWorker();

    void logPushSendsThePackAndEnds();
    void failedLogPackIsSentAgain_data();
    void failedLogPackIsSentAgain();
    void logPushWithoutViewModelEndsAtOnce();

private:
    QStringList runLogPush(UploadFileViewModel &model);
    static void countSuccesses(UploadFileViewModel &model, int *successes);

    StandInService m_service;
    CommonService m_commonService;
    CourseService m_courseService;
    UserService m_userService;
};

void TestThreadWork::initTestCase()
{
    QVERIFY(m_service.listen());
    GlobalConfig().setValue(QStringLiteral("api_host"), m_service.baseUrl());
}

void TestThreadWork::init()
{
    m_service.clearReplies();
    m_service.clearRequests();
}

void TestThreadWork::cleanup()
{
    QTRY_COMPARE(CHttpClient::poolSize(), 0);
}

void TestThreadWork::sizeOfTrees_data()
{
    // Files per folder, their sizes, and the progress expected before the end.
    QTest::addColumn<QList<int>>("filesPerFolder");
    QTest::addColumn<int>("fileSize");
    QTest::addColumn<QList<int>>("progressCounts");
    QTest::newRow("few entries: only the end") << QList<int>{3, 0, 40} << 17 << QList<int>{};
    QTest::newRow("every hundredth entry") << QList<int>{130, 120} << 5 << QList<int>{100, 200};
    QTest::newRow("one folder of 100") << QList<int>{100} << 1 << QList<int>{100};
}

void TestThreadWork::sizeOfTrees()
{
    QFETCH(QList<int>, filesPerFolder);
    QFETCH(int, fileSize);
    QFETCH(QList<int>, progressCounts);
    QTemporaryDir root;
    QStringList folders;
    qint64 total = 0;
    int count = 0;
    for (int f = 0; f < filesPerFolder.size(); ++f) {
        const QString folder = root.filePath(QStringLiteral("folder%1").arg(f));
        QDir().mkpath(folder);
        for (int i = 0; i < filesPerFolder[f]; ++i) {
            // Hidden files and nested folders count like any other entry.
            const QString name = i % 7 == 0 ? QStringLiteral(".hidden%1").arg(i)
                                            : QStringLiteral("sub%1/file%2").arg(i % 3).arg(i);
            QVERIFY(writeFile(folder + '/' + name, fileSize + i));
            total += fileSize + i;
            ++count;
        }
        folders << folder;
    }

    const QList<Progress> reports = runJob(kSizes, folders);
    QVERIFY(!reports.isEmpty());
    QCOMPARE(reports.size(), progressCounts.size() + 1);
    const Progress end = reports.last();
    QCOMPARE(end.count, count);
    QCOMPARE(end.size, total);
    QCOMPARE(end.folder, folders.last());
    qlonglong previous = 0;
    for (int i = 0; i < progressCounts.size(); ++i) {
        QVERIFY(!reports[i].isEnd);
        QCOMPARE(reports[i].count, progressCounts[i]);
        // The running total: at least what the counted files hold, never
        // more than the whole, never less than before.
        QVERIFY(reports[i].size >= qlonglong(reports[i].count) * fileSize);
        QVERIFY(reports[i].size <= total);
        QVERIFY(reports[i].size >= previous);
        previous = reports[i].size;
    }
}

void TestThreadWork::removalClearsCacheButKeepsWaitingRecordings()
{
    const QString waiting = FileUtils::getRecordDir() + "/7_11_101_1700000000123.mp4";
    const QString recording = FileUtils::getRecordingDir() + "/7_11_101_1700000009999.mp4";
    QVERIFY(writeFile(waiting, 4096));
    QVERIFY(writeFile(recording, 2048));
    QVERIFY(writeFile(FileUtils::getRecordCacheDir() + "/7_11_100_1600000000000.mp4", 3000));
    QVERIFY(writeFile(FileUtils::getRecordTempDir() + "/broken.mp4", 100));
    QVERIFY(writeFile(FileUtils::getResourceDir() + "/ab/cd/ef/abcdef", 10));
    const QString readOnly = FileUtils::getResourceDir() + "/12/34/56/123456";
    QVERIFY(writeFile(readOnly, 10));
    QVERIFY(QFile::setPermissions(readOnly, QFileDevice::ReadOwner));
    const QString lockedFolder = FileUtils::getResourceDir() + "/locked";
    QVERIFY(writeFile(lockedFolder + "/.hidden", 10));
    QVERIFY(QFile::setPermissions(lockedFolder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));

    // The count leaves out what the removal keeps, so both end on the same figure.
    const QList<Progress> sizes = runJob(kSizes, FileUtils::getCacheDirs());
    QVERIFY(!sizes.isEmpty());
    QCOMPARE(sizes.last().count, 5);
    QCOMPARE(sizes.last().size, qlonglong(3000 + 100 + 3 * 10));

    const QList<Progress> reports = runJob(kRemoval, FileUtils::getCacheDirs());
    QVERIFY(!reports.isEmpty());
    QCOMPARE(reports.last().count, 5);
    QCOMPARE(reports.last().folder, FileUtils::getCacheDirs().last());

    // The recordings are untouched, the rest of the cache is gone.
    QCOMPARE(FileUtils::getFileSize(waiting), 4096);
    QCOMPARE(FileUtils::getFileSize(recording), 2048);
    for (const QString &folder : {FileUtils::getResourceDir(), FileUtils::getRecordCacheDir(),
                                  FileUtils::getRecordTempDir()})
        QCOMPARE(filesBelow(folder), QStringList());
    QVERIFY(QDir(FileUtils::getAppDataDir()).exists());
}

void TestThreadWork::removalProgressAndParents()
{
    // 240 files in four folders below <data>/Resource/a/b: a report after
    // the folder that passed 100 and the one that passed 200, then the end;
    // "b" goes, and so do "a" and "Resource", left empty.
    const QString resource = FileUtils::getResourceDir();
    for (int i = 0; i < 240; ++i)
        QVERIFY(writeFile(QStringLiteral("%1/a/b/%2/f%3").arg(resource).arg(i % 4).arg(i), 1));
    QTemporaryDir outside;
    QVERIFY(writeFile(outside.filePath("keep/walked/f"), 1));

    const QString walked = resource + "/a/b";
    const QList<Progress> reports = runJob(kRemoval, {walked, outside.filePath("keep/walked")});
    QCOMPARE(reports.size(), 3);
    QCOMPARE(reports[0].count, 120);
    QCOMPARE(reports[0].folder, walked);
    QCOMPARE(reports[1].count, 240);
    QVERIFY(reports[2].isEnd);
    QCOMPARE(reports[2].count, 241);
    QVERIFY(!QFileInfo::exists(resource + "/a"));
    QVERIFY(!QFileInfo::exists(resource));
    QVERIFY(QDir(FileUtils::getAppDataDir()).exists());
    // Outside the data folder only the walked folder itself goes.
    QVERIFY(!QFileInfo::exists(outside.filePath("keep/walked")));
    QVERIFY(QDir(outside.filePath("keep")).exists());
}

void TestThreadWork::linksAreNeverFollowed()
{
    QTemporaryDir outside;
    QVERIFY(writeFile(outside.filePath("precious/notes.txt"), 5000));
    const QString cache = FileUtils::getResourceDir() + "/links";
    QVERIFY(writeFile(cache + "/own", 7));
    QVERIFY(QFile::link(outside.filePath("precious"), cache + "/to-folder"));
    QVERIFY(QFile::link(outside.filePath("precious/notes.txt"), cache + "/to-file"));

    const QList<Progress> sizes = runJob(kSizes, {cache});
    QVERIFY(!sizes.isEmpty());
    QCOMPARE(sizes.last().count, 3);
    QCOMPARE(sizes.last().size, 7);

    const QList<Progress> removed = runJob(kRemoval, {cache});
    QVERIFY(!removed.isEmpty());
    QCOMPARE(removed.last().count, 3);
    QVERIFY(!QFileInfo::exists(cache));
    QCOMPARE(FileUtils::getFileSize(outside.filePath("precious/notes.txt")), 5000);
}

void TestThreadWork::destroyingARunningWorker()
{
    QTemporaryDir root;
    for (int i = 0; i < 2000; ++i)
        QVERIFY(writeFile(root.filePath(QStringLiteral("d%1/f%2").arg(i % 50).arg(i)), 1));
    auto *worker = new CThreadWork;
    worker->removeFloders({root.path()});
    // The destructor stops the walk and waits: deleting a running QThread
    // would abort the process.
    delete worker;
}

QStringList TestThreadWork::runLogPush(UploadFileViewModel &model)
{
    CThreadWork worker;
    worker.setUploadViewModel(&model);
    worker.start();
    // The worker ends by itself once every request has answered.
    if (!QTest::qWaitFor([&] { return worker.isFinished(); }, 15000))
        return {QStringLiteral("worker still running")};
    QStringList sent;
    for (const auto &request : m_service.requestsTo(ApiPaths::kPushCourseScheduleStudentLog))
        sent << QString::fromUtf8(UploadParts::fileParts(request).value("course_log").fileName);
    return sent;
}

void TestThreadWork::countSuccesses(UploadFileViewModel &model, int *successes)
{
    connect(&model, &UploadFileViewModel::pushCourseLogSuccess, &model, [successes](QJsonObject &) { ++*successes; });
}

void TestThreadWork::logPushSendsThePackAndEnds()
{
    CLog::log(QStringLiteral("a line for the pack"));
    QVERIFY(writeFile(FileUtils::getDmpDir() + "/2024_01_02_03_04_05.dmp", 1024));
    UploadFileViewModel model(&m_commonService, &m_courseService);
    int successes = 0;
    countSuccesses(model, &successes);

    const QStringList sent = runLogPush(model);
    QCOMPARE(sent.size(), 1);
    QVERIFY2(sent.first().startsWith("ZiraverUroruvo") && sent.first().endsWith("_with_crash.zip"),
             qPrintable(sent.first()));
    QTRY_COMPARE(successes, 1);
    QCOMPARE(UploadFileViewModel::waitingLogPacks(), QStringList());
    QCOMPARE(filesBelow(FileUtils::getDmpDir()), QStringList());
}

void TestThreadWork::failedLogPackIsSentAgain_data()
{
    QTest::addColumn<StandInService::Reply>("refusal");
    QTest::newRow("service refuses") << StandInService::Reply::failure(500, QStringLiteral("busy"));
    StandInService::Reply cut = StandInService::Reply::ok();
    cut.dropAfterBytes = 5;
    QTest::newRow("reply cut short") << cut;
    QTest::newRow("not the service") << StandInService::Reply::raw("<html>gateway</html>", 502);
}

void TestThreadWork::failedLogPackIsSentAgain()
{
    QFETCH(StandInService::Reply, refusal);
    for (const QString &pack : UploadFileViewModel::waitingLogPacks())
        QFile::remove(pack);
    CLog::log(QStringLiteral("a line for the first pack"));
    m_service.queueReply(ApiPaths::kPushCourseScheduleStudentLog, refusal);
    UploadFileViewModel model(&m_commonService, &m_courseService);
    int successes = 0;
    countSuccesses(model, &successes);

    const QStringList first = runLogPush(model);
    QCOMPARE(first.size(), 1);
    QTest::qWait(50);
    QCOMPARE(successes, 0);
    // The refused pack is kept, whole.
    const QStringList waiting = UploadFileViewModel::waitingLogPacks();
    QCOMPARE(waiting.size(), 1);
    QCOMPARE(QFileInfo(waiting.first()).fileName(), first.first());
    QVERIFY(FileUtils::getFileSize(waiting.first()) > 0);

    // The next push sends it again beside the new pack, and both go once accepted.
    m_service.clearRequests();
    CLog::log(QStringLiteral("a line for the second pack"));
    const QStringList second = runLogPush(model);
    QCOMPARE(second.size(), 2);
    QVERIFY(second.contains(first.first()));
    QCOMPARE(second.size(), 2);
    QVERIFY(second.first() != second.last());
    QTRY_COMPARE(successes, 2);
    QCOMPARE(UploadFileViewModel::waitingLogPacks(), QStringList());
}

void TestThreadWork::logPushWithoutViewModelEndsAtOnce()
{
    CThreadWork worker;
    worker.setUploadViewModel(nullptr);
    worker.start();
    QVERIFY(worker.wait(5000));
    CThreadWork idle;
    idle.start();
    QVERIFY(idle.wait(5000));
    QCOMPARE(m_service.requests().size(), 0);
}

QTEST_MAIN(TestThreadWork)
#include "tst_threadwork.moc"
