// The class window's view set-up, with the real window shown offscreen
// against the local stand-in service: the class page in the window's own
// view without a QML warning, the board laid over the page's layers with the
// pen tablet routed to it, the board following a settled resize, and the top
// offset of the board reaching the page's scroll bar and PPT player.
#include "StandInService.h"
#include "TestLogCapture.h"

#include "modules/live/broadcast/TQLiveBroadCastActivity.h"
#include "modules/live/broadcast/TQLiveBroadCastContext.h"
#include "modules/live/broadcast/tempView.h"
#include "modules/live/draws/TQDrawLayout.h"
#include "modules/live/draws/TQDrawManager.h"
#include "modules/live/draws/TQDrawTouchView.h"
#include "modules/login/LoginManager.h"
#include "platform/http/ApiPaths.h"
#include "QmlTypes.h"
#include "utils/GlobalConfig.h"

#include <QPointer>
#include <QQuickItem>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

constexpr int kCourse = 700;
constexpr int kSchedule = 9001;

// The QML engine's warnings among the console lines.
QStringList qmlWarnings(const TestLogCapture &log)
{
    QStringList out;
    const QStringList messages = log.messages();
    const QList<QtMsgType> types = log.types();
    for (int i = 0; i < messages.size(); ++i)
        if (types.at(i) != QtDebugMsg && types.at(i) != QtInfoMsg && messages.at(i).contains(QLatin1String(".qml")))
            out << messages.at(i);
    return out;
}

} // namespace

class TestClassWindowView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void pageLoadsAndTheBoardIsLaidOver();
    void boardFollowsASettledResize();
    void topOffsetReachesThePage_data();
    void topOffsetReachesThePage();

private:
    QQuickItem *pageItem(const char *name) const
    {
        return m_window->quickView()->rootObject()->findChild<QQuickItem *>(QLatin1String(name));
    }

    StandInService m_service;
    std::unique_ptr<TestLogCapture> m_log;
    TQLiveBroadCastActivity *m_window = nullptr;
};

void TestClassWindowView::initTestCase()
{
    registerQmlTypes();
    QVERIFY(m_service.listen());
    GlobalConfig().setValue(QStringLiteral("api_host"), m_service.baseUrl());
    LoginManager::saveLoginInfo(QJsonObject{{"tokenStatus", QJsonObject{{"token", "tk"}}},
                                            {"accountDetails", QJsonObject{{"user_id", "10001"}}}});
}

void TestClassWindowView::init()
{
    m_log = std::make_unique<TestLogCapture>();
    m_window = new TQLiveBroadCastActivity(kCourse, kSchedule);
    m_window->start(TQLiveBroadCastActivity::kLiveClass);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    // The board is laid over the page once the page has its size.
    QTRY_VERIFY(m_window->getDrawLayout());
}

void TestClassWindowView::cleanup()
{
    QPointer<TQLiveBroadCastActivity> window = m_window;
    m_window->close();
    QTRY_VERIFY(!window);
    m_log.reset();
    m_service.clearRequests();
}

void TestClassWindowView::pageLoadsAndTheBoardIsLaidOver()
{
    QCOMPARE(qmlWarnings(*m_log), QStringList());
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Veltro·教师端"));
    QQuickItem *page = m_window->quickView()->rootObject();
    QCOMPARE(page->property("teacher_user_id").toString(), QStringLiteral("10001"));
    // The page fills the window.
    QCOMPARE(page->size(), QSizeF(m_window->size()));

    // The board's size is the page's board item's, at 820 : 520 truncated.
    QQuickItem *board = pageItem("drawLayout");
    const int width = int(board->width());
    QVERIFY(width > 0);
    QCOMPARE(m_window->boardSize(), QSize(width, int(width / 1.5769230769230769)));
    QCOMPARE(m_window->getDrawLayout()->boardSize(), m_window->boardSize());
    // The pen tablet now draws on the board, the waiting cover is down, and
    // the course is asked for.
    QCOMPARE(m_window->quickView()->target(), board->findChild<TQDrawTouchView *>(QStringLiteral("touchView0")));
    QVERIFY(!pageItem("mTemporalShade0")->isVisible());
    QVERIFY(m_service.waitForRequests(1));
    QCOMPARE(m_service.requestsTo(ApiPaths::kGetCourseScheduleDetailForLecturer).size(), 1);
}

void TestClassWindowView::boardFollowsASettledResize()
{
    m_window->context()->teachingStarted = true;
    m_window->resize(1640, 900);
    QQuickItem *board = pageItem("drawLayout");
    QTRY_COMPARE(m_window->quickView()->rootObject()->size(), QSizeF(1640, 900));
    QVERIFY(QMetaObject::invokeMethod(m_window, "drawAreaSizeChanged"));
    const int width = int(board->width());
    QCOMPARE(m_window->getDrawLayout()->boardSize(), QSize(width, int(width / 1.5769230769230769)));
    QCOMPARE(m_window->getDrawLayout()->drawManager()->visibleSize(), m_window->getDrawLayout()->boardSize());
    QCOMPARE(qmlWarnings(*m_log), QStringList());
}

void TestClassWindowView::topOffsetReachesThePage_data()
{
    QTest::addColumn<int>("y");
    QTest::newRow("top") << 0;
    QTest::newRow("scrolled") << 1234;
    QTest::newRow("far down") << 20000;
}

void TestClassWindowView::topOffsetReachesThePage()
{
    QFETCH(int, y);
    TQDrawManager *manager = m_window->getDrawLayout()->drawManager();
    QVERIFY(manager->canvasSize().height() > 0);
    QSignalSpy scrollBar(m_window, &TQLiveBroadCastActivity::updateScrollBarPosition_signal);
    QSignalSpy topOffset(m_window, &TQLiveBroadCastActivity::updateTopOffset_signal);

    m_window->handleDrawLayoutTopOffset(y);

    QCOMPARE(scrollBar.size(), 1);
    QCOMPARE(scrollBar.at(0), (QVariantList{y, manager->getMaxContentHeight()}));
    // Canvas units to visible pixels, multiplied before dividing.
    const int visible = int(qint64(y) * manager->visibleSize().height() / manager->canvasSize().height());
    QCOMPARE(topOffset.size(), 1);
    QCOMPARE(topOffset.at(0).at(0).toInt(), visible);
    QCOMPARE(pageItem("teacherPPTPlayer")->y(), qreal(-visible));
}

QTEST_MAIN(TestClassWindowView)
#include "tst_classwindowview.moc"
