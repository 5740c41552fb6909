// Walks a newcomer's first start on the real main window against the
// stand-in service and saves a picture of each page on the way: sign-in,
// organisation choice, course list, menu, settings, the upgrade box, the
// upgrade page and the about page.
//
//   VeltroScreens <output folder>
//
// Meant for a virtual X screen (scripts/screens) with a throwaway data folder.
#include "MorePagesProbe.h"
#include "ServiceFixtures.h"
#include "StandInService.h"

#include "common/remoteconfig/UpgradeInfo.h"
#include "modules/main/mainWindow.h"
#include "utils/GlobalConfig.h"
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

void savePage(const MorePagesProbe &probe, const QString &name)
{
    // Let switches, focus bars and pictures settle first.
    QTest::qWait(400);
    probe.waitForFrame();
    save(probe.grab(), name);
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
    {
        GlobalConfig config;
        config.setValue(QStringLiteral("api_host"), service.baseUrl());
        config.setValue(QStringLiteral("web_host"), service.baseUrl());
    }

    QPointer<mainWindow> window = new mainWindow();
    window->init();
    window->show();
    MorePagesProbe probe(window->quickView());
    waitFor([&] { return window->quickView()->isExposed(); }, "the window");

    // A newcomer: the sign-in page.
    probe.find(QStringLiteral("phoneInput"))->setProperty("text", QString::fromLatin1(ServiceFixtures::kTeacherPhone));
    probe.click(QStringLiteral("getCodeButton"));
    probe.find(QStringLiteral("codeInput"))->setProperty("text", QStringLiteral("123456"));
    savePage(probe, QStringLiteral("sign_in"));

    // The fixture teacher belongs to two organisations and chooses one.
    probe.click(QStringLiteral("loginButton"));
    if (waitFor([&] { return probe.visible(QStringLiteral("roleSelectItem")); }, "the organisation page")) {
        savePage(probe, QStringLiteral("organisation"));
        probe.click(QStringLiteral("roleEntry_101"));
    }
    waitFor([&] { return probe.property(QStringLiteral("weekRepeater"), "count").toInt() == 7; }, "the course list");
    savePage(probe, QStringLiteral("main_window"));

    probe.click(QStringLiteral("moreEntry"));
    savePage(probe, QStringLiteral("menu"));
    probe.click(QStringLiteral("menuSetting"));
    waitFor([&] { return probe.text(QStringLiteral("cacheButton")) == QStringLiteral("清除缓存"); }, "the cache size");
    savePage(probe, QStringLiteral("settings"));
    probe.find(QStringLiteral("settingPanel"))->setVisible(false);

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

    probe.click(QStringLiteral("moreEntry"));
    probe.click(QStringLiteral("menuUpgrade"));
    savePage(probe, QStringLiteral("upgrade_page"));
    probe.find(QStringLiteral("upgradeItem"))->setVisible(false);
    probe.click(QStringLiteral("moreEntry"));
    probe.click(QStringLiteral("menuAbout"));
    savePage(probe, QStringLiteral("about"));

    window->close();
    waitFor([&] { return window.isNull(); }, "the window to close");
    return g_failures == 0 ? 0 : 1;
}
