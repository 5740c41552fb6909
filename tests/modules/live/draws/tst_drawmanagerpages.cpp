// Pages, materials, scrolling and undo of the draw manager, driven through its
// queue against real board layers, the live data source over an in-memory
// course (material 501 with three pages, material 502 a blank placeholder)
// and, for a material's pages, the local stand-in service. Checked: the
// actions published in order, the page state, the services the board
// called, and the toasts it showed.
#include "DrawManagerFixture.h"
#include "StandInService.h"
#include "TestFigure.h"
#include "TopLevelWidgets.h"

#include "actions/drawing/TQDrawingActionLine.h"
#include "actions/drawing/TQDrawingActionMoveUpDown.h"
#include "actions/drawing/TQDrawingActionRestore.h"
#include "actions/drawing/TQDrawingActionSave.h"
#include "actions/drawing/TQDrawingActionSelectMaterial.h"
#include "actions/drawing/TQDrawingActionTurnPage.h"
#include "base/dialog/CToast.h"
#include "modules/live/draws/TQPath.h"
#include "modules/live/draws/TQShapeFreeDraw.h"
#include "shapes/TQShapeGeneric.h"
#include "platform/http/ApiPaths.h"
#include "utils/FileUtils.h"
#include "utils/GlobalConfig.h"

#include <QJsonArray>
#include <QLabel>
#include <QtTest>

#include <climits>
#include <set>

namespace {

using Source = TQBroadCastDrawDataSourceInterface;

const QString kPageBottom = QStringLiteral("已经到达本讲义页最低处，请换页讲解");
const QString kDownloadHint = QStringLiteral("学生正在下载本页讲义，大约需要3到5秒");

std::string pageUrl(int index)
{
    return "http://127.0.0.1/course/page" + std::to_string(index + 1) + ".png";
}

// The class around the fixture's board, as the live window wires it: the
// source's page turn reaches the real draw manager, and the transporter
// reports the urls in `transferred`. What reaches a service is still recorded
// by the fixture's services.
class ClassAround : public Source::MethodService,
                    public Source::DrawManager,
                    public Source::BinaryTransporterManager
{
public:
    explicit ClassAround(DrawManagerFixture &f)
        : f(f)
        , context(f.services.context)
    {
        context.transporter = this;
        f.source.setMethodService(this);
        f.source.setContext(&context);
    }

    bool suspendAllStudentWriting(int reason) override { return f.services.suspendAllStudentWriting(reason); }
    void restoreStudentWriting() override { f.services.restoreStudentWriting(); }
    Source::Activity *getActivity() override { return &f.services; }
    Source::DrawManager *getDrawManager() override { return this; }

    void showWaitingShade(bool show, int tag, const std::string &text, int ms) override
    {
        f.services.showWaitingShade(show, tag, text, ms);
        f.manager.showWaitingShade(show, tag, text, ms);
    }
    void startTurnPageTimer() override
    {
        f.services.startTurnPageTimer();
        f.manager.startTurnPageTimer();
    }
    void commitPendingTurnPage() override
    {
        f.services.commitPendingTurnPage();
        f.manager.commitPendingTurnPage();
    }

    bool isUrlTransported(const std::string &url) override { return transferred.count(url) > 0; }
    void sendImageFileForUrl(const std::string &url, int value, int receiver, bool first, bool second) override
    {
        f.services.sendImageFileForUrl(url, value, receiver, first, second);
    }

    DrawManagerFixture &f;
    Source::Context context;
    std::set<std::string> transferred;
};

struct Board
{
    Board() { f.services.calls.clear(); }

    // Codes published since `from`.
    std::vector<int> codesFrom(size_t from) const
    {
        const std::vector<int> all = f.sentCodes();
        return std::vector<int>(all.begin() + std::min(from, all.size()), all.end());
    }
    template <class Action>
    Action *lastSent(int code) const
    {
        const auto list = f.sent<Action>(code);
        return list.empty() ? nullptr : list.back();
    }
    // Moves the board to `top` pixels as the teacher's own scroll would.
    void scrollTo(int top)
    {
        f.manager.queueMoveUpDown(501, f.manager.pageIndex(), 4000, 2560, top * 4, top * 4, 0, 0, false,
                                  DrawManagerFixture::kTeacher);
        f.drain();
    }
    // A pen stroke of the teacher's on the current page, committed.
    TQPath *stroke(int strokeId)
    {
        f.manager.queueDrawLine({TQPointW(40, 40), TQPointW(80, 40)}, 4000, 2560, f.manager.topOffset() * 4,
                                f.manager.topOffset() * 4, f.manager.materialId(), f.manager.pageIndex(),
                                TQBrushStyle(), false, true, strokeId, DrawManagerFixture::kTeacher, 0);
        f.manager.queueSave(f.manager.materialId(), f.manager.pageIndex(), strokeId, DrawManagerFixture::kTeacher);
        f.drain();
        return f.source.getPagePaths()->isEmpty() ? nullptr : f.source.getPagePaths()->back();
    }
    void turn(int from, int to)
    {
        auto *turn = new TQDrawingActionTurnPage;
        turn->materialId = 501;
        turn->pageIndex = from;
        turn->targetPage = to;
        turn->senderId = DrawManagerFixture::kTeacher;
        f.manager.queueAction(turn);
        f.drain();
    }
    // The toasts shown so far, closed.
    static QStringList takeToasts()
    {
        QStringList texts;
        for (CToast *toast : topLevelWidgetsOf<CToast>()) {
            texts << toast->findChild<QLabel *>()->text();
            delete toast;
        }
        return texts;
    }
    QStringList takeCalls(const QStringList &ignoring = {"top", "drawing", "undo"})
    {
        QStringList kept;
        for (const QString &call : qAsConst(f.services.calls)) {
            if (!ignoring.contains(call.section(' ', 0, 0)))
                kept << call;
        }
        f.services.calls.clear();
        return kept;
    }

    DrawManagerFixture f;
    ClassAround around{f};
};

} // namespace

class TestDrawManagerPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void scrollRequests_data();
    void scrollRequests();
    void scrollNeedsAMaterial();
    void receivedScrollStaysInThePage_data();
    void receivedScrollStaysInThePage();
    void turnPageOnce_data();
    void turnPageOnce();
    void downloadHint_data();
    void downloadHint();
    void receivedTurnOutsideTheMaterialIsRefused();
    void strokeOfAnotherPageTurnsThere();
    void placeholderIsReplacedKeepingStrokes();
    void unconvertedMaterialMakesWayForAPlaceholder();
    void lateDetailReplacesAPlaceholderNotShown();
    void scrollFinishesTheShapeBeingDrawn();
    void undoAndRedo();
    void resizeRepublishesThePosition();
    void contentBottom();
    void resizeGrowsTheContent();

private:
    StandInService m_service;
};

void TestDrawManagerPages::initTestCase()
{
    QVERIFY(m_service.listen());
    GlobalConfig().setValue(QStringLiteral("api_host"), m_service.baseUrl());
}

void TestDrawManagerPages::cleanup()
{
    Board::takeToasts();
}

void TestDrawManagerPages::scrollRequests_data()
{
    QTest::addColumn<QString>("call");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("toast");

    // 23 screens of a 640-pixel canvas: the largest top offset is 14080.
    QTest::newRow("down by a quarter screen") << "down" << 0 << 0 << 0 << 160 << false;
    QTest::newRow("down by a step") << "down" << 300 << 0 << 1000 << 1300 << false;
    QTest::newRow("down to the very bottom") << "down" << 80 << 0 << 14000 << 14080 << false;
    QTest::newRow("down past the bottom") << "down" << 500 << 0 << 14000 << 14080 << true;
    QTest::newRow("up by a quarter screen, not below 0") << "up" << 0 << 0 << 100 << 0 << false;
    QTest::newRow("up by a step") << "up" << 50 << 0 << 300 << 250 << false;
    QTest::newRow("scroll bar at its end") << "toY" << 200 << 200 << 0 << 14080 << false;
    QTest::newRow("scroll bar halfway") << "toY" << 100 << 200 << 0 << 7360 << false;
    QTest::newRow("scroll bar without a range") << "toY" << 5 << 0 << 300 << 0 << false;
}

void TestDrawManagerPages::scrollRequests()
{
    QFETCH(QString, call);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, start);
    QFETCH(int, expected);
    QFETCH(bool, toast);
    Board board;
    board.scrollTo(start);
    QCOMPARE(board.f.manager.topOffset(), start);
    const size_t before = board.f.services.sentActions.size();
    board.takeCalls();

    if (call == "down")
        board.f.manager.scrollDown(a);
    else if (call == "up")
        board.f.manager.scrollUp(a);
    else
        board.f.manager.scrollToY(a, b);
    // Nothing moves before the queued scroll is applied.
    QCOMPARE(board.f.manager.topOffset(), start);
    board.f.drain();

    QCOMPARE(board.codesFrom(before), (std::vector<int>{5, 2}));
    const auto *move = board.lastSent<TQDrawingActionMoveUpDown>(5);
    QCOMPARE(move->topOffset, expected * 4);
    QCOMPARE(move->secondOffset, expected * 4);
    QCOMPARE(QSize(move->canvasWidth, move->canvasHeight), QSize(4000, 2560));
    QCOMPARE(move->senderId, DrawManagerFixture::kTeacher);
    QCOMPARE(board.f.manager.topOffset(), expected);
    QCOMPARE(board.f.source.getPageTopOffset(), expected);
    QVERIFY(board.f.services.calls.contains(QStringLiteral("top %1").arg(expected)));
    QCOMPARE(Board::takeToasts(), toast ? QStringList{kPageBottom} : QStringList());
}

void TestDrawManagerPages::scrollNeedsAMaterial()
{
    Board board;
    TQDrawManager fresh;
    fresh.init(&board.f.source, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
               QSize(1000, 640), 23.0f);
    fresh.scrollDown(0);
    fresh.scrollToY(1, 2);
    QCOMPARE(fresh.queuedActionCount(), 0);
}

void TestDrawManagerPages::receivedScrollStaysInThePage_data()
{
    QTest::addColumn<int>("code"); // 5 a scroll, 0 a line
    QTest::addColumn<int>("canvasWidth");
    QTest::addColumn<int>("topOffset");
    QTest::addColumn<int>("noAdjust");
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("republished"); // in the author's quarter units
    QTest::addColumn<bool>("toast");

    // Our board is 1000 wide; 8000 quarter units is a board twice as wide.
    QTest::newRow("author twice as wide") << 5 << 8000 << 800 << 0 << 100 << 800 << false;
    QTest::newRow("past the bottom") << 5 << 8000 << 120000 << 0 << 14080 << 112640 << true;
    QTest::newRow("past the bottom, following") << 5 << 8000 << 120000 << 1 << 14080 << 112640 << false;
    QTest::newRow("above the top") << 5 << 8000 << -800 << 0 << 0 << 0 << false;
    QTest::newRow("student line at 2e9 on a 2-wide canvas")
        << 0 << 2 << 2000000000 << 1 << 14080 << 14080 / 500 << false;
    QTest::newRow("scroll at the largest offset") << 5 << 2 << INT_MAX << 1 << 14080 << 14080 / 500 << false;
    QTest::newRow("line at the smallest offset") << 0 << 2 << INT_MIN << 0 << 0 << 0 << false;
}

void TestDrawManagerPages::receivedScrollStaysInThePage()
{
    QFETCH(int, code);
    QFETCH(int, canvasWidth);
    QFETCH(int, topOffset);
    QFETCH(int, noAdjust);
    QFETCH(int, expected);
    QFETCH(int, republished);
    QFETCH(bool, toast);
    Board board;
    board.scrollTo(10);
    TQDrawingAction *action = nullptr;
    if (code == 5) {
        auto *move = new TQDrawingActionMoveUpDown;
        move->canvasWidth = canvasWidth;
        move->topOffset = move->secondOffset = topOffset;
        move->noAdjust = noAdjust;
        action = move;
    } else {
        auto *line = new TQDrawingActionLine;
        line->points = {TQPointW(1, 1), TQPointW(2, 1)};
        line->canvasWidth = canvasWidth;
        line->canvasHeight = canvasWidth;
        line->topOffset = line->secondOffset = topOffset;
        line->noAdjust = noAdjust;
        line->strokeId = 9;
        action = line;
    }
    action->materialId = 501;
    action->senderId = 20002;
    const size_t before = board.f.services.sentActions.size();
    board.f.manager.queueAction(action);
    board.f.drain();

    const std::vector<int> codes = code == 5 ? std::vector<int>{5} : std::vector<int>{5, 0};
    QCOMPARE(board.codesFrom(before), codes);
    const auto *move = board.lastSent<TQDrawingActionMoveUpDown>(5);
    QCOMPARE(move->topOffset, republished);
    QCOMPARE(move->secondOffset, republished);
    QCOMPARE(board.f.manager.topOffset(), expected);
    QCOMPARE(board.f.source.getPageTopOffset(), expected);
    QCOMPARE(Board::takeToasts(), toast ? QStringList{kPageBottom} : QStringList());
}

void TestDrawManagerPages::turnPageOnce_data()
{
    QTest::addColumn<bool>("studentsWriting");
    QTest::newRow("nobody writing: at once") << false;
    QTest::newRow("students writing: after the shade") << true;
}

void TestDrawManagerPages::turnPageOnce()
{
    QFETCH(bool, studentsWriting);
    Board board;
    board.f.services.studentsWriting = studentsWriting;
    // Page 3 is in the cache already, page 2 is not.
    QVERIFY(FileUtils::putFileContent(FileUtils::getResourceFileFromUrl(QString::fromStdString(pageUrl(2))), "png"));
    QFile::remove(FileUtils::getResourceFileFromUrl(QString::fromStdString(pageUrl(1))));
    board.scrollTo(300);
    const size_t before = board.f.services.sentActions.size();
    board.takeCalls();

    board.f.manager.requestTurnPage(501, 0, 1, DrawManagerFixture::kTeacher);
    if (studentsWriting) {
        QVERIFY(board.f.manager.isTurnPending());
        QVERIFY(board.f.shadeView.isVisible());
        QCOMPARE(QString::fromStdString(board.f.shadeView.message()), QStringLiteral("暂时收回学生写板书的权限"));
        // A second request while the first waits is ignored.
        board.f.manager.requestTurnPage(501, 0, 2, DrawManagerFixture::kTeacher);
        board.f.drain();
        QCOMPARE(board.f.manager.pageIndex(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(board.f.manager.pageIndex() == 1, 3000);
    }
    board.f.drain();

    // The page left is saved, then the turn, the scroll to where the new page
    // was, and its first snapshot.
    QCOMPARE(board.codesFrom(before), (std::vector<int>{2, 4, 5, 2}));
    const auto *turn = board.lastSent<TQDrawingActionTurnPage>(4);
    QCOMPARE(turn->materialId, 501);
    QCOMPARE(turn->pageIndex, 0);
    QCOMPARE(turn->targetPage, 1);
    QCOMPARE(turn->senderId, DrawManagerFixture::kTeacher);
    QCOMPARE(board.lastSent<TQDrawingActionMoveUpDown>(5)->topOffset, 0);
    QVERIFY(!board.f.manager.isTurnPending());
    QCOMPARE(board.f.manager.pageIndex(), 1);
    QCOMPARE(board.f.manager.topOffset(), 0);
    QCOMPARE(board.f.course.material()->mOngoingPageIndex, 1);
    QCOMPARE(board.f.course.page()->fileUrl, pageUrl(1));

    QStringList expected{"suspend 11"};
    if (studentsWriting)
        expected << "shade 1 3 暂时收回学生写板书的权限 2000" << "turn timer";
    else
        expected << "commit turn";
    // First turn of the class without a local copy: 5 s for the download;
    // page 3 goes out now, page 2 once it is downloaded.
    expected << "pause 5" << "turn state 1" << "turned 501 1"
             << QStringLiteral("send image %1 1 -1 0 1").arg(QString::fromStdString(pageUrl(2))) << "restore";
    QCOMPARE(board.takeCalls(), expected);
    QCOMPARE(Board::takeToasts(), QStringList{kDownloadHint});
    QVERIFY(!board.f.shadeView.isVisible());

    // Back on page 0 the board returns to where it was scrolled there.
    board.turn(1, 0);
    QCOMPARE(board.f.manager.topOffset(), 300);
    QCOMPARE(board.lastSent<TQDrawingActionMoveUpDown>(5)->topOffset, 1200);
}

void TestDrawManagerPages::downloadHint_data()
{
    QTest::addColumn<int>("turns");
    QTest::addColumn<bool>("transferred");
    QTest::addColumn<bool>("localCopy");
    QTest::addColumn<QStringList>("pauses"); // of the last turn

    QTest::newRow("first turn, file being sent") << 1 << true << false << QStringList{"pause 5"};
    QTest::newRow("second turn, file at hand") << 2 << true << true << QStringList{"pause 3"};
    QTest::newRow("third turn, file being sent") << 3 << true << true << QStringList{};
    QTest::newRow("third turn, file not sent") << 3 << false << false << QStringList{"pause 5"};
}

void TestDrawManagerPages::downloadHint()
{
    QFETCH(int, turns);
    QFETCH(bool, transferred);
    QFETCH(bool, localCopy);
    QFETCH(QStringList, pauses);
    Board board;
    for (int page = 0; page < 3; ++page) {
        const QString local = FileUtils::getResourceFileFromUrl(QString::fromStdString(pageUrl(page)));
        QFile::remove(local);
        if (localCopy)
            QVERIFY(FileUtils::putFileContent(local, "png"));
        if (transferred)
            board.around.transferred.insert(pageUrl(page));
    }
    for (int i = 1; i <= turns; ++i) {
        board.takeCalls();
        Board::takeToasts();
        board.turn(i % 2 ? 0 : 1, i % 2 ? 1 : 0);
    }
    QCOMPARE(board.takeCalls().filter(QRegularExpression("^pause")), pauses);
    QCOMPARE(Board::takeToasts(), pauses.isEmpty() ? QStringList() : QStringList{kDownloadHint});
}

void TestDrawManagerPages::receivedTurnOutsideTheMaterialIsRefused()
{
    Board board;
    const size_t before = board.f.services.sentActions.size();
    for (int target : {3, -1, INT_MAX})
        board.turn(0, target);
    QVERIFY(board.codesFrom(before).empty());
    QCOMPARE(board.f.manager.pageIndex(), 0);
    QCOMPARE(board.f.course.material()->mOngoingPageIndex, 0);
}

void TestDrawManagerPages::strokeOfAnotherPageTurnsThere()
{
    Board board;
    // The teacher's stroke on page 0 is still pending when a student writes on page 2.
    board.f.manager.queueDrawLine({TQPointW(40, 40), TQPointW(80, 40)}, 4000, 2560, 0, 0, 501, 0, TQBrushStyle(), false,
                                  true, 4, DrawManagerFixture::kTeacher, 0);
    board.f.drain();
    auto *line = new TQDrawingActionLine;
    line->points = {TQPointW(40, 40), TQPointW(80, 40)};
    line->canvasWidth = 4000;
    line->canvasHeight = 2560;
    line->materialId = 501;
    line->pageIndex = 2;
    line->strokeId = 5;
    line->senderId = 20002;
    const size_t before = board.f.services.sentActions.size();
    board.f.manager.queueAction(line);
    board.f.drain();

    // The page left keeps the teacher's stroke; the board turns to page 2 and
    // tells every student, then draws the student's stroke there.
    QCOMPARE(board.codesFrom(before), (std::vector<int>{2, 4, 5, 2, 0}));
    QCOMPARE(board.lastSent<TQDrawingActionTurnPage>(4)->targetPage, 2);
    QCOMPARE(board.f.manager.pageIndex(), 2);
    QCOMPARE(int(board.f.manager.pendingPaths().size()), 1);
    QCOMPARE(board.f.manager.pendingPaths().front()->strokeId, 5);
    QVERIFY(board.f.source.getPagePaths()->isEmpty());
    QCOMPARE(board.f.course.material()->mFileItems[0].mVisiblePaths.size(), 1);
    QCOMPARE(board.f.course.material()->mFileItems[0].mVisiblePaths.front()->strokeId, 4);
}

void TestDrawManagerPages::placeholderIsReplacedKeepingStrokes()
{
    const QString realUrl = m_service.baseUrl() + "/files/pages/page1.png";
    QJsonArray pages;
    for (const QString &url : {realUrl, m_service.baseUrl() + "/files/pages/page2.png"})
        pages.append(QJsonObject{{"file_url", url}});
    StandInService::Reply reply = StandInService::Reply::ok(
        {{"material_id", "502"}, {"material_name", "一元一次方程"}, {"file_items", pages}});
    reply.delayMs = 100;
    m_service.setReply(ApiPaths::kGetCourseMaterialDetail, reply);
    m_service.clearRequests();
    Board board;
    const auto count502 = [&] {
        int n = 0;
        for (const MaterialDetailBean *m : board.f.course.course->course_materials)
            n += m->materialId == 502;
        return n;
    };

    const size_t before = board.f.services.sentActions.size();
    board.f.manager.queueSelectMaterialInstruction(502, 0, DrawManagerFixture::kTeacher, true);
    board.f.drain();
    QCOMPARE(board.codesFrom(before), (std::vector<int>{6, 4, 5, 2}));
    // The teacher draws on a blank page at once; the placeholder is reused.
    QCOMPARE(board.f.manager.materialId(), 502);
    QVERIFY(board.f.course.material()->mIsBlankPlaceholder);
    QCOMPARE(count502(), 1);
    const int blankTag = board.f.course.page()->mReservoirBackgroundElements.front()->tag;
    TQPath *drawn = board.stroke(31);
    QVERIFY(drawn);

    QVERIFY(m_service.waitForRequests(1));
    QCOMPARE(m_service.requests().front().path, ApiPaths::kGetCourseMaterialDetail);
    QCOMPARE(m_service.requests().front().formValue("materialID"), QStringLiteral("502"));
    const size_t beforeReply = board.f.services.sentActions.size();
    QTRY_VERIFY(!board.f.course.material()->mIsBlankPlaceholder);

    QCOMPARE(count502(), 1);
    QCOMPARE(board.f.course.material()->materialId, 502);
    QCOMPARE(board.f.course.material()->mFileItems.size(), size_t(2));
    FileBean *page = board.f.course.page();
    QCOMPARE(page->fileUrl, realUrl.toStdString());
    QCOMPARE(page->mVisiblePaths, QList<TQPath *>{drawn});
    QCOMPARE(page->mReservoirBackgroundElements.size(), 1);
    QCOMPARE(page->mReservoirBackgroundElements.front()->tag, blankTag);
    QCOMPARE(page->mReservoirBackgroundElements.front()->url, realUrl);
    // The rebuild is not a turn the students must follow; its snapshot is.
    QCOMPARE(board.codesFrom(beforeReply), (std::vector<int>{2}));
    QCOMPARE(board.f.manager.pageIndex(), 0);

    // A snapshot of the blank page shows the real page image once restored.
    board.f.manager.undo();
    board.f.drain();
    QCOMPARE(page->mVisiblePaths, QList<TQPath *>{drawn});
    QCOMPARE(page->mReservoirBackgroundElements.front()->tag, blankTag);
    QCOMPARE(page->mReservoirBackgroundElements.front()->url, realUrl);

    // A late second reply for the same material changes nothing.
    QJsonObject again{{"material_id", "502"}, {"file_items", pages}};
    board.f.manager.handleMaterialDetail_slot(again);
    QCOMPARE(board.f.course.page(), page);
    m_service.clearReplies();
}

void TestDrawManagerPages::unconvertedMaterialMakesWayForAPlaceholder()
{
    m_service.setReply(ApiPaths::kGetCourseMaterialDetail, StandInService::Reply::failure(1, "busy"));
    Board board;
    CourseDetailBean &course = *board.f.course.course;
    // The first material is still being converted, and so is material 503.
    course.course_materials.first()->materialFileProcessState = 2;
    auto *unconverted = new MaterialDetailBean;
    unconverted->materialId = 503;
    unconverted->materialFileProcessState = 2;
    course.course_materials.append(unconverted);

    board.f.manager.queueSelectMaterialInstruction(503, 0, DrawManagerFixture::kTeacher, true);
    board.f.drain();

    QList<MaterialDetailBean *> with503;
    for (MaterialDetailBean *m : course.course_materials) {
        if (m->materialId == 503)
            with503 << m;
    }
    QCOMPARE(with503.size(), 1);
    QVERIFY(with503.front()->mIsBlankPlaceholder);
    QCOMPARE(course.m_pOngoingMaterial, with503.front());
    QCOMPARE(int(course.m_pOngoingMaterial->mFileItems.size()), MaterialDetailBean::kBlankPageCount);
    QCOMPARE(board.f.manager.materialId(), 503);
    QVERIFY(m_service.waitForRequests(1));
    m_service.clearReplies();
    m_service.clearRequests();
}

void TestDrawManagerPages::lateDetailReplacesAPlaceholderNotShown()
{
    m_service.setReply(ApiPaths::kGetCourseMaterialDetail, StandInService::Reply::failure(1, "busy"));
    Board board;
    board.f.manager.queueSelectMaterialInstruction(502, 1, DrawManagerFixture::kTeacher, true);
    board.f.drain();
    TQPath *drawn = board.stroke(8);
    QVERIFY(drawn);
    board.f.manager.queueSelectMaterialInstruction(501, 0, DrawManagerFixture::kTeacher, true);
    board.f.drain();
    const size_t before = board.f.services.sentActions.size();

    // The pages arrive while material 501 is shown: 502 gets them, 501 stays.
    QJsonArray pages;
    for (int i = 0; i < 3; ++i)
        pages.append(QJsonObject{{"file_url", QStringLiteral("http://127.0.0.1/m502/%1.png").arg(i)}});
    QJsonObject detail{{"material_id", "502"}, {"file_items", pages}};
    board.f.manager.handleMaterialDetail_slot(detail);
    QCOMPARE(board.f.course.material()->materialId, 501);
    QVERIFY(board.codesFrom(before).empty());
    const MaterialDetailBean *real = board.f.course.course->course_materials.last();
    QCOMPARE(real->materialId, 502);
    QVERIFY(!real->mIsBlankPlaceholder);
    QCOMPARE(real->mFileItems[1].mVisiblePaths, QList<TQPath *>{drawn});

    // Back on it, the page turned to shows the stroke on its real image.
    board.f.manager.queueSelectMaterialInstruction(502, 1, DrawManagerFixture::kTeacher, true);
    board.f.drain();
    QCOMPARE(board.f.course.page()->fileUrl, std::string("http://127.0.0.1/m502/1.png"));
    QCOMPARE(*board.f.source.getPagePaths(), QList<TQPath *>{drawn});
    m_service.clearReplies();
    m_service.clearRequests();
}

void TestDrawManagerPages::scrollFinishesTheShapeBeingDrawn()
{
    Board board;
    board.f.manager.installShapeTool(new TestFigure);
    board.f.manager.scrollDown(0);
    // The shape is done and the pen is back before the scroll is queued.
    QVERIFY(dynamic_cast<TQShapeFreeDraw *>(board.f.manager.currentTool()));
    QVERIFY(board.f.manager.currentTool()->params.id != 0);
    board.f.drain();
    QCOMPARE(board.f.manager.topOffset(), 160);
}

void TestDrawManagerPages::undoAndRedo()
{
    Board board;
    TQPath *first = board.stroke(11);
    // The teacher's scroll takes a snapshot of its own.
    board.f.manager.updateTopOffset(640, false);
    board.f.drain();
    TQPath *second = board.stroke(12);
    QVERIFY(first && second);
    board.takeCalls();
    const size_t before = board.f.services.sentActions.size();

    // Back to the snapshot after the scroll: the second stroke goes.
    board.f.manager.undo();
    QCOMPARE(board.takeCalls(QStringList{"top", "drawing"}), QStringList{"undo 1 redo 1"});
    board.f.drain();
    QCOMPARE(board.codesFrom(before), (std::vector<int>{3}));
    QCOMPARE(*board.f.source.getPagePaths(), (QList<TQPath *>{first}));
    QCOMPARE(board.f.manager.topOffset(), 640);

    // Back to the snapshot before the scroll: the board scrolls back and says so.
    board.f.manager.undo();
    board.f.drain();
    QCOMPARE(board.codesFrom(before), (std::vector<int>{3, 3, 5}));
    QCOMPARE(board.f.manager.topOffset(), 0);
    QCOMPARE(board.lastSent<TQDrawingActionMoveUpDown>(5)->topOffset, 0);
    const auto restores = board.f.sent<TQDrawingActionRestore>(3);
    QVERIFY(restores[0]->snapshotId > restores[1]->snapshotId);
    QCOMPARE(restores[1]->senderId, DrawManagerFixture::kTeacher);

    board.f.manager.redo();
    board.f.manager.redo();
    board.f.drain();
    QCOMPARE(*board.f.source.getPagePaths(), (QList<TQPath *>{first, second}));
    QCOMPARE(board.f.manager.topOffset(), 640);
    QCOMPARE(board.takeCalls(QStringList{"top", "drawing"}).last(), QStringLiteral("undo 1 redo 0"));
    // At the newest snapshot, redo queues nothing.
    board.f.manager.redo();
    QCOMPARE(board.f.manager.queuedActionCount(), 0);

    // A new stroke after an undo: what was undone cannot come back.
    board.f.manager.undo();
    board.f.drain();
    board.stroke(13);
    QCOMPARE(board.takeCalls(QStringList{"top", "drawing"}).last(), QStringLiteral("undo 1 redo 0"));
    board.f.manager.redo();
    QCOMPARE(board.f.manager.queuedActionCount(), 0);

    // A turn starts the page's history afresh: nothing to undo.
    board.turn(0, 1);
    QCOMPARE(board.takeCalls(QStringList{"top", "drawing"}).filter("undo").last(), QStringLiteral("undo 0 redo 0"));
    QCOMPARE(board.f.manager.history().size(), 1);
}

void TestDrawManagerPages::resizeRepublishesThePosition()
{
    Board board;
    board.scrollTo(500);
    const size_t before = board.f.services.sentActions.size();
    board.f.manager.adjustVisibleSize(QSize(800, 512));
    board.f.drain();
    QCOMPARE(board.f.manager.visibleSize(), QSize(800, 512));
    QCOMPARE(board.f.temporalLayout.QQuickItem::size(), QSizeF(800, 512));
    QCOMPARE(board.f.shadeView.size(), QSizeF(800, 512));
    // Page coordinates keep their scale: the same top offset goes out again.
    QCOMPARE(board.codesFrom(before), (std::vector<int>{5, 2}));
    QCOMPARE(board.lastSent<TQDrawingActionMoveUpDown>(5)->topOffset, 2000);
    QCOMPARE(board.f.manager.topOffset(), 500);
}

void TestDrawManagerPages::contentBottom()
{
    Board board;
    const TQDrawingElement *image = board.f.source.reservoirBackgroundElements()->front();
    QVERIFY(image->height > 0);
    QCOMPARE(board.f.manager.backgroundBottom(), image->y + image->height);
    QCOMPARE(board.f.manager.getContentBottom(), image->y + image->height);
    QCOMPARE(board.f.manager.getMaxContentHeight(), 640 * 23);

    // A stroke down to y 1100 (quarter units at scale 0.25).
    board.f.manager.queueDrawLine({TQPointW(40, 4000), TQPointW(80, 4400)}, 4000, 2560, 0, 0, 501, 0, TQBrushStyle(),
                                  false, true, 3, DrawManagerFixture::kTeacher, 0);
    board.f.manager.queueSave(501, 0, 3, DrawManagerFixture::kTeacher);
    board.f.drain();
    QCOMPARE(board.f.manager.getContentBottom(), std::max(1100, image->y + image->height));
    // Cover boards lie over the page; they are not its content.
    board.f.addCoverBoard(9, QRect(0, 2000, 100, 300));
    QCOMPARE(board.f.manager.foregroundBottom(), 2300);
    QCOMPARE(board.f.manager.getContentBottom(), std::max(1100, image->y + image->height));
}

void TestDrawManagerPages::resizeGrowsTheContent()
{
    Board board;
    QQuickItem content;
    content.setSize(QSizeF(1000, 640));
    board.f.manager.init(&board.f.source, &board.f.temporalLayout, &board.f.shadeView, &board.f.temporalView,
                         &board.f.sketchView, &board.f.backgroundLayout, &board.f.foregroundLayout, &content, nullptr,
                         QSize(1000, 640), 23.0f);
    board.f.manager.adjustVisibleSize(QSize(1200, 700));
    for (QQuickItem *item : std::initializer_list<QQuickItem *>{&content, &board.f.sketchView, &board.f.temporalView,
                                                                 &board.f.backgroundLayout, &board.f.foregroundLayout})
        QCOMPARE(item->size(), QSizeF(1200, 700));
    // A smaller board leaves the content as large as it was.
    board.f.manager.adjustVisibleSize(QSize(800, 512));
    QCOMPARE(content.size(), QSizeF(1200, 700));
    board.f.drain();
}

QTEST_MAIN(TestDrawManagerPages)
#include "tst_drawmanagerpages.moc"
