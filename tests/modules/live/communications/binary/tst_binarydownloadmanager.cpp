// The binary download manager against a course of four materials. The
// order and the re-download rules are driven with a manager whose file
// fetches are only noted and whose completions the test fires by hand; the
// real file downloader is driven against a stand-in HTTP server on
// 127.0.0.1, with the files landing in the test's own download cache.

#include "modules/live/communications/binary/TQBinaryDownloadManager.h"

#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/MaterialDetailBean.h"
#include "modules/live/bean/TQDataModelBean.h"
#include "utils/FileUtils.h"

#include <QDir>
#include <QSignalSpy>
#include <QtTest>

#include "StandInService.h"
#include "TestLogCapture.h"

#include <memory>

namespace {

// Notes every fetch ("page <url>" or "extra <url>") and starts none.
class NotingDownloadManager : public TQBinaryDownloadManager
{
public:
    QStringList fetches;

protected:
    void fetchFile(const QString &url, bool pageFile) override
    {
        fetches << (pageFile ? QStringLiteral("page ") : QStringLiteral("extra ")) + url;
    }
};

QString pageUrl(const QString &base, qint64 material, int page)
{
    return QStringLiteral("%1/m%2/p%3.png").arg(base).arg(material).arg(page);
}

void cache(const QString &url, const QByteArray &bytes = "png")
{
    QVERIFY(FileUtils::putFileContent(FileUtils::getResourceFileFromUrl(url), bytes));
}

} // namespace

class TestBinaryDownloadManager : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void tasksStopAtAnEmptyMaterial();
    void pagesComeInPickOrder();
    void onePageAtATime();
    void cachedPageStartsNothing();
    void failedPageIsNotReportedDownloaded();
    void redownloadsAreBounded();
    void otherUrls_data();
    void otherUrls();
    void realDownloadsOverHttp();

private:
    // Materials 7 (5 pages, page 1 with two extras), 9 (3 pages), 11 (no
    // pages) and 12 (2 pages), their files under `base`.
    void makeCourse(const QString &base);
    // Completes the download of `url` as the file downloader would: the
    // file in the cache (unless `fail`), then the page slot.
    void finishPage(TQBinaryDownloadManager &manager, const QString &url, bool fail = false);

    CourseDetailBean *m_course = nullptr;
    QString m_base = QStringLiteral("http://files");
};

void TestBinaryDownloadManager::init()
{
    QDir(FileUtils::getResourceDir()).removeRecursively();
    makeCourse(m_base);
}

void TestBinaryDownloadManager::cleanup()
{
    TQDataModelBean::m_pOngoingCourse = nullptr;
    delete m_course;
    m_course = nullptr;
}

void TestBinaryDownloadManager::makeCourse(const QString &base)
{
    delete m_course;
    m_course = new CourseDetailBean(QJsonObject{});
    const QList<QPair<qint64, int>> materials{{7, 5}, {9, 3}, {11, 0}, {12, 2}};
    for (const auto &m : materials) {
        auto *material = new MaterialDetailBean;
        material->materialId = m.first;
        for (int page = 0; page < m.second; ++page) {
            material->mFileItems.emplace_back();
            material->mFileItems.back().fileUrl = pageUrl(base, m.first, page).toStdString();
        }
        m_course->course_materials << material;
    }
    FileBean &withExtras = m_course->course_materials[0]->mFileItems[1];
    for (const char *name : {"/x1.mp3", "/x2.mp4"}) {
        withExtras.materialPageExtras.emplace_back();
        withExtras.materialPageExtras.back().fileUrl = (base + QLatin1String(name)).toStdString();
    }
    TQDataModelBean::m_pOngoingCourse = m_course;
}

void TestBinaryDownloadManager::finishPage(TQBinaryDownloadManager &manager, const QString &url, bool fail)
{
    if (!fail)
        cache(url);
    manager.bdManager_materialpage_downloaded_slot(url);
}

void TestBinaryDownloadManager::tasksStopAtAnEmptyMaterial()
{
    cache(pageUrl(m_base, 9, 2));
    NotingDownloadManager manager;
    manager.initMaterialDownloadTasks(true);
    QCOMPARE(manager.taskCount(), 8);
    QVERIFY(!manager.taskOf(12, 0));
    QCOMPARE(manager.taskOf(9, 2)->state, int(TQMaterialPageDownloadTask::kDownloaded));
    QCOMPARE(manager.taskOf(7, 1)->extraUrls, (std::vector<QString>{m_base + "/x1.mp3", m_base + "/x2.mp4"}));
    QVERIFY(manager.fetches.isEmpty());
}

void TestBinaryDownloadManager::pagesComeInPickOrder()
{
    // Nothing cached; the board asks for page 3 of material 7.
    NotingDownloadManager manager;
    manager.initMaterialDownloadTasks(true);
    QSignalSpy done(&manager, &TQBinaryDownloadManager::bdManager_handleBinaryDownloaded_signal);
    QVERIFY(!manager.downloadUrl(pageUrl(m_base, 7, 3)));
    QCOMPARE(manager.fetches, QStringList{"page " + pageUrl(m_base, 7, 3)});

    // Each arrival starts the next: the shown page's successor, page 0 of
    // each material, the rest of the material, then everything else.
    for (int i = 0; i < 8; ++i)
        finishPage(manager, manager.fetches.filter("page ").last().mid(5));
    QStringList pages;
    for (const auto &p : QList<QPair<int, int>>{{7, 3}, {7, 4}, {7, 0}, {9, 0}, {7, 1}, {7, 2}, {9, 1}, {9, 2}})
        pages << "page " + pageUrl(m_base, p.first, p.second);
    QCOMPARE(manager.fetches.filter("page "), pages);
    // The extras of page 1 were asked for with it.
    QCOMPARE(manager.fetches.mid(manager.fetches.indexOf("page " + pageUrl(m_base, 7, 1)), 3),
             (QStringList{"page " + pageUrl(m_base, 7, 1), "extra " + m_base + "/x1.mp3", "extra " + m_base + "/x2.mp4"}));
    QCOMPARE(done.size(), 8);
    QCOMPARE(done.first().first().toString(), pageUrl(m_base, 7, 3));

    // An extra's end is reported through the other slot.
    manager.bdManager_downloaded_slot(m_base + "/x1.mp3");
    QCOMPARE(done.last().first().toString(), m_base + "/x1.mp3");
    QVERIFY(manager.downloadUrl(pageUrl(m_base, 9, 1)));
}

void TestBinaryDownloadManager::onePageAtATime()
{
    NotingDownloadManager manager;
    QVERIFY(!manager.downloadUrl(pageUrl(m_base, 9, 1))); // builds its tasks on demand
    QVERIFY(!manager.downloadUrl(pageUrl(m_base, 7, 4)));
    QVERIFY(!manager.downloadUrl(pageUrl(m_base, 7, 2)));
    QCOMPARE(manager.fetches, QStringList{"page " + pageUrl(m_base, 9, 1)});
    // The page asked for last goes next.
    finishPage(manager, pageUrl(m_base, 9, 1));
    QCOMPARE(manager.fetches.last(), "page " + pageUrl(m_base, 7, 2));
}

void TestBinaryDownloadManager::cachedPageStartsNothing()
{
    cache(pageUrl(m_base, 7, 0));
    NotingDownloadManager manager;
    manager.initMaterialDownloadTasks(true);
    QVERIFY(manager.downloadUrl(pageUrl(m_base, 7, 0)));
    QVERIFY(manager.fetches.isEmpty());
}

void TestBinaryDownloadManager::failedPageIsNotReportedDownloaded()
{
    // The downloader reports a failure like a success; without a file the
    // page is not "at hand", the chain goes on without it, and it is
    // fetched again once somebody asks for it.
    NotingDownloadManager manager;
    manager.initMaterialDownloadTasks(true);
    const QString page = pageUrl(m_base, 7, 4);
    QVERIFY(!manager.downloadUrl(page));
    finishPage(manager, page, true);
    QCOMPARE(manager.taskOf(7, 4)->state, int(TQMaterialPageDownloadTask::kFailed));
    QCOMPARE(manager.fetches.last(), "page " + pageUrl(m_base, 7, 0));
    finishPage(manager, pageUrl(m_base, 7, 0));
    QCOMPARE(manager.fetches.last(), "page " + pageUrl(m_base, 9, 0));

    QVERIFY(!manager.downloadUrl(page));
    finishPage(manager, pageUrl(m_base, 9, 0));
    QCOMPARE(manager.fetches.last(), "page " + page);
    QCOMPARE(manager.fetches.count("page " + page), 2);
}

void TestBinaryDownloadManager::redownloadsAreBounded()
{
    // A page whose cached file turned out unusable: each re-download
    // removes it and fetches it again, five times; the sixth is refused.
    for (const MaterialDetailBean *material : m_course->course_materials) {
        for (const FileBean &page : material->mFileItems)
            cache(QString::fromStdString(page.fileUrl));
    }
    const QString url = pageUrl(m_base, 9, 0);
    NotingDownloadManager manager;
    manager.initMaterialDownloadTasks(true);
    TestLogCapture log;
    for (int i = 1; i <= TQBinaryDownloadManager::kMaxRedownloads; ++i) {
        QVERIFY(!manager.redownloadUrl(url));
        QVERIFY(!QFile::exists(FileUtils::getResourceFileFromUrl(url)));
        QCOMPARE(manager.fetches, QStringList(QVector<QString>(i, "page " + url).toList()));
        finishPage(manager, url);
        QVERIFY(manager.downloadUrl(url));
    }
    QVERIFY(!manager.redownloadUrl(url));
    QCOMPARE(manager.fetches.size(), TQBinaryDownloadManager::kMaxRedownloads);
    QCOMPARE(log.messages().filter("redownload times too much").size(), 1);
}

void TestBinaryDownloadManager::otherUrls_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("cached");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QStringList>("fetches");
    QTest::addColumn<bool>("signalledAtOnce");
    QTest::newRow("too short") << "a" << false << false << QStringList() << false;
    QTest::newRow("no web url") << "ftp://files/a.png" << false << false << QStringList() << false;
    QTest::newRow("web url, cached") << "HTTP://files/b.png" << true << true << QStringList() << true;
    QTest::newRow("web url") << "https://files/c.png" << false << true << QStringList{"extra https://files/c.png"}
                             << false;
}

void TestBinaryDownloadManager::otherUrls()
{
    QFETCH(QString, url);
    QFETCH(bool, cached);
    QFETCH(bool, result);
    QFETCH(QStringList, fetches);
    QFETCH(bool, signalledAtOnce);
    if (cached)
        cache(url);
    NotingDownloadManager manager;
    QSignalSpy done(&manager, &TQBinaryDownloadManager::bdManager_handleBinaryDownloaded_signal);
    QCOMPARE(manager.downloadUrl(url), result);
    QCOMPARE(manager.fetches, fetches);
    QCOMPARE(done.size(), signalledAtOnce ? 1 : 0);
}

void TestBinaryDownloadManager::realDownloadsOverHttp()
{
    StandInService server;
    QVERIFY(server.listen());
    makeCourse(server.baseUrl());
    QStringList served;
    for (const auto &p : QList<QPair<int, int>>{{7, 0}, {7, 1}, {7, 2}, {7, 3}, {7, 4}, {9, 0}, {9, 1}, {9, 2}})
        served << QStringLiteral("/m%1/p%2.png").arg(p.first).arg(p.second);
    served << "/x1.mp3" << "/x2.mp4";
    for (const QString &path : served)
        server.setReply(path, StandInService::Reply::raw(path.toUtf8() + " bytes", 200, "image/png"));

    TQBinaryDownloadManager manager;
    manager.initMaterialDownloadTasks(true);
    QStringList arrived;
    connect(&manager, &TQBinaryDownloadManager::bdManager_handleBinaryDownloaded_signal, this,
            [&](const QString &url) { arrived << url.mid(server.baseUrl().size()); });
    QVERIFY(!manager.downloadUrl(pageUrl(server.baseUrl(), 9, 1)));
    QVERIFY(QTest::qWaitFor([&] { return arrived.size() == served.size(); }, 10000));

    // One page after the other, in pick order; each file whole in the cache.
    QStringList requested;
    for (const StandInService::Request &r : server.requests())
        requested << r.path;
    requested.removeAll("/x1.mp3");
    requested.removeAll("/x2.mp4");
    QCOMPARE(requested, (QStringList{"/m9/p1.png", "/m9/p2.png", "/m7/p0.png", "/m9/p0.png", "/m7/p1.png",
                                     "/m7/p2.png", "/m7/p3.png", "/m7/p4.png"}));
    for (const QString &path : served)
        QCOMPARE(FileUtils::getFileContent(FileUtils::getResourceFileFromUrl(server.baseUrl() + path)),
                 path.toUtf8() + " bytes");
    QVERIFY(manager.downloadUrl(pageUrl(server.baseUrl(), 7, 3)));
}

QTEST_GUILESS_MAIN(TestBinaryDownloadManager)
#include "tst_binarydownloadmanager.moc"
