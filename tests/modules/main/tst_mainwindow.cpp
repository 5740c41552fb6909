// The main window on the offscreen platform against the stand-in service:
// start-up with and without a stored account, the course cards, opening and
// closing a class, the browser pages and what closing the window keeps.
#include "BrowserCatcher.h"
#include "MainWindowProbe.h"
#include "ServiceFixtures.h"
#include "StandInService.h"
#include "TestClock.h"
#include "TestLogCapture.h"
#include "TestPictures.h"
#include "TopLevelWidgets.h"
#include "UploadParts.h"

#include "utils/TimeUtils.h"

#include "base/dialog/CToast.h"
#include "modules/live/broadcast/TQLiveBroadCastActivity.h"
#include "modules/login/LoginManager.h"
#include "modules/main/mainWindow.h"
#include "platform/http/ApiPaths.h"
#include "utils/FileUtils.h"
#include "utils/GlobalConfig.h"
#include "utils/KV.h"
#include "utils/TextMetrics.h"

#include <QFontMetricsF>
#include <QJsonArray>
#include <QPointer>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickView>
#include <QSignalSpy>
#include <QtTest>

using namespace MainWindowProbe;

namespace {

// The number of course cards a repeater of the course page made, or -1
// when there is no such repeater.
int cards(mainWindow *window, const QString &repeater)
{
    const QVariant count = itemProperty(window, repeater, "count");
    return count.isValid() ? count.toInt() : -1;
}

void collect(QQuickItem *parent, const QString &name, QList<QQuickItem *> &found)
{
    for (QQuickItem *child : parent->childItems()) {
        if (child->objectName() == name && child->isVisible())
            found << child;
        collect(child, name, found);
    }
}

// The visible items of that name from top to bottom of the page.
QList<QQuickItem *> itemsTopDown(mainWindow *window, const QString &name)
{
    waitForFrame(window);
    QList<QQuickItem *> found;
    collect(window->quickView()->rootObject(), name, found);
    std::sort(found.begin(), found.end(), [](QQuickItem *a, QQuickItem *b) {
        return a->mapToScene(QPointF()).y() < b->mapToScene(QPointF()).y();
    });
    return found;
}

// The enter button of the card in that row of the page.
QQuickItem *enterButton(mainWindow *window, int row)
{
    const QList<QQuickItem *> buttons = itemsTopDown(window, QStringLiteral("enterButton"));
    return row < buttons.size() ? buttons.at(row) : nullptr;
}

const QString kLoginCheck = QStringLiteral("biz_mv/edu/user/loginCheck");
const QString kScheduleList = QStringLiteral("biz_mv/edu/v3/courses/getCourseSchedulesForLecturer");

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void startWithStoredAccountListsCourses();
    void startWithoutAccountShowsSignIn();
    void tokenRejectedLeavesSignInPage();
    void storedAccountWithoutOrganisationChoice();
    void passwordLockOut_data();
    void passwordLockOut();
    void refreshEntryPaceAndFailure();
    void emptyListReplies();
    void longNamesKeepRoleAndLecture();
    void openAndCloseClass();
    void cardButtonOpensOrTellsWhy();
    void browserPages_data();
    void browserPages();
    void closingKeepsFailedSignInCount();
    void resizeFollowsWindow();
    void signInResumesRecordingUploads();

private:
    // A window over the stored state, built and shown as main() does.
    mainWindow *openWindow();
    // Started with the stored teacher: waits until her lists are shown.
    mainWindow *openSignedIn();

    StandInService m_service;
    BrowserCatcher m_browser;
    QPointer<mainWindow> m_window;
};

void TestMainWindow::initTestCase()
{
    installFontSubstitutions();
    QVERIFY(m_service.listen());
    ServiceFixtures::pointClientAt(m_service.baseUrl());
}

void TestMainWindow::init()
{
    m_service.clearReplies(); // no scripted reply outlives its test
    ServiceFixtures::storeSignedInTeacher(m_service.baseUrl());
    LoginManager::setLoginErrorCount(0);
    LoginManager::setLastLoginErrorTime(0);
}

void TestMainWindow::cleanup()
{
    if (m_window)
        m_window->close();
    QTRY_VERIFY(m_window.isNull());
    qDeleteAll(topLevelWidgetsOf<CToast>());
    qDeleteAll(topLevelWidgetsOf<TQLiveBroadCastActivity>());
    m_browser.opened.clear();
    m_service.clearReplies();
    m_service.clearRequests();
}

mainWindow *TestMainWindow::openWindow()
{
    m_window = new mainWindow();
    m_window->init();
    m_window->show();
    return m_window;
}

mainWindow *TestMainWindow::openSignedIn()
{
    mainWindow *window = openWindow();
    if (!QTest::qWaitFor([&] { return cards(window, "weekRepeater") == 7 && cards(window, "finishedRepeater") == 3; }))
        return nullptr;
    // Clicks reach the page only once it is on the screen.
    if (!QTest::qWaitFor([&] { return window->quickView()->isExposed(); }))
        return nullptr;
    return window;
}

void TestMainWindow::startWithStoredAccountListsCourses()
{
    TestLogCapture log;
    mainWindow *window = openWindow();
    QVERIFY(window->quickView()->rootObject());
    QCOMPARE(window->windowTitle(), QStringLiteral("Veltro·教师端"));
    QCOMPARE(window->quickView()->rootContext()->contextProperty("hostName").toString(), m_service.baseUrl());

    // While the token sign-in runs.
    QVERIFY(visible(window, "loadingItem"));
    QCOMPARE(item(window, "loadingItem")->property("loadingTextStr").toString(), QStringLiteral("登录中..."));
    QVERIFY(log.messages().join('\n').contains(
        QStringLiteral("mainWindow::checkLogin try to login by token 10001, ***")));

    QTRY_COMPARE(cards(window, "weekRepeater"), 7);
    QTRY_COMPARE(cards(window, "finishedRepeater"), 3);
    QVERIFY(!visible(window, "loginItem"));
    QVERIFY(!visible(window, "loadingItem"));
    QVERIFY(!visible(window, "noCourses"));
    QCOMPARE(text(window, "userName"), QStringLiteral("王老师"));
    QCOMPARE(text(window, "orgLine"), QStringLiteral("星光教育: 主讲老师"));
    QCOMPARE(item(window, "avatar")->property("img_src").toString(),
             m_service.baseUrl() + QStringLiteral("/files/avatar/teacher.png"));

    // One token sign-in with the stored account.
    const QList<StandInService::Request> signIns = m_service.requestsTo(kLoginCheck);
    QCOMPARE(signIns.size(), 1);
    QCOMPARE(signIns.first().formValue("loginMode"), QStringLiteral("2"));
    QCOMPARE(signIns.first().formValue("userID"), QStringLiteral("10001"));
    QCOMPARE(signIns.first().formValue("tokenPassed"), QString::fromLatin1(ServiceFixtures::kTeacherToken));

    // The week from today's midnight, and the finished ones without a period,
    // both for the chosen organisation.
    QList<StandInService::Request> lists = m_service.requestsTo(kScheduleList);
    QCOMPARE(lists.size(), 2);
    // They may arrive in either order.
    if (lists.at(0).formValue("courseScheduleStatus") != QStringLiteral("3"))
        std::swap(lists[0], lists[1]);
    const QPair<QString, QString> period = mainWindow::weekSchedulePeriod();
    QCOMPARE(lists.at(0).formValue("periodStart"), period.first);
    QCOMPARE(lists.at(0).formValue("periodEnd"), period.second);
    QCOMPARE(lists.at(0).formValue("pageSize"), QStringLiteral("20"));
    QCOMPARE(lists.at(1).formValue("courseScheduleStatus"), QStringLiteral("20"));
    QVERIFY(!lists.at(1).formKeys().contains("periodStart"));
    QVERIFY(!lists.at(1).formKeys().contains("periodEnd"));
    QCOMPARE(lists.at(1).formValue("pageSize"), QStringLiteral("5"));
    QCOMPARE(lists.at(1).formValue("orgID"), QStringLiteral("101"));

    QTRY_COMPARE(m_service.requestsTo("biz_mv/edu/config/appRemoteConfig").size(), 1);
    QTRY_COMPARE(m_service.requestsTo("biz_mv/edu/v1/user/getLiveConfig").size(), 1);
    QTRY_COMPARE(m_service.requestsTo("biz_mv/edu/v1/trade/getUserAccount").size(), 1);
    QTRY_COMPARE(m_service.requestsTo("biz_mv/edu/v1/user/getLecturerInfo").size(), 1);
    // The token is in no log line.
    QVERIFY(!TestLogCapture::currentLogFileText().contains(QString::fromLatin1(ServiceFixtures::kTeacherToken)));
}

void TestMainWindow::startWithoutAccountShowsSignIn()
{
    LoginManager::cleanLoginInfo();
    TestLogCapture log;
    mainWindow *window = openWindow();
    QVERIFY(visible(window, "loginItem"));
    QVERIFY(!visible(window, "loadingItem"));
    QCOMPARE(text(window, "userName"), QStringLiteral("未登录"));
    QVERIFY(log.messages().join('\n').contains(QStringLiteral("mainWindow::checkLogin phonenumber , userID , token ")));
    // The remote configuration is asked for all the same.
    QTRY_COMPARE(m_service.requestsTo("biz_mv/edu/config/appRemoteConfig").size(), 1);
    QCOMPARE(m_service.requestsTo(kLoginCheck).size(), 0);

    // A number that is no phone number goes nowhere.
    item(window, "phoneInput")->setProperty("text", "1380000");
    item(window, "codeInput")->setProperty("text", "123456");
    QVERIFY(click(window, "loginButton"));
    QCOMPARE(toastTexts(), QStringList{QStringLiteral("手机号错误")});
    QVERIFY(!visible(window, "loadingItem"));

    // The fixture teacher signs in with a code on the page.
    item(window, "phoneInput")->setProperty("text", ServiceFixtures::kTeacherPhone);
    QVERIFY(click(window, "loginButton"));
    QVERIFY(visible(window, "loadingItem"));
    QTRY_COMPARE(cards(window, "weekRepeater"), 7);
    QVERIFY(!visible(window, "loginItem"));
    const QList<StandInService::Request> signIns = m_service.requestsTo(kLoginCheck);
    QCOMPARE(signIns.size(), 1);
    QCOMPARE(signIns.first().formValue("loginMode"), QStringLiteral("1"));
    QCOMPARE(signIns.first().formValue("verificationCode"), QStringLiteral("123456"));
    QCOMPARE(LoginManager::getUserID(), QStringLiteral("10001"));
    // Organisations from the reply are kept for the next token sign-in.
    QCOMPARE(KV::getJsonValue("10001key_avaliable_orgs").toArray().size(), 2);
}

void TestMainWindow::tokenRejectedLeavesSignInPage()
{
    m_service.queueReply(kLoginCheck, StandInService::Reply::failure(10005, QStringLiteral("登录已过期")));
    mainWindow *window = openWindow();
    QTRY_VERIFY(!visible(window, "loadingItem"));
    QVERIFY(visible(window, "loginItem"));
    QCOMPARE(toastTexts(), QStringList{QStringLiteral("登录已过期")});
    QTest::qWait(200);
    QCOMPARE(m_service.requestsTo(kScheduleList).size(), 0);
}

void TestMainWindow::storedAccountWithoutOrganisationChoice()
{
    QVERIFY(KV::remove("10001key_selected_org_id"));
    TestLogCapture log;
    mainWindow *window = openWindow();
    QTRY_VERIFY(log.messages().join('\n').contains(QStringLiteral("initOrgs failed")));
    QVERIFY(log.messages().join('\n').contains(QStringLiteral("no orgs update, no org id, need login again")));
    // The teacher signs in on the page, not covered by the overlay.
    QVERIFY(visible(window, "loginItem"));
    QVERIFY(!visible(window, "loadingItem"));
    QCOMPARE(m_service.requestsTo(kScheduleList).size(), 0);
}

void TestMainWindow::passwordLockOut_data()
{
    QTest::addColumn<bool>("codeAsText");
    QTest::newRow("code as a number") << false;
    // A service that writes its numbers as text locks out all the same.
    QTest::newRow("code as text") << true;
}

void TestMainWindow::passwordLockOut()
{
    QFETCH(bool, codeAsText);
    TestClock clock(currentTimeMillis());
    LoginManager::cleanLoginInfo();
    m_service.setReply(kLoginCheck, codeAsText ? StandInService::Reply::json(QJsonObject{
                                                     {"statusCode", "10030"}, {"errorMsg", QStringLiteral("密码错误")}})
                                               : StandInService::Reply::failure(10030, QStringLiteral("密码错误")));
    mainWindow *window = openWindow();
    for (int attempt = 1; attempt <= 10; ++attempt) {
        QVERIFY(window->login(ServiceFixtures::kTeacherPhone, QString(), QStringLiteral("secret")));
        QTRY_COMPARE(m_service.requestsTo(kLoginCheck).size(), attempt);
        QTRY_COMPARE(toastTexts().size(), attempt);
        clock.advance(1000);
    }
    QCOMPARE(LoginManager::getLastLoginErrorTime(), clock.now() / 1000 - 1);

    // Locked: a toast, no request.
    qDeleteAll(topLevelWidgetsOf<CToast>());
    QVERIFY(!window->login(ServiceFixtures::kTeacherPhone, QString(), QStringLiteral("secret")));
    QCOMPARE(toastTexts(), QStringList{QStringLiteral("你已经连续10次密码输入错误，请等待10分钟后再次尝试")});
    clock.advance(5 * 60 * 1000);
    qDeleteAll(topLevelWidgetsOf<CToast>());
    QVERIFY(!window->login(ServiceFixtures::kTeacherPhone, QString(), QStringLiteral("secret")));
    QCOMPARE(toastTexts(), QStringList{QStringLiteral("你已经连续10次密码输入错误，请等待5分钟后再次尝试")});
    QCOMPARE(m_service.requestsTo(kLoginCheck).size(), 10);

    // 601 s after the last counted failure the count starts again.
    clock.advance(5 * 60 * 1000);
    m_service.clearReplies();
    QVERIFY(window->login(ServiceFixtures::kTeacherPhone, QString(), QStringLiteral("secret")));
    QCOMPARE(LoginManager::getLastLoginErrorTime(), 0);
    QTRY_COMPARE(cards(window, "weekRepeater"), 7);
    window->close();
    QTRY_VERIFY(m_window.isNull());
    QCOMPARE(LoginManager::getLoginErrorCount(), 0);
}

void TestMainWindow::refreshEntryPaceAndFailure()
{
    TestClock clock(currentTimeMillis());
    mainWindow *window = openSignedIn();
    QVERIFY(window);
    QCOMPARE(m_service.requestsTo(kScheduleList).size(), 2);

    // Two clicks within 5 s: one request pair. The overlay stays until the
    // week's list is in.
    // Each list gets its own fixture whichever request arrives first.
    const QJsonObject past = ServiceFixtures::reply(
        kScheduleList + QStringLiteral("@courseScheduleStatus=20.json"), m_service.baseUrl());
    StandInService::Reply slow = StandInService::Reply::json(
        ServiceFixtures::reply(kScheduleList + QStringLiteral(".json"), m_service.baseUrl()));
    slow.delayMs = 300;
    m_service.setHandler(kScheduleList, [past, slow](const StandInService::Request &request) {
        if (request.formValue(QStringLiteral("courseScheduleStatus")) == QLatin1String("20"))
            return StandInService::Reply::json(past);
        return slow;
    });
    QVERIFY(click(window, "refreshEntry"));
    QVERIFY(visible(window, "loadingItem"));
    QCOMPARE(item(window, "loadingItem")->property("loadingTextStr").toString(), QStringLiteral("加载中..."));
    clock.advance(4000);
    QVERIFY(click(window, "refreshEntry"));
    QTRY_COMPARE(m_service.requestsTo(kScheduleList).size(), 4);
    QTRY_VERIFY(!visible(window, "loadingItem"));
    QTest::qWait(200);
    QCOMPARE(m_service.requestsTo(kScheduleList).size(), 4);

    // A failed refresh tells why and keeps the lists. Only the week's request
    // fails, whichever of the two requests reaches the service first.
    m_service.setHandler(kScheduleList, [past](const StandInService::Request &request) {
        if (request.formValue(QStringLiteral("courseScheduleStatus")) == QLatin1String("20"))
            return StandInService::Reply::json(past);
        return StandInService::Reply::failure(500, QStringLiteral("服务繁忙"));
    });
    clock.advance(1000);
    QVERIFY(click(window, "refreshEntry"));
    QTRY_COMPARE(toastTexts(), QStringList{QStringLiteral("服务繁忙")});
    // The overlay went with the failure: the page takes clicks again.
    QVERIFY(!visible(window, "loadingItem"));
    QCOMPARE(cards(window, "weekRepeater"), 7);
    QCOMPARE(cards(window, "finishedRepeater"), 3);
}

void TestMainWindow::emptyListReplies()
{
    mainWindow *window = openSignedIn();
    QVERIFY(window);
    QVERIFY(!visible(window, "noWeekCourses"));

    // A reply without the list empties it; the finished ones alone leave the
    // smaller note.
    QJsonObject empty{{"statusCode", 0}, {"returnResult", QJsonObject()}};
    window->handleGetNewCourseListSuccess_slot(empty);
    QCOMPARE(cards(window, "weekRepeater"), 0);
    QVERIFY(visible(window, "noWeekCourses"));
    QVERIFY(!visible(window, "noCourses"));
    window->handleGetPastCourseListSuccess_slot(empty);
    QVERIFY(visible(window, "noCourses"));
    QVERIFY(!visible(window, "noWeekCourses"));
}

void TestMainWindow::longNamesKeepRoleAndLecture()
{
    mainWindow *window = openSignedIn();
    QVERIFY(window);

    // A short one: one line.
    emit window->initOrgRoleName_signal(QStringLiteral("星光"), QStringLiteral("老师"));
    QCOMPARE(text(window, "orgLine"), QStringLiteral("星光: 老师"));
    QCOMPARE(text(window, "orgNameLine"), QStringLiteral("星光: 老师"));
    QVERIFY(!visible(window, "roleLine"));

    // A long one is elided on its own line, never broken inside a word; the
    // roles stay whole on the second.
    const QString longName = QStringLiteral("Veltro International Academy of Mathematics and Sciences");
    emit window->initOrgRoleName_signal(longName, QStringLiteral("主讲老师/教务"));
    QCOMPARE(text(window, "orgLine"), longName + QStringLiteral(": 主讲老师/教务"));
    QVERIFY(visible(window, "roleLine"));
    QCOMPARE(text(window, "roleLine"), QStringLiteral("主讲老师/教务"));
    QVERIFY(!itemProperty(window, "roleLine", "truncated").toBool());
    QVERIFY(itemProperty(window, "orgNameLine", "truncated").toBool());
    QCOMPARE(itemProperty(window, "orgNameLine", "lineCount").toInt(), 1);

    // A long course title keeps its start and its "第N讲".
    QJsonObject reply = ServiceFixtures::reply(kScheduleList + QStringLiteral(".json"), m_service.baseUrl());
    QJsonObject result = reply.value("returnResult").toObject();
    QJsonArray schedules = result.value("course_schedules").toArray();
    QJsonObject first = schedules.at(0).toObject();
    const QString title = QStringLiteral("高中数学必修一集合与函数概念及其综合应用复习提升课程 第12讲");
    first.insert("course_content", title);
    schedules.replace(0, first);
    result.insert("course_schedules", schedules);
    reply.insert("returnResult", result);
    window->handleGetNewCourseListSuccess_slot(reply);
    const QList<QQuickItem *> titles = itemsTopDown(window, QStringLiteral("courseTitle"));
    QVERIFY(!titles.isEmpty());
    QQuickItem *shown = titles.first();
    QCOMPARE(shown->property("text").toString(), title);
    QVERIFY(shown->property("truncated").toBool());
    const QFontMetricsF metrics(shown->property("font").value<QFont>());
    const QString elided = metrics.elidedText(title, Qt::TextElideMode(shown->property("elide").toInt()),
                                              shown->width());
    QVERIFY2(elided.startsWith(QStringLiteral("高中")) && elided.endsWith(QStringLiteral("第12讲")),
             qPrintable(elided));
    QVERIFY(!saveTestPicture(grab(window), QStringLiteral("mainwindow_long_names")).isEmpty());
}

void TestMainWindow::openAndCloseClass()
{
    mainWindow *window = openWindow();
    QTRY_VERIFY(window->isVisible());

    // From QML with two arguments: a live class (type 0).
    evaluate(window, QStringLiteral("theMainWindow.gotoVideoWindow(2001, 30001)"));
    QPointer<TQLiveBroadCastActivity> live = window->liveWindow();
    QVERIFY(live);
    QCOMPARE(live->courseID(), 2001);
    QCOMPARE(live->courseScheduleID(), 30001);
    QCOMPARE(live->startType(), 0);
    QVERIFY(live->isVisible());
    QVERIFY(!window->isVisible());

    // A second class while one runs: only the toast.
    window->gotoVideoWindow(2002, 30002, 1);
    QCOMPARE(window->liveWindow(), live.data());
    QCOMPARE(topLevelWidgetsOf<TQLiveBroadCastActivity>().size(), 1);
    QCOMPARE(toastTexts(), QStringList{QStringLiteral("请先退出进行中课程")});

    live->close();
    QVERIFY(window->isVisible());
    QCOMPARE(window->liveWindow(), nullptr);
    QCOMPARE(window->cacheItemCount(), -1);
    QTRY_VERIFY(live.isNull()); // it deleted itself

    // And the next one opens with its own type.
    window->gotoVideoWindow(2002, 30002, 3);
    QVERIFY(window->liveWindow());
    QCOMPARE(window->liveWindow()->startType(), 3);
    QVERIFY(!window->isVisible());

    // Closing the main window asks the class to close too.
    live = window->liveWindow();
    window->close();
    QTRY_VERIFY(m_window.isNull());
    QTRY_VERIFY(live.isNull());
}

void TestMainWindow::cardButtonOpensOrTellsWhy()
{
    mainWindow *window = openSignedIn();
    QVERIFY(window);
    QTRY_VERIFY(window->quickView()->isExposed());

    // The second card is not open yet.
    QQuickItem *notYet = enterButton(window, 1);
    QVERIFY(notYet);
    QVERIFY(click(window, notYet));
    QCOMPARE(toastTexts(), QStringList{QStringLiteral("还未到开课时间")});
    QCOMPARE(window->liveWindow(), nullptr);

    QQuickItem *open = enterButton(window, 0);
    QVERIFY(open);
    QVERIFY(click(window, open));
    QVERIFY(window->liveWindow());
    QCOMPARE(window->liveWindow()->courseScheduleID(), 30001);
    window->liveWindow()->close();
    QVERIFY(window->isVisible());
}

void TestMainWindow::browserPages_data()
{
    QTest::addColumn<QString>("webHost");
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("url");

    QTest::newRow("create course")
        << "127.0.0.1:8443" << "goToCreateCourse"
        << "https://127.0.0.1:8443/commonweb/management/#/login?mobilePhone=13800000001&t=createCourse";
    QTest::newRow("upload material")
        << "127.0.0.1:8443" << "goToUploadMaterial"
        << "https://127.0.0.1:8443/commonweb/management/#/login?mobilePhone=13800000001&t=uploadMaterial";
    QTest::newRow("management system")
        << "127.0.0.1:8443" << "goToManagerSystem" << "https://127.0.0.1:8443/commonweb/edumanagement/veltro/service/";
    QTest::newRow("host with its own scheme")
        << "http://127.0.0.1:18480" << "goToManagerSystem"
        << "http://127.0.0.1:18480/commonweb/edumanagement/veltro/service/";
}

void TestMainWindow::browserPages()
{
    QFETCH(QString, webHost);
    QFETCH(QString, method);
    QFETCH(QString, url);

    GlobalConfig config;
    config.setValue(QStringLiteral("web_host"), webHost);
    mainWindow *window = openWindow();
    QVERIFY(QMetaObject::invokeMethod(window, method.toLatin1().constData()));
    config.setValue(QStringLiteral("web_host"), m_service.baseUrl());

    QCOMPARE(m_browser.opened.size(), 1);
    QCOMPARE(m_browser.opened.first().toString(), url);
}

void TestMainWindow::closingKeepsFailedSignInCount()
{
    LoginManager::cleanLoginInfo();
    LoginManager::setLoginErrorCount(2);
    mainWindow *window = openWindow();
    Failure wrongPassword(Failure::kOperation, 10030, QStringLiteral("密码错误"));
    window->loginFailure_slot(wrongPassword);
    Failure other(Failure::kOperation, 10001, QStringLiteral("其他"));
    window->loginFailure_slot(other);

    // Closed with the close button: gone, and the count kept.
    QVERIFY(window->close());
    QTRY_VERIFY(m_window.isNull());
    QCOMPARE(LoginManager::getLoginErrorCount(), 3);
    QCOMPARE(KV::get(LoginManager::kLoginErrorCountKey), QStringLiteral("3"));
}

void TestMainWindow::resizeFollowsWindow()
{
    mainWindow *window = openWindow();
    QCOMPARE(window->size(), QSize(mainWindow::kWindowWidth, mainWindow::kWindowHeight));
    QSignalSpy resized(window, &mainWindow::windowResized_signal);
    window->resize(1200, 760);
    QCOMPARE(resized.count(), 1);
    QCOMPARE(resized.first().at(0).toInt(), 1200);
    QTRY_COMPARE(window->quickView()->rootObject()->width(), 1200.0);
    QTRY_COMPARE(window->quickView()->rootObject()->height(), 760.0);
}

void TestMainWindow::signInResumesRecordingUploads()
{
    // A recording left waiting by an earlier class.
    const QString name = QStringLiteral("10001_2001_30001_%1.mp4").arg(currentTimeMillis() - 60000);
    QFile recording(FileUtils::getRecordDir() + QLatin1Char('/') + name);
    QVERIFY(recording.open(QIODevice::WriteOnly));
    recording.write(QByteArray(4096, 'v'));
    recording.close();

    QVERIFY(openSignedIn());
    const QString upload = QStringLiteral("biz_mv/edu/courses/pushCourseScheduleBinaryRecord");
    QTRY_COMPARE(m_service.requestsTo(upload).size(), 1);
    QCOMPARE(UploadParts::textFields(m_service.requestsTo(upload).first()).value("courseScheduleID"),
             QStringLiteral("30001"));
    QTRY_VERIFY(QFile::exists(FileUtils::getRecordCacheDir() + QLatin1Char('/') + name));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
