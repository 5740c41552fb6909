// The top menu of a class window opened through the class harness (stand-in
// service, stand-in SDK): each entry's popover response as the class's
// popover adapter logs it, or the big-class toast; the camera full-screen
// rule; the brush, pointer and eraser each item leaves on the real board;
// the frozen bar clicked in the real page; and a picture of the window with
// the eraser card open under the bar.
#include "ClassHarness.h"
#include "TestLogCapture.h"
#include "TestPictures.h"
#include "ToastTexts.h"
#include "TopLevelWidgets.h"

#include "base/dialog/CMessageBox.h"
#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/TQDataModelBean.h"
#include "modules/live/broadcast/TQLiveBroadCastActivity.h"
#include "modules/live/broadcast/tempView.h"
#include "modules/live/draws/TQDrawManager.h"
#include "modules/live/menu/TQTopMenuObject.h"
#include "modules/login/LoginManager.h"

#include <QLabel>
#include <QQuickItem>
#include <QRegularExpression>
#include <QtTest>

namespace {

// The response codes the popover adapter logged, in order ("code/userId").
QStringList responses(const TestLogCapture &log)
{
    static const QRegularExpression line(QStringLiteral("responseFromPopover code=(\\d+) from userId=(\\d+)"));
    QStringList codes;
    for (const QString &message : log.messages()) {
        const QRegularExpressionMatch m = line.match(message);
        if (m.hasMatch())
            codes << m.captured(1) + QLatin1Char('/') + m.captured(2);
    }
    return codes;
}

// The process-wide course, as the tests want it; deleted by whoever sets
// the next one (this fixture or the window's own course handling).
void setCourse(CourseDetailBean *course)
{
    delete TQDataModelBean::m_pOngoingCourse;
    TQDataModelBean::m_pOngoingCourse = course;
}

// Repeater delegates are visual children only.
QQuickItem *visualChild(QQuickItem *under, const QString &name)
{
    for (QQuickItem *child : under->childItems()) {
        if (child->objectName() == name)
            return child;
        if (QQuickItem *found = visualChild(child, name))
            return found;
    }
    return nullptr;
}

void clickItem(QQuickView *view, QQuickItem *item)
{
    const QPoint centre = item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint();
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, centre);
}

} // namespace

class TestTopMenu : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void menuEntries_data();
    void menuEntries();
    void cameraFullScreen_data();
    void cameraFullScreen();
    void brushOfMenuItems_data();
    void brushOfMenuItems();
    void frozenMenuIgnoresAllButExit();
    void pictureWithTheEraserCardOpen();
};

void TestTopMenu::cleanup()
{
    setCourse(nullptr);
}

void TestTopMenu::menuEntries_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QVariant>("argument");
    QTest::addColumn<bool>("bigClass");
    // "" when the entry sends nothing.
    QTest::addColumn<QString>("response");
    QTest::addColumn<bool>("toast");

    const struct {
        const char *entry;
        int code;
    } guarded[] = {{"randomSelectClicked", 15},     {"choiceQuestionClicked", 20},
                   {"pictureTheAnswerClicked", 14}, {"multiChoiceQuestionClicked", 13},
                   {"countDownClicked", 21},        {"competitiveAnswer", 23}};
    for (const auto &g : guarded) {
        QTest::addRow("%s", g.entry) << g.entry << QVariant() << false << QString::number(g.code) + "/0" << false;
        QTest::addRow("%s big class", g.entry) << g.entry << QVariant() << true << QString() << true;
    }
    // No guard: the same response in a big class.
    QTest::newRow("sign in, big class") << "signInClick" << QVariant() << true << "22/0" << false;
    QTest::newRow("baffle, big class") << "barrierClicked" << QVariant() << true << "19/0" << false;
    // Free talk on switches to muted, and back.
    QTest::newRow("mute") << "freeTalkSwitchButtonClicked" << QVariant(true) << false << "61/0" << false;
    QTest::newRow("free talk") << "freeTalkSwitchButtonClicked" << QVariant(false) << false << "60/0" << false;
}

void TestTopMenu::menuEntries()
{
    QFETCH(QString, entry);
    QFETCH(QVariant, argument);
    QFETCH(bool, bigClass);
    QFETCH(QString, response);
    QFETCH(bool, toast);

    ClassHarness harness;
    // Never shown: no board, so no course detail replaces the course below.
    TQLiveBroadCastActivity *window = harness.open(TQLiveBroadCastActivity::kLiveClass, QSize(), false);
    auto *course = new CourseDetailBean(harness.fixtureCourseDetail());
    course->price_type = bigClass ? 3 : 0;
    setCourse(course);

    TestLogCapture log;
    QObject *menu = window->getTopMenuObject();
    const QByteArray name = entry.toLatin1();
    const bool called = argument.isValid()
                            ? QMetaObject::invokeMethod(menu, name.constData(), Q_ARG(bool, argument.toBool()))
                            : QMetaObject::invokeMethod(menu, name.constData());
    QVERIFY(called);

    QCOMPARE(responses(log), response.isEmpty() ? QStringList() : QStringList{response});
    QCOMPARE(toastTextsOf(window),
             toast ? QStringList{QStringLiteral("当前大班课不支持答题互动")} : QStringList());
}

void TestTopMenu::cameraFullScreen_data()
{
    QTest::addColumn<int>("priceType");
    QTest::addColumn<int>("viewMode");
    QTest::addColumn<int>("teacherOnStage");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("dialog");

    QTest::newRow("normal view") << 0 << 0 << 1 << QStringList{"46/0"} << QString();
    QTest::newRow("sharing the screen") << 0 << 2 << 0 << QStringList{"46/0"} << QString();
    QTest::newRow("full screen, off stage") << 0 << 1 << 0 << QStringList{"47/0"} << QString();
    // On stage the teacher also leaves the stage, under her own id.
    QTest::newRow("full screen, on stage") << 0 << 1 << 1 << QStringList{"47/0", "12/<teacher>"} << QString();
    QTest::newRow("speed mode") << 1 << 0 << 0 << QStringList() << QStringLiteral("极速模式下，无法使用摄像头");
}

void TestTopMenu::cameraFullScreen()
{
    QFETCH(int, priceType);
    QFETCH(int, viewMode);
    QFETCH(int, teacherOnStage);
    QFETCH(QStringList, expected);
    QFETCH(QString, dialog);

    ClassHarness harness;
    TQLiveBroadCastActivity *window = harness.open(TQLiveBroadCastActivity::kLiveClass, QSize(), false);
    TestLogCapture log;
    // Without a course the button does nothing.
    window->getTopMenuObject()->fullScreenVideoButtonClicked();
    QVERIFY(responses(log).isEmpty());

    auto *course = new CourseDetailBean(harness.fixtureCourseDetail());
    course->price_type = priceType;
    course->mTeacherViewMode = viewMode;
    course->mTeacherOnStage = teacherOnStage;
    setCourse(course);
    window->getTopMenuObject()->fullScreenVideoButtonClicked();

    expected.replaceInStrings(QStringLiteral("<teacher>"), LoginManager::getUserID());
    QVERIFY(!LoginManager::getUserID().isEmpty());
    QCOMPARE(responses(log), expected);
    QStringList boxes;
    for (CMessageBox *box : topLevelWidgetsOf<CMessageBox>()) {
        if (auto *text = box->findChild<QLabel *>(QStringLiteral("textLabel")))
            boxes << text->text();
        box->close();
    }
    QCOMPARE(boxes, dialog.isEmpty() ? QStringList() : QStringList{dialog});
}

void TestTopMenu::brushOfMenuItems_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("argument");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("colour");
    QTest::addColumn<int>("width");

    // Pointers: kind 7 with the pointer style as colour; the width stays.
    QTest::newRow("arrow 1") << "cursorIconClicked" << 1 << 7 << 114 << 3;
    QTest::newRow("arrow 2") << "cursorIconClicked" << 2 << 7 << 112 << 3;
    QTest::newRow("arrow 3") << "cursorIconClicked" << 3 << 7 << 113 << 3;
    QTest::newRow("arrow 4") << "cursorIconClicked" << 4 << 7 << 115 << 3;
    QTest::newRow("arrow 7") << "cursorIconClicked" << 7 << 7 << 112 << 3;
    // Pens: black, width 3; an index the menu has not is the hard pen.
    QTest::newRow("hard pen") << "penIconClicked" << 1 << 1 << 101 << 3;
    QTest::newRow("fountain pen") << "penIconClicked" << 2 << 2 << 101 << 3;
    QTest::newRow("highlighter index") << "penIconClicked" << 8 << 1 << 101 << 3;
    // Eraser card: large, middle, small; anything else is large.
    QTest::newRow("eraser large") << "eraseMenuClicked" << 1 << 1 << 100 << 41;
    QTest::newRow("eraser middle") << "eraseMenuClicked" << 2 << 1 << 100 << 82;
    QTest::newRow("eraser small") << "eraseMenuClicked" << 3 << 1 << 100 << 123;
    QTest::newRow("eraser 0") << "eraseMenuClicked" << 0 << 1 << 100 << 41;
    QTest::newRow("eraser icon") << "eraseIconClicked" << -1 << 1 << 100 << 82;
}

void TestTopMenu::brushOfMenuItems()
{
    QFETCH(QString, entry);
    QFETCH(int, argument);
    QFETCH(int, type);
    QFETCH(int, colour);
    QFETCH(int, width);

    ClassHarness harness;
    TQLiveBroadCastActivity *window = harness.open(TQLiveBroadCastActivity::kLiveClass, QSize(1350, 800));
    QTRY_VERIFY(window->drawManager());
    TQDrawManager *manager = window->drawManager();
    manager->setBrush(TQBrushStyle(1, 101, 3, 0));

    QObject *menu = window->getTopMenuObject();
    const QByteArray name = entry.toLatin1();
    QVERIFY(argument < 0 ? QMetaObject::invokeMethod(menu, name.constData())
                         : QMetaObject::invokeMethod(menu, name.constData(), Q_ARG(int, argument)));
    QCOMPARE(manager->brush().type, type);
    QCOMPARE(manager->brush().colour, colour);
    QCOMPARE(manager->brush().width, width);
    // A pointer leaves typing.
    if (entry == QLatin1String("cursorIconClicked"))
        QCOMPARE(window->cursorMode(), 0);
}

void TestTopMenu::frozenMenuIgnoresAllButExit()
{
    ClassHarness harness;
    TQLiveBroadCastActivity *window = harness.open(TQLiveBroadCastActivity::kLiveClass, QSize(1350, 800));
    QQuickView *view = window->quickView();
    QVERIFY(QTest::qWaitForWindowExposed(view));
    QQuickItem *page = view->rootObject();
    QQuickItem *signIn = page->findChild<QQuickItem *>(QStringLiteral("signInItem"));
    QQuickItem *exit = page->findChild<QQuickItem *>(QStringLiteral("exitClassButton"));
    QVERIFY(signIn && exit);

    TestLogCapture log;
    clickItem(view, signIn);
    QTRY_COMPARE(responses(log), QStringList{"22/0"});

    window->getTopMenuObject()->setFrozen(true);
    QVERIFY(window->getTopMenuObject()->isFrozen());
    QCOMPARE(page->findChild<QObject *>(QStringLiteral("topMenuItem"))->property("isForzen").toBool(), true);
    log.clear();
    for (const char *name : {"signInItem", "choiceQuestionItem", "barrierItem", "freeTalkItem", "eraserItem",
                             "cameraFullScreenButton"}) {
        QQuickItem *item = page->findChild<QQuickItem *>(QLatin1String(name));
        QVERIFY2(item, name);
        clickItem(view, item);
    }
    QTest::qWait(100);
    QVERIFY(responses(log).isEmpty());
    QVERIFY(!page->findChild<QQuickItem *>(QStringLiteral("hoverPanelManager"))->isVisible());

    // Leaving the class still works.
    QPointer<TQLiveBroadCastActivity> guard(window);
    clickItem(view, exit);
    QTRY_VERIFY(guard.isNull());
}

void TestTopMenu::pictureWithTheEraserCardOpen()
{
    ClassHarness harness;
    TQLiveBroadCastActivity *window = harness.open(TQLiveBroadCastActivity::kLiveClass, QSize(1350, 800));
    QTRY_VERIFY(window->drawManager());
    QQuickView *view = window->quickView();
    QVERIFY(QTest::qWaitForWindowExposed(view));
    QTest::qWait(TQLiveBroadCastActivity::kResizeSettleMs * 2);
    QQuickItem *page = view->rootObject();
    QQuickItem *eraser = page->findChild<QQuickItem *>(QStringLiteral("eraserItem"));
    QQuickItem *card = page->findChild<QQuickItem *>(QStringLiteral("eraserMenu"));
    QObject *bar = page->findChild<QObject *>(QStringLiteral("topMenuItem"));
    QVERIFY(eraser && card && bar);

    clickItem(view, eraser);
    QTRY_VERIFY(card->isVisible());
    QCOMPARE(bar->property("focusItemTag").toString(), QStringLiteral("eraser"));
    QCOMPARE(window->drawManager()->brush().width, 82);
    // The card hangs under the item, centred on it.
    const QRectF item = eraser->mapRectToScene(QRectF(0, 0, eraser->width(), eraser->height()));
    const QRectF placed = card->mapRectToScene(QRectF(0, 0, card->width(), card->height()));
    QVERIFY(qAbs(placed.top() - item.bottom()) <= 1);
    QVERIFY(qAbs(placed.center().x() - item.center().x()) <= 1);

    const QImage picture = grabQuickView(view);
    QVERIFY(!saveTestPicture(picture, QStringLiteral("classwindow_topmenu")).isEmpty());
    // The white card over the board area below the bar.
    const QPoint inCard = placed.center().toPoint() + QPoint(0, int(placed.height() / 2) - 6);
    QCOMPARE(picture.pixelColor(inCard), QColor(Qt::white));

    // "小": the card closes, the eraser stays the tool, smallest width.
    QQuickItem *small = visualChild(card, QStringLiteral("eraserSize3"));
    QVERIFY(small);
    clickItem(view, small);
    QTRY_VERIFY(!card->isVisible());
    QCOMPARE(window->drawManager()->brush().width, 123);
    QCOMPARE(bar->property("focusItemTag").toString(), QStringLiteral("eraser"));
    QVERIFY(!page->findChild<QQuickItem *>(QStringLiteral("hoverPanelManager"))->isVisible());
}

QTEST_MAIN(TestTopMenu)
#include "tst_topmenu.moc"
