// Walks a newcomer's first start on the real main window against the
// stand-in service and saves a picture of each page on the way: sign-in,
// organisation choice, course list, menu, settings, the upgrade box, the
// upgrade page and the about page.
//
//   VeltroScreens <output folder>
//
// Meant for a virtual X screen (scripts/screens) with a throwaway data folder.
#include "MainWindowProbe.h"
#include "ServiceFixtures.h"
#include "StandInService.h"

#include "common/remoteconfig/UpgradeInfo.h"
#include "modules/main/mainWindow.h"
#include "utils/TextMetrics.h"

#include <QApplication>
#include <QDir>
#include <QJsonObject>
#include <QPointer>
#include <QPushButton>
#include <QQuickItem>
#include <QQuickView>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <functional>

using namespace MainWindowProbe;

namespace {

QString g_out;
int g_failures = 0;

bool waitFor(const std::function<bool()> &done, const char *what, int timeoutMs = 15000)
{
    if (QTest::qWaitFor(done, timeoutMs))
        return true;
    std::fprintf(stderr, "timed out waiting for %s\n", what);
    ++g_failures;
    return false;
}

void save(const QImage &picture, const QString &name)
{
    const QString path = g_out + QLatin1Char('/') + name + QStringLiteral(".png");
    if (picture.isNull() || !picture.save(path)) {
        std::fprintf(stderr, "could not save %s\n", qPrintable(path));
        ++g_failures;
        return;
    }
    std::printf("saved %s\n", qPrintable(path));
}

void savePage(mainWindow *window, const QString &name)
{
    // Let switches, focus bars and pictures settle first.
    QTest::qWait(400);
    save(grab(window), name);
}

UpgradeInfo optionalUpgrade(const QString &baseUrl)
{
    const QJsonObject json{{"currentVersion", "5.11.0"},
                           {"upgradeCode", 5110},
                           {"upgradeVersion", "5.0.0"},
                           {"upgradeContent", QJsonObject{{"apkUrl", baseUrl + "/files/upgrade/setup.run"},
                                                          {"content", "课堂更流畅\n修复了若干问题"},
                                                          {"packageSize", "58.6MB"},
                                                          {"title", "发现新版本"}}}};
    return UpgradeInfo(json);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: VeltroScreens <output folder>\n");
        return 2;
    }
    g_out = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QDir().mkpath(g_out);
    installFontSubstitutions();

    StandInService service;
    if (!service.listen()) {
        std::fprintf(stderr, "the stand-in service did not start\n");
        return 1;
    }
    ServiceFixtures::pointClientAt(service.baseUrl());

    QPointer<mainWindow> window = new mainWindow();
    window->init();
    window->show();
    waitFor([&] { return window->quickView()->isExposed(); }, "the window");

    // A newcomer: the sign-in page.
    item(window, QStringLiteral("phoneInput"))->setProperty("text", QString::fromLatin1(ServiceFixtures::kTeacherPhone));
    click(window, QStringLiteral("getCodeButton"));
    item(window, QStringLiteral("codeInput"))->setProperty("text", QStringLiteral("123456"));
    savePage(window, QStringLiteral("sign_in"));

    // The fixture teacher belongs to two organisations and chooses one.
    click(window, QStringLiteral("loginButton"));
    if (waitFor([&] { return visible(window, QStringLiteral("roleSelectItem")); }, "the organisation page")) {
        savePage(window, QStringLiteral("organisation"));
        click(window, QStringLiteral("roleEntry_101"));
    }
    waitFor([&] { return itemProperty(window, QStringLiteral("weekRepeater"), "count").toInt() == 7; }, "the course list");
    savePage(window, QStringLiteral("main_window"));

    click(window, QStringLiteral("moreEntry"));
    savePage(window, QStringLiteral("menu"));
    click(window, QStringLiteral("menuSetting"));
    waitFor([&] { return text(window, QStringLiteral("cacheButton")) == QStringLiteral("清除缓存"); }, "the cache size");
    savePage(window, QStringLiteral("settings"));
    item(window, QStringLiteral("settingPanel"))->setVisible(false);

    // An optional upgrade: its box, answered with "忽略此版本".
    QTimer boxWatch;
    boxWatch.setInterval(100);
    QObject::connect(&boxWatch, &QTimer::timeout, [&] {
        QWidget *box = QApplication::activeModalWidget();
        if (!box)
            return;
        boxWatch.stop();
        QTest::qWait(300);
        save(box->grab().toImage(), QStringLiteral("upgrade_box"));
        if (auto *second = box->findChild<QPushButton *>(QStringLiteral("secondButton")))
            second->click();
    });
    boxWatch.start();
    UpgradeInfo upgrade = optionalUpgrade(service.baseUrl());
    window->handleUpgradeInfo_slot(&upgrade);
    boxWatch.stop();

    click(window, QStringLiteral("moreEntry"));
    click(window, QStringLiteral("menuUpgrade"));
    savePage(window, QStringLiteral("upgrade_page"));
    item(window, QStringLiteral("upgradeItem"))->setVisible(false);
    click(window, QStringLiteral("moreEntry"));
    click(window, QStringLiteral("menuAbout"));
    savePage(window, QStringLiteral("about"));

    window->close();
    waitFor([&] { return window.isNull(); }, "the window to close");
    return g_failures == 0 ? 0 : 1;
}
