// The class page (qrc:/Qml/activity_live_class.qml) in a real class window
// shown offscreen: that it loads without a QML warning, the waiting text's
// one-second count, the board's 820 : 520 fit in its area, the teacher's
// gestures and the page's reactions to the window's signals, read back from
// the page's items and the window's log.
#include "ClassPageFixture.h"

#include <QtTest>

namespace {

qreal prop(QObject *item, const char *name)
{
    return item->property(name).toReal();
}

} // namespace

class TestClassPage : public QObject
{
    Q_OBJECT

private slots:
    void loadsWithoutWarnings();
    void waitingTextCountsSeconds();
    void boardFitsItsArea_data();
    void boardFitsItsArea();
    void pageAndScrollFollowTheBoard();
    void gesturesReachTheWindow();
    void screenShareHidesTheTools();
    void assistantNail();
    void bannerToastAndCourseFlags();
    void userInfoAndRecording();
};

void TestClassPage::loadsWithoutWarnings()
{
    ClassPageFixture f;
    QVERIFY(f.exposed);
    QVERIFY_NO_QML_WARNINGS(f);
    // Every item the window looks for is there.
    for (const char *name : {"drawLayout", "shareScreenShadow", "drawArea", "userListLayout", "videoPreview",
                             "topMenuItem", "drawAreaText", "onsiteHomeWork"})
        QVERIFY2(f.item(name), name);
    // The size unit is measured from the page's own small text.
    QVERIFY(prop(f.page(), "normalTextHeight") > 0);
    QVERIFY(prop(f.page(), "normalTextHeight") != 12);
}

void TestClassPage::waitingTextCountsSeconds()
{
    ClassPageFixture f(true, 4000);
    QObject *text = f.item("drawAreaText");
    // Counted at once when the page completes, then every second.
    QCOMPARE(text->property("text").toString(), QStringLiteral("初始化中(1s)"));
    QTRY_COMPARE_WITH_TIMEOUT(text->property("text").toString(), QStringLiteral("初始化中(2s)"), 1500);

    f.emitSignal("courseDetailInitDonw_signal");
    QVERIFY(!text->property("visible").toBool());
    QVERIFY(f.item("pageControl")->property("visible").toBool());
    QTest::qWait(1100);
    QCOMPARE(text->property("text").toString(), QStringLiteral("初始化中(2s)"));
    QVERIFY_NO_QML_WARNINGS(f);
}

void TestClassPage::boardFitsItsArea_data()
{
    QTest::addColumn<int>("areaWidth");
    QTest::addColumn<int>("areaHeight");
    QTest::addColumn<int>("boardWidth");
    QTest::addColumn<int>("boardHeight");

    QTest::newRow("wide area: height-limited") << 1640 << 800 << 1261 << 800;
    QTest::newRow("tall area: width-limited") << 820 << 1000 << 820 << 520;
    QTest::newRow("exact fit") << 820 << 520 << 820 << 520;
    QTest::newRow("one pixel too narrow") << 819 << 520 << 819 << 519;
    QTest::newRow("empty area") << 0 << 0 << 0 << 0;
}

void TestClassPage::boardFitsItsArea()
{
    QFETCH(int, areaWidth);
    QFETCH(int, areaHeight);
    QFETCH(int, boardWidth);
    QFETCH(int, boardHeight);

    ClassPageFixture f;
    QQuickItem *area = f.quickItem("drawArea");
    QQuickItem *board = f.quickItem("drawLayout");
    area->setSize(QSizeF(areaWidth, areaHeight));

    QCOMPARE(int(board->width()), boardWidth);
    QCOMPARE(int(board->height()), boardHeight);
    // Centred in the area, to the pixel the anchors round to.
    QVERIFY(qAbs(board->x() * 2 + board->width() - areaWidth) <= 1);
    QVERIFY(qAbs(board->y() * 2 + board->height() - areaHeight) <= 1);
}

void TestClassPage::pageAndScrollFollowTheBoard()
{
    ClassPageFixture f;
    QObject *pageControl = f.item("pageControl");
    // The assistant knows no page count for the material: the signal's holds.
    f.emitSignal("pageChange", Q_ARG(int, 501), Q_ARG(int, 2), Q_ARG(int, 7));
    QCOMPARE(pageControl->property("pageIndex").toInt(), 3);
    QCOMPARE(pageControl->property("pageCount").toInt(), 7);
    QCOMPARE(f.item("pageText")->property("text").toString(), QStringLiteral("3/7"));

    QQuickItem *scroll = f.quickItem("liveScroll");
    QQuickItem *thumb = scroll->childItems().last();
    scroll->setHeight(400);
    f.emitSignal("updateScrollBarPosition_signal", Q_ARG(int, 230), Q_ARG(int, 920));
    QCOMPARE(thumb->y(), 100.0);
    // Nothing to scroll: the thumb goes home rather than dividing by zero.
    f.emitSignal("updateScrollBarPosition_signal", Q_ARG(int, 230), Q_ARG(int, 0));
    QCOMPARE(thumb->y(), 0.0);

    f.emitSignal("updateTopOffset_signal", Q_ARG(int, 120));
    QCOMPARE(prop(f.item("teacherPPTPlayer"), "y"), -120.0);
    QVERIFY_NO_QML_WARNINGS(f);
}

void TestClassPage::gesturesReachTheWindow()
{
    ClassPageFixture f;
    const qreal unit = prop(f.page(), "normalTextHeight");
    QQuickItem *userList = f.quickItem("userListLayout");
    const QString boardCheck = QStringLiteral("check drawing layout");
    f.settle();
    const int before = f.consoleCount(boardCheck);

    // The handle drags the student list's edge, within 10 to 30 text heights,
    // and the board takes the rest when it is let go.
    QQuickItem *handle = f.quickItem("dragHandle");
    QCOMPARE(handle->x(), 16 * unit);
    f.drag(handle, QPoint(int(4 * unit), 0));
    // (less the drag threshold)
    QVERIFY(handle->x() > 17 * unit);
    QCOMPARE(userList->width(), handle->x());
    QCOMPARE(f.consoleCount(boardCheck), before + 1);
    f.drag(handle, QPoint(int(40 * unit), 0));
    QCOMPARE(handle->x(), 30 * unit);
    QCOMPARE(userList->width(), 30 * unit);
    QCOMPARE(f.consoleCount(boardCheck), before + 2);
    QVERIFY_NO_QML_WARNINGS(f);
}

void TestClassPage::screenShareHidesTheTools()
{
    ClassPageFixture f;
    QQuickItem *userList = f.quickItem("userListLayout");
    QQuickItem *topMenu = f.quickItem("topMenuItem");
    const qreal belowMenu = topMenu->y() + topMenu->height();
    QCOMPARE(userList->y(), belowMenu);

    f.emitSignal("switchScreenShareUI", Q_ARG(bool, true));
    QCOMPARE(userList->y(), 0.0);
    for (const char *name : {"topMenuItem", "teachingAssistant", "drawArea", "nailButton", "dragHandle"})
        QVERIFY2(!f.item(name)->property("visible").toBool(), name);

    f.emitSignal("switchScreenShareUI", Q_ARG(bool, false));
    QCOMPARE(userList->y(), belowMenu);
    for (const char *name : {"topMenuItem", "teachingAssistant", "drawArea", "nailButton", "dragHandle"})
        QVERIFY2(f.item(name)->property("visible").toBool(), name);
}

void TestClassPage::assistantNail()
{
    ClassPageFixture f;
    QQuickItem *assistant = f.quickItem("teachingAssistant");
    QQuickItem *nail = f.quickItem("nailButton");
    const qreal unit = prop(f.page(), "normalTextHeight");
    QTRY_COMPARE(assistant->width(), 24 * unit);
    // The nail leans against the assistant's left edge.
    QCOMPARE(nail->x() + nail->width(), assistant->x());

    // A message came while the assistant was closed: the dot shows.
    f.emitSignal("disableAssistant_signal", Q_ARG(bool, true));
    QTRY_COMPARE(assistant->width(), 0.0);
    QVERIFY(!nail->isEnabled());
    assistant->setProperty("hasNewMessage", true);
    QVERIFY(f.item("newMessageDot")->property("visible").toBool());

    f.emitSignal("disableAssistant_signal", Q_ARG(bool, false));
    QVERIFY(nail->isEnabled());
    f.settle();
    const int before = f.consoleCount(QStringLiteral("check drawing layout"));
    f.click(nail);
    QVERIFY(!f.item("newMessageDot")->property("visible").toBool());
    QTRY_COMPARE(assistant->width(), 24 * unit);
    // Once open, the board is told to take the width it lost.
    QTRY_COMPARE(f.consoleCount(QStringLiteral("check drawing layout")), before + 1);
    QVERIFY(nail->isVisible());
    QVERIFY_NO_QML_WARNINGS(f);
}

void TestClassPage::bannerToastAndCourseFlags()
{
    ClassPageFixture f;
    QQuickItem *banner = f.quickItem("offlineBanner");
    QQuickItem *topMenu = f.quickItem("topMenuItem");
    QVERIFY(!banner->isVisible());
    QCOMPARE(topMenu->y(), 1.0);

    f.emitSignal("updateOfflineCourse_signal", Q_ARG(bool, true));
    QVERIFY(banner->isVisible());
    QCOMPARE(banner->height(), topMenu->height() * 0.2);
    QCOMPARE(topMenu->y(), banner->height());
    QCOMPARE(f.quickItem("teachingAssistant")->y(), banner->height());

    f.emitSignal("toast", Q_ARG(QString, QStringLiteral("请先退出进行中课程")));
    QCOMPARE(f.item("toastItem")->property("text").toString(), QStringLiteral("请先退出进行中课程"));

    f.emitSignal("setCourseType_signal", Q_ARG(bool, true), Q_ARG(bool, false), Q_ARG(bool, true));
    QCOMPARE(f.page()->property("isLowPriceCourse").toBool(), true);
    QCOMPARE(f.page()->property("isOrgCourse").toBool(), false);
    QCOMPARE(f.page()->property("isWxClassCourse").toBool(), true);
    QCOMPARE(f.consoleCount(QStringLiteral("set course type true false true")), 1);
    QVERIFY_NO_QML_WARNINGS(f);
}

void TestClassPage::userInfoAndRecording()
{
    ClassPageFixture f;
    QObject *userList = f.item("userListLayout");
    const QJsonObject student{{"userID", "20002"}, {"userName", "小明"}};
    f.emitSignal("updateUserInfo_signal", Q_ARG(QJsonObject, student));
    // A later record of the same student does not replace the first.
    const QJsonObject again{{"userID", "20002"}, {"userName", "x"}};
    f.emitSignal("updateUserInfo_signal", Q_ARG(QJsonObject, again));
    const QVariantMap users = userList->property("userMap").toMap();
    QCOMPARE(users.value("20002").toMap().value("userName").toString(), QStringLiteral("小明"));

    f.emitSignal("recordVideoRecordState_signal", Q_ARG(bool, true));
    f.emitSignal("recordVideoTimeUpdate_signal", Q_ARG(int, 75));
    QCOMPARE(f.item("topMenuItem")->property("isRecording").toBool(), true);
    QCOMPARE(f.item("topMenuItem")->property("recordTimeSec").toInt(), 75);
    QCOMPARE(userList->property("isNowRecording").toBool(), true);

    f.emitSignal("resize_signal", Q_ARG(int, 1200), Q_ARG(int, 700), Q_ARG(bool, true));
    QCOMPARE(f.page()->size(), QSizeF(1200, 700));
    QVERIFY_NO_QML_WARNINGS(f);
}

QTEST_MAIN(TestClassPage)
#include "tst_classpage.moc"
