// The pages behind the left bar's "更多" entry on the real main window, signed
// in against the stand-in service: the menu, the settings page, the upgrade
// page and the about page. Each test saves a picture of what it shows.
#include "BrowserCatcher.h"
#include "MainWindowProbe.h"
#include "ModalAnswerer.h"
#include "ServiceFixtures.h"
#include "StandInService.h"
#include "TestPictures.h"

#include "modules/login/LoginManager.h"
#include "modules/main/mainWindow.h"
#include "utils/FileUtils.h"
#include "utils/GlobalConfig.h"
#include "utils/TextMetrics.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QPointer>
#include <QQuickItem>
#include <QQuickView>
#include <QtTest>

using namespace MainWindowProbe;

namespace {

const QString kRemoteConfig = QStringLiteral("biz_mv/edu/config/appRemoteConfig");
const QString kRenderTypeKey = QStringLiteral("video_widget_render_type");
const QStringList kMenuEntries{"menuSetting", "menuRoleChange", "menuManagerSystem",
                               "menuAbout",   "menuLogout",     "menuUpgrade"};

QJsonObject upgradeInfo(const QString &apkUrl, const QString &title)
{
    return QJsonObject{{"currentVersion", "5.11.0"},
                       {"upgradeCode", 2},
                       {"upgradeVersion", "5.0.0"},
                       {"upgradeContent", QJsonObject{{"apkUrl", apkUrl},
                                                      {"content", "课堂更流畅\n修复了若干问题"},
                                                      {"packageSize", "58.6MB"},
                                                      {"title", title}}}};
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool isBlue(const QVariant &colour)
{
    return colour.value<QColor>() == QColor(QStringLiteral("#3A78E6"));
}

} // namespace

class TestMorePages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void menuEntriesAndUpgradeOffer();
    void menuEntryActs_data();
    void menuEntryActs();
    void settingsCacheRow();
    void settingsSwitchWritesConfig_data();
    void settingsSwitchWritesConfig();
    void settingsMyInfo();
    void upgradePage_data();
    void upgradePage();
    void aboutPage_data();
    void aboutPage();

private:
    // Started with the stored teacher: waits until her lists are shown.
    mainWindow *openSignedIn();
    void openMenu();
    // Clicks the backdrop near the window's top right corner, outside every box.
    void clickBackdrop();
    void savePicture(const QString &name);

    StandInService m_service;
    BrowserCatcher m_browser;
    QPointer<mainWindow> m_window;
};

void TestMorePages::initTestCase()
{
    installFontSubstitutions();
    QVERIFY(m_service.listen());
    ServiceFixtures::pointClientAt(m_service.baseUrl());
}

void TestMorePages::init()
{
    m_service.clearReplies();
    // The pages here get their upgrade and version reports from the test
    // alone, never late from the start-up check.
    m_service.setReply(kRemoteConfig, StandInService::Reply::failure(500, QStringLiteral("busy")));
    ServiceFixtures::storeSignedInTeacher(m_service.baseUrl());
}

void TestMorePages::cleanup()
{
    if (m_window)
        m_window->close();
    QTRY_VERIFY(m_window.isNull());
    GlobalConfig config;
    config.switchAutoRecord(false);
    config.switchNativeRender(false);
    config.setValue(kRenderTypeKey, QStringLiteral("0"));
    m_browser.opened.clear();
    m_service.clearReplies();
    m_service.clearRequests();
}

mainWindow *TestMorePages::openSignedIn()
{
    m_window = new mainWindow();
    m_window->init();
    m_window->show();
    const bool ready = QTest::qWaitFor([&] {
        return itemProperty(m_window, "weekRepeater", "count").toInt() == 7 && m_window->quickView()->isExposed();
    });
    return ready ? m_window.data() : nullptr;
}

void TestMorePages::openMenu()
{
    QVERIFY(!visible(m_window, "menuPanel"));
    QVERIFY(click(m_window, "moreEntry"));
    QVERIFY(visible(m_window, "menuPanel"));
}

void TestMorePages::clickBackdrop()
{
    waitForFrame(m_window);
    QTest::mouseClick(m_window->quickView(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(m_window->quickView()->width() - 5, 5));
}

void TestMorePages::savePicture(const QString &name)
{
    // Let switches and focus bars finish their animations first.
    QTest::qWait(300);
    QVERIFY2(!saveTestPicture(grab(m_window), name).isEmpty(), qPrintable(name));
}

void TestMorePages::menuEntriesAndUpgradeOffer()
{
    mainWindow *window = openSignedIn();
    QVERIFY(window);
    QVERIFY(!visible(m_window, "upgradeDot"));

    const auto shownEntries = [this] {
        QList<QQuickItem *> shown;
        for (const QString &name : kMenuEntries) {
            QQuickItem *entry = item(m_window, name);
            if (entry && entry->isVisible())
                shown << entry;
        }
        std::sort(shown.begin(), shown.end(), [](QQuickItem *a, QQuickItem *b) {
            return a->mapToScene(QPointF()).y() < b->mapToScene(QPointF()).y();
        });
        QStringList texts;
        for (QQuickItem *entry : shown)
            texts << entry->property("text").toString();
        return texts;
    };

    openMenu();
    QCOMPARE(shownEntries(), (QStringList{"设置", "切换身份", "教务系统", "关于我们", "退出登录"}));
    // The box opens just right of the left bar and ends above its bottom.
    QQuickItem *box = item(m_window, "menuBox");
    QQuickItem *bar = item(m_window, "leftBar");
    const QRectF boxRect = box->mapRectToScene(QRectF(0, 0, box->width(), box->height()));
    QVERIFY(boxRect.left() >= bar->width());
    QVERIFY(boxRect.left() < bar->width() + 20);
    QVERIFY(boxRect.bottom() < bar->height());
    savePicture(QStringLiteral("morepages_menu"));
    clickBackdrop();
    QVERIFY(!visible(m_window, "menuPanel"));

    emit window->hasUpgrade_signal(upgradeInfo(QStringLiteral("http://127.0.0.1:1/setup.bin"), QString()));
    QVERIFY(visible(m_window, "upgradeDot"));
    openMenu();
    QCOMPARE(shownEntries(), (QStringList{"设置", "切换身份", "教务系统", "关于我们", "退出登录", "新版本"}));
    savePicture(QStringLiteral("morepages_menu_upgrade"));
}

void TestMorePages::menuEntryActs_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("page");

    QTest::newRow("settings") << "menuSetting" << "settingPanel";
    QTest::newRow("about") << "menuAbout" << "aboutItem";
    QTest::newRow("new version") << "menuUpgrade" << "upgradeItem";
    QTest::newRow("sign-out") << "menuLogout" << "loginItem";
    QTest::newRow("management system") << "menuManagerSystem" << "";
    // The organisation page is drawn elsewhere; here only the menu closes.
    QTest::newRow("change of role") << "menuRoleChange" << "";
}

void TestMorePages::menuEntryActs()
{
    QFETCH(QString, entry);
    QFETCH(QString, page);

    mainWindow *window = openSignedIn();
    QVERIFY(window);
    emit window->hasUpgrade_signal(upgradeInfo(QStringLiteral("http://127.0.0.1:1/setup.bin"), QString()));
    if (!page.isEmpty())
        QVERIFY(!visible(m_window, page));
    openMenu();
    QVERIFY(click(m_window, entry));
    QVERIFY(!visible(m_window, "menuPanel"));
    if (!page.isEmpty())
        QVERIFY(visible(m_window, page));

    if (entry == QLatin1String("menuManagerSystem")) {
        QCOMPARE(m_browser.opened.size(), 1);
        QCOMPARE(m_browser.opened.first().toString(),
                 m_service.baseUrl() + QStringLiteral("/commonweb/edumanagement/veltro/service/"));
    } else {
        QVERIFY(m_browser.opened.isEmpty());
    }
    if (entry == QLatin1String("menuLogout")) {
        QVERIFY(!LoginManager::isLogin());
        QCOMPARE(text(m_window, "userName"), QStringLiteral("未登录"));
        QCOMPARE(itemProperty(m_window, "weekRepeater", "count").toInt(), 0);
    }
}

void TestMorePages::settingsCacheRow()
{
    // Three files of 1 KiB in the download cache.
    const QString folder = FileUtils::getResourceDir() + QStringLiteral("/c");
    QVERIFY(QDir().mkpath(folder));
    for (int i = 0; i < 3; ++i) {
        QFile file(folder + QStringLiteral("/f%1").arg(i));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(1024, 'c'));
    }
    mainWindow *window = openSignedIn();
    QVERIFY(window);

    // Opening the page counts the cache; the button waits for the count.
    item(m_window, "settingPanel")->setVisible(true);
    QCOMPARE(text(m_window, "cacheButton"), QStringLiteral("计算中"));
    QVERIFY(!isBlue(itemProperty(m_window, "cacheButton", "bgColor")));
    QTRY_COMPARE(text(m_window, "cacheButton"), QStringLiteral("清除缓存"));
    QCOMPARE(text(m_window, "cacheSize"), QStringLiteral("3.00Kb"));
    QVERIFY(isBlue(itemProperty(m_window, "cacheButton", "bgColor")));
    savePicture(QStringLiteral("morepages_settings"));

    QVERIFY(click(m_window, "cacheButton"));
    QTRY_COMPARE(window->cacheItemCount(), 0);
    QCOMPARE(text(m_window, "cacheSize"), QStringLiteral("..."));
    QCOMPARE(text(m_window, "cacheButton"), QStringLiteral("清除缓存"));
    QVERIFY(QDir(folder).entryList(QDir::Files).isEmpty());

    // Inside the box the page stays; outside it closes.
    QVERIFY(click(m_window, "cacheSize"));
    QVERIFY(visible(m_window, "settingPanel"));
    clickBackdrop();
    QVERIFY(!visible(m_window, "settingPanel"));

    // Opened again, the page does not count again before the next class.
    item(m_window, "settingPanel")->setVisible(true);
    QTest::qWait(100);
    QCOMPARE(text(m_window, "cacheSize"), QStringLiteral("..."));
    QCOMPARE(window->cacheItemCount(), 0);
}

void TestMorePages::settingsSwitchWritesConfig_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("startOn");

    QTest::newRow("auto record, on") << "autoRecordRow" << "auto_record" << true;
    QTest::newRow("native text, off") << "nativeRenderRow" << "render_native" << false;
    QTest::newRow("slow video, on") << "videoRenderRow" << "video_widget_render_type" << true;
    QTest::newRow("slow video, off") << "videoRenderRow" << "video_widget_render_type" << false;
}

void TestMorePages::settingsSwitchWritesConfig()
{
    QFETCH(QString, row);
    QFETCH(QString, key);
    QFETCH(bool, startOn);

    GlobalConfig config;
    config.setValue(key, startOn ? QStringLiteral("1") : QStringLiteral("0"));
    mainWindow *window = openSignedIn();
    QVERIFY(window);
    item(m_window, "settingPanel")->setVisible(true);
    QQuickItem *rowItem = item(m_window, row);
    QVERIFY(rowItem);
    QQuickItem *toggle = item(rowItem, QStringLiteral("switch"));
    QVERIFY(toggle);
    QCOMPARE(toggle->state(), startOn ? QStringLiteral("right") : QStringLiteral("left"));

    QVERIFY(click(m_window, toggle));
    QCOMPARE(toggle->state(), startOn ? QStringLiteral("left") : QStringLiteral("right"));
    QCOMPARE(config.getValue(key), startOn ? QStringLiteral("0") : QStringLiteral("1"));
    QCOMPARE(GlobalConfig::value(key).toVariant().toInt(), startOn ? 0 : 1);
    if (key == QLatin1String("render_native")) {
        // The row's own texts follow at once.
        QVERIFY(config.renderNative());
        for (const char *name : {"label", "tip"}) {
            QQuickItem *text = item(rowItem, name);
            QVERIFY(text);
            QCOMPARE(text->property("renderType").toInt(), int(1 /* Text.NativeRendering */));
        }
    }
    QVERIFY(click(m_window, toggle));
    QCOMPARE(config.getValue(key), startOn ? QStringLiteral("1") : QStringLiteral("0"));
    if (key == QLatin1String("auto_record"))
        QCOMPARE(config.autoRecord(), startOn);
    QVERIFY(toastTexts().isEmpty());

    // A settings file that cannot be replaced (a folder in its place stops
    // root too): the switch goes back to the stored value and says so.
    const QString configPath = FileUtils::getConfigFilePath();
    const QByteArray stored = readAll(configPath);
    QVERIFY(QFile::remove(configPath));
    QVERIFY(QDir().mkpath(configPath + QStringLiteral("/blocked")));
    QVERIFY(click(m_window, toggle));
    QCOMPARE(toggle->state(), startOn ? QStringLiteral("right") : QStringLiteral("left"));
    QCOMPARE(config.getValue(key), startOn ? QStringLiteral("1") : QStringLiteral("0"));
    QTRY_COMPARE(toastTexts(), QStringList(QStringLiteral("设置保存失败")));
    QVERIFY(QDir(configPath).removeRecursively());
    QFile restored(configPath);
    QVERIFY(restored.open(QIODevice::WriteOnly));
    restored.write(stored);
}

void TestMorePages::settingsMyInfo()
{
    mainWindow *window = openSignedIn();
    QVERIFY(window);
    item(m_window, "settingPanel")->setVisible(true);
    QVERIFY(visible(m_window, "generalPage"));
    QVERIFY(!visible(m_window, "minePage"));
    QVERIFY(click(m_window, "tabMine"));
    QVERIFY(visible(m_window, "minePage"));
    QVERIFY(!visible(m_window, "generalPage"));
    QCOMPARE(text(m_window, "infoUserID"), QString::fromLatin1(ServiceFixtures::kTeacherId));
    QCOMPARE(text(m_window, "infoUserName"), QStringLiteral("王老师"));
    QCOMPARE(text(m_window, "infoMobilePhone"), QString::fromLatin1(ServiceFixtures::kTeacherPhone));
    QCOMPARE(itemProperty(m_window, "userImage", "img_src").toString(),
             m_service.baseUrl() + QStringLiteral("/files/avatar/teacher.png"));
    savePicture(QStringLiteral("morepages_settings_mine"));
}

void TestMorePages::upgradePage_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("apkUrl");
    QTest::addColumn<QString>("shownTitle");

    QTest::newRow("titled") << "5.11 新功能" << "http://127.0.0.1:1/setup.bin" << "5.11 新功能";
    QTest::newRow("untitled, no address") << "" << "" << "Veltro";
}

void TestMorePages::upgradePage()
{
    QFETCH(QString, title);
    QFETCH(QString, apkUrl);
    QFETCH(QString, shownTitle);

    mainWindow *window = openSignedIn();
    QVERIFY(window);
    emit window->setCurrentVersion_signal(apkUrl, QStringLiteral("5.11.0"), QStringLiteral("5.10.0"), true);
    emit window->hasUpgrade_signal(upgradeInfo(apkUrl, title));
    openMenu();
    QVERIFY(click(m_window, "menuUpgrade"));
    QVERIFY(visible(m_window, "upgradeItem"));

    QCOMPARE(text(m_window, "upgradeTitle"), shownTitle);
    QCOMPARE(text(m_window, "upgradeText"),
             QStringLiteral("新版本:5.11.0\n\n课堂更流畅\n修复了若干问题\n\n安装包大小:58.6MB"));
    QVERIFY(visible(m_window, "currentVersion"));
    QCOMPARE(text(m_window, "currentVersion"), QStringLiteral("当前版本:5.10.0"));
    QCOMPARE(text(m_window, "downloadButton"), QStringLiteral("前往更新"));
    QQuickItem *notice = item(item(m_window, QStringLiteral("upgradeItem")), QStringLiteral("legalNotice"));
    QVERIFY(notice && notice->isVisible());
    savePicture(QStringLiteral("morepages_upgrade_") + QString::fromLatin1(QTest::currentDataTag()).section(',', 0, 0));

    // Without an address the service's site offers the installer; with one
    // the download blocks the window, fails here and ends the program.
    ModalAnswerer answerer(ModalAnswerer::PressFirst, 50);
    QSignalSpy downloading(window, &mainWindow::upgradeDownloading_signal);
    QVERIFY(click(m_window, "downloadButton"));
    QVERIFY(!visible(m_window, "upgradeItem"));
    if (apkUrl.isEmpty()) {
        QCOMPARE(m_browser.opened, QList<QUrl>{QUrl(m_service.baseUrl())});
        QVERIFY(downloading.isEmpty());
        return;
    }
    QVERIFY(!downloading.isEmpty());
    QCOMPARE(downloading.first().first().toBool(), true);
    QTRY_VERIFY_WITH_TIMEOUT(m_window.isNull(), 10000);
    QCOMPARE(answerer.lastText(), QStringLiteral("下载安装程序失败，请前往官网下载安装升级"));
}

void TestMorePages::aboutPage_data()
{
    QTest::addColumn<QString>("apkUrl");
    QTest::addColumn<QString>("newVersion");
    QTest::addColumn<bool>("needUpgrade");
    QTest::addColumn<QString>("versionState");
    QTest::addColumn<bool>("blue");

    QTest::newRow("latest") << "" << "5.10.0" << false << "已是最新版本" << false;
    QTest::newRow("newer") << "http://127.0.0.1:1/setup.bin" << "5.11.0" << true << "前往更新5.11.0" << true;
}

void TestMorePages::aboutPage()
{
    QFETCH(QString, apkUrl);
    QFETCH(QString, newVersion);
    QFETCH(bool, needUpgrade);
    QFETCH(QString, versionState);
    QFETCH(bool, blue);

    mainWindow *window = openSignedIn();
    QVERIFY(window);
    emit window->setCurrentVersion_signal(apkUrl, newVersion, QStringLiteral("5.10.0"), needUpgrade);
    openMenu();
    QVERIFY(click(m_window, "menuAbout"));
    QVERIFY(visible(m_window, "aboutItem"));
    QCOMPARE(text(m_window, "productVersion"), QStringLiteral("Veltro·教师端5.10.0"));
    QCOMPARE(text(m_window, "versionState"), versionState);
    QCOMPARE(isBlue(itemProperty(m_window, "versionState", "color")), blue);
    QCOMPARE(itemProperty(m_window, "versionState", "font").value<QFont>().underline(), blue);
    QCOMPARE(itemProperty(m_window, "logo", "source").toUrl(), QUrl(QStringLiteral("qrc:/res/logo.png")));
    savePicture(QStringLiteral("morepages_about_") + QString::fromLatin1(QTest::currentDataTag()));

    clickBackdrop();
    QVERIFY(!visible(m_window, "aboutItem"));
}

QTEST_MAIN(TestMorePages)
#include "tst_morepages.moc"
