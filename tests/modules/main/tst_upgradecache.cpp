// The main window's upgrade check, installer download and start, and the
// cache size and removal, against the stand-in service on a real data folder.
#include "BrowserCatcher.h"
#include "MainWindowProbe.h"
#include "ModalAnswerer.h"
#include "ServiceFixtures.h"
#include "StandInService.h"
#include "TestClock.h"
#include "TestLogCapture.h"
#include "TopLevelWidgets.h"

#include "base/dialog/CToast.h"
#include "modules/login/LoginManager.h"
#include "modules/main/mainWindow.h"
#include "platform/http/AppInfo.h"
#include "utils/CFileDownloader.h"
#include "utils/FileUtils.h"
#include "utils/KV.h"
#include "utils/TimeUtils.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using MainWindowProbe::toastTexts;

namespace {

const QString kRemoteConfig = QStringLiteral("biz_mv/edu/config/appRemoteConfig");
const QString kIgnoreKey = QStringLiteral("10001key_ignore_version");

void writeFile(const QString &path, qint64 size)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(QByteArray(int(size), 'c')), size);
}

int filesBelow(const QString &folder)
{
    int count = 0;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        ++count;
    }
    return count;
}

} // namespace

class TestUpgradeCache : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cacheSizeText_data();
    void cacheSizeText();
    void cacheSizeAndRemoval();
    void upgradeChoice_data();
    void upgradeChoice();
    void installerDownloadedAndStarted();
    void installerFailures_data();
    void installerFailures();

private:
    // The remote configuration announces this upgrade from now on.
    void announce(const QString &currentVersion, const QString &upgradeVersion, const QString &apkUrl = QString());
    mainWindow *openWindow();

    StandInService m_service;
    BrowserCatcher m_browser;
    QPointer<mainWindow> m_window;
};

void TestUpgradeCache::initTestCase()
{
    QVERIFY(m_service.listen());
    ServiceFixtures::pointClientAt(m_service.baseUrl());
}

void TestUpgradeCache::init()
{
    m_service.clearReplies();
    ServiceFixtures::storeSignedInTeacher(m_service.baseUrl());
    KV::remove(kIgnoreKey.toStdString());
}

void TestUpgradeCache::cleanup()
{
    if (m_window)
        m_window->close();
    QTRY_VERIFY(m_window.isNull());
    qDeleteAll(topLevelWidgetsOf<CToast>());
    m_browser.opened.clear();
    m_service.clearReplies();
    m_service.clearRequests();
}

void TestUpgradeCache::announce(const QString &currentVersion, const QString &upgradeVersion, const QString &apkUrl)
{
    QJsonObject result = ServiceFixtures::reply(kRemoteConfig + ".json", m_service.baseUrl())
                             .value("returnResult")
                             .toObject();
    QJsonObject upgrade = result.value("upgradeInfo").toObject();
    upgrade["currentVersion"] = currentVersion;
    upgrade["upgradeVersion"] = upgradeVersion;
    upgrade["upgradeCode"] = 5110;
    upgrade["upgradeContent"] = QJsonObject{{"apkUrl", apkUrl},
                                            {"content", QStringLiteral("修复了已知问题")},
                                            {"packageSize", QStringLiteral("85.3MB")},
                                            {"title", QStringLiteral("发现新版本")}};
    result["upgradeInfo"] = upgrade;
    m_service.setReply(kRemoteConfig, StandInService::Reply::ok(result));
}

mainWindow *TestUpgradeCache::openWindow()
{
    m_window = new mainWindow();
    m_window->init();
    m_window->show();
    return m_window;
}

void TestUpgradeCache::cacheSizeText_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << qint64(0) << "0.00Kb";
    QTest::newRow("half a KiB") << qint64(512) << "0.50Kb";
    QTest::newRow("exactly one MiB") << qint64(1048576) << "1024.00Kb";
    QTest::newRow("just above one MiB") << qint64(1048577) << "1.00Mb";
    QTest::newRow("2.5 MiB") << qint64(2621440) << "2.50Mb";
    QTest::newRow("12.35 MiB") << qint64(12950000) << "12.35Mb";
    QTest::newRow("beyond 2 GiB") << qint64(5) * 1024 * 1024 * 1024 << "5120.00Mb";
}

void TestUpgradeCache::cacheSizeText()
{
    QFETCH(qint64, size);
    QFETCH(QString, text);
    QCOMPARE(mainWindow::cacheSizeText(size), text);
}

void TestUpgradeCache::cacheSizeAndRemoval()
{
    // 250 files, 2.5 MiB in all, 50 to a folder in the download and record
    // caches. The removal reports after a folder, once another hundred
    // files are gone.
    for (int i = 0; i < 250; ++i) {
        const QString folder = i < 200 ? FileUtils::getResourceDir() + QStringLiteral("/a%1").arg(i / 50)
                                       : FileUtils::getRecordCacheDir();
        writeFile(folder + QStringLiteral("/f%1").arg(i), i < 190 ? 10486 : 10485);
    }
    // Recordings in the making are neither removed nor counted. (Those in
    // "/record" would be uploaded at sign-in; the worker's own test has them.)
    const QStringList waiting{FileUtils::getRecordingDir() + QStringLiteral("/7_11_101_1700000000123.mp4"),
                              FileUtils::getRecordingDir() + QStringLiteral("/7_11_101_1700000009999.mp4")};
    for (const QString &path : waiting)
        writeFile(path, 4096);
    TestClock clock(currentTimeMillis());
    mainWindow *window = openWindow();
    QSignalSpy sizes(window, &mainWindow::updateCacheSize_signal);
    QCOMPARE(window->cacheItemCount(), -1);

    window->getCacheSize();
    window->getCacheSize(); // a second call while counting starts nothing more
    QTRY_VERIFY(!sizes.isEmpty() && sizes.last().at(2).toBool());
    QCOMPARE(sizes.last().at(1).toString(), QStringLiteral("2.50Mb"));
    QCOMPARE(window->cacheItemCount(), 250);
    int ends = 0;
    for (const QList<QVariant> &row : qAsConst(sizes))
        ends += row.at(2).toBool() ? 1 : 0;
    QCOMPARE(ends, 1);

    // A finished count is kept.
    sizes.clear();
    window->getCacheSize();
    QTest::qWait(100);
    QVERIFY(sizes.isEmpty());

    window->removeCache();
    QTRY_VERIFY(!sizes.isEmpty() && sizes.last().at(2).toBool());
    QStringList texts;
    for (const QList<QVariant> &row : qAsConst(sizes))
        texts << row.at(1).toString();
    QCOMPARE(texts, (QStringList{"100/250", "200/250", "..."}));
    QCOMPARE(toastTexts(), QStringList{QStringLiteral("缓存已清除")});
    QCOMPARE(window->cacheItemCount(), 0);
    QCOMPARE(filesBelow(FileUtils::getResourceDir()) + filesBelow(FileUtils::getRecordCacheDir()), 0);
    for (const QString &path : waiting)
        QCOMPARE(QFileInfo(path).size(), qint64(4096));

    // A second click this soon only repeats the toast; later there is
    // nothing to remove and nothing is said.
    qDeleteAll(topLevelWidgetsOf<CToast>());
    sizes.clear();
    clock.advance(59);
    window->removeCache();
    QCOMPARE(toastTexts(), QStringList{QStringLiteral("缓存已清除")});
    qDeleteAll(topLevelWidgetsOf<CToast>());
    clock.advance(2);
    window->removeCache();
    QTest::qWait(100);
    QVERIFY(toastTexts().isEmpty());
    QVERIFY(sizes.isEmpty());

    // After a class the cache is counted again.
    window->videoWindowClosed();
    QCOMPARE(window->cacheItemCount(), -1);
    window->getCacheSize();
    QTRY_VERIFY(!sizes.isEmpty() && sizes.last().at(2).toBool());
    QCOMPARE(sizes.last().at(1).toString(), QStringLiteral("0.00Kb"));
    QCOMPARE(window->cacheItemCount(), 0);
}

void TestUpgradeCache::upgradeChoice_data()
{
    QTest::addColumn<QString>("currentVersion");
    QTest::addColumn<QString>("upgradeVersion");
    QTest::addColumn<QString>("ignored");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("buttons"); // empty: no box
    QTest::addColumn<bool>("offered");        // the menu's "新版本" entry
    QTest::addColumn<QString>("ignoredAfter");
    QTest::addColumn<bool>("ends");
    QTest::addColumn<bool>("downloads"); // the installer download started

    const QStringList optional{QStringLiteral("前往升级"), QStringLiteral("忽略此版本")};
    const QStringList forced{QStringLiteral("前往升级"), QStringLiteral("退出")};
    const int first = ModalAnswerer::PressFirst;
    const int second = ModalAnswerer::PressSecond;
    const int escape = ModalAnswerer::Escape;
    const int close = ModalAnswerer::Close;
    // The program is 5.10.0.
    QTest::newRow("optional, upgrade") << "5.11.0" << "5.0.0" << "" << first << optional << true << "" << false
                                       << true;
    QTest::newRow("optional, ignored") << "5.11.0" << "5.0.0" << "" << second << optional << true << "5.11.0"
                                       << false << false;
    QTest::newRow("optional, dismissed") << "5.11.0" << "5.0.0" << "" << escape << optional << true << "" << false
                                         << false;
    QTest::newRow("ignored earlier") << "5.11.0" << "5.0.0" << "5.11.0" << second << QStringList() << true
                                     << "5.11.0" << false << false;
    QTest::newRow("newer than the ignored") << "5.12.0" << "5.0.0" << "5.11.0" << second << optional << true
                                            << "5.12.0" << false << false;
    QTest::newRow("ten is above nine") << "5.10.1" << "5.9.9" << "" << second << optional << true << "5.10.1"
                                       << false << false;
    QTest::newRow("up to date") << "5.10.0" << "5.0.0" << "" << second << QStringList() << false << "" << false
                                << false;
    QTest::newRow("older announced") << "5.9.12" << "5.0.0" << "" << second << QStringList() << false << ""
                                     << false << false;
    QTest::newRow("forced, upgrade") << "5.11.0" << "5.11.0" << "" << first << forced << false << "" << false
                                     << true;
    QTest::newRow("forced, quit") << "5.11.0" << "5.11.0" << "" << second << forced << false << "" << true << false;
    // A forced upgrade offers no way to stay on this version.
    QTest::newRow("forced, dismissed") << "5.11.0" << "5.11.0" << "" << escape << forced << false << "" << false
                                       << true;
    QTest::newRow("forced, box closed") << "5.11.0" << "5.11.0" << "" << close << forced << false << "" << false
                                        << true;
}

void TestUpgradeCache::upgradeChoice()
{
    QFETCH(QString, currentVersion);
    QFETCH(QString, upgradeVersion);
    QFETCH(QString, ignored);
    QFETCH(int, answer);
    QFETCH(QStringList, buttons);
    QFETCH(bool, offered);
    QFETCH(QString, ignoredAfter);
    QFETCH(bool, ends);
    QFETCH(bool, downloads);

    if (!ignored.isEmpty())
        KV::set(kIgnoreKey.toStdString(), ignored);
    // An installer that takes its time: the row ends before it arrives. Each
    // row has its own address, so that no row joins the download of another.
    static int row = 0;
    const QString installer = QStringLiteral("files/upgrade/choice%1.run").arg(++row);
    StandInService::Reply slowInstaller = StandInService::Reply::raw("#!/bin/sh\n");
    slowInstaller.delayMs = 3000;
    m_service.setReply(installer, slowInstaller);
    announce(currentVersion, upgradeVersion, m_service.baseUrl() + QLatin1Char('/') + installer);
    ModalAnswerer answerer(ModalAnswerer::Answer(answer), 50);
    m_window = new mainWindow();
    QSignalSpy versions(m_window.data(), &mainWindow::setCurrentVersion_signal);
    QSignalSpy upgrades(m_window.data(), &mainWindow::hasUpgrade_signal);
    QSignalSpy downloading(m_window.data(), &mainWindow::upgradeDownloading_signal);
    m_window->init();
    m_window->show();

    QTRY_COMPARE(versions.size(), 1);
    QCOMPARE(versions.first().at(1).toString(), currentVersion);
    QCOMPARE(versions.first().at(2).toString(), QStringLiteral("5.10.0"));
    QCOMPARE(versions.first().at(3).toBool(), !buttons.isEmpty() || offered);
    QCOMPARE(AppInfo::getCurrentVersionCode(), 5110);
    if (!buttons.isEmpty())
        QTRY_COMPARE(answerer.boxesSeen(), 1);
    else
        QTest::qWait(200);
    QCOMPARE(answerer.boxesSeen(), buttons.isEmpty() ? 0 : 1);
    if (!buttons.isEmpty()) {
        QCOMPARE(answerer.lastButtons(), buttons);
        QCOMPARE(answerer.lastTitle(), QStringLiteral("发现新版本"));
        QCOMPARE(answerer.lastText(), QStringLiteral("修复了已知问题\r\n85.3MB"));
    }
    QCOMPARE(upgrades.size(), offered ? 1 : 0);
    QCOMPARE(KV::get(kIgnoreKey.toStdString()), ignoredAfter);
    if (downloads)
        QTRY_COMPARE(m_service.requestsTo(installer).size(), 1);
    else
        QTest::qWait(100);
    QCOMPARE(!downloading.isEmpty() && downloading.first().at(0).toBool(), downloads);
    QCOMPARE(m_service.requestsTo(installer).size(), downloads ? 1 : 0);
    if (ends)
        QTRY_VERIFY(m_window.isNull());
    else
        QVERIFY(!m_window.isNull());
}

void TestUpgradeCache::installerDownloadedAndStarted()
{
    QTemporaryDir scratch;
    const QString marker = scratch.filePath(QStringLiteral("installer-ran"));
    const QString url = m_service.baseUrl() + QStringLiteral("/files/upgrade/setup.run");
    m_service.setReply(QStringLiteral("files/upgrade/setup.run"),
                       StandInService::Reply::raw("#!/bin/sh\necho \"$0\" > '" + marker.toUtf8() + "'\n"));
    // A stale copy in the cache is not taken: the installer is fetched again.
    writeFile(FileUtils::getResourceFileFromUrl(url), 10);
    announce(QStringLiteral("5.11.0"), QStringLiteral("5.0.0"), url);

    TestLogCapture log;
    ModalAnswerer answerer(ModalAnswerer::PressFirst, 50);
    m_window = new mainWindow();
    QSignalSpy blocking(m_window.data(), &mainWindow::upgradeDownloading_signal);
    m_window->init();
    m_window->show();

    // The program ends for the installer, which runs on its own.
    QTRY_VERIFY_WITH_TIMEOUT(m_window.isNull(), 10000);
    QTRY_VERIFY(QFile::exists(marker));
    QFile ran(marker);
    QVERIFY(ran.open(QIODevice::ReadOnly));
    const QString installer = FileUtils::getInstallerPath();
    QCOMPARE(QString::fromUtf8(ran.readAll()).trimmed(), installer);
    QVERIFY(installer.endsWith(QStringLiteral("/upgrade/veltro_lecturer-setup.run")));
    QVERIFY(QFileInfo(installer).isExecutable());
    QVERIFY(CFileDownloader::getDownloadedFile(url).isEmpty());
    QCOMPARE(m_service.requestsTo(QStringLiteral("files/upgrade/setup.run")).size(), 1);
    QCOMPARE(blocking.size(), 2);
    QCOMPARE(blocking.at(0).at(0).toBool(), true);
    QCOMPARE(blocking.at(1).at(0).toBool(), false);
    QVERIFY(log.messages().join('\n').contains(QStringLiteral("start %1 return 1").arg(installer)));
    QVERIFY(m_browser.opened.isEmpty());
}

void TestUpgradeCache::installerFailures_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("boxes");
    QTest::addColumn<QString>("lastText");
    QTest::addColumn<QStringList>("lastButtons");

    const int first = ModalAnswerer::PressFirst;
    const QStringList ok{QStringLiteral("确定")};
    const QString retryText = QStringLiteral("安装程序执行失败，请重试或前往官网下载安装升级");
    const QStringList retryButtons{QStringLiteral("重试"), QStringLiteral("前往官网")};
    const QByteArray noProgram("this is no program\n");
    // Not found: nothing to start.
    QTest::newRow("not found") << 404 << QByteArray("missing") << first << 1
                               << QStringLiteral("下载安装程序失败，请前往官网下载安装升级") << ok;
    // No program the system can start: retried once, then given up.
    QTest::newRow("cannot start, retried") << 200 << noProgram << first << 2
                                           << QStringLiteral("安装程序执行失败，请前往官网下载安装升级") << ok;
    QTest::newRow("cannot start, to the site") << 200 << noProgram << int(ModalAnswerer::PressSecond) << 1
                                               << retryText << retryButtons;
    // Dismissed, the box leaves as "前往官网" does.
    QTest::newRow("cannot start, dismissed") << 200 << noProgram << int(ModalAnswerer::Escape) << 1 << retryText
                                             << retryButtons;
}

void TestUpgradeCache::installerFailures()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(int, answer);
    QFETCH(int, boxes);
    QFETCH(QString, lastText);
    QFETCH(QStringList, lastButtons);

    m_service.setReply(QStringLiteral("files/upgrade/setup.run"), StandInService::Reply::raw(body, status));
    mainWindow *window = openWindow();
    QTRY_COMPARE(m_service.requestsTo(kRemoteConfig).size(), 1);
    ModalAnswerer answerer(ModalAnswerer::Answer(answer), 50);
    window->goToDownloadPackage(m_service.baseUrl() + QStringLiteral("/files/upgrade/setup.run"));

    QTRY_VERIFY_WITH_TIMEOUT(m_window.isNull(), 10000);
    QCOMPARE(answerer.boxesSeen(), boxes);
    QCOMPARE(answerer.lastText(), lastText);
    QCOMPARE(answerer.lastButtons(), lastButtons);
    // The service's site offers the installer instead.
    QCOMPARE(m_browser.opened, QList<QUrl>{QUrl(m_service.baseUrl())});
}

QTEST_MAIN(TestUpgradeCache)
#include "tst_upgradecache.moc"
