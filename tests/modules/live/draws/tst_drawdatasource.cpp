// The live draw data source over an in-memory current course: what it reads
// and writes on the current page, how it compares and merges background
// elements, that elements and paths handed to the page outlive the page's
// lists while undo snapshots hold them, and what it forwards to the fake
// class services (real-time send, downloads, transporter, window, draw
// manager) and to the real toast and photo layout.
#include "DrawSourceFixture.h"
#include "TestLogCapture.h"
#include "TopLevelWidgets.h"

#include "actions/drawing/TQDrawingActionLine.h"
#include "base/dialog/CToast.h"
#include "modules/live/draws/TQBoardSize.h"
#include "modules/live/draws/TQPath.h"
#include "modules/live/draws/TQPreSendingImage.h"
#include "modules/login/LoginManager.h"

#include <QLabel>
#include <QtTest>

namespace {

// "7:a.png,8:" -> elements tagged 7 (url "a.png") and 8 (no url), owned by the caller.
QList<TQDrawingElement *> elements(const QString &written)
{
    QList<TQDrawingElement *> list;
    for (const QString &item : written.split(',', Qt::SkipEmptyParts)) {
        const QStringList parts = item.split(':');
        list << element(parts.at(0).toInt(), parts.value(1));
    }
    return list;
}

QStringList urls(const QList<TQDrawingElement *> &list)
{
    QStringList out;
    for (const TQDrawingElement *e : list)
        out << e->url;
    return out;
}

} // namespace

class TestDrawDataSource : public QObject
{
    Q_OBJECT

private slots:
    void init() { setBoardSize(1000, 640); }
    void withoutCourse();
    void pageState();
    void pagesAndMaterials();
    void drawingHistory();
    void backgroundElementsDiffer_data();
    void backgroundElementsDiffer();
    void mergeBackgroundElementUrls_data();
    void mergeBackgroundElementUrls();
    void nullBackgroundElement();
    void snapshotsKeepTheirElements();
    void restoredPathsBelongToThePage();
    void foregroundElements();
    void forwardsToServices();
    void sendWithoutRealTimeManager();
    void prepareTurnPage_data();
    void prepareTurnPage();
    void toastShowsTextForItsTime();
    void takePictureShowsOwnPhoto();
};

void TestDrawDataSource::withoutCourse()
{
    TestLogCapture log;
    TQBroadCastDrawDataSourceInterface source;
    QCOMPARE(source.getDrawingActionCount(), 0);
    QCOMPARE(source.getPageCount(), 0);
    QCOMPARE(source.getPageTopOffset(), 0);
    QCOMPARE(source.getPageCanvasSize(), QSize(0, 0));
    QVERIFY(source.getPagePaths()->isEmpty());
    QCOMPARE(source.getPageExtraState(), nullptr);
    QCOMPARE(source.createPreSendingImage(0), nullptr);
    QCOMPARE(source.getDrawingActionAt(0), nullptr);
    QVERIFY(!source.isFirstMaterialReady());
    QVERIFY(!source.changeOngoingMaterial(501));
    QVERIFY(source.reservoirBackgroundElements()->isEmpty());
    QVERIFY(source.reservoirForegroundElements()->isEmpty());
    QVERIFY(log.messages().filter("error reservoir for").size() == 2);

    // Writes do nothing; the element is not taken (the test frees it).
    std::unique_ptr<TQDrawingElement> e(element(1));
    source.addToReservoirBackgroundElements(e.get());
    source.setBackgroundElements({e.get()});
    source.setPageTopOffset(30);
    QVERIFY(source.reservoirBackgroundElements()->isEmpty());
}

void TestDrawDataSource::pageState()
{
    CourseInMemory course;
    TQBroadCastDrawDataSourceInterface source;
    source.setPageTopOffset(120);
    source.setPageCanvasSize(800, 500);
    QCOMPARE(source.getPageTopOffset(), 120);
    QCOMPARE(source.getPageCanvasSize(), QSize(800, 500));
    QCOMPARE(source.getPageExtraState(), &course.page()->mPageState);

    // Every call reads the course anew: another page, another state.
    source.changeOngoingPage(2);
    QCOMPARE(course.material()->mOngoingPageIndex, 2);
    QCOMPARE(source.getPageTopOffset(), 0);
    source.changeOngoingPage(3); // no such page
    QCOMPARE(course.material()->mOngoingPageIndex, 2);

    TestLogCapture log;
    course.material()->m_pOngoingPage = nullptr;
    QVERIFY(source.reservoirBackgroundElements()->isEmpty());
    QVERIFY(log.messages().filter("error onGoingSingleMaterial").size() == 1);
}

void TestDrawDataSource::pagesAndMaterials()
{
    CourseInMemory course;
    TQBroadCastDrawDataSourceInterface source;
    QCOMPARE(source.getPageCount(), 3);
    QVERIFY(source.isMaterialDetailLoaded(501));
    QVERIFY(!source.isMaterialDetailLoaded(502)); // still the placeholder
    QVERIFY(!source.isMaterialDetailLoaded(503));
    QVERIFY(source.isFirstMaterialReady());

    std::unique_ptr<TQPreSendingImage> image(source.createPreSendingImage(1));
    QVERIFY(image);
    QCOMPARE(image->url, std::string("http://127.0.0.1/course/page2.png"));
    QCOMPARE(source.createPreSendingImage(3), nullptr);

    QVERIFY(source.changeOngoingMaterial(502));
    QCOMPARE(source.getPageCount(), 5);
}

void TestDrawDataSource::drawingHistory()
{
    CourseInMemory course;
    TQBroadCastDrawDataSourceInterface source;
    course.course->addDrawingAction(new TQDrawingActionLine, -1);
    course.course->addDrawingAction(new TQDrawingActionLine, -1);
    QCOMPARE(source.getDrawingActionCount(), 2);
    QVERIFY(source.getDrawingActionAt(1));
    QCOMPARE(source.getDrawingActionAt(-1), nullptr);
    QCOMPARE(source.getDrawingActionAt(2), nullptr);
}

void TestDrawDataSource::backgroundElementsDiffer_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("given");
    QTest::addColumn<bool>("differ");
    QTest::newRow("both empty") << "" << "" << true;
    QTest::newRow("page longer") << "7:a,8:b" << "7:a" << true;
    QTest::newRow("given longer") << "7:a" << "7:a,8:b" << true;
    QTest::newRow("equal copies") << "7:a,8:b" << "7:a,8:b" << false;
    QTest::newRow("url differs") << "7:a" << "7:b" << true;
    QTest::newRow("tag differs") << "7:a" << "9:a" << true;
}

void TestDrawDataSource::backgroundElementsDiffer()
{
    QFETCH(QString, page);
    QFETCH(QString, given);
    QFETCH(bool, differ);
    CourseInMemory course;
    TQBroadCastDrawDataSourceInterface source;
    source.setBackgroundElements(elements(page));
    const QList<TQDrawingElement *> other = elements(given);
    QCOMPARE(source.backgroundElementsDiffer(other), differ);
    qDeleteAll(other);
}

void TestDrawDataSource::mergeBackgroundElementUrls_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("given");
    QTest::addColumn<QStringList>("merged");
    QTest::newRow("missing urls filled") << "7:a,8:b" << "7:,8:" << QStringList{"a", "b"};
    QTest::newRow("own url kept") << "7:a,8:b" << "7:x,8:" << QStringList{"x", "b"};
    QTest::newRow("other tag not filled") << "7:a" << "9:" << QStringList{""};
    QTest::newRow("page without url") << "7:" << "7:" << QStringList{""};
    QTest::newRow("lengths differ") << "7:a,8:b" << "7:" << QStringList{""};
}

void TestDrawDataSource::mergeBackgroundElementUrls()
{
    QFETCH(QString, page);
    QFETCH(QString, given);
    QFETCH(QStringList, merged);
    CourseInMemory course;
    TQBroadCastDrawDataSourceInterface source;
    source.setBackgroundElements(elements(page));
    const QList<TQDrawingElement *> other = elements(given);
    source.mergeBackgroundElementUrls(other);
    QCOMPARE(urls(other), merged);
    const QList<TQDrawingElement *> pageBefore = elements(page);
    QCOMPARE(urls(*source.reservoirBackgroundElements()), urls(pageBefore)); // the page's own urls untouched
    qDeleteAll(pageBefore);
    qDeleteAll(other);
}

void TestDrawDataSource::nullBackgroundElement()
{
    CourseInMemory course;
    TQBroadCastDrawDataSourceInterface source;
    TestLogCapture log;
    source.addToReservoirBackgroundElements(nullptr);
    QCOMPARE(log.messages().filter("add background element tag:-404 url:pDrawElement-null").size(), 1);
    QCOMPARE(source.reservoirBackgroundElements()->size(), 1); // the page image only

    source.addToReservoirBackgroundElements(element(42, "b.png"));
    QCOMPARE(log.messages().filter("add background element tag:42 url:b.png").size(), 1);
    QCOMPARE(source.reservoirBackgroundElements()->size(), 2);
}

// An undo snapshot keeps the page's element pointers; clearing or replacing
// the page's list must not free them, or restoring the snapshot reads freed
// memory. The page frees each once, with itself (run under ASan).
void TestDrawDataSource::snapshotsKeepTheirElements()
{
    CourseInMemory course;
    TQBroadCastDrawDataSourceInterface source;
    source.addToReservoirBackgroundElements(element(42, "pasted.png"));
    const QList<TQDrawingElement *> snapshot = *source.reservoirBackgroundElements();
    QCOMPARE(snapshot.size(), 2);

    source.clearBackgroundElements();
    source.setBackgroundElements(elements("43:other.png"));
    source.setBackgroundElements(snapshot);
    QCOMPARE(urls(*source.reservoirBackgroundElements()), (QStringList{"http://127.0.0.1/course/page1.png", "pasted.png"}));
    QCOMPARE(source.reservoirBackgroundElements()->at(1)->tag, 42);
    // Listed in the owned list once, however often it was shown again.
    QCOMPARE(course.page()->mOwnedBackgroundElements.count(snapshot.at(1)), 1);
}

void TestDrawDataSource::restoredPathsBelongToThePage()
{
    CourseInMemory course;
    TQBroadCastDrawDataSourceInterface source;
    auto *committed = new TQPath(1, kBrushColorDefault, 3, 0, 1);
    source.addPagePath(committed);
    const QList<TQPath *> snapshot = *source.getPagePaths();
    source.clearPagePaths();
    QVERIFY(source.getPagePaths()->isEmpty());

    // A restore may bring paths the page never listed (a redo of a cut): the
    // page takes them, so they are freed once, with the page.
    auto *restored = new TQPath(1, kBrushColorDefault, 3, 0, 2);
    source.setPagePaths(snapshot + QList<TQPath *>{restored});
    source.setPagePaths(snapshot + QList<TQPath *>{restored});
    QCOMPARE(source.getPagePaths()->size(), 2);
    QCOMPARE(course.page()->mOwnedPaths.size(), 2);
}

void TestDrawDataSource::foregroundElements()
{
    CourseInMemory course;
    TQBroadCastDrawDataSourceInterface source;
    TQDrawingElement *cover = element(60, "NoURL");
    source.addToReservoirForegroundElements(cover);
    source.addToReservoirForegroundElements(element(61, "NoURL"));
    source.eraseForegroundElement(5); // out of range: nothing
    source.eraseForegroundElement(0);
    QCOMPARE(source.reservoirForegroundElements()->size(), 1);
    // Erased from the list, still the page's: it can come back.
    source.setForegroundElements({cover});
    QCOMPARE(source.reservoirForegroundElements()->at(0)->tag, 60);
    source.clearForegroundElements();
    QVERIFY(source.reservoirForegroundElements()->isEmpty());
}

void TestDrawDataSource::forwardsToServices()
{
    CourseInMemory course;
    FakeClassServices services;
    TQBroadCastDrawDataSourceInterface source;
    services.attach(source);

    QVERIFY(!source.downloadBinaryFile(QString()));
    QVERIFY(!source.downloadBinaryFile("x"));
    QVERIFY(source.downloadBinaryFile("http://127.0.0.1/course/page1.png"));
    QVERIFY(source.hasBinaryTransfer("sent"));
    QVERIFY(!source.hasBinaryTransfer("other"));
    source.raiseSendLevel(3);
    source.sendImageFileForUrl("u", 9, true, false);
    source.enableBackForwardButton(true, false);
    source.uploadImageFile("/tmp/p.png", 2, 5);
    source.setDrawingEnabled(true, "hint");
    source.notifyPageTurnState(true);
    source.notifyTopOffsetChanged(640);
    source.notifyPageTurned(1, 2);
    QVERIFY(source.isDrawingEnabled());

    QCOMPARE(services.calls, (QStringList{"download http://127.0.0.1/course/page1.png", "pause 3",
                                          "send image u 9 -1 1 0", "undo 1 redo 0", "upload /tmp/p.png 2 5",
                                          "drawing 1 hint", "turn state 1", "top 640", "turned 1 2"}));

    auto *action = new TQDrawingActionLine;
    source.sendDrawingAction(action);
    QCOMPARE(services.sentActions, std::vector<TQDrawingAction *>{action});
}

void TestDrawDataSource::sendWithoutRealTimeManager()
{
    // Before the real-time manager exists the copy handed over is freed, not
    // leaked (run under ASan).
    TQBroadCastDrawDataSourceInterface source;
    source.sendDrawingAction(new TQDrawingActionLine);
    TQDrawDataSourceInterface base;
    base.sendDrawingAction(new TQDrawingActionLine);
}

void TestDrawDataSource::prepareTurnPage_data()
{
    QTest::addColumn<bool>("begin");
    QTest::addColumn<bool>("studentsWriting");
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("writers withdrawn: shade, then the timer commits")
        << true << true
        << QStringList{"suspend 11", "shade 1 3 暂时收回学生写板书的权限 2000", "turn timer"};
    QTest::newRow("nobody writing: commit at once, no shade") << true << false << QStringList{"suspend 11", "commit turn"};
    QTest::newRow("turn over: rights back") << false << true << QStringList{"restore"};
}

void TestDrawDataSource::prepareTurnPage()
{
    QFETCH(bool, begin);
    QFETCH(bool, studentsWriting);
    QFETCH(QStringList, calls);
    FakeClassServices services;
    services.studentsWriting = studentsWriting;
    TQBroadCastDrawDataSourceInterface source;
    services.attach(source);
    source.prepareTurnPage(begin);
    QCOMPARE(services.calls, calls);
}

void TestDrawDataSource::toastShowsTextForItsTime()
{
    FakeClassServices services;
    TQBroadCastDrawDataSourceInterface source;
    services.attach(source);
    source.showToast("x", 301, 2000);
    const QList<CToast *> shown = topLevelWidgetsOf<CToast>();
    QCOMPARE(shown.size(), 1);
    QPointer<CToast> toast = shown.first();
    QCOMPARE(toast->findChild<QLabel *>()->text(), QString("x"));
    // 2000 ms are 20 ticks of the toast's fade; the 301 plays no part.
    for (int i = 0; i < 19; ++i)
        toast->timeout_slot();
    QVERIFY(toast->isVisible());
    toast->timeout_slot();
    QTRY_VERIFY(toast.isNull());
}

void TestDrawDataSource::takePictureShowsOwnPhoto()
{
    LoginManager::saveLoginInfo(QJsonObject{
        {"accountDetails", QJsonObject{{"user_id", "10001"}, {"user_nick_name", "王老师"}}}});
    FakeClassServices services;
    TQBroadCastDrawDataSourceInterface source;
    services.attach(source);
    QSignalSpy shown(&services.photoLayout, &TQTakePictureLayout::pictureShown);
    source.updateTakePictureImage("http://127.0.0.1/photo.png", "王老师");
    QCOMPARE(services.context.photoLayout, &services.photoLayout);
    QCOMPARE(services.photoLayout.awaitedUserId(), QString("10001"));
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.at(0).at(0).toString(), QString("http://127.0.0.1/photo.png"));
    QCOMPARE(shown.at(0).at(1).toString(), QString("王老师"));
}

QTEST_MAIN(TestDrawDataSource)
#include "tst_drawdatasource.moc"
