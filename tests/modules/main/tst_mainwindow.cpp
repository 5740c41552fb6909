// The main window on the offscreen platform against the stand-in service:
// start-up with and without a stored account, the course cards, opening and
// closing a class, the browser pages and what closing the window keeps.
#include "ServiceFixtures.h"
#include "StandInService.h"
#include "TestClock.h"
#include "TestLogCapture.h"
#include "TopLevelWidgets.h"

#include "base/dialog/CToast.h"
#include "modules/live/broadcast/TQLiveBroadCastActivity.h"
#include "modules/login/LoginManager.h"
#include "modules/main/mainWindow.h"
#include "platform/http/ApiPaths.h"
#include "utils/GlobalConfig.h"
#include "utils/KV.h"
#include "utils/TextMetrics.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPointer>
#include <QQmlContext>
#include <QQmlExpression>
#include <QQuickItem>
#include <QQuickView>
#include <QSignalSpy>
#include <QtTest>

namespace {

// Catches what the window hands to the system browser.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl &url) { urls << url; }
};

QStringList toastTexts()
{
    QStringList texts;
    for (CToast *toast : topLevelWidgetsOf<CToast>()) {
        for (QLabel *label : toast->findChildren<QLabel *>())
            texts << label->text();
    }
    return texts;
}

QQuickItem *item(mainWindow *window, const QString &name)
{
    QQuickItem *root = window->quickView()->rootObject();
    if (!root)
        return nullptr;
    return root->objectName() == name ? root : root->findChild<QQuickItem *>(name);
}

QVariant evaluate(mainWindow *window, const QString &script)
{
    QQmlExpression expression(window->quickView()->rootContext(), window->quickView()->rootObject(), script);
    const QVariant result = expression.evaluate();
    if (expression.hasError())
        qWarning() << expression.error().toString();
    return result;
}

// The number of course cards a repeater of the course page made.
int cards(mainWindow *window, const QString &repeater)
{
    QObject *object = item(window, repeater);
    return object ? object->property("count").toInt() : -1;
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

void click(mainWindow *window, QQuickItem *target)
{
    const QPointF centre = target->mapToScene(QPointF(target->width() / 2, target->height() / 2));
    QTest::mouseClick(window->quickView(), Qt::LeftButton, Qt::NoModifier, centre.toPoint());
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void cardsFromTheListReplies();
    void openAndCloseClass();
    void cardButtonOpensOrTellsWhy();
    void browserPages_data();
    void browserPages();
    void closingKeepsFailedSignInCount();
    void resizeFollowsWindow();

private:
    // A window over the stored state, built and shown as main() does.
    mainWindow *openWindow();
    void feedFixtureLists(mainWindow *window);

    StandInService m_service;
    UrlCatcher m_browser;
    QPointer<mainWindow> m_window;
};

void TestMainWindow::initTestCase()
{
    installFontSubstitutions();
    QVERIFY(m_service.listen());
    GlobalConfig config;
    config.setValue(QStringLiteral("api_host"), m_service.baseUrl());
    config.setValue(QStringLiteral("web_host"), m_service.baseUrl());
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &m_browser, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_browser, "open");
    ServiceFixtures::storeSignedInTeacher(m_service.baseUrl());
}

void TestMainWindow::cleanup()
{
    if (m_window)
        m_window->close();
    QTRY_VERIFY(m_window.isNull());
    qDeleteAll(topLevelWidgetsOf<CToast>());
    qDeleteAll(topLevelWidgetsOf<TQLiveBroadCastActivity>());
    m_browser.urls.clear();
    m_service.clearRequests();
}

mainWindow *TestMainWindow::openWindow()
{
    m_window = new mainWindow();
    m_window->init();
    m_window->show();
    return m_window;
}

void TestMainWindow::feedFixtureLists(mainWindow *window)
{
    QJsonObject week = ServiceFixtures::reply(QStringLiteral("biz_mv/edu/v3/courses/getCourseSchedulesForLecturer.json"),
                                              m_service.baseUrl());
    QJsonObject past = ServiceFixtures::reply(
        QStringLiteral("biz_mv/edu/v3/courses/getCourseSchedulesForLecturer@courseScheduleStatus=20.json"),
        m_service.baseUrl());
    window->handleGetNewCourseListSuccess_slot(week);
    window->handleGetPastCourseListSuccess_slot(past);
}

void TestMainWindow::cardsFromTheListReplies()
{
    mainWindow *window = openWindow();
    QVERIFY(window->quickView()->rootObject());
    QCOMPARE(window->windowTitle(), QStringLiteral("Veltro·教师端"));
    QCOMPARE(window->quickView()->rootContext()->contextProperty("hostName").toString(), m_service.baseUrl());
    QCOMPARE(cards(window, "weekRepeater"), 0);
    QVERIFY(item(window, "noCourses")->isVisible());

    feedFixtureLists(window);
    QCOMPARE(cards(window, "weekRepeater"), 7);
    QCOMPARE(cards(window, "finishedRepeater"), 3);
    QVERIFY(!item(window, "noCourses")->isVisible());
    QVERIFY(!item(window, "noWeekCourses")->isVisible());

    // A reply without the list empties it; the finished ones alone leave the
    // smaller empty note.
    QJsonObject empty{{"statusCode", 0}, {"returnResult", QJsonObject()}};
    window->handleGetNewCourseListSuccess_slot(empty);
    QCOMPARE(cards(window, "weekRepeater"), 0);
    QVERIFY(item(window, "noWeekCourses")->isVisible());
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
    mainWindow *window = openWindow();
    emit window->loginSuccess_signal(ServiceFixtures::signInResult(m_service.baseUrl()));
    feedFixtureLists(window);
    QTRY_VERIFY(window->quickView()->isExposed());
    QVERIFY(!item(window, "loginItem")->isVisible());

    // The second card is not open yet.
    QQuickItem *notYet = enterButton(window, 1);
    QVERIFY(notYet);
    click(window, notYet);
    QCOMPARE(toastTexts(), QStringList{QStringLiteral("还未到开课时间")});
    QCOMPARE(window->liveWindow(), nullptr);

    QQuickItem *open = enterButton(window, 0);
    QVERIFY(open);
    click(window, open);
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

    QCOMPARE(m_browser.urls.size(), 1);
    QCOMPARE(m_browser.urls.first().toString(), url);
}

void TestMainWindow::closingKeepsFailedSignInCount()
{
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
    LoginManager::setLoginErrorCount(0);
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

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
