// The class window's view set-up, with the real window shown offscreen
// in the class harness: the class page in the window's own
// view without a QML warning, the board laid over the page's layers with the
// pen tablet routed to it, the board following a settled resize, and the top
// offset of the board reaching the page's scroll bar and PPT player.
#include "ClassPageFixture.h"

#include "modules/live/broadcast/TQLiveBroadCastContext.h"
#include "modules/live/draws/TQDrawLayout.h"
#include "modules/live/draws/TQDrawManager.h"
#include "modules/live/draws/TQDrawTouchView.h"
#include "modules/login/LoginManager.h"

#include <QSignalSpy>

namespace {

constexpr double kBoardAspect = 1.5769230769230769;

} // namespace

class TestClassWindowView : public QObject
{
    Q_OBJECT

private slots:
    void pageLoadsAndTheBoardIsLaidOver();
    void boardFollowsASettledResize();
    void topOffsetReachesThePage_data();
    void topOffsetReachesThePage();
    void topOffsetBeforeTheBoardChangesNothing();
};

void TestClassWindowView::pageLoadsAndTheBoardIsLaidOver()
{
    ClassPageFixture f;
    // The board is laid over the page once the page has its size.
    QTRY_VERIFY(f.window->getDrawLayout());
    QVERIFY_NO_QML_WARNINGS(f);
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Veltro·教师端"));
    QQuickItem *page = f.page();
    QCOMPARE(page->property("teacher_user_id").toString(), LoginManager::getUserID());
    QVERIFY(!LoginManager::getUserID().isEmpty());
    // The page fills the window.
    QCOMPARE(page->size(), QSizeF(f.window->size()));

    // The board's size is the page's board item's, at 820 : 520 truncated.
    QQuickItem *board = f.quickItem("drawLayout");
    const int width = int(board->width());
    QVERIFY(width > 0);
    QCOMPARE(f.window->boardSize(), QSize(width, int(width / kBoardAspect)));
    QCOMPARE(f.window->getDrawLayout()->boardSize(), f.window->boardSize());
    // The pen tablet now draws on the board, the waiting cover is down, and
    // the course is asked for.
    QCOMPARE(f.window->quickView()->target(), board->findChild<TQDrawTouchView *>(QStringLiteral("touchView0")));
    QVERIFY(!f.quickItem("mTemporalShade0")->isVisible());
    QTRY_COMPARE(f.harness.courseDetailRequests(), 1);
}

void TestClassWindowView::boardFollowsASettledResize()
{
    ClassPageFixture f;
    QTRY_VERIFY(f.window->getDrawLayout());
    f.window->context()->teachingStarted = true;
    f.window->resize(1640, 900);
    QQuickItem *board = f.quickItem("drawLayout");
    QTRY_COMPARE(f.page()->size(), QSizeF(1640, 900));
    QVERIFY(QMetaObject::invokeMethod(f.window, "drawAreaSizeChanged"));
    const int width = int(board->width());
    QCOMPARE(f.window->getDrawLayout()->boardSize(), QSize(width, int(width / kBoardAspect)));
    QCOMPARE(f.window->getDrawLayout()->drawManager()->visibleSize(), f.window->getDrawLayout()->boardSize());
    QVERIFY_NO_QML_WARNINGS(f);
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
    ClassPageFixture f;
    QTRY_VERIFY(f.window->getDrawLayout());
    TQDrawManager *manager = f.window->getDrawLayout()->drawManager();
    QVERIFY(manager->canvasSize().height() > 0);
    QSignalSpy scrollBar(f.window.data(), &TQLiveBroadCastActivity::updateScrollBarPosition_signal);
    QSignalSpy topOffset(f.window.data(), &TQLiveBroadCastActivity::updateTopOffset_signal);

    f.window->handleDrawLayoutTopOffset(y);

    QCOMPARE(scrollBar.size(), 1);
    QCOMPARE(scrollBar.at(0), (QVariantList{y, manager->getMaxContentHeight()}));
    // Canvas units to visible pixels, multiplied before dividing.
    const int visible = int(qint64(y) * manager->visibleSize().height() / manager->canvasSize().height());
    QCOMPARE(topOffset.size(), 1);
    QCOMPARE(topOffset.at(0).at(0).toInt(), visible);
    QCOMPARE(f.quickItem("teacherPPTPlayer")->y(), qreal(-visible));
}

void TestClassWindowView::topOffsetBeforeTheBoardChangesNothing()
{
    // Never shown: the board area has no size, so there is no board yet.
    ClassPageFixture f(false);
    QVERIFY(!f.window->getDrawLayout());
    QSignalSpy scrollBar(f.window.data(), &TQLiveBroadCastActivity::updateScrollBarPosition_signal);
    QSignalSpy topOffset(f.window.data(), &TQLiveBroadCastActivity::updateTopOffset_signal);
    f.window->handleDrawLayoutTopOffset(300);
    QCOMPARE(scrollBar.size(), 0);
    QCOMPARE(topOffset.size(), 0);
    QTest::qWait(100);
    QCOMPARE(f.harness.courseDetailRequests(), 0);
    // Closing it now, before the board ever had a size, sets up no board on
    // the way out (the page resizes as it goes).
}

QTEST_MAIN(TestClassWindowView)
#include "tst_classwindowview.moc"
